// The session record: the player's preferences as read at start-up and a few
// values of the running session, held as fixed-position text (positions
// 1-999 in three blocks). Every subsystem reads preferences from here.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace orv {

struct SrField {
  int pos;
  int width;
};

// The fields and their positions; see settings.cpp for the keys that fill them.
namespace sr {
inline constexpr SrField SettingsFileName{1, 20};
inline constexpr SrField BackCard{21, 3};
inline constexpr SrField CardSet{24, 3};
inline constexpr SrField BackgroundDefault{27, 1};
inline constexpr SrField BackgroundColour{28, 15};
inline constexpr SrField BackgroundImage{43, 4};
inline constexpr SrField BackgroundFixedColour{47, 15};
inline constexpr SrField GameNumber{62, 4};
inline constexpr SrField ShowTime{66, 1};
inline constexpr SrField CardsAnimate{67, 1};
inline constexpr SrField Language{68, 6};
inline constexpr SrField SpeedMoveCard{74, 2};
inline constexpr SrField PlayerName{77, 30};
inline constexpr SrField ScoringSystem{120, 2};
inline constexpr SrField Score{122, 6};
inline constexpr SrField CardSize{128, 1};
inline constexpr SrField CardSetKept{129, 3};
inline constexpr SrField FadeBackground{135, 1};
inline constexpr SrField ShowScore{136, 1};
inline constexpr SrField UndoEnabled{137, 1};
inline constexpr SrField SoundsEnabled{141, 1};
inline constexpr SrField SoundsAutoplay{143, 1};
inline constexpr SrField SoundsGameWon{144, 1};
inline constexpr SrField SoundsNewGame{145, 1};
inline constexpr SrField SoundsShuffle{149, 1};
inline constexpr SrField RandomBackground{152, 1};
inline constexpr SrField DealNumber{153, 15};
inline constexpr SrField Cursor{172, 2};
inline constexpr SrField SoundsPairing{175, 1};
inline constexpr SrField SoundsStock{176, 1};
inline constexpr SrField SoundsTableau{177, 1};
inline constexpr SrField CardsShadowed{178, 1};
inline constexpr SrField UntidyPiles{179, 1};
inline constexpr SrField SoundsFaceUp{180, 1};
inline constexpr SrField SoundsCardDown{181, 1};
inline constexpr SrField SoundsCardUp{182, 1};
inline constexpr SrField SoundsRedeal{183, 1};
inline constexpr SrField SoundsFoundation{184, 1};
inline constexpr SrField ConfirmQuitGame{185, 1};
inline constexpr SrField RandomCard{187, 1};
inline constexpr SrField RandomDeck{188, 1};
inline constexpr SrField GameName{189, 50};
inline constexpr SrField AutomaticFaceUp{239, 1};
inline constexpr SrField CardSizeKept{240, 1};
inline constexpr SrField DealAnimation{241, 1};
inline constexpr SrField RedealAnimation{242, 1};
inline constexpr SrField ShowToolTips{244, 1};
inline constexpr SrField CustomizedBackgroundSet{246, 1};
inline constexpr SrField RightClickToFoundations{247, 1};
inline constexpr SrField RightClickToTableaus{248, 1};
inline constexpr SrField DoubleClickToFoundations{249, 1};
inline constexpr SrField DoubleClickToTableaus{251, 1};
inline constexpr SrField SoundsRedealWithoutAnimation{252, 1};
inline constexpr SrField ShowPartialHiddenCard{255, 1};
inline constexpr SrField CustomizedDeckSet{256, 1};
inline constexpr SrField CustomizedCardsSet{257, 1};
inline constexpr SrField AdditionalCardsSet{258, 1};
inline constexpr SrField AdditionalDeckSet{259, 1};
inline constexpr SrField AdditionalBackgroundSet{260, 1};
inline constexpr SrField CustomizedCardsSetKept{261, 1};
inline constexpr SrField AdditionalCardsSetKept{262, 1};
inline constexpr SrField TempFileToDelete{701, 200};
}  // namespace sr

class SessionRecord {
 public:
  // Three blocks of 250 blanks with "Cfg.dat" as the settings file name.
  SessionRecord();

  // Leading blanks removed, padded or cut to `width`; positions of 1000 or
  // more (and the unused 250 and 500) are ignored.
  void PutField(int pos, int width, std::string_view text);
  // Trailing blanks removed; empty for positions that hold nothing.
  std::string GetField(int pos, int width) const;

  void Put(SrField f, std::string_view text) { PutField(f.pos, f.width, text); }
  std::string Get(SrField f) const { return GetField(f.pos, f.width); }
  // A one-character flag field holds "Y".
  bool IsYes(SrField f) const { return Get(f) == "Y"; }
  // The field is not "N" (the test most preferences are read with).
  bool IsNotNo(SrField f) const { return Get(f) != "N"; }

  const std::string& Block(int index) const { return blocks_.at(static_cast<size_t>(index)); }

 private:
  std::array<std::string, 3> blocks_;
};

}  // namespace orv
