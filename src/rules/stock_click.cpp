// A left press on the stock: the game's parameters choose the command, which
// runs through ExecuteMove like any move. A click that issues several deals
// leaves one history entry.
#include <string>

#include "common/text.h"
#include "play/engine.h"
#include "rules/execute.h"
#include "rules/history.h"
#include "rules/pile_facts.h"
#include "rules/stock.h"
#include "rules/stock_internal.h"

namespace orv {

namespace {

using namespace stock;

constexpr std::string_view kDealTag = "002";

bool Issue(Engine& e, std::string_view command) { return ExecuteMove(e, 1, command); }

std::string TableauDeal(int pile) { return "Add_Tableau_" + IntToFixed(pile, 2); }
std::string ReserveDeal(int reserve) { return "Add_Reserve_" + IntToFixed(reserve, 1); }

int TableauCode(const Engine& e, int pile) { return e.params.Pile(P::TableauStockDeal, pile); }
int LastTableauCode(const Engine& e) {
  const int n = facts::TableauInPlay(e);
  return n > 0 ? TableauCode(e, n) : 0;
}
int LastReserveCode(const Engine& e) {
  const int n = facts::ReservesInPlay(e);
  return n > 0 ? e.params.Pile(P::ReserveStockDeal, n) : 0;
}

bool AnyTableauEmpty(const Engine& e) {
  for (int k = 0; k < facts::TableauInPlay(e); ++k)
    if (facts::TableauPile(e, k).empty()) return true;
  return false;
}

// A batch of deals: one history entry, tagged as a deal when asked.
template <typename Deals>
bool Batch(Engine& e, bool tag, Deals deals) {
  const int before = e.undo.Entries();
  const bool moved = deals();
  JoinSince(e, before);
  if (moved && tag) TagNewestEntry(e, kDealTag);
  return moved;
}

// Tableau deal code 9: piles with fewer than three cards are topped up one
// card at a time, the waste turning back into the stock when it runs out;
// then the next card turns. The whole click is one step.
bool TopUpShortPiles(Engine& e) {
  return Batch(e, false, [&] {
    bool moved = false, redealt = false;
    for (int p = 1; p <= facts::TableauInPlay(e); ++p)
      for (int n = 0; n < 3 && CodeCount(facts::TableauPile(e, p - 1)) < 3; ++n) {
        if (Stock(e).empty() && !Waste(e).empty() && RedealsRemain(e)) {
          e.main.stockPressed = true;
          redealt = Issue(e, "Mazzo_Vis") || redealt;
          e.main.stockPressed = false;
          moved = moved || redealt;
        }
        if (!Stock(e).empty()) moved = Issue(e, TableauDeal(p)) || moved;
      }
    if (!redealt) moved = Issue(e, "Mazzo_Vis") || moved;
    return moved;
  });
}

bool WasteClick(Engine& e) {
  const int code = TableauCode(e, 1);
  if (code == 9) return TopUpShortPiles(e);
  if (code == 15) {
    // Three rows are dealt to the tableau, then the stock turns onto the waste.
    if (CountTaggedEntries(e, kDealTag) > 2) return Issue(e, "Mazzo_Vis");
    return Batch(e, true, [&] { return Issue(e, "Add_Tableaus"); });
  }
  switch (e.params[P::StockToWasteCondition]) {
    case 0: return Issue(e, "Mazzo_Vis");
    case 1: return Waste(e).empty() && Issue(e, "Mazzo_Vis");
    default: return false;
  }
}

bool FourPerMarkedPile(Engine& e) {
  return Batch(e, true, [&] {
    bool moved = false;
    for (int p = 1; p <= facts::TableauInPlay(e); ++p)
      if (TableauCode(e, p) == 8)
        for (int n = 0; n < 4 && !Stock(e).empty(); ++n) moved = Issue(e, TableauDeal(p)) || moved;
    return moved;
  });
}

// The click is counted after its deals, so that the position they record
// holds the count from before the click and Undo gives the click back.
template <typename Deals>
bool CountedBatch(Engine& e, Deals deals) {
  const bool moved = Batch(e, true, deals);
  ++e.main.stockClicks;
  return moved;
}

// Each click deals one card to every pile of a range (1-based, inclusive).
bool RowOfPiles(Engine& e, int first, int last) {
  return CountedBatch(e, [&] {
    bool moved = false;
    for (int p = first; p <= last && p <= facts::TableauInPlay(e) && !Stock(e).empty(); ++p)
      moved = Issue(e, TableauDeal(p)) || moved;
    return moved;
  });
}

bool AlternateReserves(Engine& e) {
  const int reserve = (e.main.stockClicks + 1) % 2 == 0 ? 2 : 1;
  return CountedBatch(e, [&] {
    bool moved = false;
    for (int n = 0; n < 3 && !Stock(e).empty(); ++n) moved = Issue(e, ReserveDeal(reserve)) || moved;
    return moved;
  });
}

bool RestToTableauAndReserves(Engine& e) {
  const int s = static_cast<int>(CodeCount(Stock(e)));
  if (s > facts::TableauInPlay(e)) return Issue(e, "Add_Tableaus");
  return Batch(e, true, [&] {
    bool moved = false;
    for (int p = 1; p <= s - 4; ++p) moved = Issue(e, TableauDeal(p)) || moved;
    for (int r = 1; r <= 4; ++r) moved = Issue(e, ReserveDeal(r)) || moved;
    return moved;
  });
}

// Deal code 13: the first two piles are refilled together, the third alone.
bool RefillFirstPiles(Engine& e) {
  if (facts::TableauPile(e, 0).empty())
    return Batch(e, true, [&] { return (Issue(e, "Add_Tableau_01") | Issue(e, "Add_Tableau_02")) != 0; });
  if (facts::TableauPile(e, 2).empty()) return Issue(e, "Add_Tableau_03");
  return false;
}

bool RowDeal(Engine& e) {
  const bool moved = Issue(e, "Add_Tableaus");
  if (e.params[P::ReserveStockDeal] == 5 && Issue(e, "Add_Reserves") && moved) DropNewestEntries(e, 1);
  return moved;
}

bool DealClick(Engine& e) {
  const int first = TableauCode(e, 1), last = LastTableauCode(e);
  const int reserve = e.params[P::ReserveStockDeal];
  const bool stockHolds = !Stock(e).empty();
  if (first == 1 || last == 1) return RowDeal(e);
  if (first == 2 || last == 2) {
    // With an empty stock there is nothing to deal, so nothing to refuse.
    if (stockHolds && AnyTableauEmpty(e)) {
      e.host.ShowMessage("Fill in any gaps in the tableau before dealing.");
      return false;
    }
    return Issue(e, "Add_Tableaus");
  }
  if (reserve == 1 || LastReserveCode(e) == 1) return Issue(e, "Add_Reserves");
  if (reserve == 3) {
    if (CodeCount(Stock(e)) == 8) return Issue(e, "Add_Tableaus_Last");
    return Batch(e, false, [&] { return (Issue(e, "Add_Reserves") | Issue(e, "Add_Reserves")) != 0; });
  }
  if (reserve == 4 && stockHolds) return AlternateReserves(e);
  if (first == 8 || TableauCode(e, 9) == 8) return FourPerMarkedPile(e);
  if (first == 10 && stockHolds) {
    const int c = e.main.stockClicks + 1;
    return RowOfPiles(e, 8 * (c - 1) + 1, 8 * c);
  }
  if (first == 11 && stockHolds) return RowOfPiles(e, 1, facts::TableauInPlay(e));
  if (first == 13) return RefillFirstPiles(e);
  if (first == 14) return RestToTableauAndReserves(e);
  if (e.params[P::SecondWasteStyle] != 0) return Issue(e, "Mazzo_Waste");
  return false;
}

}  // namespace

bool StockClick(Engine& e) {
  if (e.params[P::Family] == 76) return false;
  if (e.params[P::HasWaste] == 1) return WasteClick(e);
  const int type = e.params[P::RedealType];
  if ((type > 0 && Stock(e).empty()) || type == 6) return Issue(e, "Mazzo_Redeal");
  return DealClick(e);
}

}  // namespace orv
