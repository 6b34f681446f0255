#include "rules/sound_events.h"

#include "play/engine.h"

namespace orv {

void PlaySoundEvent(Engine& e, std::string_view sound, SrField setting) {
  if (e.session.IsNotNo(sr::SoundsEnabled) && e.session.IsNotNo(setting)) e.host.PlaySound(sound);
}

}  // namespace orv
