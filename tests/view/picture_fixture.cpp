#include "picture_fixture.h"

#include <filesystem>

#include <QBuffer>
#include <QByteArray>

#include "settings/settings.h"
#include "support/jpeg_writer.h"

namespace orv::test {

namespace {

std::string Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, format)) << format;
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

QImage Solid(int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

QImage Painted(int width, int height, const std::function<QRgb(int x, int y)>& colour) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, colour(x, y));
  return image;
}

std::string PngBytes(const QImage& image) { return Encoded(image, "PNG"); }
std::string BmpBytes(const QImage& image) { return Encoded(image, "BMP"); }

std::string JpegBytes(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  return EncodeJpeg(rgb.width(), rgb.height(), [&rgb](int x, int y) {
    const QRgb c = rgb.pixel(x, y);
    return std::array<std::uint8_t, 4>{static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
                                       static_cast<std::uint8_t>(qBlue(c)), 0};
  });
}

QRgb CellColour(int block, int row, int col) { return qRgb(40 + block * 60, 20 + row * 70, 10 + col * 50); }

QImage CardSheet(int cellWidth, int cellHeight, int rows, int block) {
  return Painted(5 * cellWidth, rows * cellHeight, [&](int x, int y) {
    const int row = y / cellHeight;
    return CellColour(block + row / 3, row % 3, x / cellWidth);
  });
}

QRgb Centre(const QImage& image) { return image.pixel(image.width() / 2, image.height() / 2); }

PictureTest::PictureTest()
    : program(root / "prog/"), data(root / "data/"), engine(host, Folders{program, data}) {
  std::filesystem::create_directories(program);
  std::filesystem::create_directories(data);
  host.screen.width = 1024;
  SetSession({{sr::CardSize, "B"},
              {sr::CardSet, "001"},
              {sr::BackCard, "011"},
              {sr::CustomizedCardsSet, "N"},
              {sr::AdditionalCardsSet, "N"},
              {sr::CustomizedDeckSet, "N"},
              {sr::AdditionalDeckSet, "N"},
              {sr::BackgroundDefault, "N"},
              {sr::CustomizedBackgroundSet, "N"},
              {sr::AdditionalBackgroundSet, "N"},
              {sr::BackgroundImage, "0"},
              {sr::BackgroundFixedColour, "32768"},
              {sr::BackgroundColour, "-2147483633"},
              {sr::FadeBackground, "N"},
              {sr::GameName, "Spider"}});
}

void PictureTest::InstallImageModule(const ResourceWriter& module) {
  ASSERT_TRUE(module.Save(program + "SOL.RGF"));
  imageModule = ResourceModule::Open(program + "SOL.RGF");
  ASSERT_TRUE(imageModule);
}

void PictureTest::InstallPlusModule(const std::string& file, const ResourceWriter& module) {
  std::filesystem::create_directories(program + "plus");
  ASSERT_TRUE(module.Save(program + "plus/" + file));
}

CardPictures& PictureTest::Pictures() {
  if (!pictures) pictures = std::make_unique<CardPictures>(engine, imageModule.get());
  return *pictures;
}

void PictureTest::SetSession(std::initializer_list<std::pair<SrField, std::string>> fields) {
  for (const auto& [field, value] : fields) engine.session.Put(field, value);
}

void PictureTest::WriteSetting(const std::string& key, const std::string& value) {
  engine.Settings().WriteString(kPreferenceSection, key, value);
}

std::string PictureTest::Setting(const std::string& key) {
  return engine.Settings().ReadString(kPreferenceSection, key, "<none>");
}

}  // namespace orv::test
