// The main window. For now it shows the game that would be played; the
// card table takes its place once the drawing exists.
#pragma once

#include <QMainWindow>

namespace orv {

class Engine;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(Engine& engine);

 private:
  QString Summary() const;
  Engine& engine_;
};

}  // namespace orv
