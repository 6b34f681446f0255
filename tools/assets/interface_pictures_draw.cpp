// Suit symbols and small cards, drawn as vectors so that one drawing serves
// from the 10-pixel suit pictures up to the cards of the splash picture.
#include <QPainterPath>
#include <algorithm>

#include "assets/interface_pictures.h"

namespace orv::assets::ui {
namespace {

const QColor kRedSuit(200, 30, 40);
const QColor kBlackSuit(25, 25, 30);
const QColor kCardEdge(80, 80, 88);

// Each suit in a unit box, pointing up; scaled to the wanted box on use.
QPainterPath UnitSuit(int suit) {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  auto circle = [](double x, double y, double r) {
    QPainterPath c;
    c.addEllipse(QPointF(x, y), r, r);
    return c;
  };
  auto polygon = [](std::initializer_list<QPointF> points) {
    QPainterPath p;
    p.addPolygon(QPolygonF(QList<QPointF>(points)));
    p.closeSubpath();
    return p;
  };
  switch (suit) {
    case 0:  // hearts
      path = circle(0.28, 0.30, 0.25).united(circle(0.72, 0.30, 0.25));
      path = path.united(polygon({{0.04, 0.38}, {0.96, 0.38}, {0.5, 0.98}}));
      break;
    case 1:  // diamonds
      path = polygon({{0.5, 0.0}, {0.88, 0.5}, {0.5, 1.0}, {0.12, 0.5}});
      break;
    case 2:  // clubs
      path = circle(0.5, 0.26, 0.22).united(circle(0.26, 0.58, 0.22)).united(circle(0.74, 0.58, 0.22));
      path = path.united(polygon({{0.5, 0.45}, {0.32, 1.0}, {0.68, 1.0}}));
      break;
    default:  // spades
      path = circle(0.28, 0.60, 0.23).united(circle(0.72, 0.60, 0.23));
      path = path.united(polygon({{0.5, 0.0}, {0.97, 0.55}, {0.03, 0.55}}));
      path = path.united(polygon({{0.5, 0.55}, {0.32, 1.0}, {0.68, 1.0}}));
      break;
  }
  return path;
}

}  // namespace

QColor SuitColour(int suit) { return suit < 2 ? kRedSuit : kBlackSuit; }

void PaintSuit(QPainter& p, int suit, const QRectF& box) { PaintSuit(p, suit, box, SuitColour(suit)); }

void PaintSuit(QPainter& p, int suit, const QRectF& box, const QColor& colour) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(box.topLeft());
  p.scale(box.width(), box.height());
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(UnitSuit(suit));
  p.restore();
}

void PaintCardBack(QPainter& p, const QRectF& card, const QColor& colour) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const double radius = std::max(1.0, card.width() / 10);
  const QRectF edge = card.adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QPen(kCardEdge, 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(edge, radius, radius);
  // A white margin around a lattice on larger backs; tiny ones are a plain
  // field with a light inner line.
  const double margin = card.width() >= 16 ? 2 : 1;
  const QRectF field = edge.adjusted(margin, margin, -margin, -margin);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawRoundedRect(field, radius / 2, radius / 2);
  if (card.width() >= 16) {
    p.setClipRect(field);
    p.setPen(QPen(colour.lighter(150), 1));
    const double step = std::max(3.0, card.width() / 6);
    for (double d = -card.height(); d < card.width() + card.height(); d += step) {
      p.drawLine(QPointF(field.left() + d, field.top()), QPointF(field.left() + d + field.height(), field.bottom()));
      p.drawLine(QPointF(field.left() + d, field.bottom()), QPointF(field.left() + d + field.height(), field.top()));
    }
  } else {
    p.setPen(QPen(colour.lighter(160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(field.adjusted(1, 1, -1, -1));
  }
  p.restore();
}

void PaintCardFace(QPainter& p, const QRectF& card, int suit, const QString& rank) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const double radius = std::max(1.0, card.width() / 10);
  p.setPen(QPen(kCardEdge, 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  const double pip = std::min(card.width(), card.height()) * 0.5;
  if (!rank.isEmpty() && card.width() >= 20) {
    QFont font("DejaVu Sans");
    font.setPixelSize(std::max(7, static_cast<int>(card.height() / 4)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(SuitColour(suit));
    const QRectF corner(card.left() + 2, card.top() + 1, card.width() / 2, card.height() / 4 + 1);
    p.drawText(corner, Qt::AlignLeft | Qt::AlignTop, rank);
    PaintSuit(p, suit, QRectF(card.center().x() - pip / 2 + 2, card.center().y() - pip / 2 + 3, pip, pip));
  } else {
    PaintSuit(p, suit, QRectF(card.center().x() - pip / 2, card.center().y() - pip / 2, pip, pip));
  }
  p.restore();
}

}  // namespace orv::assets::ui
