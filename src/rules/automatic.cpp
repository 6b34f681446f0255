#include "rules/automatic.h"

#include <string>

#include "play/engine.h"
#include "rules/execute.h"
#include "rules/history.h"
#include "rules/pile_facts.h"
#include "rules/sound_events.h"
#include "rules/validation.h"

namespace orv {

namespace {

constexpr int kRunLength = 13;

// The foundation base-rank codes of the foundations that collect completed
// runs; each also says what a completed run is.
enum RunCode : int {
  kByTableauRule = 82,  // "R": the tableau pile's own suit rule
  kInSuit = 83,         // "S"
  kInSuitKingFirst = 95,  // "_": king at the top of the pile, ace last
  kInSuitAlt = 97,      // "a"
  kSameColour = 98,     // "b"
  kAnySuitChain = 99,   // "c": neighbouring ranks, the whole pile
};

bool IsCollectingCode(int code) {
  switch (code) {
    case kByTableauRule: case kInSuit: case kInSuitKingFirst: case kInSuitAlt: case kSameColour: case kAnySuitChain:
      return true;
    default:
      return false;
  }
}

// The first empty collecting foundation in play; -1 when there is none.
int CollectingFoundation(const Engine& e) {
  for (int k = 0; k < facts::FoundationsInPlay(e); ++k)
    if (IsCollectingCode(e.params[P::FoundationBaseRank + k]) && facts::FoundationPile(e, k).empty()) return k;
  return -1;
}

bool SameColour(int a, int b) { return IsRedCard(a) == IsRedCard(b); }

// The suit or colour a card below the top must show under code `code`.
bool FollowsSuitRule(const Engine& e, int code, int pile, int card, int above, int top) {
  switch (code) {
    case kByTableauRule: {
      const int rule = e.params[P::TableauRule + pile];
      if (rule == 3) return !SameColour(card, above);
      if (rule == 0) return CardSuit(card) == CardSuit(top);
      return true;
    }
    case kInSuit: case kInSuitKingFirst: case kInSuitAlt: return CardSuit(card) == CardSuit(top);
    case kSameColour: return SameColour(card, above);
    default: return true;
  }
}

bool Neighbours(int a, int b) {
  const int ra = CardRank(a), rb = CardRank(b);
  return ra >= 1 && ra <= 13 && rb >= 1 && rb <= 13 && (rb == NextRank(ra) || rb == PrevRank(ra));
}

// How many cards from the top of the pile form a completed run under
// `code`; 0 when they do not. Under code 95 the run reads king to ace from
// the top, otherwise ace to king; code 99 takes the whole pile.
int CompletedRunLength(const Engine& e, int code, int pile) {
  const std::string& s = facts::TableauPile(e, pile);
  const int count = static_cast<int>(CodeCount(s));
  const int top = CardAt(s, 3 * count - 2);
  const bool down = code == kInSuitKingFirst;
  int expected = down ? 13 : 1;
  int above = 0;
  for (int i = 0; i < count; ++i) {
    const int card = CardAt(s, 3 * (count - i) - 2);
    if (e.table.IsFaceDown(card)) return 0;  // gaps read as face down too
    if (i > 0 && !FollowsSuitRule(e, code, pile, card, above, top)) return 0;
    if (code == kAnySuitChain) {
      if (i > 0 && !Neighbours(above, card)) return 0;
    } else {
      if (CardRank(card) != expected) return 0;
      if (expected == (down ? 1 : 13)) return i + 1;
      expected += down ? -1 : 1;
    }
    above = card;
  }
  return code == kAnySuitChain ? count : 0;
}

}  // namespace

void RemoveCompletedRun(Engine& e, int pile) {
  if (pile < 0 || pile >= facts::TableauInPlay(e)) return;
  if (CodeCount(facts::TableauPile(e, pile)) < kRunLength) return;
  const int target = CollectingFoundation(e);
  if (target < 0) return;
  const int code = e.params[P::FoundationBaseRank + target];
  const int length = CompletedRunLength(e, code, pile);
  if (length == 0) return;
  const std::string& s = facts::TableauPile(e, pile);
  const int top = CardAt(s, s.size() - 2);
  // Runs collected by "R" foundations keep red and black in equal shares:
  // each colour may fill at most half of them (a game without any passes).
  if (code != kInSuitKingFirst && !BalanceRule(e, kByTableauRule, top)) return;

  PlaySoundEvent(e, "Redeal", sr::SoundsRedeal);
  const bool hidden = e.main.FoundationX(target) < 0;
  const std::string destination = hidden ? std::string("Waste") : "Dest" + IntToFixed(target + 1, 2);
  for (int moved = 0; moved < length && moved < kRunLength; ++moved) {
    const std::string& now = facts::TableauPile(e, pile);
    if (now.size() < 3) break;
    if (ExecuteFollowUpMove(e, CardAt(now, now.size() - 2), destination)) DropNewestEntries(e, 1);
  }
}

bool TurnUpExposedCards(Engine& e) {
  if (!e.session.IsNotNo(sr::AutomaticFaceUp) || e.params[P::AutoplayTurnsUpFirst] == 0) return false;
  bool turned = false;
  for (int k = 0; k < facts::TableauInPlay(e); ++k) {
    const int top = facts::TopOrEmpty(facts::TableauPile(e, k));
    if (top <= 0 || !e.table.IsFaceDown(top)) continue;
    TurnFaceUp(e, top, k);
    DropNewestEntries(e, 1);
    turned = true;
  }
  return turned;
}

void TurnFaceUp(Engine& e, int card, int pile) {
  RecordPosition(e, e.undo);
  e.table.SetFaceFlag(card, "1");
  PlaySoundEvent(e, "Face_up", sr::SoundsFaceUp);
  e.view->PileChanged(PileName(PileRef{PileGroup::Tableau, pile}));
}

}  // namespace orv
