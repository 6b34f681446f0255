// The desktop side of the engine's Host: Qt message boxes, pointer, screen,
// clock and sounds.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <memory>

#include "platform/host.h"

namespace orv {

class ResourceModule;
class SoundPlayer;

class QtHost : public Host {
 public:
  QtHost();
  ~QtHost() override;
  // Dialogs are centred on this window once it exists.
  void SetMainWindow(QWidget* window) { window_ = window; }
  // Sounds come from this module ("SOL.RGF"), which must outlive the host
  // or be unset first; until it is set every sound is missing.
  void SetResources(const ResourceModule* module) { resources_ = module; }

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
  const ResourceModule* resources_ = nullptr;
  std::unique_ptr<SoundPlayer> sounds_;  // made at the first sound, inside the application
};

}  // namespace orv
