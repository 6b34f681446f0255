#include "cards/card_table.h"

#include <algorithm>
#include <optional>

namespace orv {

namespace {
// A code fits the three characters of a place: -99 to 999.
bool FitsCode(int n) { return n >= -99 && n <= 999; }

// The 0-based offset of the first whole code equal to `code`, from the bottom.
std::optional<size_t> FindCode(std::string_view pile, std::string_view code) {
  for (size_t pos = 0; pos + 3 <= pile.size(); pos += 3)
    if (pile.substr(pos, 3) == code) return pos;
  return std::nullopt;
}

// The number of the last whole code; 0 for an empty pile.
int TopOf(std::string_view pile) { return CodeCount(pile) == 0 ? 0 : CardAt(pile, 3 * CodeCount(pile) - 2); }

// The cards of a pile string in order; gaps and damaged codes are no cards.
template <typename Fn>
void ForEachCard(std::string_view pile, Fn&& fn) {
  for (size_t pos = 1; pos + 2 <= pile.size(); pos += 3)
    if (const int n = CardAt(pile, pos); IsCard(n)) fn(n);
}

// The flag the i-th card (0-based from the bottom) of `count` gets, if any.
std::optional<std::string_view> FlagFor(int mode, std::string_view flag, int i, int count) {
  switch (mode) {
    case -1: return i % 2 == 0 ? "1" : "0";
    case -2: return i % 2 == 0 ? "0" : "1";
    case -3: return i == 0 ? "1" : "0";
    default: break;
  }
  if (mode >= 1 && i >= count - mode) return flag;
  return std::nullopt;
}
}  // namespace

std::string* CardTable::Pile(PileRef ref) {
  return const_cast<std::string*>(static_cast<const CardTable&>(*this).Pile(ref));
}

const std::string* CardTable::Pile(PileRef ref) const {
  if (ref.index < 0 || ref.index >= PileCount(ref.group)) return nullptr;
  const auto i = static_cast<size_t>(ref.index);
  switch (ref.group) {
    case PileGroup::Stock: return &piles_.stock[i];
    case PileGroup::Foundation: return &piles_.foundations[i];
    case PileGroup::Tableau: return &piles_.tableau[i];
    case PileGroup::Reserve: return &piles_.reserves[i];
    case PileGroup::None: break;
  }
  return nullptr;
}

std::string* CardTable::Pile(std::string_view name) { return Pile(ParsePileName(name)); }
const std::string* CardTable::Pile(std::string_view name) const { return Pile(ParsePileName(name)); }

void CardTable::ClearPiles() { piles_ = PileLists{}; }

int CardTable::InPlay(PileGroup group) const {
  switch (group) {
    case PileGroup::Stock: return kStockPiles;
    case PileGroup::Foundation: return std::clamp(params_[P::FoundationCount], 0, kFoundationPiles);
    case PileGroup::Tableau: return std::clamp(params_[P::TableauCount], 0, kTableauPiles);
    case PileGroup::Reserve: return std::clamp(params_[P::ReserveCount], 0, kReservePiles);
    case PileGroup::None: break;
  }
  return 0;
}

int CardTable::TopCard(std::string_view name) const {
  const PileRef ref = ParsePileName(name);
  // The second waste's top is never offered as a card.
  if (ref.group == PileGroup::Stock && ref.index == 2) return 0;
  const std::string* pile = Pile(ref);
  return pile == nullptr ? 0 : TopOf(*pile);
}

bool CardTable::IsTopOfTableau(int card) const {
  if (!IsCard(card)) return false;  // an empty pile has no top to match the gap code
  for (int i = 0; i < InPlay(PileGroup::Tableau); ++i)
    if (TopOf(piles_.tableau[static_cast<size_t>(i)]) == card) return true;
  return false;
}

void CardTable::AppendCardCode(PileGroup group, int index, int card, std::string_view faceFlag) {
  std::string* pile = Pile(PileRef{group, index});
  if (pile == nullptr || !FitsCode(card)) return;
  *pile += CardCode(card);
  if (card != 0 && !faceFlag.empty()) cards_.SetFaceFlag(card, faceFlag);
}

void CardTable::AddCardToPile(std::string_view name, int card, std::string_view faceFlag) {
  const PileRef ref = ParsePileName(name);
  const bool accepted = ref.group == PileGroup::Tableau || ref.group == PileGroup::Foundation ||
                        ref.group == PileGroup::Reserve || (ref.group == PileGroup::Stock && ref.index == 1);
  if (accepted) AppendCardCode(ref.group, ref.index, card, {});
  if (!faceFlag.empty()) cards_.SetFaceFlag(card, faceFlag);
}

Location CardTable::RemoveCard(int card) { return Remove(card, RemoveMode::Delete); }
Location CardTable::LeaveGap(int card) { return Remove(card, RemoveMode::Gap); }
Location CardTable::RemoveCardClosingGap(int card) { return Remove(card, RemoveMode::DeleteWithGapBelow); }

bool CardTable::RemoveFrom(std::string& pile, std::string_view code, RemoveMode mode) {
  const auto found = FindCode(pile, code);
  if (!found) return false;
  const size_t pos = *found;
  if (mode == RemoveMode::Gap) {
    pile.replace(pos, 3, kGapCode);
    return true;
  }
  pile.erase(pos, 3);
  // Only a code that really lay below the card closes up; the bottom card
  // has none, and the code now at the bottom lay above it.
  if (mode == RemoveMode::DeleteWithGapBelow && pos >= 3 && std::string_view(pile).substr(pos - 3, 3) == kGapCode)
    pile.erase(pos - 3, 3);
  return true;
}

Location CardTable::Remove(int card, RemoveMode mode) {
  if (!IsCard(card)) return kNowhere;  // the gap code is not a card to take
  const std::string code = CardCode(card);
  auto take = [&](std::string& pile) { return RemoveFrom(pile, code, mode); };
  if (take(piles_.stock[1])) return kInWaste;
  for (int i = 0; i < InPlay(PileGroup::Tableau); ++i)
    if (take(piles_.tableau[static_cast<size_t>(i)])) return kInTableau;
  for (auto& pile : piles_.foundations)
    if (take(pile)) return kInFoundation;
  if (take(piles_.stock[0])) return kInStock;
  if (take(piles_.stock[2])) return kInSecondWaste;
  for (auto& pile : piles_.reserves)
    if (take(pile)) return kInReserve;
  return kNowhere;
}

void CardTable::SetFaceFlags(std::string_view pile, int mode, std::string_view flag) {
  int count = 0;
  ForEachCard(pile, [&](int) { ++count; });
  int i = 0;
  ForEachCard(pile, [&](int card) {
    if (const auto f = FlagFor(mode, flag, i++, count)) cards_.SetFaceFlag(card, *f);
  });
}

}  // namespace orv
