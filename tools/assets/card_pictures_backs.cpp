// Card backs: the frame every back shares, the woven, lattice and rose
// designs, and which back is drawn at which size.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

#include "assets/card_pictures.h"
#include "platform/resource_writer.h"

namespace orv::assets {
namespace {

// The additional back of "plus/d01.rgf", listed in "d01.dat".
constexpr int kAdditionalBack = 0;
constexpr const char* kAdditionalBackName = "NIGHT_SKY";
constexpr const char* kAdditionalBackTitle = "Night Sky";

using Design = void (*)(QPainter&);

Design DesignOf(int number) {
  switch (number) {
    case 1: return PaintOstrevan;
    case 3: return PaintSnowman;
    case 6: return PaintPlaiting2;
    case 7: return PaintClassicBlue;
    case 11: return PaintPlaiting1;
    case 14: return PaintRoses;
    case 19: return PaintTropicalFish;
    case 20: return PaintLake;
    case kAdditionalBack: return PaintNightSky;
    default: return nullptr;
  }
}

// A one-pixel outline along the edges, with the pixel inside each corner
// set too: once the table cuts the three corner pixels the outline turns
// the corner in a smooth step.
void DrawOutline(QImage& back) {
  const int right = back.width() - 1;
  const int bottom = back.height() - 1;
  for (int x = 0; x <= right; ++x) {
    back.setPixelColor(x, 0, kCardOutline);
    back.setPixelColor(x, bottom, kCardOutline);
  }
  for (int y = 0; y <= bottom; ++y) {
    back.setPixelColor(0, y, kCardOutline);
    back.setPixelColor(right, y, kCardOutline);
  }
  if (back.width() > CardSizeOf('L').width) {
    for (QPoint inner : {QPoint(1, 1), QPoint(right - 1, 1), QPoint(1, bottom - 1), QPoint(right - 1, bottom - 1)}) {
      back.setPixelColor(inner, kCardOutline);
    }
  }
}

std::string BackName(char letter, int number) {
  char name[16];
  std::snprintf(name, sizeof name, "D%c%03d", letter, number);
  return name;
}

// A woven band: a ribbon of `colour` crossing a point, lying over or under
// the ribbon that crosses it there.
struct Ribbon {
  QColor colour;
  bool horizontal;
  bool over;
};

void PaintRibbonPiece(QPainter& p, const Ribbon& r, QPointF centre, double cell, double band) {
  const QRectF piece = r.horizontal ? QRectF(centre.x() - cell / 2, centre.y() - band / 2, cell, band)
                                    : QRectF(centre.x() - band / 2, centre.y() - cell / 2, band, cell);
  // Across the ribbon: rounded like a strip of cane, bright in the middle.
  QLinearGradient across = r.horizontal ? QLinearGradient(piece.topLeft(), piece.bottomLeft())
                                        : QLinearGradient(piece.topLeft(), piece.topRight());
  across.setColorAt(0, r.colour.darker(150));
  across.setColorAt(0.45, r.colour.lighter(118));
  across.setColorAt(1, r.colour.darker(165));
  p.fillRect(piece, across);
  if (!r.over) {
    // Along the ribbon: it darkens where it dives under the crossing one.
    QLinearGradient along = r.horizontal ? QLinearGradient(piece.topLeft(), piece.topRight())
                                         : QLinearGradient(piece.topLeft(), piece.bottomLeft());
    along.setColorAt(0, QColor(0, 0, 0, 0));
    along.setColorAt(0.5, QColor(0, 0, 0, 120));
    along.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(piece, along);
  }
}

// A plain weave of two ribbon colours on a dark ground, `cell` units from
// crossing to crossing.
void PaintWeave(QPainter& p, const QColor& ground, const QColor& warp, const QColor& weft, double cell,
                double band, const QRectF& area) {
  p.fillRect(area, ground);
  const int first = static_cast<int>(std::floor(area.left() / cell)) - 1;
  const int lastX = static_cast<int>(std::ceil(area.right() / cell)) + 1;
  const int top = static_cast<int>(std::floor(area.top() / cell)) - 1;
  const int lastY = static_cast<int>(std::ceil(area.bottom() / cell)) + 1;
  // Pieces lying under first, so that every crossing shows the right ribbon.
  for (bool pass : {false, true}) {
    for (int j = top; j <= lastY; ++j) {
      for (int i = first; i <= lastX; ++i) {
        const bool weftOver = (i + j) % 2 == 0;
        const QPointF centre(i * cell, j * cell);
        const Ribbon weftRibbon{weft, true, weftOver};
        const Ribbon warpRibbon{warp, false, !weftOver};
        for (const Ribbon& r : {weftRibbon, warpRibbon}) {
          if (r.over == pass) PaintRibbonPiece(p, r, centre, cell, band);
        }
      }
    }
  }
}

}  // namespace

// "Plaiting 1": blue and white ribbons woven on the diagonal.
void PaintPlaiting1(QPainter& p) {
  p.save();
  p.translate(kDesignWidth / 2, kDesignHeight / 2);
  p.rotate(45);
  const double reach = kDesignHeight;
  PaintWeave(p, QColor(16, 28, 70), QColor(46, 92, 190), QColor(222, 230, 246), 14, 11.5,
             QRectF(-reach, -reach, 2 * reach, 2 * reach));
  p.restore();
}

// "Plaiting 2": a square basket weave of red and golden cane.
void PaintPlaiting2(QPainter& p) {
  PaintWeave(p, QColor(60, 24, 10), QColor(178, 42, 36), QColor(226, 182, 78), 12.5, 10,
             QRectF(0, 0, kDesignWidth, kDesignHeight));
}

// "Classic blue": a fine diagonal lattice on deep blue inside a white rule.
void PaintClassicBlue(QPainter& p) {
  p.fillRect(QRectF(0, 0, kDesignWidth, kDesignHeight), QColor(28, 58, 156));
  p.setPen(QPen(QColor(110, 150, 232), 1.4));
  const double step = 10;
  for (double d = -kDesignHeight; d < kDesignWidth + kDesignHeight; d += step) {
    p.drawLine(QPointF(d, 0), QPointF(d + kDesignHeight, kDesignHeight));
    p.drawLine(QPointF(d, 0), QPointF(d - kDesignHeight, kDesignHeight));
  }
  // A small white lozenge in every other mesh.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(235, 240, 255));
  for (double y = step; y < kDesignHeight; y += step) {
    for (double x = (static_cast<int>(y / step) % 2 == 0 ? 0 : step / 2); x <= kDesignWidth; x += step) {
      const QPointF c(x + step / 2, y);
      p.drawPolygon(QPolygonF({c + QPointF(0, -1.8), c + QPointF(1.8, 0), c + QPointF(0, 1.8), c + QPointF(-1.8, 0)}));
    }
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(240, 244, 255), 2.2));
  p.drawRect(QRectF(4, 4, kDesignWidth - 8, kDesignHeight - 8));
  p.setPen(QPen(QColor(240, 244, 255), 0.8));
  p.drawRect(QRectF(7.5, 7.5, kDesignWidth - 15, kDesignHeight - 15));
}

