// Sound events of the rules: each plays when sounds are on and its own
// setting is not "N".
#pragma once

#include <string_view>

#include "settings/session_record.h"

namespace orv {

class Engine;

void PlaySoundEvent(Engine& e, std::string_view sound, SrField setting);

}  // namespace orv
