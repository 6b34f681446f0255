// The Host of the command-line tool: message boxes become text lines, and
// everything else the desktop would do is a quiet no-op.
#pragma once

#include <ostream>

#include "platform/host.h"

namespace orv::cli {

class CliHost : public Host {
 public:
  explicit CliHost(std::ostream& out) : out_(out) {}

  // A quiet host shows nothing: the trial clicks of the play command and the
  // soak's thousands of games.
  void SetQuiet(bool quiet) { quiet_ = quiet; }

  void ShowMessage(std::string_view text, std::string_view = {}) override { Print(text); }
  void ShowError(std::string_view text, std::string_view = "Error") override { Print(text); }
  bool Confirm(std::string_view text) override {
    Print(text);
    return true;
  }
  bool ShowAdviceDialog(std::string_view, int) override { return false; }
  void Beep() override {}
  void PlaySound(std::string_view, SoundMode) override {}
  void StopSound() override {}
  Pointer SetPointer(Pointer shape) override {
    Pointer previous = pointer_;
    pointer_ = shape;
    return previous;
  }
  ScreenMetrics Screen() const override { return {}; }
  ClockTime Now() const override { return {}; }
  std::uint32_t TickCount() const override { return 0; }

 private:
  // One line per message; the message's own line breaks become " / ".
  void Print(std::string_view text) {
    if (quiet_) return;
    out_ << "message: ";
    for (char c : text) {
      if (c == '\r') out_ << " / ";
      else if (c != '\n') out_ << c;
    }
    out_ << '\n';
  }

  std::ostream& out_;
  Pointer pointer_ = Pointer::Arrow;
  bool quiet_ = false;
};

}  // namespace orv::cli
