// The card pictures the build draws into the program folder's modules: every
// sheet, back, symbol, shadow and edge at the size the table cuts and copies
// it at, in the module the program looks in, and the additional collections
// of the "plus" folder readable the way the program reads them.
#include <QImage>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/resource_module.h"
#include "support/temp_dir.h"

// Sizes in failure messages as "355x288".
inline void PrintTo(const QSize& size, std::ostream* out) { *out << size.width() << "x" << size.height(); }

namespace orv {
namespace {

struct CardSize {
  char letter;
  int width;
  int height;
};

constexpr CardSize kSizes[] = {{'L', 25, 32}, {'M', 59, 80}, {'B', 71, 96}, {'S', 85, 115}, {'X', 102, 138}};

class BuiltModulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main_ = ResourceModule::Open(test::ProgramDir() + "SOL.RGF");
    extra_ = ResourceModule::Open(test::ProgramDir() + "plus/soladd.rgf");
    ASSERT_TRUE(main_ && extra_) << "the build writes SOL.RGF and plus/soladd.rgf into " << test::ProgramDir();
  }

  static QImage Decode(const std::optional<std::string>& bytes) {
    return bytes ? QImage::fromData(QByteArray::fromStdString(*bytes)) : QImage();
  }

  // The picture from the module the program reads it from: extra-large
  // names from the extra module, which the image module must not hold.
  QImage Picture(const std::string& name, bool extraLarge) const {
    const ResourceModule& home = extraLarge ? *extra_ : *main_;
    const ResourceModule& other = extraLarge ? *main_ : *extra_;
    EXPECT_FALSE(other.HasPicture(name)) << name << " lies in the wrong module";
    return Decode(home.Picture(name));
  }

  std::unique_ptr<ResourceModule> main_;
  std::unique_ptr<ResourceModule> extra_;
};

// A card is drawn when it shows both paper and ink: a blank, black or
// single-colour cell fails.
bool LooksLikeACard(const QImage& cell) {
  int paper = 0, ink = 0;
  for (int y = 0; y < cell.height(); ++y) {
    for (int x = 0; x < cell.width(); ++x) {
      const QColor c = cell.pixelColor(x, y);
      if (c.red() > 200 && c.green() > 200 && c.blue() > 200) ++paper;
      if (c.green() < 120) ++ink;  // black and red both
    }
  }
  const int all = cell.width() * cell.height();
  return paper * 5 > all && ink * 100 > all;
}

TEST_F(BuiltModulesTest, EverySuitSheetHoldsThirteenDistinctCardsInCellsOfItsSize) {
  for (const char* set : {"001", "003", "004"}) {
    for (const CardSize& size : kSizes) {
      for (char suit : {'H', 'D', 'C', 'S'}) {
        const std::string name = std::string("C") + size.letter + set + suit;
        SCOPED_TRACE(name);
        // Card sheets stay in the image module at every size, "X" included.
        const QImage sheet = Picture(name, false);
        ASSERT_EQ(sheet.size(), QSize(5 * size.width, 3 * size.height));
        std::set<std::string> seen;
        for (int i = 0; i < 13; ++i) {
          const QImage cell = sheet.copy((i % 5) * size.width, (i / 5) * size.height, size.width, size.height);
          EXPECT_TRUE(LooksLikeACard(cell)) << "cell " << i;
          const auto* bits = reinterpret_cast<const char*>(cell.convertToFormat(QImage::Format_RGB32).constBits());
          seen.emplace(bits, static_cast<std::size_t>(cell.sizeInBytes()));
        }
        EXPECT_EQ(seen.size(), 13u) << "two cells of the sheet show the same card";
      }
    }
  }
}

