#include "view/card_pictures.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "picture_fixture.h"
#include "platform/resource_module.h"

namespace orv {
namespace {

using test::CellColour;
using test::Centre;
using test::PngBytes;
using test::Solid;

constexpr QRgb kBack11 = 0xFF0000C0;
constexpr QRgb kBack11Large = 0xFF0000A0;
constexpr QRgb kBack11Medium = 0xFF000080;
constexpr QRgb kBack7 = 0xFFC00000;
constexpr QRgb kWrong = 0xFF00FF00;

class CardPicturesTest : public test::PictureTest {
 protected:
  CardPicturesTest() {
    ResourceWriter module;
    for (int suit = 0; suit < 4; ++suit)
      module.AddPicture(std::string("CB001") + "HDCS"[suit], PngBytes(test::CardSheet(71, 96, 3, suit)));
    module.AddPicture("DB011", PngBytes(Solid(71, 96, kBack11)));
    module.AddPicture("DS011", PngBytes(Solid(85, 115, kBack11Large)));
    module.AddPicture("DM011", PngBytes(Solid(59, 80, kBack11Medium)));
    module.AddPicture("DB007", PngBytes(Solid(71, 96, kBack7)));
    module.AddPicture("DS007", PngBytes(Solid(85, 115, kWrong)));  // must not be used
    module.AddPicture("JOKER_B", PngBytes(Solid(71, 96, qRgb(9, 9, 9))));
    module.AddPicture("WB009", PngBytes(Solid(71, 96, qRgb(8, 8, 8))));
    module.AddPicture("WB022", PngBytes(Solid(71, 96, qRgb(22, 0, 0))));
    module.AddPicture("WB013", PngBytes(Solid(71, 96, qRgb(13, 0, 0))));
    module.AddPicture("WB_WASTE", PngBytes(Solid(71, 96, qRgb(99, 0, 0))));
    module.AddPicture("WB021", PngBytes(Solid(71, 96, qRgb(21, 0, 0))));
    // Strips with their transparent colour on the left, a near miss on the right.
    module.AddPicture("SHADOW_B1", PngBytes(test::Painted(4, 4, [](int x, int) {
      return x < 2 ? qRgb(255, 255, 255) : qRgb(254, 255, 255);
    })));
    module.AddPicture("SHADOW_B2", PngBytes(Solid(4, 4, qRgb(0, 0, 0))));
    module.AddPicture("3D_BORDER_B1", PngBytes(test::Painted(4, 4, [](int x, int) {
      return x < 2 ? qRgb(0, 0, 255) : qRgb(0, 0, 254);
    })));
    module.AddPicture("3D_BORDER_B2", PngBytes(Solid(4, 4, qRgb(0, 0, 255))));
    InstallImageModule(module);
  }

  void InstallExtraModule(QRgb cornerPixel = qRgb(255, 255, 255)) {
    ResourceWriter extra;
    extra.AddPicture("DX011", PngBytes(test::Painted(102, 138, [&](int x, int y) {
      return x == 3 && y == 1 ? cornerPixel : kBack11;
    })));
    extra.AddPicture("WX001", PngBytes(Solid(10, 10, qRgb(1, 0, 0))));
    InstallPlusModule("soladd.rgf", extra);
  }

