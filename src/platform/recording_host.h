// A Host and View for tests: records every call and answers from scripted
// values, so that a test can assert what the player would have seen.
#pragma once

#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/view.h"

namespace orv {

class RecordingHost : public Host {
 public:
  struct Message {
    std::string kind;  // "message", "error", "confirm", "advice"
    std::string text;
    std::string title;
    int page = 0;
  };

  // Scripted answers.
  bool confirmAnswer = true;
  bool adviceTicked = false;
  ScreenMetrics screen;
  ClockTime clock;
  std::uint32_t ticks = 0;

  // What happened.
  std::vector<Message> messages;
  std::vector<Pointer> pointerChanges;
  std::vector<std::string> sounds;  // names played; "<stop>" for StopSound
  int beeps = 0;
  Pointer pointer = Pointer::Arrow;

  void ShowMessage(std::string_view text, std::string_view title = {}) override {
    messages.push_back({"message", std::string(text), std::string(title), 0});
  }
  void ShowError(std::string_view text, std::string_view title = "Error") override {
    messages.push_back({"error", std::string(text), std::string(title), 0});
  }
  bool Confirm(std::string_view text) override {
    messages.push_back({"confirm", std::string(text), {}, 0});
    return confirmAnswer;
  }
  bool ShowAdviceDialog(std::string_view text, int page) override {
    messages.push_back({"advice", std::string(text), {}, page});
    return adviceTicked;
  }
  void Beep() override { ++beeps; }
  void PlaySound(std::string_view name, SoundMode /*mode*/ = SoundMode::Async) override { sounds.emplace_back(name); }
  void StopSound() override { sounds.emplace_back("<stop>"); }
  Pointer SetPointer(Pointer shape) override {
    Pointer previous = pointer;
    pointer = shape;
    pointerChanges.push_back(shape);
    return previous;
  }
  ScreenMetrics Screen() const override { return screen; }
  ClockTime Now() const override { return clock; }
  std::uint32_t TickCount() const override { return ticks; }

  // The texts of all messages, in order, for compact assertions.
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.text);
    return out;
  }
};

class RecordingView : public View {
 public:
  std::vector<std::string> changedPiles;
  int tableChanges = 0;
  void PileChanged(std::string_view pileName) override { changedPiles.emplace_back(pileName); }
  void TableChanged() override { ++tableChanges; }
};

}  // namespace orv