TEST_F(BuiltModulesTest, CardSizedPicturesMeasureTheCardAndLieWhereTheProgramLooks) {
  struct Case {
    std::string prefix;  // before the size letter
    std::string suffix;  // after it
    std::string letters;
  };
  std::vector<Case> cases = {
      {"JOKER_", "", "LMBSX"},
      {"D", "011", "LMBSX"},  // the default back has its own picture at every size
      {"D", "001", "LB"},     // the game preview's back
      {"D", "003", "B"}, {"D", "006", "B"}, {"D", "007", "B"}, {"D", "014", "B"},
      {"D", "019", "B"}, {"D", "020", "B"},
  };
  for (const char* code : {"001", "002", "003", "004", "005", "006", "007", "008", "009", "010", "011", "012",
                           "013", "014", "015", "016", "017", "018", "019", "020", "021", "022", "_WASTE",
                           "_TABLEAU"}) {
    cases.push_back({"W", code, "LMBSX"});
  }
  for (const Case& c : cases) {
    for (const CardSize& size : kSizes) {
      if (c.letters.find(size.letter) == std::string::npos) continue;
      const std::string name = c.prefix + size.letter + c.suffix;
      SCOPED_TRACE(name);
      EXPECT_EQ(Picture(name, size.letter == 'X').size(), QSize(size.width, size.height));
    }
  }
}

// The table cuts the edge strips at fixed rows and columns (up to 16 deep)
// and draws the shadow strips beside the card; pure blue and white are their
// transparent colours, so each strip must hold both those and drawn pixels.
TEST_F(BuiltModulesTest, ShadowAndEdgeStripsCoverWhatTheTableCutsFromThem) {
  struct Case {
    std::string name;
    int width, height;  // as functions of the card size below
    QRgb transparent;
  };
  for (const CardSize& size : kSizes) {
    const std::string l(1, size.letter);
    const Case cases[] = {
        {"SHADOW_" + l + "1", 7, size.height, qRgb(255, 255, 255)},
        {"SHADOW_" + l + "2", size.width - 1, 7, qRgb(255, 255, 255)},
        {"3D_BORDER_" + l + "1", 16, size.height + 13, qRgb(0, 0, 255)},
        {"3D_BORDER_" + l + "2", size.width + 11, 16, qRgb(0, 0, 255)},
    };
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      const QImage strip = Picture(c.name, size.letter == 'X');
      ASSERT_GE(strip.width(), c.width);
      ASSERT_GE(strip.height(), c.height);
      int clear = 0;
      for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x) clear += strip.pixel(x, y) == (c.transparent | 0xFF000000u);
      }
      EXPECT_GT(clear, 0);
      EXPECT_LT(clear, strip.width() * strip.height());
    }
  }
}

// "RESNAME=Display Name": the first line of an index file.
std::string IndexedName(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line.substr(0, line.find('='));
}

TEST_F(BuiltModulesTest, PlusContainersHoldTheItemsTheirIndexFilesName) {
  const std::string plus = test::ProgramDir() + "plus/";
  const auto cardSets = ResourceModule::Open(plus + "c01.rgf");
  const auto backs = ResourceModule::Open(plus + "d01.rgf");
  const auto backgrounds = ResourceModule::Open(plus + "b01.rgf");
  ASSERT_TRUE(cardSets && backs && backgrounds);
  // A card set sheet of 355 × 1152 is a valid set of size "B".
  EXPECT_EQ(Decode(cardSets->Picture(IndexedName(plus + "c01.dat"))).size(), QSize(355, 1152));
  const QSize back = Decode(backs->Picture(IndexedName(plus + "d01.dat"))).size();
  EXPECT_TRUE(back == QSize(59, 80) || back == QSize(71, 96) || back == QSize(85, 115) || back == QSize(102, 138))
      << back.width() << "x" << back.height();
  // Backgrounds of the containers are JPEG data, not pictures.
  const auto jpeg = backgrounds->Raw(IndexedName(plus + "b01.dat"));
  ASSERT_TRUE(jpeg.has_value());
  EXPECT_FALSE(QImage::fromData(QByteArray::fromStdString(*jpeg), "JPG").isNull());
}

}  // namespace
}  // namespace orv
