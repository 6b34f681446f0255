#include "table_play.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <utility>

#include "cards/deal.h"
#include "common/text.h"
#include "play/engine.h"
#include "records/score.h"
#include "rules/execute.h"
#include "rules/history.h"
#include "rules/pile_facts.h"
#include "rules/stock.h"
#include "rules/validation.h"

namespace orv::cli {

namespace {

constexpr std::pair<PileGroup, int> kGroups[] = {{PileGroup::Stock, kStockPiles},
                                                 {PileGroup::Foundation, kFoundationPiles},
                                                 {PileGroup::Tableau, kTableauPiles},
                                                 {PileGroup::Reserve, kReservePiles}};

// The piles a lifted card may be dropped on, in the order they are offered.
std::vector<PileRef> DropPiles(const Engine& e) {
  std::vector<PileRef> piles;
  for (PileGroup group : {PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
    for (int i = 0; i < e.table.InPlay(group); ++i) piles.push_back({group, i});
  return piles;
}

bool IsTopCard(const Engine& e, PileRef ref, int card) {
  const std::string* pile = e.table.Pile(ref);
  return pile && !pile->empty() && CardAt(*pile, pile->size() - 2) == card;
}

// The pointer lifts the card again for every pile it is offered to: a drop
// check may replace the held run.
bool Accepts(Engine& e, int card, PileRef from, PileRef to) {
  if (to == from || !CanLift(e, card)) return false;
  e.main.movingSingleCard = IsTopCard(e, from, card);
  return CanDropOn(e, card, PileName(to));
}

// After a drop (or a refused one) the hand is empty again.
void EmptyHand(Engine& e) {
  e.main.heldRunTopCard = 0;
  e.main.movingSingleCard = true;
}

// A pile is listed when the game uses it or it holds cards.
bool IsListed(const Engine& e, PileRef ref) {
  const std::string* pile = e.table.Pile(ref);
  if (pile && !pile->empty()) return true;
  switch (ref.group) {
    case PileGroup::Stock:
      if (ref.index == 0) return e.params[P::HasStock] != 0;
      if (ref.index == 1) return e.params[P::HasWaste] != 0;
      return e.params[P::SecondWasteInPlay] != 0;
    default: return ref.index < e.table.InPlay(ref.group);
  }
}

std::string DescribePile(const Engine& e, PileRef ref) {
  std::string line = PileName(ref) + ":";
  const std::string& pile = *e.table.Pile(ref);
  for (size_t pos = 0; pos + 3 <= pile.size(); pos += 3) {
    const int card = CardAt(pile, pos + 1);
    line += ' ';
    line += pile.substr(pos, 3);
    line += card > 0 ? e.table.cards().FaceFlag(card) : '0';
  }
  return line;
}

}  // namespace

void PrintPiles(const Engine& e, std::ostream& out) {
  for (const auto& [group, count] : kGroups)
    for (int i = 0; i < count; ++i)
      if (IsListed(e, {group, i})) out << DescribePile(e, {group, i}) << '\n';
}

bool LoadGame(Engine& e, int game, std::ostream& err) {
  if (e.catalogue.GameList().empty() && !e.catalogue.Load(e.host)) return false;
  if (e.catalogue.FindGameColumn(game) < 0) {
    err << "game " << game << " is not in the catalogue " << e.catalogue.DefinitionsPath() << '\n';
    return false;
  }
  e.session.Put(sr::GameNumber, std::to_string(game));
  e.session.Put(sr::GameName, e.catalogue.GameName(game));
  e.session.Put(sr::ScoringSystem, "01");
  return e.LoadCurrentGame();
}

bool OpenGame(Engine& e, int game, std::string_view deal, std::ostream& err) {
  if (!LoadGame(e, game, err)) return false;
  e.session.Put(sr::DealNumber, deal);
  DealCurrentGame(e);
  return true;
}

void DealCurrentGame(Engine& e) {
  e.pileRules.Restore(e.params);
  TMainGame fresh;
  std::swap(fresh.specialArrangement, e.main.specialArrangement);
  e.main = std::move(fresh);
  ClearHistories(e);
  e.table.ClearPiles();
  e.session.Put(sr::Score, "0");
  Deal(e);
  e.main.dealFinished = true;  // no drawing to wait for
  UpdateScore(e);
}

std::vector<Move> LegalMoves(Engine& e) {
  std::vector<Move> moves;
  const std::vector<PileRef> targets = DropPiles(e);
  for (const auto& [group, count] : kGroups)
    for (int i = 0; i < count; ++i) {
      const PileRef from{group, i};
      const std::string& pile = *e.table.Pile(from);
      for (size_t pos = 1; pos + 2 <= pile.size(); pos += 3) {
        const int card = CardAt(pile, pos);
        if (!IsCard(card) || !CanLift(e, card)) continue;
        for (const PileRef& to : targets)
          if (Accepts(e, card, from, to)) moves.push_back({card, PileName(to)});
      }
    }
  EmptyHand(e);
  return moves;
}

bool TryMove(Engine& e, int card, std::string_view target) {
  const PileRef to = ParsePileName(target);
  const PileRef from = PileOfCard(e, card);
  const bool droppable = to.group == PileGroup::Foundation || to.group == PileGroup::Tableau ||
                         to.group == PileGroup::Reserve;
  bool moved = false;
  if (droppable && from.group != PileGroup::None && IsCard(card) && Accepts(e, card, from, to))
    moved = ExecuteMove(e, card, PileName(to));
  EmptyHand(e);
  return moved;
}

bool ClickStock(Engine& e) {
  const std::string before = PositionText(e);
  StockClick(e);
  // The release over an armed stock performs what the press only armed.
  if (e.main.stockPressed) {
    ExecuteMove(e, 1, "Mazzo_Vis");
    e.main.stockPressed = false;
  }
  return PositionText(e) != before;
}

bool StockWouldAct(Engine& e) {
  // A click only appends to the undo history (and joins what it appended),
  // so cutting the history back to its old length undoes that part; the
  // rest of the state is small enough to copy.
  std::array<size_t, 4> lines{};
  for (size_t g = 0; g < lines.size(); ++g) lines[g] = e.undo.groups[g].size();
  const std::string tags = e.undo.tags;
  const size_t counters = e.undo.counters.size();
  History redo = std::move(e.redo);
  e.redo = History{};
  const PileLists piles = e.table.piles();
  const CardDescriptors cards = e.table.cards();
  const TMainGame main = e.main;
  const SessionRecord session = e.session;
  const GameParameters params = e.params;
  const DealRandom random = e.random;

  const bool acts = ClickStock(e);

  for (size_t g = 0; g < lines.size(); ++g) e.undo.groups[g].resize(lines[g]);
  e.undo.tags = tags;
  e.undo.counters.resize(counters);
  e.redo = std::move(redo);
  e.table.piles() = piles;
  e.table.cards() = cards;
  e.main = main;
  e.session = session;
  e.params = params;
  e.random = random;
  return acts;
}

std::string PositionText(const Engine& e) {
  std::string text;
  for (const auto& [group, count] : kGroups)
    for (int i = 0; i < count; ++i) {
      const std::string name = PileName({group, i});
      text += name;
      text += ':';
      text += PositionLine(e, name);
      text += '\n';
    }
  return text;
}

std::vector<int> CardCensus(const Engine& e) {
  std::vector<int> cards;
  for (const auto& [group, count] : kGroups)
    for (int i = 0; i < count; ++i) {
      const std::string& pile = *e.table.Pile(PileRef{group, i});
      for (size_t pos = 1; pos + 2 <= pile.size(); pos += 3)
        if (const int card = CardAt(pile, pos); card > 0) cards.push_back(card);
    }
  std::sort(cards.begin(), cards.end());
  return cards;
}

PileRef PileOfCard(const Engine& e, int card) {
  const int at = CardLocation(e, card);
  if (at == facts::kAtStock) return {PileGroup::Stock, 0};
  if (at == facts::kAtWaste) return {PileGroup::Stock, 1};
  if (facts::OnFoundation(at)) return {PileGroup::Foundation, facts::FoundationIndex(at)};
  if (facts::OnTableau(at)) return {PileGroup::Tableau, facts::TableauIndex(at)};
  if (facts::OnReserve(at)) return {PileGroup::Reserve, facts::ReserveIndex(at)};
  return {};
}

}  // namespace orv::cli
