// Where each card of a pile lies on the table: the one rule that hit
// testing, drawing and animation share.
#pragma once

#include <string_view>

#include "cards/card_table.h"
#include "cards/main_game.h"
#include "games/parameters.h"
#include "settings/session_record.h"

namespace orv {

class CardPlaces {
 public:
  CardPlaces(const CardTable& table, const TMainGame& game, const GameParameters& params, const SessionRecord& record)
      : table_(table), game_(game), params_(params), record_(record) {}

  // The spreading kind of a pile (tableau per-pile kinds resolved).
  int PileKind(PileRef ref) const;

  // The place of a card: `excluded` cards below the top (0: the top card),
  // or with `next` the place of a further card on the remaining ones. y is
  // scrolled. `pileIndex` picks the untidy row and is handed to the special
  // arrangements; the pile itself is the one the name addresses. The three
  // stock-group piles lie squared at their slots; a name that is no pile
  // gives 0.
  int CardX(std::string_view pile, int pileIndex, int excluded, bool next) const;
  int CardY(std::string_view pile, int pileIndex, int excluded, bool next) const;
  // The lower edge of the pile's last card, for hit testing: the pile's y
  // plus its steps plus one card height. A name that is no pile gives the
  // card height.
  int PileBottom(std::string_view pile) const;

 private:
  const CardTable& table_;
  const TMainGame& game_;
  const GameParameters& params_;
  const SessionRecord& record_;
};

}  // namespace orv
