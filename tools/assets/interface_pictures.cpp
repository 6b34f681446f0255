// The interface pictures: gathers the drawing steps and packs the results
// into the image module as PNG files.
#include "assets/interface_pictures.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <array>
#include <cstdio>

#include "assets/generators.h"
#include "platform/resource_writer.h"

namespace orv::assets::ui {

QImage Blank(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QImage Flatten(const QImage& argb, const QColor& over, const QColor& key) {
  QImage source = argb.convertToFormat(QImage::Format_ARGB32);
  QImage out(source.size(), QImage::Format_RGB32);
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      const int a = qAlpha(in[x]);
      if (a == 0) {
        line[x] = key.rgb();
        continue;
      }
      auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
      line[x] = qRgb(mix(qRed(in[x]), over.red()), mix(qGreen(in[x]), over.green()), mix(qBlue(in[x]), over.blue()));
    }
  }
  // The reader takes the key from the top-left pixel, whatever the drawing.
  out.setPixel(0, 0, key.rgb());
  return out;
}

namespace {

// The theme draws each icon anew for a few sizes; the nearest one at or
// above the wanted size scales down best.
QString ThemeIconPath(const QString& icon, int size) {
  const QString category = icon.section('/', 0, 0);
  const QString name = icon.section('/', 1);
  const std::array sizes{16, 22, 32, 48, 64};
  QString fallback;
  for (int s : sizes) {
    const QString path = QString("%1%2/%3/%4.svg").arg(kIconTheme, category).arg(s).arg(name);
    if (!QFile::exists(path)) continue;
    if (s >= size) return path;
    fallback = path;
  }
  return fallback;
}

}  // namespace

QByteArray EncodePng(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QImage ThemeIcon(const QString& icon, int size, const QColor& ink, const QColor& accent, int drawnFor) {
  QFile file(ThemeIconPath(icon, std::max(size, drawnFor)));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray svg = file.readAll();
  // The theme's text colour, as its style sheets name it.
  for (const char* text : {"#232629", "#31363b"}) svg.replace(text, ink.name().toLatin1());
  if (accent.isValid()) svg.replace("#3daee9", accent.name().toLatin1());
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) return {};
  QImage image = Blank(size, size);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, QRectF(0, 0, size, size));
  return image;
}

bool AllInterfacePictures(PictureList& out, std::string& error) {
  if (!ToolbarPictures(out, error) || !TreePictures(out, error)) return false;
  for (auto* step : {RatingPictures, PreviewPictures, StatusPictures, SplashPicture}) {
    PictureList part = step();
    out.insert(out.end(), part.begin(), part.end());
  }
  return true;
}

}  // namespace orv::assets::ui

namespace orv::assets {

bool AddInterfacePictures(const Modules& m, const Options&) {
  ui::PictureList pictures;
  std::string error;
  if (!ui::AllInterfacePictures(pictures, error)) {
    std::fprintf(stderr, "interface pictures: %s\n", error.c_str());
    return false;
  }
  for (const auto& [name, image] : pictures) {
    const QByteArray png = ui::EncodePng(image);
    if (png.isEmpty() || !m.main.AddPicture(name, png.toStdString())) {
      std::fprintf(stderr, "interface pictures: cannot add %s\n", name.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace orv::assets
