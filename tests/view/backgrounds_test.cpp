#include "view/backgrounds.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "picture_fixture.h"

namespace orv {
namespace {

using test::Centre;
using test::PngBytes;
using test::Solid;

constexpr QRgb kGreen = qRgb(0, 128, 0);

TEST(MulDivTest, RoundsToNearestWithHalvesAwayFromZero) {
  struct Case {
    int a, b, c, expected;
  };
  const Case cases[] = {
      {1, 257, 256, 1}, {1, 128, 256, 1},   {1, 127, 256, 0},   {-1, 128, 256, -1}, {1, -128, 256, -1},
      {5, 7, 3, 12},    {-5, 7, 3, -12},    {5, 7, -3, -12},    {-5, -7, -3, -12},  {3, 5, 0, -1},
      {256, 301, 256, 301}, {65536, 65536, 65536, 65536},
  };
  for (const auto& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

class BackgroundTest : public test::PictureTest {
 protected:
  BackgroundTest() {
    ResourceWriter module;
    module.AddPicture("B287", PngBytes(Tile()));
    module.AddPicture("B500", PngBytes(Tile()));
    InstallImageModule(module);
  }

  static QImage Tile() {
    return test::Painted(3, 2, [](int x, int y) { return qRgb(10 + 50 * x, 20 + 100 * y, 200); });
  }

  QImage Paint(int width = 40, int height = 300, BackgroundOptions options = {}) {
    QImage target = Solid(width, height, qRgb(255, 0, 255));
    QImage buffer = Solid(width, height, qRgb(255, 0, 255));
    PaintBackground(Pictures().sources(), target, &buffer, options);
    EXPECT_EQ(target, buffer) << "the background buffer holds the same picture";
    return target;
  }
};

TEST_F(BackgroundTest, FadeRunsFromTheColourAtTheTopToBlackAtTheBottom) {
  struct Case {
    const char* name;
    const char* useDefault;
    const char* fixedColour;
    const char* fade;
    int bitsPerPixel;
    bool scrollBar;
    QRgb top, bottom;
  };
  const Case cases[] = {
      {"default faded", "Y", "0", "Y", 32, false, qRgb(0, 127, 0), qRgb(0, 0, 0)},
      {"white faded", "N", "16777215", "Y", 32, false, qRgb(254, 254, 254), qRgb(0, 0, 0)},
      {"faded below a scroll bar", "N", "16777215", "Y", 32, true, qRgb(254, 254, 254), qRgb(53, 53, 53)},
      {"fade off", "Y", "0", "N", 32, false, kGreen, kGreen},
      {"256 colours", "N", "16777215", "Y", 8, false, qRgb(255, 255, 255), qRgb(255, 255, 255)},
  };
  for (const auto& c : cases) {
    SetSession({{sr::BackgroundDefault, c.useDefault}, {sr::BackgroundFixedColour, c.fixedColour},
                {sr::FadeBackground, c.fade}});
    host.screen.bitsPerPixel = c.bitsPerPixel;
    const QImage painted = Paint(40, 300, BackgroundOptions{c.scrollBar});
    EXPECT_EQ(painted.pixel(20, 0), c.top) << c.name;
    EXPECT_EQ(painted.pixel(20, 299), c.bottom) << c.name;
    for (int y = 1; y < 300; ++y)
      ASSERT_LE(qGreen(painted.pixel(0, y)), qGreen(painted.pixel(0, y - 1))) << c.name << " row " << y;
  }
}

TEST_F(BackgroundTest, FixedColourTakesPrecedenceUnlessItIsZero) {
  struct Case {
    const char* fixedColour;
    const char* colour;
    QRgb expected;
  };
  const Case cases[] = {
      {"0", "255", qRgb(255, 0, 0)},
      {"0", "16711680", qRgb(0, 0, 255)},
      {"8388608", "255", qRgb(0, 0, 128)},
      {"0", "-2147483633", qRgb(240, 240, 240)},  // the button face
  };
  for (const auto& c : cases) {
    SetSession({{sr::BackgroundFixedColour, c.fixedColour}, {sr::BackgroundColour, c.colour}});
    EXPECT_EQ(Centre(Paint()), c.expected) << c.fixedColour << " / " << c.colour;
  }
}

TEST_F(BackgroundTest, PicturesFromFiveHundredOnAreDrawnOnceTheOthersTiled) {
  const QImage tile = Tile();
  struct Case {
    const char* number;
    int x, y;
    QRgb expected;
  };
  const Case cases[] = {
      {"287", 1, 1, tile.pixel(1, 1)}, {"287", 4, 3, tile.pixel(1, 1)}, {"287", 39, 299, tile.pixel(0, 1)},
      {"500", 1, 1, tile.pixel(1, 1)}, {"500", 4, 3, kGreen},           {"500", 39, 299, kGreen},
      {"123", 1, 1, kGreen},  // not in the module: the default background
  };
  for (const auto& c : cases) {
    SetSession({{sr::BackgroundImage, c.number}});
    EXPECT_EQ(Paint().pixel(c.x, c.y), c.expected) << c.number << " at " << c.x << "," << c.y;
    QImage preview = Solid(40, 300, qRgb(255, 0, 255));
    PaintBackgroundPreview(Pictures().sources(), preview, std::stoi(c.number));
    EXPECT_EQ(preview.pixel(c.x, c.y), c.expected) << "preview " << c.number;
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(BackgroundTest, ModeFollowsDefaultThenPlayerThenAdditionalThenPicture) {
  struct Case {
    const char* useDefault;
    const char* player;
    const char* additional;
    const char* picture;
    BackgroundMode expected;
  };
  const Case cases[] = {
      {"Y", "Y", "Y", "287", BackgroundMode::Default},  {"N", "Y", "Y", "287", BackgroundMode::PlayerFile},
      {"N", "N", "Y", "287", BackgroundMode::Additional}, {"N", "N", "N", "287", BackgroundMode::Picture},
      {"N", "N", "N", "0", BackgroundMode::Colour},
  };
  for (const auto& c : cases) {
    SetSession({{sr::BackgroundDefault, c.useDefault}, {sr::CustomizedBackgroundSet, c.player},
                {sr::AdditionalBackgroundSet, c.additional}, {sr::BackgroundImage, c.picture}});
    EXPECT_EQ(ChooseBackgroundMode(engine.session), c.expected);
  }
}

TEST_F(BackgroundTest, PlayerFileIsTiledOrReplacedByTheDefault) {
  const QImage blue = Solid(8, 8, qRgb(0, 0, 200));
  const std::string jpeg = test::JpegBytes(blue);
  root.Write("data/wall.bmp", test::BmpBytes(blue));
  root.Write("data/sea.jpeg.bmp", jpeg);
  root.Write("data/beach.jpg.bmp", jpeg.substr(0, jpeg.size() - 30));
  root.Write("pics/Tile.BMP", test::BmpBytes(blue));
  struct Case {
    std::string name;
    std::string message;  // "" when the picture loads
  };
  const Case cases[] = {
      {"wall", ""},
      {"sea.jpeg", ""},
      {root / "pics/Tile.BMP", ""},
      {"beach.jpg", "The format of the Customized background image is not valid.\r" + data + "beach.jpg.bmp"},
      {"lake", "Customized background image not found: " + data + "lake.bmp"},
  };
  for (const auto& c : cases) {
    host.messages.clear();
    WriteSetting("Customized_Background", c.name);
    SetSession({{sr::CustomizedBackgroundSet, "Y"}, {sr::BackgroundDefault, "N"}, {sr::FadeBackground, "N"}});
    const QImage painted = Paint();
    if (c.message.empty()) {
      EXPECT_TRUE(host.messages.empty()) << c.name;
      EXPECT_NEAR(qBlue(painted.pixel(35, 290)), 200, 4) << c.name;  // tiled down to the corner
      EXPECT_EQ(engine.session.Get(sr::CustomizedBackgroundSet), "Y") << c.name;
    } else {
      EXPECT_EQ(host.Texts(), std::vector<std::string>{c.message}) << c.name;
      EXPECT_EQ(painted.pixel(20, 0), qRgb(0, 127, 0)) << c.name << ": the default, faded";
      EXPECT_EQ(engine.session.Get(sr::CustomizedBackgroundSet), "N") << c.name;
      EXPECT_EQ(engine.session.Get(sr::BackgroundDefault), "Y") << c.name;
      EXPECT_EQ(Setting("Background_Def"), "Y") << c.name;
      EXPECT_EQ(Setting("Fade_Background"), "Y") << c.name;
      EXPECT_EQ(Setting("Customized_Background"), "") << c.name;
    }
  }
}

TEST_F(BackgroundTest, AdditionalBackgroundIsAJpegOfTheCollection) {
  root.Write("prog/plus/b01.dat", "BG1=Sunset\nBG2=Dusk\n");
  ResourceWriter backgrounds;
  const std::string jpeg = test::JpegBytes(Solid(16, 16, qRgb(200, 100, 0)));
  backgrounds.AddRaw("BG1", jpeg);
  backgrounds.AddRaw("BG2", jpeg.substr(0, 100));
  InstallPlusModule("b01.rgf", backgrounds);
  struct Case {
    const char* name;
    bool loads;
  };
  for (const Case& c : {Case{"Sunset", true}, Case{"Dusk", false}, Case{"Dawn", false}}) {
    host.messages.clear();
    root.Write("data/Rnd_read.dat", "x");
    WriteSetting("Additional_Background", c.name);
    SetSession({{sr::AdditionalBackgroundSet, "Y"}, {sr::BackgroundDefault, "N"}});
    const QImage painted = Paint();
    if (c.loads) {
      EXPECT_TRUE(host.messages.empty()) << c.name;
      EXPECT_NEAR(qRed(painted.pixel(33, 250)), 200, 4) << c.name;
      EXPECT_TRUE(root.Exists("data/Rnd_read.dat")) << c.name;
    } else {
      EXPECT_EQ(host.Texts(), std::vector<std::string>{"Error loading the Background: " + std::string(c.name) + "\r" +
                                                       "Please install again Tavrelin Plus!"})
          << c.name;
      EXPECT_FALSE(root.Exists("data/Rnd_read.dat")) << c.name;
      EXPECT_EQ(engine.session.Get(sr::AdditionalBackgroundSet), "N") << c.name;
      EXPECT_EQ(Setting("Additional_Background"), "") << c.name;
      EXPECT_EQ(painted.pixel(20, 0), qRgb(0, 127, 0)) << c.name;
    }
  }
}

}  // namespace
}  // namespace orv
