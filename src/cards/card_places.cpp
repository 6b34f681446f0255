#include "cards/card_places.h"

#include <algorithm>
#include <optional>

namespace orv {

namespace {
constexpr int kSquared = -1;

int OriginX(const TMainGame& g, PileRef ref) {
  switch (ref.group) {
    case PileGroup::Tableau: return g.TableauX(ref.index);
    case PileGroup::Foundation: return g.FoundationX(ref.index);
    case PileGroup::Reserve: return g.ReserveX(ref.index);
    case PileGroup::Stock: return g.StockX(ref.index);
    case PileGroup::None: break;
  }
  return 0;
}

int OriginY(const TMainGame& g, PileRef ref) {
  switch (ref.group) {
    case PileGroup::Tableau: return g.TableauY(ref.index);
    case PileGroup::Foundation: return g.FoundationY(ref.index);
    case PileGroup::Reserve: return g.ReserveY(ref.index);
    case PileGroup::Stock: return g.StockY(ref.index);
    case PileGroup::None: break;
  }
  return 0;
}

bool IsVerticalFan(PileGroup group, int kind) {
  switch (group) {
    case PileGroup::Tableau: return kind == 1 || kind == 12 || kind == 13;
    case PileGroup::Foundation: return kind == 1;
    case PileGroup::Reserve: return kind == 1 || kind == 5 || kind == 13;
    default: return false;
  }
}

bool IsHorizontalFan(PileGroup group, int kind) {
  switch (group) {
    case PileGroup::Tableau: return kind == 2 || kind == 4 || kind == 6 || kind == 10;
    case PileGroup::Foundation:
    case PileGroup::Reserve: return kind == 2 || kind == 4;
    default: return false;
  }
}

bool IsSpecial(PileGroup group, int kind) { return group == PileGroup::Tableau && (kind == 8 || kind == 9); }

// The step below card n of a vertical fan.
int VerticalStep(const TMainGame& g, const CardDescriptors& cards, int kind, int n) {
  if (kind == 5) return g.reserveStepY;
  if (kind == 12 && n == 0) return g.faceUpStepY;  // a gap keeps a face-up place
  return cards.IsFaceDown(n) ? g.faceDownStepY : g.faceUpStepY;
}

// The step right of card n of a horizontal fan (negative for kind 10).
int HorizontalStep(const TMainGame& g, const CardDescriptors& cards, int kind, int n) {
  switch (kind) {
    case 4: return g.cardWidth + g.sideGapX;
    case 6: return g.looseStepX;
    default: break;
  }
  const int step = cards.IsFaceDown(n) ? g.faceDownStepX : g.faceUpStepX;
  return kind == 10 ? -step : step;
}

// The part of a pile that a card place looks at: m characters (whole codes
// only) and the codes below the place.
struct Considered {
  int excluded;  // 0 to one more than the pile holds: beyond that all agree
  int chars;     // m; negative when more cards are excluded than the pile holds
  int counted;   // codes from the bottom that lie below the place

