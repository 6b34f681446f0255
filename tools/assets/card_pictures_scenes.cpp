// The pictorial backs: small painted scenes in the 100 × 140 design area.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "assets/card_pictures.h"

namespace orv::assets {
namespace {

const QRectF kArea(0, 0, kDesignWidth, kDesignHeight);

void FillVertical(QPainter& p, const QRectF& area, const QColor& top, const QColor& bottom) {
  QLinearGradient g(area.topLeft(), area.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(area, g);
}

// A closed shape under a skyline given as points, down to `base`.
QPainterPath Skyline(std::initializer_list<QPointF> points, double base) {
  QPainterPath path;
  auto it = points.begin();
  path.moveTo(it->x(), base);
  for (; it != points.end(); ++it) path.lineTo(*it);
  path.lineTo((points.end() - 1)->x(), base);
  path.closeSubpath();
  return path;
}

void Fill(QPainter& p, const QPainterPath& path, const QColor& colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(path);
}

void Cloud(QPainter& p, QPointF c, double size) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 190));
  p.drawEllipse(c, size, size * 0.45);
  p.drawEllipse(c + QPointF(-size * 0.5, size * 0.1), size * 0.6, size * 0.35);
  p.drawEllipse(c + QPointF(size * 0.3, -size * 0.2), size * 0.5, size * 0.35);
}

// A tower with a pointed roof standing on `base`.
void Tower(QPainter& p, double x, double base, double width, double height, const QColor& roof) {
  p.setPen(QPen(QColor(110, 90, 60), 0.4));
  p.setBrush(QColor(206, 184, 136));
  p.drawRect(QRectF(x - width / 2, base - height, width, height));
  p.setBrush(roof);
  p.drawPolygon(QPolygonF({QPointF(x - width / 2 - 1, base - height), QPointF(x, base - height - width * 1.4),
                           QPointF(x + width / 2 + 1, base - height)}));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 44, 30));
  p.drawRect(QRectF(x - 0.8, base - height * 0.7, 1.6, 2.6));
}

void Tree(QPainter& p, QPointF foot, double size, const QColor& leaves) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(80, 56, 30));
  p.drawRect(QRectF(foot.x() - size * 0.12, foot.y() - size, size * 0.24, size));
  p.setBrush(leaves);
  p.drawEllipse(foot + QPointF(0, -size * 1.3), size * 0.7, size * 0.8);
  p.setBrush(leaves.lighter(125));
  p.drawEllipse(foot + QPointF(-size * 0.2, -size * 1.5), size * 0.35, size * 0.35);
}

}  // namespace

