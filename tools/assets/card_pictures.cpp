// AddCardPictures and the small pieces its parts share: card sizes, module
// routing and PNG encoding.
#include "assets/card_pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <cstdio>
#include <utility>

#include "platform/resource_writer.h"

namespace orv::assets {

const CardSize& CardSizeOf(char letter) {
  for (const CardSize& size : kCardSizes) {
    if (size.letter == letter) return size;
  }
  return kCardSizes[2];  // "B", the standard size
}

bool IsExtraLargeName(std::string_view name) {
  for (std::string_view prefix : {"WX", "DX", "SHADOW_X", "3D_BORDER_X", "JOKER_X"}) {
    if (name.substr(0, prefix.size()) == prefix) return true;
  }
  return false;
}

std::string EncodePng(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  // The pictures are opaque: an alpha channel would only make them larger.
  if (!writer.write(picture.convertToFormat(QImage::Format_RGB888))) return {};
  return bytes.toStdString();
}

bool AddPictureTo(ResourceWriter& module, const std::string& name, const QImage& picture) {
  std::string png = EncodePng(picture);
  if (picture.isNull() || png.empty()) {
    std::fprintf(stderr, "orvane-assets: cannot encode the picture %s\n", name.c_str());
    return false;
  }
  if (!module.AddPicture(name, std::move(png))) {
    std::fprintf(stderr, "orvane-assets: the module refuses the picture %s\n", name.c_str());
    return false;
  }
  return true;
}

bool AddStandardPicture(const Modules& m, const std::string& name, const QImage& picture) {
  return AddPictureTo(IsExtraLargeName(name) ? m.extra : m.main, name, picture);
}

bool WriteTextFile(const std::string& path, const std::string& text) {
  const QString file = QString::fromStdString(path);
  QDir().mkpath(QFileInfo(file).absolutePath());
  QFile out(file);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      out.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
    std::fprintf(stderr, "orvane-assets: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

QImage NewCanvas(int width, int height, const QColor& fill) {
  QImage canvas(width, height, QImage::Format_RGB32);
  canvas.fill(fill);
  return canvas;
}

void MarkPreviewCorners(QImage& picture) {
  const CardSize& smallest = kCardSizes[0];
  if (picture.size() != QSize(smallest.width, smallest.height)) return;
  const int right = picture.width() - 1;
  const int bottom = picture.height() - 1;
  for (QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
    picture.setPixelColor(corner, kPreviewTransparent);
  }
}

QRect SheetCell(int rank, const CardSize& size) {
  const int index = rank - 1;
  return {(index % kSheetColumns) * size.width, (index / kSheetColumns) * size.height, size.width, size.height};
}

bool AddCardPictures(const Modules& m, const Options& o) {
  // Every part runs even after a failure so that one report lists them all.
  bool ok = AddCardFaces(m, o);
  ok = AddCardBacks(m, o) && ok;
  ok = AddBackgrounds(m, o) && ok;
  ok = AddPileSymbols(m) && ok;
  ok = AddShadowsAndEdges(m) && ok;
  return ok;
}

}  // namespace orv::assets
