// The special building rules (codes 4 and above): many small rules, each a
// named function, reached through one table from CanPlaceCard.
#pragma once

#include "rules/validation.h"

namespace orv {

// The verdict of the special rule `p.rule` (>= 4); codes without a rule of
// their own fall back to the ordinary rule.
bool SpecialRule(Engine& e, const Placement& p);

}  // namespace orv
