#include "shell/qt_host.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace orv {

namespace {
const char* kProgramTitle = "Orvane 2003";

QString Title(std::string_view title) {
  return title.empty() ? QString::fromLatin1(kProgramTitle) : QString::fromLatin1(title.data(), static_cast<int>(title.size()));
}
}  // namespace

QtHost::QtHost() { ticks_.start(); }

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

// Sounds arrive with the resource module; until then the program is silent.
void QtHost::PlaySound(std::string_view /*name*/, SoundMode /*mode*/) {}
void QtHost::StopSound() {}

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
