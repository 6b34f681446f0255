#include "view/card_size.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "picture_fixture.h"
#include "settings/settings.h"

namespace orv {
namespace {

using test::CellColour;
using test::Centre;

TEST(DecideCardSizeTest, RestoresSavesAndReducesByScreenAndClass) {
  struct Case {
    int width;
    int sizeClass;
    const char* current;
    const char* saved;
    const char* letter;
    bool save;
    const char* notice;  // key; "" for none
  };
  const Case cases[] = {
      // The standard size fits every game except class 1 and 2 on small screens.
      {640, 0, "B", "", "B", false, ""},
      {640, 1, "B", "", "M", true, "Msg_Cards_Medium_640x480"},
      {640, 2, "B", "", "M", true, "Msg_Cards_Medium_800x600"},
      {800, 1, "B", "", "B", false, ""},
      {800, 2, "B", "", "M", true, "Msg_Cards_Medium_800x600"},
      {1024, 2, "B", "", "B", true, ""},
      {1280, 2, "B", "", "B", false, ""},
      // Extra large needs 810 pixels, and 1100 for class 2.
      {640, 0, "X", "", "B", true, "Msg_Extra_Large_Cards"},
      {800, 0, "X", "", "S", true, "Msg_Extra_Large_Cards"},
      {800, 1, "X", "", "B", true, "Msg_Extra_Large_Cards"},
      {1024, 1, "X", "", "X", false, ""},
      {1024, 2, "X", "", "B", true, "Msg_Extra_Large_Cards"},
      {1280, 2, "X", "", "X", false, ""},
      // Large needs 650 pixels, 810 for class 1.
      {640, 0, "S", "", "B", true, "Msg_Cards_Large"},
      {800, 0, "S", "", "S", false, ""},
      {800, 1, "S", "", "B", true, "Msg_Cards_Large"},
      {1024, 2, "S", "", "B", true, "Msg_Cards_Large"},
      {640, 2, "S", "", "M", true, "Msg_Cards_Medium_800x600"},
      // Medium is never saved, so it never gives a notice.
      {640, 1, "M", "", "M", false, ""},
      {1024, 0, "M", "", "M", false, ""},
      // A saved size comes back when the game fits; otherwise the reduction
      // follows the saved size, without saving again or a notice.
      {1024, 1, "B", "X", "X", false, ""},
      {1280, 2, "B", "X", "X", false, ""},
      {1024, 2, "B", "X", "B", false, ""},
      {800, 0, "B", "X", "S", false, ""},
      {640, 0, "B", "X", "B", false, ""},
      {800, 0, "M", "S", "S", false, ""},
      {800, 1, "M", "S", "B", false, ""},
      {640, 0, "M", "S", "B", false, ""},
  };
  for (const auto& c : cases) {
    const SizeChoice choice = DecideCardSize({c.width, c.sizeClass, c.current, c.saved});
    const std::string where = std::to_string(c.width) + " class " + std::to_string(c.sizeClass) + " " + c.current +
                              "/" + c.saved;
    EXPECT_EQ(choice.letter, c.letter) << where;
    EXPECT_EQ(choice.save, c.save) << where;
    EXPECT_EQ(NoticeKey(choice.notice), c.notice) << where;
  }
}

class ChooseCardSizeTest : public test::PictureTest {
 protected:
  ChooseCardSizeTest() {
    ResourceWriter module;
    for (int suit = 0; suit < 4; ++suit)
      module.AddPicture(std::string("CB001") + "HDCS"[suit], test::PngBytes(test::CardSheet(71, 96, 3, suit)));
    InstallImageModule(module);
    ResourceWriter extra;
    extra.AddPicture("DX011", test::PngBytes(test::Solid(102, 138, qRgb(1, 2, 3))));
    InstallPlusModule("soladd.rgf", extra);
  }

  // A game chosen by the player: the new-game sequence clears the field.
  CardSizeOutcome PlayChosenGame(int width, int sizeClass) {
    host.screen.width = width;
    engine.params.Set(P::CardSizeClass, sizeClass);
    Pictures().sizeFields.forcedSize = 0;
    return ChooseCardSize(engine, Pictures());
  }

