// The card size of every new game, chosen from the screen width and the
// game's size class (parameter 40). A game too wide for the screen at the
// player's size is played smaller; the player's size, card set and set
// flags are saved and come back with the next game that fits.
#pragma once

#include <string>
#include <string_view>

#include "play/engine.h"
#include "view/card_pictures.h"

namespace orv {

enum class SizeNotice { None, Medium640x480, Medium800x600, Large, ExtraLarge };

struct SizeChoiceInput {
  int screenWidth = 1024;
  int sizeClass = 0;    // parameter 40: 1 needs 650 pixels, 2 needs 1100
  std::string current;  // the size letter in use
  std::string saved;    // the letter an earlier reduction saved; empty when none
};

struct SizeChoice {
  bool restore = false;  // the screen suits the game: a saved size comes back
  bool save = false;     // the current size is saved before it is reduced
  std::string letter;    // the size the game is played at
  // The notice of the reduction; only ever set together with `save`.
  SizeNotice notice = SizeNotice::None;
};

// The decision alone, from its inputs; nothing is changed.
SizeChoice DecideCardSize(const SizeChoiceInput& in);

// The key in section "Show_Messages" and the text of a notice.
std::string_view NoticeKey(SizeNotice notice);
std::string NoticeText(SizeNotice notice, std::string_view gameName);

struct CardSizeOutcome {
  bool picturesReloaded = false;
  bool customizeEnabled = false;  // the game fits: the "Customize..." command may be offered
  bool repaintNow = false;        // a notice was shown over the table
};

// Applies the decision for the current game: restores or saves the size,
// reduces it, gives the notice when this game may give one (see
// CardSizeFields), reloads the pictures when the size, the set or
// parameter 50 changed, and sets the fan steps. The caller then resets the
// pile positions, enables the game's commands and lays out the table.
CardSizeOutcome ChooseCardSize(Engine& engine, CardPictures& pictures);

}  // namespace orv
