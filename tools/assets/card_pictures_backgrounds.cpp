// Table backgrounds: textures that tile without a seam, since the table
// repeats them from its top-left corner, and the additional JPEG background
// of the "plus" folder.
#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "assets/card_pictures.h"
#include "platform/resource_writer.h"

namespace orv::assets {
namespace {

constexpr int kTile = 256;

// The additional background of "plus/b01.rgf", listed in "b01.dat".
constexpr const char* kAdditionalBackgroundName = "WHITE_MARBLE";
constexpr const char* kAdditionalBackgroundTitle = "White Marble";

double Hash(std::int64_t x, std::int64_t y, std::uint32_t salt) {
  std::uint64_t h = static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ull ^
                    static_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4Full ^ salt * 0x165667B19E3779F9ull;
  h ^= h >> 31;
  h *= 0xBF58476D1CE4E5B9ull;
  h ^= h >> 29;
  return static_cast<double>(h >> 11) / static_cast<double>(1ull << 53);
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

int Wrap(std::int64_t i, int period) { return static_cast<int>(((i % period) + period) % period); }

// Smooth value noise in [0, 1] whose lattice repeats every period cells, so
// that a texture sampling one whole period tiles seamlessly.
double Noise(double x, double y, int periodX, int periodY, std::uint32_t salt) {
  const double fx = std::floor(x);
  const double fy = std::floor(y);
  const auto ix = static_cast<std::int64_t>(fx);
  const auto iy = static_cast<std::int64_t>(fy);
  const double tx = Smooth(x - fx);
  const double ty = Smooth(y - fy);
  auto at = [&](std::int64_t i, std::int64_t j) { return Hash(Wrap(i, periodX), Wrap(j, periodY), salt); };
  const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
  const double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
  return top + (bottom - top) * ty;
}

// Octaves of noise over the tile ((u, v) in [0, 1)), the first with
// cellsX × cellsY lattice cells, each further one finer and fainter.
double Fractal(double u, double v, int cellsX, int cellsY, int octaves, std::uint32_t salt) {
  double sum = 0;
  double weight = 1;
  double total = 0;
  for (int k = 0; k < octaves; ++k) {
    const int px = cellsX << k;
    const int py = cellsY << k;
    sum += weight * Noise(u * px, v * py, px, py, salt + k);
    total += weight;
    weight *= 0.5;
  }
  return sum / total;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t);
}

QColor Scaled(const QColor& c, double factor) {
  auto channel = [factor](int v) { return std::clamp(static_cast<int>(v * factor), 0, 255); };
  return QColor(channel(c.red()), channel(c.green()), channel(c.blue()));
}

template <typename Shade>
QImage Texture(Shade shade) {
  QImage tile(kTile, kTile, QImage::Format_RGB32);
  for (int y = 0; y < kTile; ++y) {
    auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
    for (int x = 0; x < kTile; ++x) line[x] = shade(x, y).rgb();
  }
  return tile;
}

double U(int x) { return static_cast<double>(x) / kTile; }

// "Metal gold": brushed gold, fine horizontal streaks over a soft sheen.
QColor MetalGold(int x, int y) {
  const double u = U(x), v = U(y);
  const double streaks = Noise(u * 3, v * kTile, 3, kTile, 287);
  const double grain = Fractal(u, v, 2, 32, 3, 288);
  const double sheen = 0.5 + 0.5 * std::sin(2 * M_PI * (u + v));
  const double t = 0.45 * streaks + 0.3 * grain + 0.25 * sheen;
  return Mix(QColor(128, 92, 26), QColor(250, 218, 128), t);
}

// "Moquette 1": a carpet's close pile, tufts and fibres in deep red.
QColor Moquette1(int x, int y) {
  const double u = U(x), v = U(y);
  const double fibre = Hash(x, y, 296);
  const double tufts = Noise(u * 64, v * 64, 64, 64, 297);
  const double mottle = Fractal(u, v, 4, 4, 3, 298);
  return Mix(QColor(92, 18, 30), QColor(182, 56, 66), 0.3 * fibre + 0.4 * tufts + 0.3 * mottle);
}

// "Brick wall 1": red bricks in running bond with pale mortar.
QColor BrickWall(int x, int y) {
  constexpr int kCourse = 32, kBrick = 64, kMortar = 4;
  const int course = y / kCourse;
  const int along = (x + (course % 2) * kBrick / 2) % kTile;
  const int brick = along / kBrick;
  const int lx = along % kBrick, ly = y % kCourse;
  const double u = U(x), v = U(y);
  const double speckle = Hash(x, y, 304);
  if (lx < kMortar || ly < kMortar) {
    return Scaled(QColor(178, 172, 160), 0.85 + 0.25 * speckle);
  }
  const QColor clay(150 + static_cast<int>(40 * Hash(brick, course, 305)),
                    56 + static_cast<int>(26 * Hash(brick, course, 306)), 42 + static_cast<int>(18 * Hash(brick, course, 307)));
  // Worn edges next to the mortar.
  const int edge = std::min({lx - kMortar, ly - kMortar, kBrick - 1 - lx, kCourse - 1 - ly});
  const double wear = edge < 2 ? 0.82 + 0.08 * edge : 1.0;
  return Scaled(clay, wear * (0.78 + 0.3 * Fractal(u, v, 16, 16, 3, 308) + 0.12 * speckle));
}

// "Parquet": oak blocks of four planks, turned a quarter from block to block.
QColor Parquet(int x, int y) {
  constexpr int kBlock = 64, kPlank = 16;
  const int bx = x / kBlock, by = y / kBlock;
  const bool horizontal = (bx + by) % 2 == 0;
  const int lx = x % kBlock, ly = y % kBlock;
  const int along = horizontal ? lx : ly;
  const int across = (horizontal ? ly : lx) % kPlank;
  const int plank = (horizontal ? ly : lx) / kPlank + 4 * (bx + 4 * by);
  if (across == 0 || along == 0) return QColor(74, 46, 24);
  const double seed = 10 * Hash(plank, 0, 311);
  const double wobble = Noise(along / 24.0 + seed, across / 8.0, 1 << 20, 1 << 20, 312);
  const double grain = 0.5 + 0.5 * std::sin(across * 0.9 + 7 * wobble + seed);
  const double streak = Noise(along / 6.0, across * 1.7 + seed, 1 << 20, 1 << 20, 313);
  const double tint = 0.86 + 0.24 * Hash(plank, 1, 314);
  return Scaled(Mix(QColor(204, 150, 88), QColor(136, 84, 40), 0.6 * grain * grain + 0.4 * streak), tint);
}

// "Moquette": a flat geometric carpet of a few colours, lozenges on navy.
QColor Moquette(int x, int y) {
  const int lx = x % 64, ly = y % 64;
  const int diamond = std::abs(lx - 32) + std::abs(ly - 32);
  const int corner = std::min(lx, 64 - lx) + std::min(ly, 64 - ly);
  if (diamond < 5) return QColor(20, 30, 96);
  if (diamond < 12) return QColor(176, 30, 40);
  if (diamond < 20) return QColor(214, 170, 60);
  if (diamond >= 25 && diamond < 27) return QColor(96, 116, 178);
  if (corner < 9) return QColor(30, 124, 132);
  return QColor(20, 30, 96);
}

// The additional background: white marble with grey veins.
QColor WhiteMarble(int x, int y) {
  const double u = U(x), v = U(y);
  const double turbulence = Fractal(u, v, 4, 4, 5, 401);
  const double vein = std::pow(1 - std::abs(std::sin(2 * M_PI * (u + 2 * v) + 7 * turbulence)), 10);
  const QColor stone = Mix(QColor(218, 216, 212), QColor(246, 245, 240), Fractal(u, v, 8, 8, 3, 402));
  return Mix(stone, QColor(110, 112, 120), 0.8 * vein);
}

void Blade(QPainter& p, QPointF foot, double length, double lean, const QColor& colour) {
  QPainterPath blade;
  blade.moveTo(foot);
  blade.quadTo(foot + QPointF(lean * 0.3, -length * 0.6), foot + QPointF(lean, -length));
  p.setPen(QPen(colour, 1.1, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(blade);
}

// "Meadow": grass blades over mottled green, with a few flowers.
QImage Meadow() {
  QImage tile = Texture([](int x, int y) {
    return Mix(QColor(36, 92, 26), QColor(104, 160, 52), Fractal(U(x), U(y), 8, 8, 4, 324));
  });
  QPainter p(&tile);
  p.setRenderHint(QPainter::Antialiasing);
  Scatter grass(324);
  // Each stroke is drawn again one tile over wherever it crosses an edge.
  auto wrapped = [&](auto draw, QPointF at, double reach) {
    for (int dx : {-kTile, 0, kTile}) {
      for (int dy : {-kTile, 0, kTile}) {
        const QPointF shifted = at + QPointF(dx, dy);
        if (shifted.x() > -reach && shifted.x() < kTile + reach && shifted.y() > -reach && shifted.y() < kTile + reach) {
          draw(shifted);
        }
      }
    }
  };
  for (int i = 0; i < 2600; ++i) {
    const QPointF foot(grass.Between(0, kTile), grass.Between(0, kTile));
    const double length = grass.Between(6, 15);
    const double lean = grass.Between(-5, 5);
    const QColor colour = Mix(QColor(30, 84, 20), QColor(150, 200, 80), grass.Next());
    wrapped([&](QPointF at) { Blade(p, at, length, lean, colour); }, foot, 16);
  }
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 36; ++i) {
    const QPointF at(grass.Between(0, kTile), grass.Between(0, kTile));
    const QColor petal = grass.Next() < 0.5 ? QColor(250, 226, 60) : QColor(250, 250, 244);
    wrapped([&](QPointF c) {
      p.setBrush(petal);
      p.drawEllipse(c, 1.8, 1.8);
      p.setBrush(QColor(230, 160, 30));
      p.drawEllipse(c, 0.7, 0.7);
    }, at, 3);
  }
  return tile;
}

std::string EncodeJpeg(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpg");
  writer.setQuality(90);
  if (!writer.write(picture.convertToFormat(QImage::Format_RGB888))) {
    std::fprintf(stderr, "orvane-assets: cannot write JPEG (%s); Qt's JPEG image plugin comes with libqt6gui6\n",
                 qPrintable(writer.errorString()));
    return {};
  }
  return bytes.toStdString();
}

std::string BackgroundName(int number) {
  char name[8];
  std::snprintf(name, sizeof name, "B%03d", number);
  return name;
}

}  // namespace

QImage PaintBackground(int number) {
  switch (number) {
    case 287: return Texture(MetalGold);
    case 324: return Meadow();
    case 296: return Texture(Moquette1);
    case 304: return Texture(BrickWall);
    case 311: return Texture(Parquet);
    case 102: return Texture(Moquette);
    default: return {};
  }
}

bool AddBackgrounds(const Modules& m, const Options& o) {
  bool ok = true;
  for (int number : kBackgroundNumbers) {
    ok = AddStandardPicture(m, BackgroundName(number), PaintBackground(number)) && ok;
  }
  const std::string jpeg = EncodeJpeg(Texture(WhiteMarble));
  if (jpeg.empty() || !m.backgrounds.AddRaw(kAdditionalBackgroundName, jpeg)) return false;
  return WriteTextFile(o.outputFolder + "/plus/b01.dat",
                       std::string(kAdditionalBackgroundName) + "=" + kAdditionalBackgroundTitle + "\n") &&
         ok;
}

}  // namespace orv::assets