  std::vector<std::string> Advice() const {
    std::vector<std::string> out;
    for (const auto& m : host.messages)
      if (m.kind == "advice") out.push_back(m.text);
    return out;
  }
};

TEST_F(ChooseCardSizeTest, ClassTwoGameTakesBackThePlayersExtraLargeSetUntilAGameFits) {
  root.Write("data/custom card sets/Mine.crs", test::BmpBytes(test::CardSheet(102, 138, 12)));
  WriteSetting("Customized_Cards_Set", "Mine");
  SetSession({{sr::CardSize, "X"}, {sr::CustomizedCardsSet, "Y"}});
  Pictures().LoadCardSettings();
  ASSERT_EQ(Pictures().Face(0).width(), 102);

  const CardSizeOutcome reduced = PlayChosenGame(1024, 2);
  EXPECT_EQ(engine.session.Get(sr::CardSize), "B");
  EXPECT_EQ(engine.session.Get(sr::CustomizedCardsSet), "N");
  EXPECT_EQ(engine.session.Get(sr::CardSet), "001");
  EXPECT_EQ(engine.session.Get(sr::CardSizeKept), "X");
  EXPECT_EQ(engine.session.Get(sr::CustomizedCardsSetKept), "Y");
  EXPECT_EQ(Setting("Customized_Cards_Set_Old_Big"), "Mine");
  EXPECT_EQ(Setting("Customized_Cards_Set"), "Mine");  // the player's choice survives an exit now
  EXPECT_EQ(Advice(), std::vector<std::string>{NoticeText(SizeNotice::ExtraLarge, "Spider")});
  EXPECT_TRUE(reduced.picturesReloaded);
  EXPECT_TRUE(reduced.repaintNow);
  EXPECT_FALSE(reduced.customizeEnabled);
  EXPECT_EQ(Pictures().Face(0).width(), 71);
  EXPECT_EQ(engine.main.cardWidth, 71);

  const CardSizeOutcome restored = PlayChosenGame(1024, 1);
  EXPECT_EQ(engine.session.Get(sr::CardSize), "X");
  EXPECT_EQ(engine.session.Get(sr::CustomizedCardsSet), "Y");
  EXPECT_EQ(engine.session.Get(sr::CardSizeKept), "");
  EXPECT_EQ(Setting("Customized_Cards_Set_Old_Big"), "");
  EXPECT_EQ(Setting("Customized_Cards_Set"), "Mine");
  EXPECT_TRUE(restored.picturesReloaded);
  EXPECT_TRUE(restored.customizeEnabled);
  EXPECT_EQ(Advice().size(), 1u);
  ASSERT_EQ(Pictures().Face(14).width(), 102);
  EXPECT_EQ(Centre(Pictures().Face(14)), CellColour(1, 0, 1));  // two of diamonds, from the player's sheet
  EXPECT_EQ(engine.main.cardHeight, 138);
}

TEST_F(ChooseCardSizeTest, NoticesAreGivenOncePerRunAndNeverForTheStartUpGame) {
  SetSession({{sr::CardSize, "X"}});
  struct Step {
    int width;
    int sizeClass;
    const char* letter;
    SizeNotice shown;  // None: nothing shown in this step
  };
  const Step steps[] = {
      {1024, 2, "B", SizeNotice::ExtraLarge},
      {1024, 0, "X", SizeNotice::None},
      {1024, 2, "B", SizeNotice::None},  // due, but the shared field is spent
      {1024, 0, "X", SizeNotice::None},
      {800, 0, "S", SizeNotice::None},   // the same
      {1024, 0, "X", SizeNotice::None},
      {640, 1, "M", SizeNotice::Medium640x480},  // a field of its own
      {1024, 0, "X", SizeNotice::None},
      {640, 1, "M", SizeNotice::None},
  };
  for (size_t i = 0; i < std::size(steps); ++i) {
    const auto& s = steps[i];
    const size_t before = Advice().size();
    PlayChosenGame(s.width, s.sizeClass);
    EXPECT_EQ(engine.session.Get(sr::CardSize), s.letter) << "step " << i;
    const std::vector<std::string> all = Advice();
    const std::vector<std::string> shown(all.begin() + static_cast<long>(before), all.end());
    if (s.shown == SizeNotice::None) EXPECT_TRUE(shown.empty()) << "step " << i;
    else EXPECT_EQ(shown, std::vector<std::string>{NoticeText(s.shown, "Spider")}) << "step " << i;
  }
}

TEST_F(ChooseCardSizeTest, TheGameRestoredAtStartUpReducesSilently) {
  SetSession({{sr::CardSize, "X"}});
  host.screen.width = 1024;
  engine.params.Set(P::CardSizeClass, 2);
  ASSERT_EQ(Pictures().sizeFields.forcedSize, 2);
  const CardSizeOutcome out = ChooseCardSize(engine, Pictures());
  EXPECT_EQ(engine.session.Get(sr::CardSize), "B");
  EXPECT_TRUE(Advice().empty());
  EXPECT_FALSE(out.repaintNow);
  // The next chosen game may not give it either: nothing new is saved.
  EXPECT_EQ(PlayChosenGame(1024, 2).repaintNow, false);
  EXPECT_TRUE(Advice().empty());
  EXPECT_EQ(Pictures().sizeFields.forcedSize, 1);
}

TEST_F(ChooseCardSizeTest, ReloadsWhenOnlyTheFacePicturesOfTheGameChange) {
  Pictures().LoadCardSettings();
  EXPECT_FALSE(PlayChosenGame(1024, 0).picturesReloaded);

  engine.params.Set(P::FacePictures, 1);
  EXPECT_TRUE(PlayChosenGame(1024, 0).picturesReloaded);
  EXPECT_EQ(Centre(Pictures().Face(0)), CellColour(3, 0, 0));  // ace of hearts drawn as the ace of spades
  EXPECT_FALSE(PlayChosenGame(1024, 0).picturesReloaded);
}

}  // namespace
}  // namespace orv
