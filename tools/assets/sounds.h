// The program's sounds, synthesised at build time: card noises from filtered
// noise, chimes from decaying bell partials. Every sound is a RIFF WAVE of
// 16-bit mono samples at 22050 Hz.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace orv::assets {

inline constexpr int kSoundRate = 22050;

// The sixteen names the program plays.
std::span<const std::string_view> SoundNames();

// The WAVE bytes of a named sound; empty for a name the program never plays.
std::string SynthesiseSound(std::string_view name);

// True for the sounds played in a loop during animations: they end at rest
// and carry no tail, so the loop has no audible seam.
bool IsLoopedSound(std::string_view name);

}  // namespace orv::assets
