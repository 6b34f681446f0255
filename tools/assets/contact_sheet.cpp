// The contact sheet of the built card pictures (see contact_sheet.h).
#include "assets/contact_sheet.h"

#include <QFile>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

#include "assets/card_pictures.h"
#include "platform/resource_module.h"

namespace orv::assets {
namespace {

const QColor kTable(0, 128, 0);
const QColor kSilver(192, 192, 192);
constexpr int kWidth = 1560;
constexpr int kMaxHeight = 16000;
constexpr int kGap = 6;
constexpr int kLabelHeight = 14;

QImage Decode(const std::optional<std::string>& bytes) {
  return bytes ? QImage::fromData(QByteArray::fromStdString(*bytes)) : QImage();
}

// The card with its corner pixels cut as the table cuts them (three per
// corner, one for the smallest size); with `stacked` the bottom-right ones
// are silver, as on a pile that shows its thickness.
QImage Rounded(const QImage& card, bool stacked = false) {
  QImage out = card.convertToFormat(QImage::Format_ARGB32);
  const int r = out.width() - 1, b = out.height() - 1;
  const bool small = out.width() <= CardSizeOf('L').width;
  auto cut = [&](int x, int y, int dx, int dy, const QColor& colour) {
    out.setPixelColor(x, y, colour);
    if (small) return;
    out.setPixelColor(x + dx, y, colour);
    out.setPixelColor(x, y + dy, colour);
  };
  cut(0, 0, 1, 1, Qt::transparent);
  cut(r, 0, -1, 1, Qt::transparent);
  cut(0, b, 1, -1, Qt::transparent);
  cut(r, b, -1, -1, stacked ? kSilver : QColor(Qt::transparent));
  return out;
}

// Draws a picture, skipping the pixels of one transparent colour.
void DrawKeyed(QPainter& p, QPoint at, const QImage& picture, const QColor& key) {
  QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < keyed.height(); ++y) {
    for (int x = 0; x < keyed.width(); ++x) {
      if (keyed.pixelColor(x, y).rgb() == key.rgb()) keyed.setPixelColor(x, y, Qt::transparent);
    }
  }
  p.drawImage(at, keyed);
}

// Left to right, row by row, over a tall canvas cropped when done.
class Layout {
 public:
  explicit Layout(QImage& canvas) : p_(&canvas) { p_.setPen(Qt::white); }

  void Heading(const QString& text) {
    NewRow();
    y_ += kGap;
    p_.drawText(kGap, y_ + kLabelHeight - 3, text);
    y_ += kLabelHeight;
  }

  // Places a picture (with a label under it when given) and returns where.
  QPoint Place(const QImage& picture, const QString& label = {}, int gap = kGap) {
    const int w = picture.isNull() ? 60 : picture.width();
    const int h = (picture.isNull() ? 20 : picture.height()) + (label.isEmpty() ? 0 : kLabelHeight);
    if (x_ + w > kWidth - kGap) NewRow();
    const QPoint at(x_, y_ + gap);
    if (picture.isNull()) {
      p_.drawText(at + QPoint(0, 14), QStringLiteral("missing"));
    } else {
      p_.drawImage(at, picture);
    }
    if (!label.isEmpty()) p_.drawText(at + QPoint(0, picture.height() + kLabelHeight - 3), label);
    x_ += w + gap;
    rowHeight_ = std::max(rowHeight_, h + gap);
    return at;
  }

  void NewRow() {
    y_ += rowHeight_;
    x_ = kGap;
    rowHeight_ = 0;
  }

  QPainter& painter() { return p_; }
  int bottom() { NewRow(); return y_ + kGap; }

