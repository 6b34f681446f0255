#include "games/parameters.h"

#include <algorithm>

namespace orv {

namespace {
constexpr ParameterInfo kTable[] = {
#define ORV_PARAM(number, name, key, count, lo, hi, meaning) {number, #name, key, count, lo, hi, meaning},
#include "games/parameter_list.inc"
#undef ORV_PARAM
};

// Foundation base ranks 55-70, then tableau base ranks 135-174.
constexpr int kFoundationBaseFirst = P::FoundationBaseRank, kFoundationBaseCount = 16;
constexpr int kTableauBaseFirst = P::TableauBaseRank, kTableauBaseCount = 40;
}  // namespace

std::span<const ParameterInfo> ParameterTable() { return kTable; }

const ParameterInfo* FindParameter(int number) {
  for (const auto& info : kTable)
    if (number >= info.number && number < info.number + info.count) return &info;
  return nullptr;
}

const ParameterInfo* FindParameterByKey(std::string_view key) {
  auto it = std::find_if(std::begin(kTable), std::end(kTable), [&](const ParameterInfo& i) { return i.key == key; });
  return it == std::end(kTable) ? nullptr : &*it;
}

void PileRuleBackup::Save(const GameParameters& p) {
  for (int i = 0; i < kTableauBaseCount; ++i) values_[static_cast<size_t>(i)] = static_cast<std::int16_t>(p[kTableauBaseFirst + i]);
  for (int i = 0; i < kFoundationBaseCount; ++i)
    values_[static_cast<size_t>(kTableauBaseCount + i)] = static_cast<std::int16_t>(p[kFoundationBaseFirst + i]);
}

void PileRuleBackup::Restore(GameParameters& p) const {
  for (int i = 0; i < kTableauBaseCount; ++i) p.Set(kTableauBaseFirst + i, values_[static_cast<size_t>(i)]);
  for (int i = 0; i < kFoundationBaseCount; ++i) p.Set(kFoundationBaseFirst + i, values_[static_cast<size_t>(kTableauBaseCount + i)]);
}

}  // namespace orv
