// Status-bar pile-kind pictures, suit symbols, the poker score panel and the
// splash picture.
#include <QPainterPath>
#include <array>

#include "assets/interface_pictures.h"

namespace orv::assets::ui {
namespace {

// Pile-kind pictures sit before a word of 8-point text in a panel 77 pixels
// wide ("Foundation" must still fit), so they stay narrow.
constexpr int kKindW = 12, kKindH = 14;
// Suits stand in rule texts and in the joker's marker box, which leaves
// them 10 pixels.
constexpr int kSuit = 10;

const QColor kBlueBack(30, 80, 170);

QImage PileKind(const std::string& kind) {
  QImage image = Blank(kKindW, kKindH);
  QPainter p(&image);
  if (kind == "STOCK") {
    PaintCardBack(p, QRectF(3, 2, 8, 11), kBlueBack);
    PaintCardBack(p, QRectF(1, 0, 8, 11), kBlueBack);
  } else if (kind == "WASTE") {
    PaintCardFace(p, QRectF(0, 1, 8, 11), 2);
    PaintCardFace(p, QRectF(4, 2, 8, 11), 0);
  } else if (kind == "FOUNDATION") {
    PaintCardFace(p, QRectF(1, 1, 10, 13), 0);
  } else if (kind == "TABLEAU") {
    PaintCardFace(p, QRectF(2, 0, 8, 10), 3);
    PaintCardFace(p, QRectF(2, 4, 8, 10), 1);
  } else {  // RESERVE: one card waiting in its place
    p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
    p.drawRect(QRectF(0.5, 0.5, kKindW - 1, kKindH - 1));
    PaintCardBack(p, QRectF(2, 2, 8, 10), QColor(170, 40, 40));
  }
  return image;
}

// The poker panel: a framed white field; the score lines are written into
// it at 7 pixels from the left, on lines 5, 21 and 41 pixels from the top.
QImage PokerPanel() {
  constexpr int w = 160, h = 60;
  QImage image(w, h, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient frame(0, 0, 0, h);
  frame.setColorAt(0, QColor(200, 160, 60));
  frame.setColorAt(1, QColor(140, 100, 30));
  p.fillRect(image.rect(), frame);
  p.setPen(QPen(QColor(90, 60, 10), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
  p.fillRect(QRect(4, 3, w - 8, h - 6), Qt::white);
  return image;
}

QImage Splash() {
  constexpr int w = 480, h = 300;
  QImage image(w, h, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QRadialGradient felt(w * 0.5, h * 0.4, w * 0.7);
  felt.setColorAt(0, QColor(30, 140, 60));
  felt.setColorAt(1, QColor(5, 50, 20));
  p.fillRect(image.rect(), felt);
  // A gold frame.
  p.setPen(QPen(QColor(212, 175, 55), 3));
  p.drawRoundedRect(QRectF(8.5, 8.5, w - 17, h - 17), 10, 10);
  p.setPen(QPen(QColor(212, 175, 55, 120), 1));
  p.drawRoundedRect(QRectF(14.5, 14.5, w - 29, h - 29), 7, 7);
  // A fan of four cards, the suits in play order.
  const std::array<std::pair<int, const char*>, 4> fan{{{3, "A"}, {0, "K"}, {2, "Q"}, {1, "J"}}};
  for (std::size_t i = 0; i < fan.size(); ++i) {
    p.save();
    p.translate(w / 2.0, 200);
    p.rotate(-33 + 22.0 * i);
    p.translate(0, -100);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(-33, -44, 71, 96), 6, 6);
    PaintCardFace(p, QRectF(-36, -48, 71, 96), fan[i].first, fan[i].second);
    p.restore();
  }
  // The title, with a soft shadow.
  QFont title("DejaVu Serif");
  title.setPixelSize(46);
  title.setBold(true);
  title.setItalic(true);
  QPainterPath text;
  text.addText(0, 0, title, "Orvane 2003");
  const QRectF bounds = text.boundingRect();
  text.translate((w - bounds.width()) / 2 - bounds.left(), 250);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 110));
  p.drawPath(text.translated(3, 3));
  QLinearGradient gold(0, 215, 0, 255);
  gold.setColorAt(0, QColor(255, 236, 160));
  gold.setColorAt(0.5, QColor(226, 182, 60));
  gold.setColorAt(1, QColor(160, 110, 20));
  p.setBrush(gold);
  p.setPen(QPen(QColor(90, 60, 10), 1));
  p.drawPath(text);
  QFont subtitle("DejaVu Sans");
  subtitle.setPixelSize(13);
  subtitle.setLetterSpacing(QFont::AbsoluteSpacing, 3);
  p.setFont(subtitle);
  p.setPen(QColor(220, 235, 220));
  p.drawText(QRectF(0, 262, w, 20), Qt::AlignHCenter | Qt::AlignTop, "SOLITAIRE CARD GAMES");
  return image;
}

}  // namespace

PictureList StatusPictures() {
  PictureList out;
  for (const char* kind : {"STOCK", "WASTE", "FOUNDATION", "TABLEAU", "RESERVE"}) {
    // Drawn as they are, so they carry the status bar's own colour.
    out.push_back({std::string("STATUSBAR_") + kind, Flatten(PileKind(kind), kButtonFace, kButtonFace)});
  }
  const std::array<const char*, 4> suits{"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES"};
  for (int s = 0; s < 4; ++s) {
    QImage image = Blank(kSuit, kSuit);
    QPainter p(&image);
    PaintSuit(p, s, QRectF(0.5, 0.5, kSuit - 1, kSuit - 1));
    p.end();
    // White around them: they are drawn transparently in the status bar and
    // as they are in the white marker boxes.
    out.push_back({suits[s], Flatten(image, kWhite, kWhite)});
  }
  out.push_back({"Panel_pk", PokerPanel()});
  return out;
}

PictureList SplashPicture() { return {{"SPLASH", Splash()}}; }

}  // namespace orv::assets::ui
