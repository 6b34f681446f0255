// The pictures the table is painted with for the current card size: the 52
// faces and the joker, the back, the pile symbols, the shadows and edges,
// and the special reserve picture. The main window owns one CardPictures;
// every load failure ends in a usable state (the built-in set, back 11)
// with a message to the player.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include <QImage>

#include "play/engine.h"
#include "view/picture_sources.h"

namespace orv {

// The card-size fields the new-game sequence shares with ChooseCardSize.
struct CardSizeFields {
  // Parameter 50 (face pictures) at the last load of the faces; 4 matches
  // no game, so the first game always loads.
  int facesVariant = 4;
  // 2 at start-up (the restored game gives no notice), set to 0 by the
  // new-game sequence for a chosen game, 1 once this game may give none.
  int forcedSize = 2;
  bool notice640Given = false;    // the 640x480 notice, once per run
  bool otherNoticeGiven = false;  // shared by the other three notices
};

// The stock of game families 8, 45 and 71 shows its own symbol ("021").
bool UsesFamilyStockSymbol(int family);

// The card size a player's sheet of 5 x 12 cards stands for: "X", "S", "B"
// or "M"; empty for any other pixel size.
std::string SheetSizeLetter(int width, int height);

class CardPictures {
 public:
  static constexpr int kFaceCount = 53;
  static constexpr int kJokerIndex = 52;

  CardPictures(Engine& engine, const ResourceModule* imageModule) : engine_(engine), sources_(engine, imageModule) {}

  // Face by CardFaceIndex (0-51 hearts, diamonds, clubs, spades, Ace to
  // King; 52 the joker). A null picture when it could not be loaded.
  const QImage& Face(int index) const;
  const QImage& Back() const { return back_; }
  // Shadows are white-transparent, edges blue-transparent: the transparent
  // colour has alpha 0, so drawing them over the table needs no colour key.
  const QImage& RightShadow() const { return shadows_[0]; }
  const QImage& BottomShadow() const { return shadows_[1]; }
  const QImage& VerticalEdge() const { return edges_[0]; }
  const QImage& HorizontalEdge() const { return edges_[1]; }
  const QImage& SpecialReserve() const { return specialReserve_; }

  struct LoadOptions {
    bool facesOnly = false;     // only the 53 faces, nothing else
    bool resetOnError = false;  // a bad player sheet returns to the built-in set (ResetCardSet)
  };
  // Validates a player or additional card set, sets the card size from it,
  // and loads every card picture for the size in the session record.
  void LoadCardSettings(LoadOptions options);
  void LoadCardSettings() { LoadCardSettings(LoadOptions{}); }
  // The back for the current size: the player's file, an additional back or
  // a built-in one; back 11 when the first two cannot be loaded.
  void LoadCardBack() { LoadBack(); }

  // A pile symbol by name, compared without regard to case ("StockUp",
  // "Foundation13", "Deck" ...). An unknown name shows "Error: " + name and
  // gives a null picture.
  QImage LoadSymbol(std::string_view name);
  QImage LoadFamilyStockSymbol() { return SymbolPicture("021"); }

  // Back to the built-in set at size "B" with no player or additional sets
  // or backs, then reloads everything.
  void ResetCardSet();
  // Stores the size letter and switches the player and additional card sets
  // off; the built-in set becomes 3 for "M", else 1 (3 on a 256-colour
  // screen). Pictures are not reloaded.
  void SetCardSize(std::string_view letter);

  CardSizeFields sizeFields;
  PictureSources& sources() { return sources_; }

 private:
  struct Sheet {
    QImage image;
    std::string letter;
  };
  std::optional<Sheet> ExamineCardSetSheet();
  std::optional<Sheet> ExaminePlayerSheet(const std::string& name);
  std::optional<Sheet> ExamineAdditionalSheet(const std::string& name);
  bool SwitchFormerPlayerSet(const std::string& name);
  void FallBackToBuiltInSet();
  void LoadBuiltInFaces(const std::string& letter);
  void CutPlayerSheet(const Sheet& sheet);
  bool LoadExtras(const std::string& letter);
  // False when the extra module is missing: the set was reset, stop loading.
  bool Fetch(const std::string& name, QImage& into);
  bool LoadBack();
  bool LoadBuiltInBack(const std::string& letter);
  QImage PlayerOrAdditionalBack(bool& failed);
  QImage SymbolPicture(std::string_view code);

  Engine& engine_;
  PictureSources sources_;
  std::array<QImage, kFaceCount> faces_;
  QImage back_;
  std::array<QImage, 2> shadows_;
  std::array<QImage, 2> edges_;
  QImage specialReserve_;
  std::map<std::string, QImage> symbols_;  // by resource name, for the current size
};

// The built-in card set number for a size: 3 for "M" and on a 256-colour
// screen, else 1.
int BuiltInCardSet(const Host& host, std::string_view letter);

}  // namespace orv
