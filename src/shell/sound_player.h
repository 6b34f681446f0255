// Plays wave images from memory on the default audio output, one at a
// time. Without an audio output (a server, a test machine) every call
// returns at once and nothing is heard.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/host.h"

class QAudioSink;
class QEventLoop;

namespace orv {

class PcmSource;

class SoundPlayer {
 public:
  SoundPlayer();
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // Plays a RIFF WAVE image (the bytes are copied).
  //   Async: returns at once; an earlier sound is cut off.
  //   Sync:  returns when the sound has finished; meanwhile the windows
  //          repaint and timers run, while input waits until afterwards. A
  //          sound already playing is left alone and the new one skipped.
  //   Loop:  repeats until Stop or the next sound.
  // An image that cannot be played stops any playing sound instead.
  void Play(std::string_view wav, SoundMode mode);
  void Stop();
  bool IsPlaying() const;

 private:
  bool Start(std::string_view wav, bool loop);
  void WaitUntilFinished(std::int64_t durationMs);

  std::unique_ptr<QAudioSink> sink_;
  std::unique_ptr<PcmSource> source_;
  QEventLoop* waiting_ = nullptr;  // the running Sync wait, ended by Stop
};

}  // namespace orv