// "Ostrevan": an old master's landscape in a gilded frame, a walled town
// with its church on a hill above fields and a winding river.
void PaintOstrevan(QPainter& p) {
  QLinearGradient gold(0, 0, kDesignWidth, kDesignHeight);
  gold.setColorAt(0, QColor(238, 204, 112));
  gold.setColorAt(0.5, QColor(160, 112, 36));
  gold.setColorAt(1, QColor(232, 196, 104));
  p.fillRect(kArea, gold);
  const QRectF canvas(9, 9, kDesignWidth - 18, kDesignHeight - 18);
  p.setPen(QPen(QColor(96, 64, 16), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(canvas.adjusted(-3, -3, 3, 3));
  p.save();
  p.setClipRect(canvas, Qt::IntersectClip);
  FillVertical(p, QRectF(0, 0, kDesignWidth, 80), QColor(84, 122, 180), QColor(226, 214, 182));
  Cloud(p, QPointF(30, 24), 12);
  Cloud(p, QPointF(72, 36), 9);
  Fill(p, Skyline({{0, 70}, {20, 62}, {42, 66}, {70, 58}, {100, 66}}, 90), QColor(128, 146, 160));
  // The hill and the town on it.
  Fill(p, Skyline({{0, 84}, {22, 74}, {50, 70}, {78, 74}, {100, 82}}, 140), QColor(112, 128, 70));
  p.setPen(QPen(QColor(110, 90, 60), 0.4));
  p.setBrush(QColor(196, 170, 120));
  p.drawRect(QRectF(24, 64, 52, 9));
  for (double x = 26; x < 76; x += 4) p.drawRect(QRectF(x, 62, 2, 2));
  Tower(p, 28, 66, 6, 12, QColor(140, 52, 40));
  Tower(p, 72, 66, 6, 11, QColor(140, 52, 40));
  Tower(p, 40, 64, 5, 9, QColor(72, 80, 96));
  Tower(p, 60, 64, 5, 10, QColor(72, 80, 96));
  Tower(p, 50, 64, 7, 22, QColor(72, 80, 96));  // the church
  // Fields in a patchwork down to the foreground.
  const QColor fields[] = {QColor(150, 160, 70), QColor(196, 178, 90), QColor(104, 138, 62), QColor(170, 150, 80)};
  for (int band = 0; band < 4; ++band) {
    const double y = 82 + band * 12;
    Fill(p, Skyline({{0, y + 4}, {35, y}, {65, y + 3}, {100, y - 1}}, y + 14), fields[band]);
  }
  // The river, from the town's foot to the front of the picture.
  QPainterPath river;
  river.moveTo(50, 78);
  river.cubicTo(30, 92, 78, 104, 40, 132);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(150, 186, 210), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(river);
  p.setPen(QPen(QColor(206, 226, 236), 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(river);
  Tree(p, QPointF(16, 118), 9, QColor(46, 82, 40));
  Tree(p, QPointF(84, 112), 8, QColor(56, 92, 44));
  Tree(p, QPointF(74, 126), 10, QColor(40, 74, 36));
  // An old varnish over the whole painting.
  p.fillRect(canvas, QColor(150, 110, 40, 40));
  p.restore();
}

// "Snowman": a snowman in scarf and top hat on a snowy hill at dusk.
void PaintSnowman(QPainter& p) {
  FillVertical(p, kArea, QColor(26, 46, 112), QColor(120, 160, 216));
  Scatter flakes(3);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  for (int i = 0; i < 46; ++i) {
    const double r = flakes.Between(0.7, 1.9);
    p.drawEllipse(QPointF(flakes.Between(0, kDesignWidth), flakes.Between(0, kDesignHeight)), r, r);
  }
  Fill(p, Skyline({{0, 112}, {30, 100}, {70, 104}, {100, 96}}, kDesignHeight), QColor(232, 240, 252));
  // Three balls of snow, lit from the upper left.
  const struct { double y, r; } balls[] = {{106, 22}, {72, 16}, {46, 12}};
  for (const auto& ball : balls) {
    QRadialGradient shade(QPointF(50 - ball.r * 0.4, ball.y - ball.r * 0.4), ball.r * 1.6);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(1, QColor(176, 196, 226));
    p.setPen(QPen(QColor(140, 160, 196), 1));
    p.setBrush(shade);
    p.drawEllipse(QPointF(50, ball.y), ball.r, ball.r);
  }
  // Twig arms.
  p.setPen(QPen(QColor(92, 58, 28), 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(36, 70), QPointF(18, 58));
  p.drawLine(QPointF(23, 61), QPointF(20, 53));
  p.drawLine(QPointF(64, 70), QPointF(82, 58));
  p.drawLine(QPointF(77, 61), QPointF(84, 55));
  // Scarf, hat, face and buttons.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 30, 36));
  p.drawRoundedRect(QRectF(37, 55, 26, 6), 3, 3);
  p.drawRoundedRect(QRectF(55, 57, 6, 16), 2, 2);
  p.setBrush(QColor(24, 24, 28));
  p.drawRect(QRectF(35, 34, 30, 4));
  p.drawRect(QRectF(41, 14, 18, 21));
  p.setBrush(QColor(200, 30, 36));
  p.drawRect(QRectF(41, 29, 18, 3));
  p.setBrush(QColor(20, 20, 20));
  for (QPointF eye : {QPointF(45.5, 43), QPointF(54.5, 43)}) p.drawEllipse(eye, 1.6, 1.6);
  for (double x = 44; x <= 56; x += 3) p.drawEllipse(QPointF(x, 52 - std::abs(x - 50) * 0.25), 0.9, 0.9);
  for (double y : {68.0, 75.0, 82.0}) p.drawEllipse(QPointF(50, y), 1.7, 1.7);
  p.setBrush(QColor(244, 130, 30));
  p.drawPolygon(QPolygonF({QPointF(50, 45.5), QPointF(63, 48), QPointF(50, 49.5)}));
}

namespace {

// A fish seen from the side, `length` units long, facing right or left.
void Fish(QPainter& p, QPointF c, double length, bool right, const QColor& body, const QColor& bands) {
  p.save();
  p.translate(c);
  if (!right) p.scale(-1, 1);
  const double h = length * 0.28;
  const QPen outline(QColor(30, 20, 20), length * 0.03);
  p.setPen(outline);
  p.setBrush(body.darker(115));
  p.drawPolygon(QPolygonF({QPointF(-length * 0.38, 0), QPointF(-length * 0.58, -h * 0.9),
                           QPointF(-length * 0.52, 0), QPointF(-length * 0.58, h * 0.9)}));
  p.drawChord(QRectF(-length * 0.2, -h * 1.45, length * 0.4, h * 1.2), 0, 180 * 16);
  p.setBrush(body);
  const QRectF shape(-length * 0.42, -h, length * 0.84, 2 * h);
  p.drawEllipse(shape);
  // Three bands across the body, clipped to it.
  QPainterPath bodyPath;
  bodyPath.addEllipse(shape);
  p.setClipPath(bodyPath, Qt::IntersectClip);
  p.setBrush(bands);
  for (double x : {0.18, -0.02, -0.26}) {
    p.drawRect(QRectF(x * length - length * 0.045, -h, length * 0.09, 2 * h));
  }
  p.setClipping(false);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(length * 0.28, -h * 0.25), length * 0.055, length * 0.055);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(length * 0.295, -h * 0.25), length * 0.03, length * 0.03);
  p.restore();
}

void Seaweed(QPainter& p, double x, double height, double sway) {
  QPainterPath weed;
  weed.moveTo(x, kDesignHeight);
  weed.cubicTo(x + sway, kDesignHeight - height * 0.35, x - sway, kDesignHeight - height * 0.7, x + sway * 0.5,
               kDesignHeight - height);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(40, 130, 70), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(weed);
  p.setPen(QPen(QColor(90, 180, 100), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(weed);
}

}  // namespace

// "Tropical fish": striped reef fish among seaweed and coral in clear water.
void PaintTropicalFish(QPainter& p) {
  FillVertical(p, kArea, QColor(70, 196, 224), QColor(12, 62, 132));
  // Sunbeams from the surface.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 36));
  for (double x : {10.0, 42.0, 70.0}) {
    p.drawPolygon(QPolygonF({QPointF(x, 0), QPointF(x + 12, 0), QPointF(x + 30, kDesignHeight), QPointF(x + 16, kDesignHeight)}));
  }
  Fill(p, Skyline({{0, 126}, {30, 122}, {60, 127}, {100, 121}}, kDesignHeight), QColor(226, 206, 150));
  Seaweed(p, 12, 52, 8);
  Seaweed(p, 20, 38, -6);
  Seaweed(p, 88, 46, -7);
  // A branch of coral.
  p.setPen(QPen(QColor(236, 104, 120), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(66, 130), QPointF(64, 112));
  p.drawLine(QPointF(64, 118), QPointF(56, 108));
  p.drawLine(QPointF(65, 114), QPointF(73, 104));
  p.drawLine(QPointF(70, 108), QPointF(76, 110));
  Fish(p, QPointF(42, 40), 40, true, QColor(250, 120, 20), Qt::white);
  Fish(p, QPointF(64, 80), 32, false, QColor(250, 214, 30), QColor(30, 60, 160));
  Fish(p, QPointF(34, 104), 24, true, QColor(40, 90, 220), QColor(250, 220, 40));
  p.setPen(QPen(QColor(230, 250, 255), 0.8));
  p.setBrush(Qt::NoBrush);
  Scatter bubbles(19);
  for (int i = 0; i < 9; ++i) {
    const double r = bubbles.Between(1, 2.6);
    p.drawEllipse(QPointF(bubbles.Between(62, 90), bubbles.Between(8, 60)), r, r);
  }
}

// "Lake": snowy mountains above a still lake that mirrors them, with a line
// of pines on the far shore.
void PaintLake(QPainter& p) {
  const double shore = 66;
  FillVertical(p, QRectF(0, 0, kDesignWidth, shore), QColor(96, 150, 218), QColor(226, 234, 242));
  Cloud(p, QPointF(74, 16), 10);
  const QPainterPath far = Skyline({{0, 44}, {18, 30}, {34, 42}, {56, 18}, {78, 40}, {92, 30}, {100, 36}}, shore);
  const QPainterPath snow = Skyline({{44, 30}, {56, 18}, {66, 29}, {60, 27}, {56, 31}, {50, 27}}, 30);
  const QPainterPath near = Skyline({{0, 56}, {24, 44}, {46, 56}, {70, 46}, {100, 58}}, shore);
  Fill(p, far, QColor(132, 148, 176));
  Fill(p, snow, QColor(248, 250, 255));
  Fill(p, near, QColor(78, 104, 112));
  // The lake with the mountains mirrored in it.
  FillVertical(p, QRectF(0, shore, kDesignWidth, kDesignHeight - shore), QColor(92, 140, 196), QColor(30, 70, 122));
  p.save();
  p.translate(0, 2 * shore);
  p.scale(1, -1);
  p.setOpacity(0.45);
  Fill(p, far, QColor(132, 148, 176));
  Fill(p, snow, QColor(230, 236, 246));
  Fill(p, near, QColor(60, 86, 96));
  p.restore();
  // Pines along the far shore.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(28, 66, 42));
  Scatter pines(20);
  for (double x = -2; x < kDesignWidth + 2; x += 3.2) {
    const double h = pines.Between(5, 10);
    p.drawPolygon(QPolygonF({QPointF(x - 2.2, shore + 1), QPointF(x, shore + 1 - h), QPointF(x + 2.2, shore + 1)}));
  }
  // Ripples.
  p.setPen(QPen(QColor(220, 236, 250, 110), 0.8));
  Scatter ripples(21);
  for (int i = 0; i < 14; ++i) {
    const double y = ripples.Between(shore + 8, kDesignHeight - 14);
    const double x = ripples.Between(0, 80);
    p.drawLine(QPointF(x, y), QPointF(x + ripples.Between(8, 20), y));
  }
  // The near shore with reeds.
  Fill(p, Skyline({{0, 128}, {40, 132}, {100, 126}}, kDesignHeight), QColor(86, 112, 56));
  p.setPen(QPen(QColor(60, 84, 40), 0.9));
  for (double x = 4; x < 40; x += 3) p.drawLine(QPointF(x, 132), QPointF(x + 1.5, 118 + std::fmod(x * 7, 6)));
}

// The additional back: a starry night with a crescent moon over dark hills.
void PaintNightSky(QPainter& p) {
  FillVertical(p, kArea, QColor(6, 10, 40), QColor(34, 50, 110));
  Scatter stars(0);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 70; ++i) {
    const double r = stars.Between(0.4, 1.3);
    p.setBrush(QColor(255, 255, 230 + static_cast<int>(stars.Between(0, 25))));
    p.drawEllipse(QPointF(stars.Between(0, kDesignWidth), stars.Between(0, 110)), r, r);
  }
  QPainterPath moon;
  moon.addEllipse(QPointF(68, 32), 16, 16);
  QPainterPath bite;
  bite.addEllipse(QPointF(76, 26), 14, 14);
  Fill(p, moon.subtracted(bite), QColor(250, 236, 170));
  Fill(p, Skyline({{0, 118}, {26, 104}, {52, 116}, {80, 102}, {100, 110}}, kDesignHeight), QColor(10, 16, 30));
}

}  // namespace orv::assets
