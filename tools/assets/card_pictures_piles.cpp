// Pictures around the piles: the symbols of empty piles, the shadow strips of
// a lifted card and the edge strips that show a stacked pile's thickness.
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

#include "assets/card_pictures.h"
#include "platform/resource_writer.h"

namespace orv::assets {
namespace {

// An empty pile is painted opaque with its symbol: a place mat of darker
// felt with a pale rim and a pale mark.
const QColor kMat(0, 100, 0);
const QColor kRim(150, 206, 150);
const QColor kMark(176, 224, 176);
const QColor kStop(226, 84, 70);

enum class Mark { None, Inner, Dot, Rank, Court, Suits, Ring, Cross, Down, Right, Stack, Fan };

struct Symbol {
  std::string_view code;
  Mark mark;
  const char* text;
};

constexpr Symbol kSymbols[] = {
    {"001", Mark::None, ""},    // an empty place
    {"002", Mark::Dot, ""},     // a place for any card (preview only)
    {"003", Mark::Rank, "Q"},   {"004", Mark::Suits, ""},  // any foundation
    {"005", Mark::Down, ""},    // the stock deals down to the tableau
    {"006", Mark::Rank, "J"},   {"007", Mark::Right, ""},  // the stock turns to the waste (preview only)
    {"008", Mark::Cross, ""},   // no more redeals
    {"009", Mark::Court, ""},   // the special reserve: Jack, Queen or King
    {"010", Mark::Rank, "A"},   {"011", Mark::Rank, "K"},  {"012", Mark::Rank, "2"},
    {"013", Mark::Rank, "3"},   {"014", Mark::Rank, "4"},  {"015", Mark::Rank, "5"},
    {"016", Mark::Rank, "6"},   {"017", Mark::Rank, "7"},  {"018", Mark::Rank, "8"},
    {"019", Mark::Rank, "9"},   {"020", Mark::Rank, "10"},
    {"021", Mark::Stack, ""},   // the stock of the families that deal it as a whole
    {"022", Mark::Ring, ""},    // the stock may be turned again
    {"_WASTE", Mark::Fan, ""},  // the waste
    {"_TABLEAU", Mark::Inner, ""},
};

QPainterPath SuitPath(int suit, QPointF c, double s) {
  QPainterPath path;
  switch (suit) {
    case 0:  // heart
      path.moveTo(c + QPointF(0, s * 0.45));
      path.cubicTo(c + QPointF(-s * 0.9, -s * 0.1), c + QPointF(-s * 0.4, -s * 0.75), c + QPointF(0, -s * 0.25));
      path.cubicTo(c + QPointF(s * 0.4, -s * 0.75), c + QPointF(s * 0.9, -s * 0.1), c + QPointF(0, s * 0.45));
      break;
    case 1:  // diamond
      path.moveTo(c + QPointF(0, -s * 0.5));
      path.lineTo(c + QPointF(s * 0.36, 0));
      path.lineTo(c + QPointF(0, s * 0.5));
      path.lineTo(c + QPointF(-s * 0.36, 0));
      path.closeSubpath();
      break;
    case 2:  // club
      path.addEllipse(c + QPointF(0, -s * 0.24), s * 0.21, s * 0.21);
      path.addEllipse(c + QPointF(-s * 0.23, s * 0.08), s * 0.21, s * 0.21);
      path.addEllipse(c + QPointF(s * 0.23, s * 0.08), s * 0.21, s * 0.21);
      path.addRect(QRectF(c.x() - s * 0.05, c.y(), s * 0.1, s * 0.45));
      break;
    default:  // spade
      path.moveTo(c + QPointF(0, -s * 0.5));
      path.cubicTo(c + QPointF(-s * 0.9, s * 0.05), c + QPointF(-s * 0.35, s * 0.55), c + QPointF(0, s * 0.18));
      path.cubicTo(c + QPointF(s * 0.35, s * 0.55), c + QPointF(s * 0.9, s * 0.05), c + QPointF(0, -s * 0.5));
      path.addRect(QRectF(c.x() - s * 0.05, c.y(), s * 0.1, s * 0.45));
      break;
  }
  path.setFillRule(Qt::WindingFill);
  return path;
}

// Text centred on a point, filled as a path so that small sizes stay crisp.
void DrawCentredText(QPainter& p, const QString& text, QPointF c, double pixelHeight) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPixelSize(std::max(6, static_cast<int>(pixelHeight)));
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF box = path.boundingRect();
  p.fillPath(path.translated(c - box.center()), kMark);
}

void CardOutline(QPainter& p, const QRectF& r, double w) {
  p.setPen(QPen(kMark, w));
  p.setBrush(kMat.lighter(115));
  p.drawRoundedRect(r, r.width() * 0.12, r.width() * 0.12);
}

void DrawMark(QPainter& p, const Symbol& symbol, const QRectF& area) {
  const double w = area.width(), h = area.height();
  const QPointF c = area.center();
  const double line = std::max(1.0, w / 14);
  switch (symbol.mark) {
    case Mark::None: break;
    case Mark::Inner:
      p.setPen(QPen(kRim, std::max(1.0, w / 40)));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(area.adjusted(w * 0.16, w * 0.16, -w * 0.16, -w * 0.16), w * 0.06, w * 0.06);
      break;
    case Mark::Dot:
      p.setPen(Qt::NoPen);
      p.setBrush(kMark);
      p.drawEllipse(c, w * 0.1, w * 0.1);
      break;
    case Mark::Rank:
      DrawCentredText(p, QString::fromLatin1(symbol.text), c, std::min(h * 0.42, w * (symbol.text[1] ? 0.46 : 0.62)));
      break;
    case Mark::Court:
      DrawCentredText(p, QStringLiteral("J"), c + QPointF(0, -h * 0.24), h * 0.2);
      DrawCentredText(p, QStringLiteral("Q"), c, h * 0.2);
      DrawCentredText(p, QStringLiteral("K"), c + QPointF(0, h * 0.24), h * 0.2);
      break;
    case Mark::Suits:
      for (int suit = 0; suit < 4; ++suit) {
        const QPointF at = c + QPointF((suit % 2 ? 1 : -1) * w * 0.2, (suit / 2 ? 1 : -1) * w * 0.22);
        p.fillPath(SuitPath(suit, at, w * 0.3), kMark);
      }
      break;
    case Mark::Ring:
      p.setPen(QPen(kMark, line * 1.3));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(c, w * 0.26, w * 0.26);
      break;
    case Mark::Cross:
      p.setPen(QPen(kStop, line * 1.3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(c + QPointF(-w * 0.22, -w * 0.22), c + QPointF(w * 0.22, w * 0.22));
      p.drawLine(c + QPointF(-w * 0.22, w * 0.22), c + QPointF(w * 0.22, -w * 0.22));
      break;
    case Mark::Down:
    case Mark::Right: {
      p.save();
      p.translate(c);
      if (symbol.mark == Mark::Right) p.rotate(-90);
      p.setPen(Qt::NoPen);
      p.setBrush(kMark);
      const double s = w * 0.3;
      p.drawPolygon(QPolygonF({QPointF(-s * 0.3, -s), QPointF(s * 0.3, -s), QPointF(s * 0.3, 0), QPointF(s * 0.75, 0),
                               QPointF(0, s), QPointF(-s * 0.75, 0), QPointF(-s * 0.3, 0)}));
      p.restore();
      break;
    }
    case Mark::Stack:
      for (int k = 2; k >= 0; --k) {
        CardOutline(p, QRectF(c.x() - w * 0.24 + k * w * 0.06, c.y() - h * 0.24 + k * w * 0.06, w * 0.4, h * 0.4), line * 0.6);
      }
      break;
    case Mark::Fan:
      // Three cards spread like a hand, turned about a point below them.
      for (int k = -1; k <= 1; ++k) {
        p.save();
        p.translate(c + QPointF(0, h * 0.3));
        p.rotate(k * 22);
        CardOutline(p, QRectF(-w * 0.19, -h * 0.52, w * 0.38, h * 0.4), line * 0.6);
        p.restore();
      }
      break;
  }
}

std::string SymbolName(char letter, std::string_view code) { return std::string("W") + letter + std::string(code); }

// Which of the shadow band's pixels are dark: every second one, in a
// pattern fixed to the card so that the two strips agree where they meet.
bool ShadowPixel(int cardX, int cardY) { return (cardX + cardY) % 2 == 0; }

}  // namespace

std::array<std::string_view, 24> PileSymbolCodes() {
  std::array<std::string_view, 24> codes{};
  for (std::size_t i = 0; i < codes.size(); ++i) codes[i] = kSymbols[i].code;
  return codes;
}

QImage PaintPileSymbol(std::string_view code, const CardSize& size) {
  for (const Symbol& symbol : kSymbols) {
    if (symbol.code != code) continue;
    QImage picture = NewCanvas(size.width, size.height, kMat);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, size.width, size.height);
    const double rim = std::max(1.0, size.width / 36.0);
    p.setPen(QPen(kRim, rim));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(area.adjusted(rim, rim, -rim, -rim), size.width * 0.08, size.width * 0.08);
    DrawMark(p, symbol, area);
    p.end();
    MarkPreviewCorners(picture);
    return picture;
  }
  return {};
}

// The shadow of a lifted card is the card's outline moved 8 right and 7
// down: the right strip is drawn at (right, top + 7) and the bottom strip at
// (left + 8, bottom), both white-transparent, and their outer corners are
// rounded like a card's.
QImage PaintShadow(int index, const CardSize& size) {
  const bool right = index == 1;
  const int width = right ? kShadowBand : size.width - 1;
  const int height = right ? size.height : kShadowBand;
  const QPoint origin = right ? QPoint(size.width, 7) : QPoint(8, size.height);  // in card coordinates
  const int farX = size.width + kShadowBand - 1;
  const int farY = size.height + kShadowBand - 1;
  QImage strip = NewCanvas(width, height, kShadowTransparent);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int cx = origin.x() + x, cy = origin.y() + y;
      const bool corner = (cx == farX && (cy <= 8 || cy >= farY - 1)) || (cy == farY && (cx <= 9 || cx >= farX - 1)) ||
                          (cx == farX - 1 && cy == 7) || (cx == 8 && cy == farY - 1);
      if (!corner && ShadowPixel(cx, cy)) strip.setPixelColor(x, y, Qt::black);
    }
  }
  return strip;
}

