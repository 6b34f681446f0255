#include "soak.h"

#include <algorithm>
#include <exception>
#include <iterator>

#include "cards/card.h"
#include "cards/deal.h"
#include "common/text.h"
#include "play/engine.h"
#include "records/win.h"
#include "rules/history.h"
#include "table_play.h"

namespace orv::cli {

namespace {

enum class Kind { Move, Stock, Undo, Redo };

struct Action {
  Kind kind = Kind::Move;
  Move move;
};

// Moves are the most of play; the others keep the stock, the histories and
// the redo path busy without drowning the game's progress.
int Weight(Kind kind) {
  switch (kind) {
    case Kind::Move: return 12;
    case Kind::Stock: return 3;
    case Kind::Undo: return 2;
    case Kind::Redo: return 1;
  }
  return 0;
}

std::string Describe(const Action& a) {
  switch (a.kind) {
    case Kind::Move: return "move " + CardCode(a.move.card) + " " + a.move.target;
    case Kind::Stock: return "stock";
    case Kind::Undo: return "undo";
    case Kind::Redo: return "redo";
  }
  return {};
}

// Picks a kind by weight among those possible now, then a move among the
// legal ones. False when nothing at all can be done.
bool ChooseAction(Engine& e, std::mt19937& rng, Action& action) {
  const std::vector<Move> moves = LegalMoves(e);
  std::vector<Kind> kinds;
  if (!moves.empty()) kinds.push_back(Kind::Move);
  if (StockWouldAct(e)) kinds.push_back(Kind::Stock);
  if (!e.undo.Empty()) kinds.push_back(Kind::Undo);
  if (!e.redo.Empty()) kinds.push_back(Kind::Redo);
  if (kinds.empty()) return false;

  std::vector<int> weights;
  std::transform(kinds.begin(), kinds.end(), std::back_inserter(weights), Weight);
  std::discrete_distribution<size_t> pickKind(weights.begin(), weights.end());
  action.kind = kinds[pickKind(rng)];
  if (action.kind == Kind::Move) action.move = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(rng)];
  return true;
}

bool Perform(Engine& e, const Action& a) {
  switch (a.kind) {
    case Kind::Move: return TryMove(e, a.move.card, a.move.target);
    case Kind::Stock: return ClickStock(e);
    case Kind::Undo: return Undo(e);
    case Kind::Redo: return Redo(e);
  }
  return false;
}

std::string DuplicateCard(const std::vector<int>& census) {
  const auto twice = std::adjacent_find(census.begin(), census.end());
  return twice == census.end() ? std::string() : "card " + CardCode(*twice) + " lies in two places";
}

// The position with the counts that go back with it on Undo.
std::string StateText(const Engine& e) {
  return PositionText(e) + "counters: " + std::to_string(e.main.dealCounter) + ' ' +
         std::to_string(e.main.stockClicks) + ' ' + std::to_string(e.main.oneTimeAction) + '\n';
}

struct HistoryShape {
  int undoEntries, redoEntries;
  std::string undoTags, redoTags;
  bool operator==(const HistoryShape&) const = default;
};
HistoryShape ShapeOf(const Engine& e) { return {e.undo.Entries(), e.redo.Entries(), e.undo.tags, e.redo.tags}; }

// Steps back over the action and forward again: both must land exactly, and
// the histories must come out as they went in.
std::string CheckReversible(Engine& e, Kind kind, const std::string& before, const std::string& after) {
  const bool undoing = kind == Kind::Undo;
  const HistoryShape shape = ShapeOf(e);
  if (!(undoing ? Redo(e) : Undo(e))) return undoing ? "redo after undo did nothing" : "undo after the action did nothing";
  if (StateText(e) != before)
    return undoing ? "redo after undo did not restore the position" : "undo did not restore the position before it";
  if (!(undoing ? Undo(e) : Redo(e))) return undoing ? "undo after redo did nothing" : "redo after undo did nothing";
  if (StateText(e) != after)
    return undoing ? "undo after redo did not restore the position" : "redo did not restore the position after it";
  if (ShapeOf(e) != shape) return "undo and redo changed the histories";
  return {};
}

std::string PlayOne(Engine& e, const Action& action, const std::vector<int>& census, bool& acted) {
  const std::string before = StateText(e);
  acted = Perform(e, action);
  const std::string after = StateText(e);
  if (!acted && after != before) return "refused, yet the table changed";
  if (CardCensus(e) != census) return "the cards on the table changed";
  if (!acted || after == before) return {};
  return CheckReversible(e, action.kind, before, after);
}

}  // namespace

SoakDealResult SoakDeal(Engine& e, int maxActions, std::mt19937& rng) {
  SoakDealResult result;
  try {
    const std::vector<int> census = CardCensus(e);
    result.failure = DuplicateCard(census);
    while (result.failure.empty() && result.actions < maxActions && !result.won) {
      Action action;
      if (!ChooseAction(e, rng, action)) break;
      result.played.push_back(Describe(action));
      ++result.actions;
      bool acted = false;
      result.failure = PlayOne(e, action, census, acted);
      if (result.failure.empty() && acted && action.kind != Kind::Undo && action.kind != Kind::Redo)
        result.won = IsWon(e);
    }
  } catch (const std::exception& ex) {
    result.failure = std::string("exception: ") + ex.what();
  } catch (...) {
    result.failure = "unknown exception";
  }
  return result;
}

std::string SoakDealNumber(std::mt19937_64& rng) {
  return IntToFixed(static_cast<long long>(rng() % 10'000'000'000'000ULL), kDealDigitCount);
}

}  // namespace orv::cli
