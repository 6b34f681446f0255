#include "view/backgrounds.h"

#include <cstdint>
#include <cstdlib>

#include <QPainter>

#include "common/system.h"
#include "common/text.h"
#include "platform/files.h"

namespace orv {

namespace {

constexpr int kFadeBands = 256;

// The classic desktop scheme for the system colours the settings may name.
QRgb SystemColour(int index) {
  switch (index) {
    case 5: case 14: case 20: return qRgb(255, 255, 255);   // window, highlight text, button highlight
    case 6: case 21: return qRgb(105, 105, 105);            // window frame, dark shadow
    case 7: case 8: case 9: case 18: return qRgb(0, 0, 0);  // menu text, window text, caption text, button text
    case 13: return qRgb(51, 153, 255);                     // highlight
    case 16: return qRgb(160, 160, 160);                    // button shadow
    default: return qRgb(240, 240, 240);                    // button face and the rest
  }
}

// What is painted, resolved once and painted into every target.
struct Background {
  QRgb colour = kDefaultBackgroundColour;
  bool fade = false;
  QImage picture;  // null: the colour
  bool tiled = true;
};

bool ManyColours(const Host& host) {
  const ScreenMetrics s = host.Screen();
  return ScreenColourCount(s.bitsPerPixel, s.planes) > 256;
}

Background Plain(const Engine& engine, QRgb colour) {
  Background b;
  b.colour = colour;
  b.fade = engine.session.IsYes(sr::FadeBackground) && ManyColours(engine.host);
  return b;
}

void Tile(QPainter& painter, const QImage& tile, int width, int height) {
  for (int y = 0; y < height; y += tile.height())
    for (int x = 0; x < width; x += tile.width()) painter.drawImage(x, y, tile);
}

void Paint(QImage& target, const Background& b, const BackgroundOptions& options) {
  if (target.isNull()) return;
  if (b.picture.isNull() || !b.tiled) target.fill(b.picture.isNull() ? b.colour : kDefaultBackgroundColour);
  if (b.picture.isNull()) {
    if (b.fade) PaintFade(target, b.colour, target.height() + (options.scrollBarVisible ? 80 : 1));
    return;
  }
  QPainter painter(&target);
  if (b.tiled) Tile(painter, b.picture, target.width(), target.height());
  else painter.drawImage(0, 0, b.picture);  // the rest stays the default green
}

std::string PictureName(int number) {
  return "B" + (number >= 0 && number < 1000 ? IntToFixed(number, 3) : std::to_string(number));
}

// A built-in picture; the default background when the module lacks it.
Background BuiltInPicture(PictureSources& sources, int number) {
  Background b = Plain(sources.engine(), kDefaultBackgroundColour);
  b.picture = sources.ModulePicture(PictureName(number)).image;
  b.tiled = number < kFirstOnceDrawnPicture;
  return b;
}

std::string PlayerBackgroundPath(const Engine& engine, const std::string& name) {
  if (name.find('/') == std::string::npos) return ResolvePath(engine.folders.data, name + ".bmp");
  return name.front() == '/' ? name : ResolvePath(engine.folders.data, name);
}

bool NamesJpeg(const std::string& name) {
  const std::string lower = ToLowerAscii(name);
  return lower.find(".jpg") != std::string::npos || lower.find(".jpe") != std::string::npos;
}

QImage PlayerBackground(Engine& engine) {
  const std::string name = engine.Settings().ReadString(kPreferenceSection, "Customized_Background", "");
  const std::string path = PlayerBackgroundPath(engine, name);
  if (!FileExists(path)) {
    engine.host.ShowMessage("Customized background image not found: " + path);
    return {};
  }
  QImage picture = ReadImageFile(engine.host, path, NamesJpeg(name) ? ImageFileKind::Jpeg : ImageFileKind::Bitmap);
  if (picture.isNull()) engine.host.ShowMessage("The format of the Customized background image is not valid.\r" + path);
  return picture;
}

QImage AdditionalBackground(PictureSources& sources) {
  Engine& engine = sources.engine();
  const std::string name = engine.Settings().ReadString(kPreferenceSection, "Additional_Background", "");
  QImage picture = sources.CollectionJpeg(Collection::Backgrounds, name);
  if (picture.isNull()) {
    engine.host.ShowMessage("Error loading the Background: " + name + "\r" + "Please install again Tavrelin Plus!");
    sources.DeleteRandomReadFile();
  }
  return picture;
}

// A player or additional background failed: the default from now on.
void ReturnToDefaultBackground(Engine& engine) {
  SessionRecord& r = engine.session;
  r.Put(sr::CustomizedBackgroundSet, "N");
  r.Put(sr::AdditionalBackgroundSet, "N");
  r.Put(sr::BackgroundDefault, "Y");
  r.Put(sr::FadeBackground, "Y");
  const ProfileFile settings = engine.Settings();
  settings.WriteString(kPreferenceSection, "Background_Def", "Y");
  settings.WriteString(kPreferenceSection, "Fade_Background", "Y");
  settings.WriteString(kPreferenceSection, "Customized_Background", "");
  settings.WriteString(kPreferenceSection, "Additional_Background", "");
}

Background ResolveBackground(PictureSources& sources) {
  Engine& engine = sources.engine();
  const SessionRecord& r = engine.session;
  const BackgroundMode mode = ChooseBackgroundMode(r);
  switch (mode) {
    case BackgroundMode::Default: break;
    case BackgroundMode::PlayerFile:
    case BackgroundMode::Additional: {
      Background b = Plain(engine, kDefaultBackgroundColour);
      b.picture = mode == BackgroundMode::PlayerFile ? PlayerBackground(engine) : AdditionalBackground(sources);
      if (!b.picture.isNull()) return b;
      ReturnToDefaultBackground(engine);
      break;
    }
    case BackgroundMode::Picture:
      return BuiltInPicture(sources, static_cast<int>(ParseIntOr(r.Get(sr::BackgroundImage), 0)));
    case BackgroundMode::Colour: {
      const long long fixed = ParseIntOr(r.Get(sr::BackgroundFixedColour), 0);
      return Plain(engine, ColourFromSetting(fixed > 0 ? fixed : ParseIntOr(r.Get(sr::BackgroundColour), 0)));
    }
  }
  return Plain(engine, kDefaultBackgroundColour);
}

}  // namespace

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const long long product = static_cast<long long>(a) * b;
  const long long magnitude = (std::llabs(product) + std::llabs(static_cast<long long>(c)) / 2) / std::llabs(c);
  return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

QRgb ColourFromSetting(long long value) {
  const auto v = static_cast<std::uint32_t>(value);
  if (v & 0x80000000u) return SystemColour(static_cast<int>(v & 0xFF));
  return qRgb(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

void PaintFade(QImage& target, QRgb colour, int bottom) {
  if (target.isNull()) return;
  QPainter painter(&target);
  const int height = bottom;  // the fade runs from the top (0) to `bottom`
  for (int n = 0; n < kFadeBands; ++n) {
    const int top = n == kFadeBands - 1 ? 0 : bottom - MulDiv(n + 1, height, kFadeBands);
    const int end = bottom - MulDiv(n, height, kFadeBands);
    const QColor band(qRed(colour) * n / kFadeBands, qGreen(colour) * n / kFadeBands, qBlue(colour) * n / kFadeBands);
    painter.fillRect(0, top, target.width(), end - top, band);
  }
}

BackgroundMode ChooseBackgroundMode(const SessionRecord& record) {
  if (record.IsYes(sr::BackgroundDefault)) return BackgroundMode::Default;
  if (record.IsYes(sr::CustomizedBackgroundSet)) return BackgroundMode::PlayerFile;
  if (record.IsYes(sr::AdditionalBackgroundSet)) return BackgroundMode::Additional;
  if (ParseIntOr(record.Get(sr::BackgroundImage), 0) != 0) return BackgroundMode::Picture;
  return BackgroundMode::Colour;
}

void PaintBackground(PictureSources& sources, QImage& target, QImage* backgroundBuffer, BackgroundOptions options) {
  BusyPointer busy(sources.engine().host);
  const Background b = ResolveBackground(sources);
  Paint(target, b, options);
  if (backgroundBuffer && backgroundBuffer != &target) Paint(*backgroundBuffer, b, options);
}

void PaintBackgroundPreview(PictureSources& sources, QImage& target, int value) {
  const Background b =
      value == 0 ? Plain(sources.engine(), kDefaultBackgroundColour) : BuiltInPicture(sources, value);
  Paint(target, b, BackgroundOptions{});
}

}  // namespace orv
