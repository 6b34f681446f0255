// What the engine asks of the desktop: messages, pointer, screen and clock.
// The Qt program implements it; tests use RecordingHost.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

enum class Pointer { Arrow, Hourglass };

enum class SoundMode { Async, Sync, Loop };

struct ScreenMetrics {
  int width = 1024;
  int height = 768;
  int bitsPerPixel = 32;
  int planes = 1;
};

// Wall-clock time broken down, for the deal-number seed and the results files.
struct ClockTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class Host {
 public:
  virtual ~Host() = default;

  // Message texts use "\r" as the line break, as the data files do.
  // Information box with one OK button; `title` empty means the program name.
  virtual void ShowMessage(std::string_view text, std::string_view title = {}) = 0;
  // Error box; the caller decides whether the program ends afterwards.
  virtual void ShowError(std::string_view text, std::string_view title = "Error") = 0;
  // OK/Cancel confirmation; true for OK.
  virtual bool Confirm(std::string_view text) = 0;
  // The advice dialog: a message with the check box "&Don't show this message
  // box again", on the given page of its notebook. True when the box was ticked.
  virtual bool ShowAdviceDialog(std::string_view text, int page) = 0;
  virtual void Beep() = 0;

  // Plays a sound of the resource module by name; a name the module lacks
  // stops any playing sound. Without an audio device nothing is heard.
  virtual void PlaySound(std::string_view name, SoundMode mode = SoundMode::Async) = 0;
  virtual void StopSound() = 0;

  // Sets the pointer shape over the program's windows and returns the one
  // it replaced, so that a caller can put it back.
  virtual Pointer SetPointer(Pointer shape) = 0;

  virtual ScreenMetrics Screen() const = 0;
  virtual ClockTime Now() const = 0;
  // Milliseconds since an arbitrary start, wrapping like a 32-bit counter.
  virtual std::uint32_t TickCount() const = 0;
};

// Shows the hourglass for the lifetime of the object and restores the
// previous pointer afterwards, also when the operation returns early.
class BusyPointer {
 public:
  explicit BusyPointer(Host& host) : host_(host), previous_(host.SetPointer(Pointer::Hourglass)) {}
  ~BusyPointer() { host_.SetPointer(previous_); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  Host& host_;
  Pointer previous_;
};

}  // namespace orv
