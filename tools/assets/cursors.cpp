// The twelve table pointers. Each shape comes in an "A" form, used while
// nothing is carried, and a "B" form holding a card, used while a card is
// carried. Arrows: 1 white with a black edge, 2 black with a white edge.
// Hands: 1 points with the index finger, 2 is an open palm; both close into
// a fist round a card in their "B" form. Left hands mirror the right ones.
#include "assets/cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cstdio>

#include "assets/generators.h"
#include "assets/interface_pictures.h"
#include "platform/resource_writer.h"

namespace orv::assets {
namespace {

using ui::Blank;
using ui::PaintCardBack;

constexpr int kSize = 32;
const QColor kGlove(255, 255, 255);
const QColor kEdge(0, 0, 0);
const QColor kCuff(70, 110, 190);
const QColor kHeldBack(30, 80, 170);

QPainterPath Rounded(double x, double y, double w, double h, double r) {
  QPainterPath path;
  path.addRoundedRect(QRectF(x, y, w, h), r, r);
  return path;
}

QPainterPath Unite(std::initializer_list<QPainterPath> parts) {
  QPainterPath all;
  for (const auto& part : parts) all = all.united(part);
  return all;
}

QPainterPath ArrowPath() {
  QPainterPath path;
  path.addPolygon(QPolygonF({{1, 1}, {1, 22}, {6, 17}, {10, 26}, {13.5, 24.5}, {9.5, 16}, {16, 16}}));
  path.closeSubpath();
  return path;
}

QPainterPath PointingHand() {
  return Unite({Rounded(9, 1, 5, 17, 2.5),    // index finger
                Rounded(13.5, 10, 4.5, 9, 2.2), Rounded(17.5, 11, 4.5, 9, 2.2), Rounded(21.5, 12, 4.5, 9, 2.2),
                Rounded(8, 15, 18, 13, 4),    // palm
                Rounded(3.5, 14, 6, 9, 3)});  // thumb
}

QPainterPath OpenHand() {
  return Unite({Rounded(7, 5, 4.2, 14, 2.1), Rounded(11.8, 2, 4.2, 15, 2.1), Rounded(16.6, 3, 4.2, 14, 2.1),
                Rounded(21.4, 6, 3.8, 13, 1.9),  // fingers, a little apart
                Rounded(8, 13, 17, 14, 4),    // palm
                Rounded(2.5, 12, 6, 10, 3)}); // thumb
}

QPainterPath Fist() {
  return Unite({Rounded(8, 9, 4.5, 8, 2.2), Rounded(12.2, 8.5, 4.5, 8, 2.2), Rounded(16.4, 9, 4.5, 8, 2.2),
                Rounded(20.6, 10, 4.2, 8, 2.1),  // folded fingers
                Rounded(7, 12, 18.5, 14, 4),     // palm
                Rounded(4, 16, 14, 5.5, 2.7)});  // thumb across
}

void DrawShape(QPainter& p, const QPainterPath& shape, const QColor& fill, const QColor& edge) {
  p.setPen(QPen(edge, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
  p.drawPath(shape);
}

// Creases between fingers that touch, as short lines from (x, top) down.
void DrawCreases(QPainter& p, std::initializer_list<double> xs, double top, double length) {
  p.setPen(QPen(kEdge, 1, Qt::SolidLine, Qt::RoundCap));
  for (double x : xs) p.drawLine(QPointF(x, top), QPointF(x, top + length));
}

// A cuff under a hand, so that it reads as a hand at a glance.
void DrawCuff(QPainter& p) {
  p.setPen(QPen(kEdge, 1.2));
  p.setBrush(kCuff);
  p.drawRoundedRect(QRectF(10, 26.5, 14, 4.5), 1.5, 1.5);
}

QImage Arrow(bool dark, bool holding) {
  QImage image = Blank(kSize, kSize);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  if (holding) PaintCardBack(p, QRectF(15, 15, 12, 16), kHeldBack);
  DrawShape(p, ArrowPath(), dark ? kEdge : kGlove, dark ? kGlove : kEdge);
  return image;
}

QImage Hand(bool pointing, bool holding) {
  QImage image = Blank(kSize, kSize);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  if (holding) {
    PaintCardBack(p, QRectF(10, 0, 13, 17), kHeldBack);
    DrawShape(p, Fist(), kGlove, kEdge);
    DrawCreases(p, {12.3, 16.5, 20.7}, 10, 4);
  } else if (pointing) {
    DrawShape(p, PointingHand(), kGlove, kEdge);
    DrawCreases(p, {17.7, 21.7}, 12, 4);
  } else {
    DrawShape(p, OpenHand(), kGlove, kEdge);
  }
  DrawCuff(p);
  return image;
}

}  // namespace

std::vector<CursorPicture> CursorPictures() {
  // Hot spots: the arrow's tip, the pointing finger's tip, the middle of
  // the open palm's fingers, and the middle of the card a fist holds.
  const QPoint arrowTip(1, 1), fingerTip(11, 1), palm(15, 12), heldCard(16, 7);
  std::vector<CursorPicture> out;
  for (int style : {1, 2}) {
    const bool dark = style == 2;
    out.push_back({"CUR_ARROW" + std::to_string(style) + "A", Arrow(dark, false), arrowTip});
    out.push_back({"CUR_ARROW" + std::to_string(style) + "B", Arrow(dark, true), arrowTip});
  }
  for (int style : {1, 2}) {
    const bool pointing = style == 1;
    const QImage open = Hand(pointing, false), closed = Hand(pointing, true);
    const QPoint openSpot = pointing ? fingerTip : palm;
    const std::string n = std::to_string(style);
    out.push_back({"CUR_RIGHT_HAND" + n + "A", open, openSpot});
    out.push_back({"CUR_RIGHT_HAND" + n + "B", closed, heldCard});
    auto mirror = [](const QPoint& spot) { return QPoint(kSize - 1 - spot.x(), spot.y()); };
    out.push_back({"CUR_LEFT_HAND" + n + "A", open.mirrored(true, false), mirror(openSpot)});
    out.push_back({"CUR_LEFT_HAND" + n + "B", closed.mirrored(true, false), mirror(heldCard)});
  }
  return out;
}

bool AddCursors(const Modules& m, const Options&) {
  for (const auto& c : CursorPictures()) {
    const QByteArray png = ui::EncodePng(c.image);
    if (png.isEmpty() || !m.main.AddCursor(c.name, png.toStdString(), c.hotSpot.x(), c.hotSpot.y())) {
      std::fprintf(stderr, "cursors: cannot add %s\n", c.name.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace orv::assets
