// Dealing from the stock onto the tableau and the reserves: one card per pile
// of the command's range, each pile taking part by its stock deal code.
#include <algorithm>
#include <optional>

#include "common/text.h"
#include "play/engine.h"
#include "rules/automatic.h"
#include "rules/history.h"
#include "rules/pile_facts.h"
#include "rules/sound_events.h"
#include "rules/stock_internal.h"

namespace orv::stock {

namespace {

enum class Takes { ByCode, Every, OnlyEmpty };

// The piles a deal command reaches, 0-based and inclusive.
struct DealRange {
  PileGroup group = PileGroup::Tableau;
  int first = 0;
  int last = -1;
  Takes takes = Takes::ByCode;
};

constexpr int kFaceDownTableauCode = 6;
constexpr int kFaceDownReserveCode = 5;
constexpr int kSkipEmptyCode = 7;
constexpr int kLastReserveCode = 5;
constexpr int kThreeReserveRedeal = 18;

std::optional<DealRange> RangeOf(const Engine& e, std::string_view command) {
  const int tableau = facts::TableauInPlay(e);
  const int reserves = facts::ReservesInPlay(e);
  if (command == "Add_Tableaus") return DealRange{PileGroup::Tableau, 0, tableau - 1, Takes::ByCode};
  if (command == "Add_Tableaus_Last") return DealRange{PileGroup::Tableau, 0, tableau - 1, Takes::Every};
  if (command == "Fill_Tableaus") return DealRange{PileGroup::Tableau, 0, tableau - 1, Takes::OnlyEmpty};
  if (command == "Add_Reserves") return DealRange{PileGroup::Reserve, 0, reserves - 1, Takes::ByCode};
  const size_t underscore = command.rfind('_');
  const auto number = ParseInt(command.substr(underscore + 1));
  if (!number) return std::nullopt;
  const int pile = static_cast<int>(*number) - 1;
  const bool reserve = command.starts_with("Add_Reserve_");
  if (pile < 0 || pile >= (reserve ? reserves : tableau)) return std::nullopt;
  return DealRange{reserve ? PileGroup::Reserve : PileGroup::Tableau, pile, pile, Takes::ByCode};
}

const std::string& PileAt(const Engine& e, PileGroup group, int k) {
  return group == PileGroup::Tableau ? facts::TableauPile(e, k) : facts::ReservePile(e, k);
}

int DealCode(const Engine& e, const DealRange& r, int k) {
  switch (r.takes) {
    case Takes::Every: return 1;
    case Takes::OnlyEmpty: return PileAt(e, r.group, k).empty() ? 1 : 0;
    case Takes::ByCode: break;
  }
  return e.params[(r.group == PileGroup::Tableau ? P::TableauStockDeal : P::ReserveStockDeal) + k];
}

bool TakesCard(const Engine& e, const DealRange& r, int k) {
  const int code = DealCode(e, r, k);
  if (code < 1 || code > 15) return false;
  return code != kSkipEmptyCode || !PileAt(e, r.group, k).empty();
}

bool AnyTableauEmpty(const Engine& e) {
  for (int k = 0; k < facts::TableauInPlay(e); ++k)
    if (facts::TableauPile(e, k).empty()) return true;
  return false;
}

bool AnyOfFirstReservesHoldsCards(const Engine& e, int count) {
  for (int k = 0; k < std::min(count, facts::ReservesInPlay(e)); ++k)
    if (!facts::ReservePile(e, k).empty()) return true;
  return false;
}

// The reserve rules of the redeal types: a fifth-code first reserve deals
// only while redeals remain; redeal type 18 deals to one reserve fewer at
// each redeal and first wants the tableau's gaps filled. False when the
// deal is refused.
bool ReserveDealAllowed(Engine& e, std::string_view command, DealRange& range) {
  if (e.params[P::ReserveStockDeal] == kLastReserveCode && !RedealsRemain(e)) return false;
  if (e.params[P::RedealType] != kThreeReserveRedeal) return true;
  if (command == "Add_Reserves") range.last = std::min(range.last, 2 - (e.main.dealCounter - 1));
  if (AnyTableauEmpty(e) && AnyOfFirstReservesHoldsCards(e, 3)) {
    e.host.ShowMessage("Fill in any gaps in the tableau before dealing.");
    return false;
  }
  return true;
}

void DealOne(Engine& e, const DealRange& r, int k) {
  const int card = PopTop(Stock(e));
  const bool tableau = r.group == PileGroup::Tableau;
  const int code = DealCode(e, r, k);
  const bool faceDown = code == (tableau ? kFaceDownTableauCode : kFaceDownReserveCode);
  e.table.AppendCardCode(r.group, k, card, faceDown ? "0" : "1");
  if (tableau && e.params[P::TableauKind] == 8) e.table.piles().tableau[0] += kGapCode;
  PlaySoundEvent(e, "Shuffle", sr::SoundsShuffle);
  e.view->PileChanged(PileName({r.group, k}));
  if (tableau) RemoveCompletedRun(e, k);
}

}  // namespace

bool DealFromStock(Engine& e, std::string_view command, bool record) {
  if (Stock(e).empty()) return false;
  auto range = RangeOf(e, command);
  if (!range) return false;
  if (range->group == PileGroup::Reserve && !ReserveDealAllowed(e, command, *range)) return false;
  // Decided before recording, so that a deal that cannot take place leaves
  // the history (and the newest entry's tag) untouched.
  bool any = false;
  for (int k = range->first; k <= range->last && !any; ++k) any = TakesCard(e, *range, k);
  if (!any) return false;
  if (record) RecordPosition(e, e.undo);
  for (int k = range->first; k <= range->last && !Stock(e).empty(); ++k)
    if (TakesCard(e, *range, k)) DealOne(e, *range, k);
  e.view->PileChanged("Mazzo");
  return true;
}

}  // namespace orv::stock
