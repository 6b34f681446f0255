// The card moves: to a foundation, a tableau pile, a reserve, the waste and
// the second waste.
#include <string>

#include "play/engine.h"
#include "rules/automatic.h"
#include "rules/execute.h"
#include "rules/execute_internal.h"
#include "rules/history.h"
#include "rules/pile_facts.h"
#include "rules/sound_events.h"
#include "rules/special_rules_internal.h"
#include "rules/validation.h"

namespace orv::exec {

namespace {

constexpr int kGapKeepingTableau = 12;  // tableau kind whose piles keep fixed places
constexpr int kJumpRule = 71;           // a card jumps over another, which is captured
constexpr int kEddyFamily = 12;    // the family whose second waste plays "Eddy"

// A number that is no card would append a gap code to the target.
bool IsCardNumber(int n) { return n >= 1 && n <= kCardCount; }

// The pile a location code names; invalid for nowhere.
PileRef PileAt(int location) {
  if (location == facts::kAtStock) return {PileGroup::Stock, 0};
  if (location == facts::kAtWaste) return {PileGroup::Stock, 1};
  if (facts::OnTableau(location)) return {PileGroup::Tableau, facts::TableauIndex(location)};
  if (facts::OnFoundation(location)) return {PileGroup::Foundation, facts::FoundationIndex(location)};
  if (facts::OnReserve(location)) return {PileGroup::Reserve, facts::ReserveIndex(location)};
  return {};
}

// Takes the card and every card above it off a tableau pile or a reserve;
// the codes, bottom first. Anywhere else only the card itself moves.
std::string TakeRun(Engine& e, int card, int location) {
  const facts::CardSpot spot = facts::FindCard(e, card);
  const bool stacked = facts::OnTableau(location) || facts::OnReserve(location);
  std::string* pile = stacked ? e.table.Pile(PileAt(location)) : nullptr;
  if (pile == nullptr || !spot.found()) {
    e.table.RemoveCard(card);
    return CardCode(card);
  }
  std::string run = pile->substr(3 * spot.place);
  pile->erase(3 * spot.place);
  return run;
}

// Grid games: the card jumped over goes to the second waste in the same step.
void CaptureJumpedCard(Engine& e, int from, int target) {
  if (e.params[P::TableauRule + target] != kJumpRule || !facts::OnTableau(from)) return;
  const int over = special::GridJumpedPile(facts::TableauIndex(from), target, e.params[P::GridWidth]);
  if (over < 0 || over >= kTableauPiles) return;
  const int captured = facts::TopOrEmpty(facts::TableauPile(e, over));
  if (captured <= 0) return;
  if (ExecuteFollowUpMove(e, captured, "Waste")) DropNewestEntries(e, 1);
}

// Families "1" and "?": a card laid on a single card that does not belong at
// the pile's base changes places with it.
void ExchangeWithSource(Engine& e, int from, int target, int card) {
  const int family = e.params[P::Family];
  if (family != '1' && family != '?') return;
  std::string& pile = e.table.piles().tableau[static_cast<size_t>(target)];
  if (pile.size() != 6) return;
  const int bottom = CardAt(pile, 1);
  if (CardRank(bottom) == e.params[P::TableauBaseRank + target]) return;
  std::string* source = e.table.Pile(PileAt(from));
  if (source == nullptr || source == &pile) return;  // nowhere to send the card back
  *source += pile.substr(0, 3);
  pile = CardCode(card);
}

}  // namespace

Outcome ToFoundation(Engine& e, int card, int foundation, bool byAutoplay) {
  if (!IsCardNumber(card)) return {};
  RecordPosition(e, e.undo);
  const bool keepPlace =
      e.params[P::TableauKind] == kGapKeepingTableau && facts::OnTableau(CardLocation(e, card));
  const Location from = keepPlace ? e.table.LeaveGap(card) : e.table.RemoveCard(card);
  e.table.AppendCardCode(PileGroup::Foundation, foundation, card, "1");
  if (byAutoplay)
    PlaySoundEvent(e, "Autoplay", sr::SoundsAutoplay);
  else
    PlaySoundEvent(e, "Foundation", sr::SoundsFoundation);
  return {true, from == kInTableau};
}

Outcome ToTableau(Engine& e, int card, int pile) {
  if (!IsCardNumber(card)) return {};
  RecordPosition(e, e.undo);
  const int from = CardLocation(e, card);
  std::string run;
  if (e.main.movingSingleCard) {
    e.table.RemoveCard(card);
    run = CardCode(card);
  } else {
    run = TakeRun(e, card, from);
  }
  for (size_t pos = 1; pos + 2 <= run.size(); pos += 3)
    e.table.AppendCardCode(PileGroup::Tableau, pile, CardAt(run, pos), "1");

  const bool fromTableau = facts::OnTableau(from);
  if (fromTableau) RemoveCompletedRun(e, facts::TableauIndex(from));
  RemoveCompletedRun(e, pile);
  CaptureJumpedCard(e, from, pile);
  ExchangeWithSource(e, from, pile, card);
  PlaySoundEvent(e, "Tableau", sr::SoundsTableau);
  return {true, fromTableau};
}

Outcome ToReserve(Engine& e, int card, int reserve) {
  if (!IsCardNumber(card)) return {};
  RecordPosition(e, e.undo);
  const Location from = e.table.RemoveCard(card);
  e.table.AppendCardCode(PileGroup::Reserve, reserve, card, "1");
  PlaySoundEvent(e, "Tableau", sr::SoundsTableau);
  return {true, from == kInTableau};
}

// "Eddy" has no setting of its own: it follows the sounds switch alone.
Outcome ToWastePile(Engine& e, int card, int entry) {
  if (!IsCardNumber(card)) return {};
  RecordPosition(e, e.undo);
  const Location from = e.table.RemoveCard(card);
  e.table.AppendCardCode(PileGroup::Stock, entry, card, "1");
  if (entry == 2 && e.params[P::Family] == kEddyFamily) PlaySoundEvent(e, "Eddy", sr::SoundsEnabled);
  return {true, from == kInTableau};
}

}  // namespace orv::exec