namespace {

void PaintRose(QPainter& p, QPointF c, double r) {
  // Two leaves behind the bloom.
  p.setPen(QPen(QColor(20, 70, 30), r * 0.06));
  p.setBrush(QColor(52, 128, 60));
  for (double angle : {35.0, 215.0}) {
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(r * 0.55, 0);
    leaf.quadTo(r * 1.05, -r * 0.45, r * 1.55, 0);
    leaf.quadTo(r * 1.05, r * 0.45, r * 0.55, 0);
    p.drawPath(leaf);
    p.restore();
  }
  // Outer petals, then the cupped heart of the bloom.
  p.setPen(QPen(QColor(110, 10, 24), r * 0.05));
  p.setBrush(QColor(176, 24, 40));
  for (int i = 0; i < 5; ++i) {
    const double a = (i * 72 - 90) * M_PI / 180;
    p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.48, r * 0.5, r * 0.5);
  }
  p.setBrush(QColor(214, 44, 60));
  p.drawEllipse(c, r * 0.62, r * 0.62);
  // The spiral of inner petals.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(120, 8, 26), r * 0.09, Qt::SolidLine, Qt::RoundCap));
  QPainterPath spiral;
  for (int k = 0; k <= 40; ++k) {
    const double t = k / 40.0;
    const double a = t * 3.2 * M_PI;
    const QPointF point = c + QPointF(std::cos(a), std::sin(a)) * r * (0.08 + 0.46 * t);
    if (k == 0) spiral.moveTo(point); else spiral.lineTo(point);
  }
  p.drawPath(spiral);
}

}  // namespace

