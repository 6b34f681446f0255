#include "shell/main_window.h"

#include <QLabel>
#include <QPalette>

#include "common/text.h"
#include "play/engine.h"

namespace orv {

MainWindow::MainWindow(Engine& engine) : engine_(engine) {
  setWindowTitle(QStringLiteral("Orvane 2003"));
  auto* label = new QLabel(Summary(), this);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  label->setTextFormat(Qt::RichText);
  label->setAutoFillBackground(true);
  QPalette felt = label->palette();
  felt.setColor(QPalette::Window, QColor(0, 110, 45));
  felt.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(felt);
  setCentralWidget(label);
}

QString MainWindow::Summary() const {
  const int game = engine_.CurrentGame();
  if (game < 0) return tr("<h1>Orvane 2003</h1><p>No game is chosen yet.</p>");
  const std::string name = engine_.session.Get(sr::GameName);
  const auto& p = engine_.params;
  return tr("<h1>%1</h1><p>Game %2 would be played: %3 cards, %4 tableau piles, %5 foundations.</p>"
            "<p><i>The card table arrives in the next version.</i></p>")
      .arg(QString::fromLatin1(name.c_str()).toHtmlEscaped())
      .arg(game)
      .arg(p[P::DeckCards])
      .arg(p[P::TableauCount])
      .arg(p[P::FoundationCount]);
}

}  // namespace orv
