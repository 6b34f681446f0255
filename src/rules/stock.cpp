// The stock commands: which names are stock commands, turning cards onto the
// waste, turning the waste back, and the Draw and the tableau close-up.
#include "rules/stock.h"

#include "play/engine.h"
#include "rules/execute.h"
#include "rules/history.h"
#include "rules/pile_facts.h"
#include "rules/sound_events.h"
#include "rules/stock_internal.h"

namespace orv {

namespace stock {

std::string& Stock(Engine& e) { return e.table.piles().stock[0]; }
std::string& Waste(Engine& e) { return e.table.piles().stock[1]; }

int PopTop(std::string& pile) {
  if (pile.size() < 3) {
    pile.clear();
    return 0;
  }
  const int card = CardAt(pile, pile.size() - 2);
  pile.resize(pile.size() - 3);
  return card;
}

bool RedealsRemain(const Engine& e) {
  const int deals = e.params[P::Deals];
  return deals == -1 || e.main.dealCounter < deals;
}

bool GatherToWaste(const Engine& e) {
  return e.params[P::StockGroupPiles] == 1 && e.params[P::HasStock] == 0 && e.params[P::HasWaste] == 1;
}

bool TurnCards(Engine& e, bool secondWaste) {
  std::string& from = Stock(e);
  const int count = e.params[P::StockTurnCount];
  if (from.empty() || count < 1) return false;
  if (e.params[P::TableauStockDeal] == 12) DealFromStock(e, "Add_Tableaus", false);
  std::string& to = e.table.piles().stock[secondWaste ? 2 : 1];
  for (int k = 0; k < count && !from.empty(); ++k) {
    const int card = PopTop(from);
    to += CardCode(card);
    e.table.SetFaceFlag(card, "1");
    PlaySoundEvent(e, "Stock", sr::SoundsStock);
  }
  e.view->PileChanged("Mazzo");
  e.view->PileChanged(secondWaste ? "Mazzo_Waste" : "Mazzo_Vis");
  return true;
}

void JoinSince(Engine& e, int entriesBefore) {
  const int made = e.undo.Entries() - entriesBefore;
  if (made > 1) DropNewestEntries(e, made - 1);
}

}  // namespace stock

namespace {

using namespace stock;

bool IsDigits(std::string_view s, size_t count) {
  if (s.size() != count) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// The empty stock is armed by the press and the release performs: a redeal
// needs StockPressed, which lives for one press only.
bool ArmedForRedeal(Engine& e) {
  if (e.main.stockPressed) {
    e.main.stockPressed = false;
    return true;
  }
  e.main.stockPressed = true;
  if (e.params[P::HasStock] == 1) e.view->PileChanged("Mazzo");  // the pressed image
  return false;
}

bool RedealDue(Engine& e) {
  const int type = e.params[P::RedealType];
  return type >= 1 && RedealsRemain(e) && (Stock(e).empty() || type == 6);
}

// A waste of one card is never turned back: the stock would only show it again.
bool WasteMayTurnBack(Engine& e) {
  return e.params[P::RedealType] <= 0 && Stock(e).empty() && CodeCount(Waste(e)) > 1 && RedealsRemain(e);
}

// The selection games keep their choice on foundation 0; the card that
// leaves the waste's bottom leaves the selection too.
void DropFromSelection(Engine& e, int card) {
  std::string& selection = e.table.piles().foundations[0];
  const std::string code = CardCode(card);
  for (size_t pos = 0; pos + 3 <= selection.size(); pos += 3)
    if (selection.compare(pos, 3, code) == 0) {
      selection.erase(pos, 3);
      e.view->PileChanged("Dest01");
      return;
    }
}

bool TurnWasteBack(Engine& e) {
  RecordPosition(e, e.undo);
  ++e.main.dealCounter;
  std::string& stockPile = Stock(e);
  std::string& waste = Waste(e);
  const int bottom = CardAt(waste, 1);
  const std::string_view flag = e.params[P::StockFaceDown] == 0 ? "1" : "0";
  stockPile.clear();
  while (!waste.empty()) {
    const int card = PopTop(waste);
    stockPile += CardCode(card);
    e.table.SetFaceFlag(card, flag);
  }
  if (e.session.IsNotNo(sr::RedealAnimation))
    PlaySoundEvent(e, "Redeal", sr::SoundsRedeal);
  else
    PlaySoundEvent(e, "Red_no_a", sr::SoundsRedealWithoutAnimation);
  const int family = e.params[P::Family];
  if (family == 4 || family == 67) DropFromSelection(e, bottom);
  e.view->PileChanged("Mazzo");
  e.view->PileChanged("Mazzo_Vis");
  return true;
}

bool TurnOrRedeal(Engine& e) {
  if (RedealDue(e)) {
    if (!ArmedForRedeal(e)) return false;
    return RedealByType(e);
  }
  if (!Stock(e).empty()) {
    if (e.params[P::StockTurnCount] < 1) return false;
    RecordPosition(e, e.undo);
    return TurnCards(e, false);
  }
  if (!WasteMayTurnBack(e) || !ArmedForRedeal(e)) return false;
  return TurnWasteBack(e);
}

int LastNonEmptyPile(const Engine& e) {
  for (int k = facts::TableauInPlay(e) - 1; k >= 0; --k)
    if (!facts::TableauPile(e, k).empty()) return k;
  return -1;
}

}  // namespace

bool IsStockCommand(std::string_view target) {
  if (target.starts_with("Mazzo")) return true;
  return IsDealCommand(target);
}

namespace stock {

bool IsDealCommand(std::string_view name) {
  if (name == "Add_Tableaus" || name == "Add_Tableaus_Last" || name == "Fill_Tableaus" || name == "Add_Reserves")
    return true;
  constexpr std::string_view kTableau = "Add_Tableau_", kReserve = "Add_Reserve_";
  if (name.starts_with(kTableau)) return IsDigits(name.substr(kTableau.size()), 2);
  if (name.starts_with(kReserve)) return IsDigits(name.substr(kReserve.size()), 1);
  return false;
}

}  // namespace stock

bool RunStockCommand(Engine& e, std::string_view target) {
  if (target == "Mazzo_Vis") return TurnOrRedeal(e);
  if (target == "Mazzo_Redeal") return RedealDue(e) && ArmedForRedeal(e) && RedealByType(e);
  if (target.starts_with("Mazzo")) {
    if (Stock(e).empty() || e.params[P::StockTurnCount] < 1) return false;
    RecordPosition(e, e.undo);
    return TurnCards(e, true);
  }
  return IsDealCommand(target) && DealFromStock(e, target, target != "Fill_Tableaus");
}

bool Draw(Engine& e, int card) {
  // Only the last deal may use it, so the game that allows it has three deals.
  constexpr int kLastDeal = 3;
  if (e.main.dealCounter != kLastDeal) {
    e.host.ShowMessage("The Draw is allowed after the last Redeal.");
    return false;
  }
  if (e.main.oneTimeAction == 1) {
    e.host.ShowMessage("Only one Draw is permitted.");
    return false;
  }
  const facts::CardSpot spot = facts::FindCard(e, card);
  if (!facts::OnTableau(spot.location)) return false;
  const std::string pile = PileName({PileGroup::Tableau, facts::TableauIndex(spot.location)});
  e.main.movingSingleCard = true;
  if (!ExecuteMove(e, card, pile)) return false;
  TagNewestEntry(e, "004");
  e.view->PileChanged(pile);
  e.main.oneTimeAction = 1;
  return true;
}

void CloseUpTableau(Engine& e) {
  auto& tableau = e.table.piles().tableau;
  bool moved = false;
  for (;;) {
    const int last = LastNonEmptyPile(e);
    int gap = 0;
    while (gap < last && !tableau[static_cast<size_t>(gap)].empty()) ++gap;
    if (last < 0 || gap >= last) break;
    if (!moved) RecordPosition(e, e.undo);
    moved = true;
    tableau[static_cast<size_t>(gap)].swap(tableau[static_cast<size_t>(last)]);
    e.view->PileChanged(PileName({PileGroup::Tableau, gap}));
    e.view->PileChanged(PileName({PileGroup::Tableau, last}));
  }
  if (moved)
    ClearRedo(e);
  else
    e.host.ShowMessage("No tableau space to fill.");
}

}  // namespace orv