// "Roses": red roses with leaves, set in staggered rows on a pale trellis.
void PaintRoses(QPainter& p) {
  p.fillRect(QRectF(0, 0, kDesignWidth, kDesignHeight), QColor(246, 236, 222));
  p.setPen(QPen(QColor(226, 180, 180), 0.8));
  for (double d = -kDesignHeight; d < kDesignWidth + kDesignHeight; d += 12.5) {
    p.drawLine(QPointF(d, 0), QPointF(d + kDesignHeight, kDesignHeight));
    p.drawLine(QPointF(d, 0), QPointF(d - kDesignHeight, kDesignHeight));
  }
  const double rowStep = kDesignHeight / 4;
  for (int row = 0; row < 5; ++row) {
    const double y = row * rowStep;
    for (double x = (row % 2 == 0 ? 0 : kDesignWidth / 4); x <= kDesignWidth + 1; x += kDesignWidth / 2) {
      PaintRose(p, QPointF(x, y), 13);
    }
  }
  p.setPen(QPen(QColor(120, 20, 34), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, kDesignWidth - 2, kDesignHeight - 2));
}

QImage PaintBack(int number, int width, int height) {
  const Design design = DesignOf(number);
  if (!design) return {};
  QImage back = NewCanvas(width, height, Qt::white);
  // The white margin between the outline and the design.
  const int margin = std::max(1, static_cast<int>(std::lround(width * 0.05)));
  const QRect inside(margin + 1, margin + 1, width - 2 * margin - 2, height - 2 * margin - 2);
  {
    QPainter p(&back);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(inside);
    p.translate(inside.topLeft());
    p.scale(inside.width() / kDesignWidth, inside.height() / kDesignHeight);
    design(p);
  }
  DrawOutline(back);
  MarkPreviewCorners(back);
  return back;
}

bool AddCardBacks(const Modules& m, const Options& o) {
  bool ok = true;
  // Every back at the standard size; the table stretches these for the
  // other sizes, except the default back, which has its own picture at each.
  for (int number : kBackNumbers) {
    const CardSize& size = CardSizeOf('B');
    ok = AddStandardPicture(m, BackName(size.letter, number), PaintBack(number, size.width, size.height)) && ok;
  }
  for (const CardSize& size : kCardSizes) {
    if (size.letter == 'B') continue;
    ok = AddStandardPicture(m, BackName(size.letter, kDefaultBack),
                            PaintBack(kDefaultBack, size.width, size.height)) &&
         ok;
  }
  // The game preview's miniature back.
  const CardSize& small = CardSizeOf('L');
  ok = AddStandardPicture(m, BackName(small.letter, 1), PaintBack(1, small.width, small.height)) && ok;
  // The additional back at the largest size: the table scales it to the card.
  const CardSize& large = CardSizeOf('X');
  ok = AddPictureTo(m.backs, kAdditionalBackName, PaintBack(kAdditionalBack, large.width, large.height)) &&
       WriteTextFile(o.outputFolder + "/plus/d01.dat",
                     std::string(kAdditionalBackName) + "=" + kAdditionalBackTitle + "\n") &&
       ok;
  return ok;
}

}  // namespace orv::assets