  Considered(std::string_view pile, int excludedCards, bool next)
      : excluded(std::clamp(excludedCards, 0, static_cast<int>(CodeCount(pile)) + 1)),
        chars(3 * static_cast<int>(CodeCount(pile)) - 3 * excluded),
        counted(std::max(next ? chars / 3 : chars / 3 - 1, 0)) {}
};

// Adds `step(n)` for every counted card; negative numbers are no place.
template <typename Step>
int SumSteps(std::string_view pile, int counted, Step&& step) {
  int sum = 0;
  for (int i = 0; i < counted; ++i)
    if (const int n = CardAt(pile, static_cast<size_t>(3 * i + 1)); n >= 0) sum += step(n);
  return sum;
}

// Row of the untidy offsets for a tableau pile index; 0 for none.
int JitterRowFor(int pileIndex) {
  if (pileIndex < 0) return 0;
  return pileIndex <= 6 ? pileIndex + 1 : pileIndex % 6 + 1;
}

std::string_view PileText(const CardTable& table, PileRef ref) {
  const std::string* pile = table.Pile(ref);
  return pile == nullptr ? std::string_view() : std::string_view(*pile);
}

// Kinds 8 and 9 are placed by the table layout's arrangement; without one
// installed the pile stays squared at its corner.
std::optional<SpecialPlace> Special(const TMainGame& g, int kind, std::string_view pile, int chars, int pileIndex) {
  if (!g.specialArrangement) return std::nullopt;
  return g.specialArrangement(kind, pile, std::max(chars, 0), pileIndex);
}

// The untidy offset of a card place of a tableau pile of kind 1.
int UntidyOffset(const TMainGame& g, std::string_view pile, const Considered& part, int pileIndex, bool next) {
  const int row = JitterRowFor(pileIndex);
  if (row == 0) return 0;
  const int k = part.excluded != 0 || next ? part.chars / 3 + 1 : static_cast<int>(CodeCount(pile));
  int b = k - 1;
  if (b > 12) b %= 12;
  return b >= 0 ? g.jitter[static_cast<size_t>(row)][static_cast<size_t>(b)] : 0;
}

// In families "1" and "?" a further card goes over a lone tableau card that
// is not of the pile's base rank instead of below it.
bool PlacesOverLoneCard(const GameParameters& p, PileRef ref, std::string_view pile, bool next) {
  const int family = p[P::Family];
  if (family != '1' && family != '?') return false;
  if (ref.group != PileGroup::Tableau || !next || CodeCount(pile) != 1) return false;
  return CardRank(CardAt(pile, 1)) != p.Pile(P::TableauBaseRank, ref.index + 1);
}
}  // namespace

int CardPlaces::PileKind(PileRef ref) const {
  switch (ref.group) {
    case PileGroup::Tableau: {
      const int kind = params_[P::TableauKind];
      if (kind != 11) return kind;
      if (params_[P::MixedTableauKinds] != 1) return kSquared;
      if (ref.index <= 6) return 2;
      return ref.index <= 11 ? 10 : kSquared;
    }
    case PileGroup::Foundation: return params_[P::FoundationKind];
    case PileGroup::Reserve: return params_[P::ReserveKind];
    default: return 0;
  }
}

int CardPlaces::CardY(std::string_view pile, int pileIndex, int excluded, bool next) const {
  const PileRef ref = ParsePileName(pile);
  const std::string_view s = PileText(table_, ref);
  const int kind = PileKind(ref);
  const Considered part(s, excluded, next);
  const int origin = OriginY(game_, ref);
  if (PlacesOverLoneCard(params_, ref, s, next)) return origin;

  int y = origin;
  if (kind == 7 && part.chars > 2 && (CodeCount(s) > 1 || part.excluded != 0 || next)) y += game_.faceUpStepY;
  if (IsVerticalFan(ref.group, kind))
    y += SumSteps(s, part.counted, [&](int n) { return VerticalStep(game_, table_.cards(), kind, n); });
  if (IsSpecial(ref.group, kind))
    if (const auto place = Special(game_, kind, s, part.chars, pileIndex)) y = place->y - game_.scrollY;
  return y;
}

int CardPlaces::CardX(std::string_view pile, int pileIndex, int excluded, bool next) const {
  const PileRef ref = ParsePileName(pile);
  const std::string_view s = PileText(table_, ref);
  const int kind = PileKind(ref);
  const Considered part(s, excluded, next);

  int x = OriginX(game_, ref);
  if (IsHorizontalFan(ref.group, kind))
    x += SumSteps(s, part.counted, [&](int n) { return HorizontalStep(game_, table_.cards(), kind, n); });
  if (IsSpecial(ref.group, kind))
    if (const auto place = Special(game_, kind, s, part.chars, pileIndex)) x = place->x;
  if (ref.group == PileGroup::Tableau && kind == 1 && record_.IsNotNo(sr::UntidyPiles))
    x += UntidyOffset(game_, s, part, pileIndex, next);
  return x;
}

int CardPlaces::PileBottom(std::string_view pile) const {
  const PileRef ref = ParsePileName(pile);
  if (!ref.valid()) return game_.cardHeight;
  const std::string_view s = PileText(table_, ref);
  const int kind = PileKind(ref);
  const int count = static_cast<int>(CodeCount(s));
  int y = OriginY(game_, ref);
  if (kind == 7 && count > 1) y += game_.faceUpStepY;
  // Every card but the last adds its step; the last adds its whole height.
  if (IsVerticalFan(ref.group, kind))
    y += SumSteps(s, count - 1, [&](int n) { return VerticalStep(game_, table_.cards(), kind, n); });
  return y + game_.cardHeight;
}

}  // namespace orv
