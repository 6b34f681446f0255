#include <algorithm>

#include "cards/card_table.h"
#include "common/text.h"

namespace orv {

namespace {
struct NumberedPrefix {
  std::string_view prefix;
  PileGroup group;
  int count;
};
constexpr NumberedPrefix kNumbered[] = {
    {"Fila", PileGroup::Tableau, kTableauPiles},
    {"Dest", PileGroup::Foundation, kFoundationPiles},
    {"Appogg", PileGroup::Reserve, kReservePiles},
};
constexpr std::string_view kStockNames[kStockPiles] = {"Mazzo", "Mazzo_Vis", "Mazzo_Waste"};

// The pile number: the (at most two) characters after the prefix, digits
// only; whatever follows them is ignored. 0 when they are no number.
int PileNumber(std::string_view rest) {
  const std::string_view digits = rest.substr(0, std::min<size_t>(rest.size(), 2));
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return 0;
  return static_cast<int>(ParseIntOr(digits, 0));
}
}  // namespace

PileRef ParsePileName(std::string_view name) {
  for (int i = 0; i < kStockPiles; ++i)
    if (name == kStockNames[i]) return {PileGroup::Stock, i};
  for (const auto& numbered : kNumbered) {
    if (!name.starts_with(numbered.prefix)) continue;
    const int number = PileNumber(name.substr(numbered.prefix.size()));
    // A damaged name addresses no pile rather than a wrong one.
    if (number < 1 || number > numbered.count) return {};
    return {numbered.group, number - 1};
  }
  return {};
}

int PileCount(PileGroup group) {
  switch (group) {
    case PileGroup::Stock: return kStockPiles;
    case PileGroup::Foundation: return kFoundationPiles;
    case PileGroup::Tableau: return kTableauPiles;
    case PileGroup::Reserve: return kReservePiles;
    case PileGroup::None: break;
  }
  return 0;
}

std::string PileName(PileRef ref) {
  if (ref.index < 0 || ref.index >= PileCount(ref.group)) return {};
  const std::string number = IntToFixed(ref.index + 1, 2);
  switch (ref.group) {
    case PileGroup::Stock: return std::string(kStockNames[ref.index]);
    case PileGroup::Tableau: return "Fila" + number;
    case PileGroup::Foundation: return "Dest" + number;
    case PileGroup::Reserve: return "Appogg" + number;
    case PileGroup::None: break;
  }
  return {};
}

}  // namespace orv