  void UsePlayerSheet(const QImage& sheet) {
    root.Write("data/custom card sets/Mine.crs", test::BmpBytes(sheet));
    WriteSetting("Customized_Cards_Set", "Mine");
    SetSession({{sr::CustomizedCardsSet, "Y"}});
  }
};

TEST_F(CardPicturesTest, OneAndTwoSuitGamesShowTheirFacesFromTheSpadesAndHeartsSheets) {
  struct Case {
    int facePictures;
    bool playerSheet;
    int blockOfSuit[4];  // the sheet block each suit's faces come from
  };
  const Case cases[] = {
      {0, false, {0, 1, 2, 3}}, {1, false, {3, 3, 3, 3}}, {2, false, {0, 0, 3, 3}},
      {0, true, {0, 1, 2, 3}},  {1, true, {3, 3, 3, 3}},  {2, true, {0, 0, 3, 3}},
  };
  for (const auto& c : cases) {
    if (c.playerSheet) UsePlayerSheet(test::CardSheet(71, 96, 12));
    engine.params.Set(P::FacePictures, c.facePictures);
    Pictures().LoadCardSettings();
    for (int suit = 0; suit < 4; ++suit)
      for (int rank : {0, 6, 12}) {  // Ace, Seven, King: one from each row
        const QImage& face = Pictures().Face(suit * 13 + rank);
        ASSERT_EQ(face.size(), QSize(71, 96));
        EXPECT_EQ(Centre(face), CellColour(c.blockOfSuit[suit], rank / 5, rank % 5))
            << "variant " << c.facePictures << (c.playerSheet ? " player" : " built-in") << " suit " << suit
            << " rank " << rank;
      }
    EXPECT_EQ(Pictures().sizeFields.facesVariant, c.facePictures);
  }
  EXPECT_EQ(Centre(Pictures().Face(CardPictures::kJokerIndex)), qRgb(9, 9, 9));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(CardPicturesTest, PlayerSheetSizeChoosesTheCardSizeOrIsRefused) {
  InstallExtraModule();
  struct Case {
    int width, height, screen;
    const char* letter;
    const char* set;
    bool refused;
  };
  const Case cases[] = {
      {355, 1152, 1024, "B", "002", false}, {295, 960, 1024, "M", "002", false},
      {425, 1380, 1024, "S", "002", false}, {510, 1656, 1024, "X", "002", false},
      {356, 1152, 1024, "B", "001", true},  {355, 1153, 640, "M", "003", true},
  };
  for (const auto& c : cases) {
    host.messages.clear();
    SetSession({{sr::CardSize, "B"}, {sr::CardSet, "002"}});
    UsePlayerSheet(test::Solid(c.width, c.height, qRgb(1, 2, 3)));
    host.screen.width = c.screen;
    Pictures().LoadCardSettings();
    const std::string where = std::to_string(c.width) + "x" + std::to_string(c.height);
    EXPECT_EQ(engine.session.Get(sr::CardSize), c.letter) << where;
    EXPECT_EQ(engine.session.Get(sr::CardSet), c.set) << where;
    EXPECT_EQ(engine.main.cardWidth, CardSizeForLetter(c.letter).width) << where;
    if (c.refused) {
      const std::string path = data + "custom card sets/Mine.crs";
      EXPECT_EQ(host.Texts(), std::vector<std::string>{
                                  "The format of the Customized card set image is not valid.\r" + path})
          << where;
      EXPECT_EQ(engine.session.Get(sr::CustomizedCardsSet), "N") << where;
      EXPECT_EQ(Setting("Customized_Cards_Set"), "") << where;
      EXPECT_EQ(Setting("Card_Size"), c.letter) << where;
      EXPECT_EQ(Setting("Card"), std::to_string(std::stoi(c.set))) << where;
    } else {
      EXPECT_TRUE(host.messages.empty()) << where;
      EXPECT_EQ(engine.session.Get(sr::CustomizedCardsSet), "Y") << where;
    }
  }
}

TEST_F(CardPicturesTest, MissingPlayerSheetFallsBackAndResetsOnlyWhenAsked) {
  for (bool reset : {false, true}) {
    host.messages.clear();
    WriteSetting("Customized_Deck", "kept unless reset");
    WriteSetting("Customized_Cards_Set", "Gone");
    SetSession({{sr::CustomizedCardsSet, "Y"}, {sr::CardSize, "S"}});
    Pictures().LoadCardSettings({.facesOnly = false, .resetOnError = reset});
    EXPECT_EQ(host.Texts().at(0), "Customized cards set image not found: " + data + "custom card sets/Gone.crs");
    EXPECT_EQ(engine.session.Get(sr::CardSize), "B");
    EXPECT_EQ(Setting("Customized_Cards_Set"), "");
    EXPECT_EQ(Setting("Customized_Deck"), reset ? "" : "kept unless reset") << reset;
    EXPECT_EQ(Centre(Pictures().Face(0)), CellColour(0, 0, 0)) << reset;
  }
}

TEST_F(CardPicturesTest, FormerPlayerSetContinuesAsTheAdditionalSetOfTheSameName) {
  root.Write("prog/plus/c01.dat", "CS01=Fancy\r\nCS03=Small (16 colors)\r\n");
  ResourceWriter sets;
  sets.AddPicture("CS03", PngBytes(test::CardSheet(59, 80, 12)));
  InstallPlusModule("c01.rgf", sets);
  WriteSetting("Customized_Cards_Set", "Small (16 colors)");
  SetSession({{sr::CustomizedCardsSet, "Y"}});
  Pictures().LoadCardSettings();
  EXPECT_TRUE(host.messages.empty()) << host.Texts().at(0);
  EXPECT_EQ(engine.session.Get(sr::CustomizedCardsSet), "N");
  EXPECT_EQ(engine.session.Get(sr::AdditionalCardsSet), "Y");
  EXPECT_EQ(Setting("Customized_Cards_Set"), "");
  EXPECT_EQ(Setting("Additional_Cards_Set"), "Small (16 colors)");
  EXPECT_EQ(engine.session.Get(sr::CardSize), "M");
  EXPECT_EQ(Centre(Pictures().Face(27)), CellColour(2, 0, 1));  // two of clubs
}

TEST_F(CardPicturesTest, AdditionalSetThatCannotLoadIsForgotten) {
  root.Write("data/Rnd_read.dat", "random choices");
  WriteSetting("Additional_Cards_Set", "Fancy");
  SetSession({{sr::AdditionalCardsSet, "Y"}});
  Pictures().LoadCardSettings();
  EXPECT_EQ(host.Texts(),
            std::vector<std::string>{std::string("Error loading the Card Set: Fancy\r") +
                                     "Please install again Tavrelin Plus!"});
  EXPECT_FALSE(root.Exists("data/Rnd_read.dat"));
  EXPECT_EQ(engine.session.Get(sr::AdditionalCardsSet), "N");
  EXPECT_EQ(Setting("Additional_Cards_Set"), "");
  EXPECT_EQ(engine.session.Get(sr::CardSize), "B");
}

TEST_F(CardPicturesTest, SetFourWithoutItsSheetBecomesSetOne) {
  SetSession({{sr::CardSet, "004"}});
  Pictures().LoadCardSettings();
  EXPECT_EQ(engine.session.Get(sr::CardSet), "001");
  EXPECT_EQ(Centre(Pictures().Face(13)), CellColour(1, 0, 0));
}

TEST_F(CardPicturesTest, MissingExtraModuleReturnsToTheBuiltInSetAtTheStandardSize) {
  WriteSetting("Additional_Deck", "Roses");
  SetSession({{sr::CardSize, "X"}, {sr::AdditionalDeckSet, "N"}});
  Pictures().LoadCardSettings();
  EXPECT_EQ(host.Texts(), std::vector<std::string>{CannotLoadModuleMessage(program + "plus/soladd.rgf")});
  EXPECT_EQ(engine.session.Get(sr::CardSize), "B");
  EXPECT_EQ(Setting("Card_Size"), "B");
  EXPECT_EQ(Setting("Additional_Deck"), "");
  EXPECT_EQ(Pictures().Face(0).size(), QSize(71, 96));
  EXPECT_EQ(Centre(Pictures().Back()), kBack11);
}

TEST_F(CardPicturesTest, BuiltInBacksOtherThanElevenAreStretchedFromTheStandardSize) {
  struct Case {
    const char* letter;
    const char* back;
    QSize size;
    QRgb colour;
  };
  const Case cases[] = {
      {"S", "011", {85, 115}, kBack11Large}, {"S", "007", {85, 115}, kBack7},      {"B", "007", {71, 96}, kBack7},
      {"M", "007", {59, 80}, kBack7},        {"M", "011", {59, 80}, kBack11Medium}, {"B", "011", {71, 96}, kBack11},
  };
  for (const auto& c : cases) {
    SetSession({{sr::CardSize, c.letter}, {sr::BackCard, c.back}});
    Pictures().LoadCardBack();
    EXPECT_EQ(Pictures().Back().size(), c.size) << c.letter << c.back;
    EXPECT_EQ(Centre(Pictures().Back()), c.colour) << c.letter << c.back;
  }
}

TEST_F(CardPicturesTest, PlayerBackIsReadByItsNameAndFallsBackToBackEleven) {
  const QImage blue = Solid(71, 96, qRgb(0, 0, 200));
  const std::string jpeg = test::JpegBytes(blue);
  root.Write("data/custom decks/photo.jpg.bmp", jpeg);
  root.Write("data/custom decks/cut.jpg.bmp", jpeg.substr(0, jpeg.size() / 2));
  root.Write("data/custom decks/mine.bmp.bmp", test::BmpBytes(blue));
  root.Write("data/custom decks/fake.bmp.bmp", jpeg);  // a JPEG under a bitmap name is not a bitmap
  const std::string folder = data + "custom decks/";
  struct Case {
    const char* name;
    const char* message;  // "" for none; the path follows
    bool loaded;
  };
  const Case cases[] = {
      {"photo.jpg", "", true},
      {"mine.bmp", "", true},
      {"cut.jpg", "The format of the Customized deck image is not valid.\r", false},
      {"fake.bmp", "The format of the Customized deck image is not valid.\r", false},
      {"absent", "Customized deck image not found: ", false},
  };
  for (const auto& c : cases) {
    host.messages.clear();
    WriteSetting("Customized_Deck", c.name);
    SetSession({{sr::CardSize, "S"}, {sr::BackCard, "007"}, {sr::CustomizedDeckSet, "Y"}});
    Pictures().LoadCardBack();
    ASSERT_EQ(Pictures().Back().size(), QSize(85, 115)) << c.name;
    if (c.loaded) {
      EXPECT_TRUE(host.messages.empty()) << c.name;
      EXPECT_NEAR(qBlue(Centre(Pictures().Back())), 200, 4) << c.name;
      EXPECT_EQ(engine.session.Get(sr::CustomizedDeckSet), "Y") << c.name;
    } else {
      EXPECT_EQ(host.Texts(), std::vector<std::string>{c.message + folder + c.name + ".bmp"}) << c.name;
      EXPECT_EQ(Centre(Pictures().Back()), kBack11Large) << c.name;
      EXPECT_EQ(engine.session.Get(sr::BackCard), "011") << c.name;
      EXPECT_EQ(engine.session.Get(sr::CustomizedDeckSet), "N") << c.name;
      EXPECT_EQ(Setting("Customized_Deck"), "") << c.name;
    }
  }
}

TEST_F(CardPicturesTest, AdditionalBackComesFromTheCollectionByDisplayName) {
  root.Write("prog/plus/d01.dat", "D01=Red Roses\nD02=Roses\n");
  ResourceWriter backs;
  backs.AddPicture("D01", PngBytes(Solid(71, 96, qRgb(200, 0, 0))));
  backs.AddPicture("D02", PngBytes(Solid(71, 96, qRgb(0, 200, 0))));
  InstallPlusModule("d01.rgf", backs);
  WriteSetting("Additional_Deck", "Roses");
  SetSession({{sr::AdditionalDeckSet, "Y"}});
  Pictures().LoadCardBack();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(Centre(Pictures().Back()), qRgb(0, 200, 0));

  root.Write("data/Rnd_read.dat", "x");
  WriteSetting("Additional_Deck", "Tulips");
  Pictures().LoadCardBack();
  EXPECT_EQ(host.Texts(), std::vector<std::string>{std::string("Error loading the Deck: Tulips\r") +
                                                   "Please install again Tavrelin Plus!"});
  EXPECT_FALSE(root.Exists("data/Rnd_read.dat"));
  EXPECT_EQ(Centre(Pictures().Back()), kBack11);
  EXPECT_EQ(engine.session.Get(sr::AdditionalDeckSet), "N");
}

TEST_F(CardPicturesTest, ExtraLargeBackGetsRoundedWhiteCorners) {
  for (QRgb marker : {qRgb(255, 255, 255), qRgb(250, 250, 250)}) {
    InstallExtraModule(marker);
    pictures.reset();  // the extra module is opened once per CardPictures
    SetSession({{sr::CardSize, "X"}, {sr::BackCard, "011"}});
    Pictures().LoadCardBack();
    const QImage& back = Pictures().Back();
    ASSERT_EQ(back.size(), QSize(102, 138));
    const QRgb expected = marker == qRgb(255, 255, 255) ? qRgb(255, 255, 255) : kBack11;
    for (auto [x, y] : {std::pair{2, 1}, {2, 2}, {1, 2}, {99, 1}, {100, 2}, {2, 136}, {99, 135}})
      EXPECT_EQ(back.pixel(x, y), expected) << x << "," << y;
    EXPECT_EQ(back.pixel(4, 4), kBack11);
  }
}

TEST_F(CardPicturesTest, ShadowsLoseWhiteAndEdgesLosePureBlue) {
  Pictures().LoadCardSettings();
  const struct {
    const QImage& picture;
    const char* name;
  } strips[] = {{Pictures().RightShadow(), "shadow"}, {Pictures().VerticalEdge(), "edge"}};
  for (const auto& s : strips) {
    ASSERT_FALSE(s.picture.isNull()) << s.name;
    EXPECT_EQ(qAlpha(s.picture.pixel(0, 0)), 0) << s.name;
    EXPECT_EQ(qAlpha(s.picture.pixel(3, 0)), 255) << s.name;
  }
  EXPECT_EQ(qAlpha(Pictures().BottomShadow().pixel(1, 1)), 255);
  EXPECT_EQ(qAlpha(Pictures().HorizontalEdge().pixel(1, 1)), 0);
  EXPECT_EQ(Centre(Pictures().SpecialReserve()), qRgb(8, 8, 8));
}

TEST_F(CardPicturesTest, SymbolsByNameWithoutRegardToCase) {
  Pictures().LoadCardSettings();
  struct Case {
    const char* name;
    QRgb colour;
  };
  const Case cases[] = {
      {"StockUp", qRgb(22, 0, 0)}, {"FOUNDATION3", qRgb(13, 0, 0)}, {"stockvisible", qRgb(99, 0, 0)},
      {"EmptyPositionJQK", qRgb(8, 8, 8)}, {"Deck", kBack11},
  };
  for (const auto& c : cases) EXPECT_EQ(Centre(Pictures().LoadSymbol(c.name)), c.colour) << c.name;
  EXPECT_EQ(Centre(Pictures().LoadFamilyStockSymbol()), qRgb(21, 0, 0));
  EXPECT_TRUE(host.messages.empty());

  EXPECT_TRUE(Pictures().LoadSymbol("Foundation14").isNull());
  EXPECT_EQ(host.Texts(), std::vector<std::string>{"Error: Foundation14"});
}

TEST_F(CardPicturesTest, ExtraLargeSymbolsAreStretchedToTheCardSize) {
  InstallExtraModule();
  SetSession({{sr::CardSize, "X"}});
  const QImage symbol = Pictures().LoadSymbol("EmptyPosition");
  EXPECT_EQ(symbol.size(), QSize(102, 138));
  EXPECT_EQ(Centre(symbol), qRgb(1, 0, 0));
}

TEST(CollectionIndexTest, FindsTheResourceOfAnExactDisplayName) {
  test::TempDir program;
  program.Write("plus/b01.dat", "B01=Red Sunset\r\nB02 = Sunset \r\nbroken line\r\nB03=Sea\r\n");
  struct Case {
    Collection kind;
    const char* display;
    const char* resource;
  };
  const Case cases[] = {
      {Collection::Backgrounds, "Sunset", "B02"}, {Collection::Backgrounds, "Red Sunset", "B01"},
      {Collection::Backgrounds, "Sea", "B03"},    {Collection::Backgrounds, "Lake", ""},
      {Collection::Backgrounds, "", ""},          {Collection::Backs, "Sunset", ""},  // no index at all
  };
  for (const auto& c : cases)
    EXPECT_EQ(LookupCollectionItem(program.path(), c.kind, c.display), c.resource) << c.display;
}

TEST(ImageFileTest, MissingFileIsReportedAndGivesNoPicture) {
  test::TempDir dir;
  RecordingHost host;
  EXPECT_TRUE(ReadImageFile(host, dir / "gone.bmp", ImageFileKind::Bitmap).isNull());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, "error");
  EXPECT_EQ(host.messages[0].title, "Error");
  EXPECT_EQ(host.messages[0].text, "Cannot find images file:\r" + dir / "gone.bmp" + "\r" +
                                       "Some program components cannot be shown correctly.\r" +
                                       "Copy the file into the directory that above is specified\r" +
                                       "or reinstall the program.");
}

}  // namespace
}  // namespace orv
