// The desktop side of the engine's Host: Qt message boxes, pointer, screen
// and clock.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include "platform/host.h"

namespace orv {

class QtHost : public Host {
 public:
  QtHost();
  // Dialogs are centred on this window once it exists.
  void SetMainWindow(QWidget* window) { window_ = window; }

  void ShowMessage(std::string_view text, std::string_view title = {}) override;
  void ShowError(std::string_view text, std::string_view title = "Error") override;
  bool Confirm(std::string_view text) override;
  bool ShowAdviceDialog(std::string_view text, int page) override;
  void Beep() override;
  void PlaySound(std::string_view name, SoundMode mode = SoundMode::Async) override;
  void StopSound() override;
  Pointer SetPointer(Pointer shape) override;
  ScreenMetrics Screen() const override;
  ClockTime Now() const override;
  std::uint32_t TickCount() const override;

  // Message texts break lines with "\r"; Qt wants "\n".
  static QString ToDisplayText(std::string_view text);

 private:
  QPointer<QWidget> window_;
  Pointer pointer_ = Pointer::Arrow;
  QElapsedTimer ticks_;
};

}  // namespace orv
