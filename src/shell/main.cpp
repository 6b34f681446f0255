// Start-up: the engine first (data folder, settings, catalogue), then the
// window. A missing definitions file ends the program after its message.
#include <QApplication>
#include <QScreen>

#include "platform/files.h"
#include "play/engine.h"
#include "shell/main_window.h"
#include "shell/qt_host.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orvane 2003"));

  orv::QtHost host;
  auto engine = orv::StartEngine(host, orv::ExecutableFolder(), orv::UserDataHome());
  if (!engine) return 1;

  orv::MainWindow window(*engine);
  host.SetMainWindow(&window);
  const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize(1024, 768);
  window.resize(screen.width() - 150, screen.height() - 150);
  window.move(50, 50);
  window.show();
  return QApplication::exec();
}
