#include "rules/execute.h"

#include <algorithm>
#include <string>

#include "play/engine.h"
#include "records/score.h"
#include "rules/automatic.h"
#include "rules/execute_internal.h"
#include "rules/history.h"
#include "rules/pile_facts.h"
#include "rules/stock.h"
#include "rules/validation.h"

namespace orv {

namespace {

constexpr std::string_view kAutoplayPrefix = "Dest_Autoplay";
constexpr int kMovesCounted = 2;  // only "none yet", "one" and "more" matter

enum class MoveKind { Player, FollowUp };

// Until the first move, some games allow only a tableau card to a foundation.
bool HeldBackByFirstMoveRule(const Engine& e, int card, std::string_view target) {
  if (e.params[P::FirstMoveToFoundation] != 1 || e.main.movesMade != 0) return false;
  return !(facts::OnTableau(CardLocation(e, card)) && target.starts_with("Dest"));
}

exec::Outcome ToNamedPile(Engine& e, int card, std::string_view target) {
  bool byAutoplay = false;
  std::string name(target);
  if (target.starts_with(kAutoplayPrefix)) {
    byAutoplay = true;
    name = "Dest" + std::string(target.substr(kAutoplayPrefix.size()));
  }
  const PileRef ref = ParsePileName(name);
  switch (ref.group) {
    case PileGroup::Foundation: return exec::ToFoundation(e, card, ref.index, byAutoplay);
    case PileGroup::Tableau: return byAutoplay ? exec::Outcome{} : exec::ToTableau(e, card, ref.index);
    case PileGroup::Reserve: return byAutoplay ? exec::Outcome{} : exec::ToReserve(e, card, ref.index);
    default: return {};  // the stock piles are reached by their commands only
  }
}

exec::Outcome Dispatch(Engine& e, int card, std::string_view target) {
  if (target == "Stock02") return exec::ToWastePile(e, card, 1);
  if (target == "Waste") return exec::ToWastePile(e, card, 2);
  if (target == "Selezionate_Dest") return exec::DiscardSelection(e, false);
  if (target == "Selezionate_Dest_Deck") return exec::DiscardSelection(e, true);
  if (target == "Selezionate_Fila") return exec::FillFromStockAfterDiscard(e);
  if (target == "Stock_To_Pile_Monte_Carlo") return exec::MonteCarloCloseUp(e);
  if (IsStockCommand(target)) return {RunStockCommand(e, target), false};
  return ToNamedPile(e, card, target);
}

// Tells the view about every pile whose content differs from `before`.
void AnnounceChangedPiles(Engine& e, const PileLists& before) {
  const PileLists& now = e.table.piles();
  const auto announce = [&](PileGroup group, const auto& was, const auto& is) {
    for (size_t i = 0; i < was.size(); ++i)
      if (was[i] != is[i]) e.view->PileChanged(PileName(PileRef{group, static_cast<int>(i)}));
  };
  announce(PileGroup::Stock, before.stock, now.stock);
  announce(PileGroup::Foundation, before.foundations, now.foundations);
  announce(PileGroup::Tableau, before.tableau, now.tableau);
  announce(PileGroup::Reserve, before.reserves, now.reserves);
}

void CountMove(Engine& e) {
  e.main.movesMade = std::min(e.main.movesMade + 1, kMovesCounted);
  if (e.params[P::FillFromStockAfterFirstMove] == 1 && e.main.movesMade == 1) ExecuteMove(e, 0, "Fill_Tableaus");
}

bool Execute(Engine& e, int card, std::string_view target, MoveKind kind) {
  if (kind == MoveKind::Player && HeldBackByFirstMoveRule(e, card, target)) return false;
  const PileLists before = e.table.piles();
  const exec::Outcome outcome = Dispatch(e, card, target);
  if (!outcome.moved) return false;
  const bool changed = e.table.piles() != before;
  AnnounceChangedPiles(e, before);

  // Nested moves inside this one (a collected run, a capture) set the flag
  // for themselves; the follow-ups below belong to this move's own card.
  e.main.tableauMoveSeen = outcome.fromTableau;
  if (changed) UpdateScore(e);
  if (e.main.tableauMoveSeen && !AutoplayRuns(e)) TurnUpExposedCards(e);
  if (changed) ClearRedo(e);
  if (kind == MoveKind::Player) CountMove(e);
  return true;
}

}  // namespace

bool ExecuteMove(Engine& e, int card, std::string_view target) { return Execute(e, card, target, MoveKind::Player); }

bool ExecuteFollowUpMove(Engine& e, int card, std::string_view target) {
  return Execute(e, card, target, MoveKind::FollowUp);
}

// The menu option's own state lives with the main window; the engine knows
// the option as remembered at start-up.
bool AutoplayRuns(const Engine& e) { return e.params[P::AutoplayAvailable] != 0 && e.startup.autoplay; }

}  // namespace orv