// The thickness edge of a stacked pile. The table cuts both strips from
// fixed places: row r of the horizontal one always lands 16 − r rows above
// the pile's bottom, column c of the vertical one 16 − c columns left of its
// right side, and only the rows and columns a pile of its height shows are
// drawn. So both are cut here from one picture of a stack of 16 cards, each
// one pixel up and left of the one below, where only the bottom row and
// right column of each card can show. Pure blue is transparent.
QImage PaintStackEdge(int index, const CardSize& size) {
  constexpr int kReach = 13;  // how far the strips reach up and left of the pile
  const int cw = size.width, ch = size.height;
  QImage stack = NewCanvas(cw + kReach, ch + kReach, kEdgeTransparent);
  for (int k = 0; k < kEdgeSteps; ++k) {
    const QColor colour = k == 0 ? QColor(112, 112, 112) : (k % 2 ? QColor(208, 208, 208) : QColor(170, 170, 170));
    const int left = kReach - k, top = kReach - k;
    for (int y = std::max(0, top); y < top + ch; ++y) {
      for (int x = std::max(0, left); x < left + cw; ++x) {
        // Each card's own corners are cut, so the stack's corners look round.
        const bool corner = (x == left || x == left + cw - 1) && (y == top || y == top + ch - 1);
        if (!corner) stack.setPixelColor(x, y, colour);
      }
    }
  }
  if (index == 1) return stack.copy(cw - kEdgeSteps + kReach, 0, kEdgeSteps, ch + kReach);
  return stack.copy(0, ch - kEdgeSteps + kReach, cw + kReach - 2, kEdgeSteps);
}

bool AddPileSymbols(const Modules& m) {
  bool ok = true;
  for (const CardSize& size : kCardSizes) {
    for (const Symbol& symbol : kSymbols) {
      ok = AddStandardPicture(m, SymbolName(size.letter, symbol.code), PaintPileSymbol(symbol.code, size)) && ok;
    }
  }
  return ok;
}

bool AddShadowsAndEdges(const Modules& m) {
  bool ok = true;
  for (const CardSize& size : kCardSizes) {
    for (int index : {1, 2}) {
      const std::string suffix = std::string(1, size.letter) + std::to_string(index);
      ok = AddStandardPicture(m, "SHADOW_" + suffix, PaintShadow(index, size)) && ok;
      ok = AddStandardPicture(m, "3D_BORDER_" + suffix, PaintStackEdge(index, size)) && ok;
    }
  }
  return ok;
}

}  // namespace orv::assets
