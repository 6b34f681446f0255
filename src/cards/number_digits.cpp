// The digits of a stored deal number. Kept out of the deal itself, because
// the win test of some games reads them too.
#include "cards/deal.h"
#include "common/text.h"

namespace orv {

DealDigits ParseDealNumber(std::string_view text) {
  std::string s = Trim(text);
  if (s.size() < kDealDigitCount) s.insert(0, kDealDigitCount - s.size(), '0');
  s = RightStr(s, kDealDigitCount);
  DealDigits d{};
  for (size_t i = 0; i < d.size(); ++i) d[i] = s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : 0;
  return d;
}

}  // namespace orv
