// Playing a dealt game without a window: what may be moved where, a move
// made the way the pointer makes it, a click on the stock, and the
// position as text. The play and soak commands and the benchmarks share it.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cards/card_table.h"

namespace orv {
class Engine;
}

namespace orv::cli {

// Loads game `game` of the catalogue beside the program into `e` as the
// current game. False after a message on `err` (or the host's message).
bool LoadGame(Engine& e, int game, std::ostream& err);
// LoadGame, then the deal with `deal` (1 to 13 digits).
bool OpenGame(Engine& e, int game, std::string_view deal, std::ostream& err);

// Deals the current game afresh from the session's deal number: the piles,
// the histories and the per-game fields start over, and the score is taken
// from the dealt table.
void DealCurrentGame(Engine& e);

struct Move {
  int card = 0;        // the lifted card (the cards above it go with it)
  std::string target;  // "Fila01", "Dest03", "Appogg02"
  bool operator==(const Move&) const = default;
};

// Every move the rules allow in this position, pile by pile from the stock
// to the reserves and from the bottom of each pile up.
std::vector<Move> LegalMoves(Engine& e);

// Lifts `card` and drops it on `target` as the pointer would: refused
// (false, nothing changes) unless the card may be lifted and the pile takes
// it.
bool TryMove(Engine& e, int card, std::string_view target);

// A left press and release on the stock; true when it changed the table.
bool ClickStock(Engine& e);

// Whether a click on the stock would change the table. The engine is left
// exactly as it was; the messages the click would show reach the host, so
// the caller quiets it.
bool StockWouldAct(Engine& e);

// Every pile with its cards and face flags, in history line form: two
// positions are the same exactly when the texts are.
std::string PositionText(const Engine& e);

// One line per pile the game uses or that holds cards, from the stock to the
// reserves: the name, a colon, and each card from the bottom as its code
// and face flag (1 up, 0 down).
void PrintPiles(const Engine& e, std::ostream& out);

// The sorted card numbers on the table (gaps left out).
std::vector<int> CardCensus(const Engine& e);

// The location of a card as a pile; {None} when it lies nowhere.
PileRef PileOfCard(const Engine& e, int card);

}  // namespace orv::cli