 private:
  QPainter p_;
  int x_ = kGap;
  int y_ = 0;
  int rowHeight_ = 0;
};

struct Sources {
  std::unique_ptr<ResourceModule> main, extra, cardSets, backs, backgrounds;
  std::string plus;
  QImage Picture(const std::string& name) const {
    return Decode((IsExtraLargeName(name) ? extra : main)->Picture(name));
  }
};

void Faces(Layout& out, const Sources& s) {
  for (const char* set : {"001", "003", "004"}) {
    for (const CardSize& size : kCardSizes) {
      out.Heading(QStringLiteral("Card set %1, size %2").arg(set).arg(size.letter));
      for (int suit = 0; suit < 4; ++suit) {
        const QImage sheet = s.Picture(std::string("C") + size.letter + set + kSuitLetters[suit]);
        for (int rank = 1; rank <= 13; ++rank) {
          out.Place(sheet.isNull() ? QImage() : Rounded(sheet.copy(SheetCell(rank, size))), {}, 3);
        }
        if (suit == 0) out.Place(Rounded(s.Picture(std::string("JOKER_") + size.letter)), {}, 3);
        out.NewRow();
      }
    }
  }
}

void Backs(Layout& out, const Sources& s) {
  out.Heading(QStringLiteral("Backs"));
  for (const CardSize& size : kCardSizes) {
    for (int number : kBackNumbers) {
      const std::string name = std::string("D") + size.letter + QStringLiteral("%1").arg(number, 3, 10, QChar('0')).toStdString();
      if (s.main->HasPicture(name) || s.extra->HasPicture(name)) {
        out.Place(Rounded(s.Picture(name)), QString::fromStdString(name));
      }
    }
  }
}

void Symbols(Layout& out, const Sources& s) {
  for (char letter : {'L', 'B', 'X'}) {
    out.Heading(QStringLiteral("Pile symbols, size %1").arg(letter));
    for (std::string_view code : PileSymbolCodes()) {
      const std::string name = std::string("W") + letter + std::string(code);
      out.Place(s.Picture(name), QString::fromStdString(std::string(code)));
    }
  }
}

// Piles of growing height drawn the way the table draws a stacked pile: the
// two edge strips cut at the pile's thickness, then the top card moved up
// and left by it; and a lifted card with its shadow strips.
void EdgesAndShadows(Layout& out, const Sources& s) {
  for (char letter : {'M', 'B', 'X'}) {
    const CardSize& size = CardSizeOf(letter);
    out.Heading(QStringLiteral("Stacked piles of thickness 0, 1, 2, 4, 8, 15 and a lifted card, size %1").arg(letter));
    const QImage vertical = s.Picture(std::string("3D_BORDER_") + letter + "1");
    const QImage horizontal = s.Picture(std::string("3D_BORDER_") + letter + "2");
    const QImage back = Rounded(s.Picture(std::string("D") + letter + "011"), true);
    for (int d : {0, 1, 2, 4, 8, 15}) {
      QImage cell(size.width + 30, size.height + 30, QImage::Format_RGB32);
      cell.fill(kTable);
      QPainter p(&cell);
      const int x = 20, y = 20;
      if (d > 0 && !vertical.isNull() && !horizontal.isNull()) {
        DrawKeyed(p, QPoint(x - 13, y + size.height - d - 1),
                  horizontal.copy(0, kEdgeSteps - 1 - d, size.width + 11, d + 1), kEdgeTransparent);
        DrawKeyed(p, QPoint(x + size.width - d - 1, y - 13),
                  vertical.copy(kEdgeSteps - 1 - d, 0, d + 1, size.height + 13), kEdgeTransparent);
      }
      p.drawImage(x - d, y - d, back);
      p.end();
      out.Place(cell);
    }
    QImage cell(size.width + 30, size.height + 30, QImage::Format_RGB32);
    cell.fill(kTable);
    QPainter p(&cell);
    p.drawImage(10, 10, Rounded(s.Picture(std::string("C") + letter + "001S").copy(SheetCell(1, size))));
    DrawKeyed(p, QPoint(10 + size.width, 10 + 7), s.Picture(std::string("SHADOW_") + letter + "1"), kShadowTransparent);
    DrawKeyed(p, QPoint(10 + 8, 10 + size.height), s.Picture(std::string("SHADOW_") + letter + "2"), kShadowTransparent);
    p.end();
    out.Place(cell);
  }
}

// A background tiled over more than one tile, so that seams would show.
QImage Tiled(const QImage& tile) {
  QImage area(400, 300, QImage::Format_RGB32);
  area.fill(Qt::black);
  if (tile.isNull()) return area;
  QPainter p(&area);
  p.drawTiledPixmap(area.rect(), QPixmap::fromImage(tile));
  return area;
}

// The first "name=title" line of an index file of the "plus" folder.
std::pair<std::string, std::string> IndexEntry(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QString line = QString::fromUtf8(file.readLine()).trimmed();
  const auto equals = line.indexOf('=');
  if (equals < 0) return {};
  return {line.left(equals).toStdString(), line.mid(equals + 1).toStdString()};
}

void Backgrounds(Layout& out, const Sources& s) {
  out.Heading(QStringLiteral("Backgrounds, tiled from the top-left corner"));
  for (int number : kBackgroundNumbers) {
    const std::string name = QStringLiteral("B%1").arg(number, 3, 10, QChar('0')).toStdString();
    out.Place(Tiled(s.Picture(name)), QString::fromStdString(name));
  }
  const auto [name, title] = IndexEntry(s.plus + "b01.dat");
  out.Place(Tiled(Decode(s.backgrounds->Raw(name))), QString::fromStdString("b01: " + title));
}

void Additional(Layout& out, const Sources& s) {
  out.Heading(QStringLiteral("Additional card set and back of the plus folder"));
  const auto [setName, setTitle] = IndexEntry(s.plus + "c01.dat");
  out.Place(Decode(s.cardSets->Picture(setName)), QString::fromStdString("c01: " + setTitle));
  const auto [backName, backTitle] = IndexEntry(s.plus + "d01.dat");
  out.Place(Rounded(Decode(s.backs->Picture(backName))), QString::fromStdString("d01: " + backTitle));
}

}  // namespace

bool WriteContactSheet(const std::string& programFolder, const std::string& picturePath) {
  Sources s;
  s.plus = programFolder + "plus/";
  s.main = ResourceModule::Open(programFolder + "SOL.RGF");
  s.extra = ResourceModule::Open(s.plus + "soladd.rgf");
  s.cardSets = ResourceModule::Open(s.plus + "c01.rgf");
  s.backs = ResourceModule::Open(s.plus + "d01.rgf");
  s.backgrounds = ResourceModule::Open(s.plus + "b01.rgf");
  if (!s.main || !s.extra || !s.cardSets || !s.backs || !s.backgrounds) {
    std::fprintf(stderr, "orvane-assets: cannot open the modules of %s\n", programFolder.c_str());
    return false;
  }
  QImage canvas(kWidth, kMaxHeight, QImage::Format_RGB32);
  canvas.fill(kTable);
  int height = 0;
  {
    Layout out(canvas);
    Faces(out, s);
    Backs(out, s);
    Symbols(out, s);
    EdgesAndShadows(out, s);
    Backgrounds(out, s);
    Additional(out, s);
    height = std::min(out.bottom(), kMaxHeight);
  }
  if (!canvas.copy(0, 0, kWidth, height).save(QString::fromStdString(picturePath), "PNG")) {
    std::fprintf(stderr, "orvane-assets: cannot write %s\n", picturePath.c_str());
    return false;
  }
  return true;
}

}  // namespace orv::assets
