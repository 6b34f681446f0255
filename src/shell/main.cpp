// Start-up: the engine first (data folder, settings, catalogue), then the
// window. A missing definitions file ends the program after its message.
#include <QApplication>
#include <QScreen>

#include "platform/files.h"
#include "platform/resource_module.h"
#include "play/engine.h"
#include "shell/main_window.h"
#include "shell/qt_host.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orvane 2003"));

  orv::QtHost host;
  auto engine = orv::StartEngine(host, orv::ExecutableFolder(), orv::UserDataHome());
  if (!engine) return 1;

  // Pictures, cursors and sounds: without them the program cannot go on.
  const std::string modulePath = orv::ResolvePath(engine->folders.program, "SOL.RGF");
  auto resources = orv::ResourceModule::Open(modulePath);
  if (!resources) {
    host.ShowError(orv::CannotLoadModuleMessage(modulePath));
    return 1;
  }
  host.SetResources(resources.get());

  orv::MainWindow window(*engine);
  host.SetMainWindow(&window);
  const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize(1024, 768);
  window.resize(screen.width() - 150, screen.height() - 150);
  window.move(50, 50);
  window.show();
  const int status = QApplication::exec();
  host.SetResources(nullptr);
  return status;
}
