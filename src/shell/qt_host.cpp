#include "shell/qt_host.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include "platform/resource_module.h"
#include "shell/sound_player.h"

namespace orv {

namespace {
const char* kProgramTitle = "Orvane 2003";

QString Title(std::string_view title) {
  return title.empty() ? QString::fromLatin1(kProgramTitle) : QString::fromLatin1(title.data(), static_cast<int>(title.size()));
}
}  // namespace

QtHost::QtHost() { ticks_.start(); }

QtHost::~QtHost() = default;

QString QtHost::ToDisplayText(std::string_view text) {
  QString s = QString::fromLatin1(text.data(), static_cast<int>(text.size()));
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

void QtHost::ShowMessage(std::string_view text, std::string_view title) {
  QMessageBox::information(window_, Title(title), ToDisplayText(text));
}

void QtHost::ShowError(std::string_view text, std::string_view title) {
  QMessageBox::critical(window_, Title(title), ToDisplayText(text));
}

bool QtHost::Confirm(std::string_view text) {
  return QMessageBox::question(window_, Title({}), ToDisplayText(text), QMessageBox::Ok | QMessageBox::Cancel,
                               QMessageBox::Ok) == QMessageBox::Ok;
}

bool QtHost::ShowAdviceDialog(std::string_view text, int /*page*/) {
  QMessageBox box(QMessageBox::Information, Title({}), ToDisplayText(text), QMessageBox::Ok, window_);
  auto* dontShow = new QCheckBox(QObject::tr("&Don't show this message box again"));
  box.setCheckBox(dontShow);
  box.exec();
  return dontShow->isChecked();
}

void QtHost::Beep() { QApplication::beep(); }

void QtHost::PlaySound(std::string_view name, SoundMode mode) {
  const auto wav = resources_ ? resources_->Sound(name) : std::nullopt;
  if (!wav) {
    StopSound();
    return;
  }
  if (!sounds_) sounds_ = std::make_unique<SoundPlayer>();
  sounds_->Play(*wav, mode);
}

void QtHost::StopSound() {
  if (sounds_) sounds_->Stop();
}

Pointer QtHost::SetPointer(Pointer shape) {
  Pointer previous = pointer_;
  if (shape != pointer_) {
    if (shape == Pointer::Hourglass)
      QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QApplication::overrideCursor())
      QApplication::restoreOverrideCursor();
    pointer_ = shape;
  }
  return previous;
}

ScreenMetrics QtHost::Screen() const {
  ScreenMetrics m;
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    m.width = screen->size().width();
    m.height = screen->size().height();
    m.bitsPerPixel = screen->depth();
    m.planes = 1;
  }
  return m;
}

ClockTime QtHost::Now() const {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()};
}

std::uint32_t QtHost::TickCount() const { return static_cast<std::uint32_t>(ticks_.elapsed()); }

}  // namespace orv
