#include <gtest/gtest.h>

#include "platform/recording_host.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

constexpr const char* kLowColourAdvice =
    "At this time your video driver supports 256 colors or less. This program takes advantage of the 16 bit "
    "(65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. \rIf your video driver "
    "allows High or True color mode settings (16 bit or 24 bit), modify your screen resolution using the Display "
    "Properties Settings in the Control Panel.";

class StartupTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  RecordingHost host;
  ProfileFile settings{dir / "Cfg.dat"};
  SessionRecord record;

  // Reads a settings file holding these "Preference" lines.
  StartupSettings ReadWith(const std::string& preferenceLines,
                           const std::function<bool(std::string_view)>& hasImage = {}) {
    dir.Write("Cfg.dat", "[Preference]\n" + preferenceLines);
    return ReadStartupSettings(host, settings, record, hasImage);
  }
};

TEST_F(StartupTest, EmptySettingsGiveEveryDefaultAndTheThreePlayers) {
  const StartupSettings s = ReadStartupSettings(host, settings, record);
  struct Case { SrField field; const char* expected; };
  const Case cases[] = {
      {sr::SettingsFileName, "Cfg.dat"}, {sr::ShowToolTips, "Y"},       {sr::BackCard, "011"},
      {sr::CardSet, "001"},              {sr::CardSize, "B"},           {sr::BackgroundImage, "0"},
      {sr::BackgroundFixedColour, "32768"}, {sr::BackgroundColour, "-2147483633"},
      {sr::BackgroundDefault, "N"},      {sr::FadeBackground, "Y"},     {sr::CustomizedBackgroundSet, "N"},
      {sr::AdditionalCardsSet, "N"},     {sr::GameNumber, "18"},        {sr::GameName, "Spider"},
      {sr::ShowTime, "Y"},               {sr::ShowScore, "Y"},          {sr::CardsAnimate, "Y"},
      {sr::CardsShadowed, "Y"},          {sr::UntidyPiles, "N"},        {sr::AutomaticFaceUp, "Y"},
      {sr::Language, "20000"},           {sr::SpeedMoveCard, "10"},     {sr::PlayerName, "Player 1"},
      {sr::UndoEnabled, "0"},            {sr::ConfirmQuitGame, "N"},    {sr::SoundsEnabled, "Y"},
      {sr::SoundsNewGame, "N"},          {sr::SoundsRedealWithoutAnimation, "Y"},
      {sr::RandomBackground, "N"},       {sr::RandomDeck, "N"},         {sr::ShowPartialHiddenCard, "Y"},
      {sr::RightClickToTableaus, "Y"},   {sr::DoubleClickToFoundations, "Y"},
      {sr::DoubleClickToTableaus, "N"},  {sr::Cursor, "10"},            {sr::ScoringSystem, "01"},
  };
  for (const auto& c : cases) EXPECT_EQ(record.Get(c.field), c.expected) << "position " << c.field.pos;
  EXPECT_TRUE(s.toolbarLarge);
  EXPECT_TRUE(s.toolbarFlat);
  EXPECT_FALSE(s.disableStatistics);
  EXPECT_EQ(s.highlightsFoundationsMark, 0);
  EXPECT_EQ(s.autoplayAllGames, 1);
  EXPECT_TRUE(s.autoplay);
  EXPECT_TRUE(s.firstRun);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(settings.ReadString("Preference", "UserDefault", ""), "Player 1");
  EXPECT_EQ(settings.Keys("Users"), (std::vector<std::string>{"User001", "User002", "User003"}));
  EXPECT_EQ(settings.ReadString("Users", "User003", ""), "Player 3");

  // The next start finds its player and creates nobody.
  SessionRecord again;
  EXPECT_FALSE(ReadStartupSettings(host, settings, again).firstRun);
  EXPECT_EQ(again.Get(sr::PlayerName), "Player 1");
}

TEST_F(StartupTest, ValuesAreReadAndCorrected) {
  struct Case { const char* lines; SrField field; const char* expected; };
  const Case cases[] = {
      {"Back_Card=0\n", sr::BackCard, "001"},
      {"Back_Card=7\n", sr::BackCard, "007"},
      {"Back_Card=abc\n", sr::BackCard, "011"},
      {"Back_Card=1000\n", sr::BackCard, "011"},
      {"Card=2\n", sr::CardSet, "002"},
      {"Card=4\n", sr::CardSet, "001"},  // no "CB004H" picture
      {"Background_Col=0\n", sr::BackgroundColour, "-2147483633"},
      {"Background_Col=255\n", sr::BackgroundColour, "255"},
      {"Background_bmp=\n", sr::BackgroundImage, "0"},
      {"Background_bmp=12\n", sr::BackgroundImage, "12"},
      {"Game=abc\n", sr::GameNumber, "18"},
      {"Game=8003\n", sr::GameNumber, "8003"},
      {"Game=-1\n", sr::GameNumber, "-1"},
      {"Game_name=Klondike\n", sr::GameName, "Klondike"},
      {"Speed_Move_Card=100\n", sr::SpeedMoveCard, "10"},  // does not fit its two characters
      {"Cursor=22\n", sr::Cursor, "22"},
      {"Customized_Deck=back.jpg\n", sr::CustomizedDeckSet, "Y"},
      {"Customized_Deck=back.jpg\n", sr::CustomizedBackgroundSet, "N"},
      {"Additional_Background=x.bmp\n", sr::AdditionalBackgroundSet, "Y"},
      {"Cards_Animate=N\n", sr::CardsShadowed, "N"},
      {"Cards_Animate=N\nCards_Shadowed=Y\n", sr::CardsShadowed, "Y"},
      {"Cards_Animate=Y\nCards_Shadowed=N\n", sr::CardsShadowed, "N"},
      {"sounds_stock=N\n", sr::SoundsStock, "N"},
      {"DoubleClick_To_Tableaus=Y\n", sr::DoubleClickToTableaus, "Y"},
  };
  for (const auto& c : cases) {
    record = SessionRecord();
    ReadWith(std::string("UserDefault=Ann\n") + c.lines);
    EXPECT_EQ(record.Get(c.field), c.expected) << c.lines;
  }
}

TEST_F(StartupTest, CardSetFourNeedsItsPicture) {
  std::vector<std::string> asked;
  ReadWith("Card=4\n", [&](std::string_view name) {
    asked.emplace_back(name);
    return true;
  });
  EXPECT_EQ(record.Get(sr::CardSet), "004");
  EXPECT_EQ(asked, std::vector<std::string>{"CB004H"});
}

TEST_F(StartupTest, ValuesKeptOutsideTheRecord) {
  const StartupSettings s = ReadWith(
      "UserDefault=Ann\nToolBar_Large=N\nToolBar_Flat=N\nDisable_Statistics=Y\nHighLights_Foundations_Mark=2\n"
      "AutoPlay_All_Games=2\nAutoPlay=N\n");
  EXPECT_FALSE(s.toolbarLarge);
  EXPECT_FALSE(s.toolbarFlat);
  EXPECT_TRUE(s.disableStatistics);
  EXPECT_EQ(s.highlightsFoundationsMark, 2);
  EXPECT_EQ(s.autoplayAllGames, 2);
  EXPECT_FALSE(s.autoplay);
  EXPECT_FALSE(s.firstRun);
  EXPECT_FALSE(settings.SectionExists("Users"));
}

TEST_F(StartupTest, LowColourScreenGetsTheAdviceAndCardSetThree) {
  host.screen.bitsPerPixel = 8;
  ReadWith("UserDefault=Ann\n");
  EXPECT_EQ(record.Get(sr::CardSet), "003");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, "advice");
  EXPECT_EQ(host.messages[0].text, kLowColourAdvice);
  EXPECT_EQ(host.messages[0].page, 0);

  // A card set stored earlier wins over the low-colour default.
  host.messages.clear();
  dir.Write("Cfg.dat", "[Preference]\nUserDefault=Ann\nCard=2\n[Show_Messages]\nScreen_Under_256_Colors=N\n");
  ReadStartupSettings(host, settings, record);
  EXPECT_EQ(record.Get(sr::CardSet), "002");
  EXPECT_TRUE(host.messages.empty());
}

TEST(ShowAdvice, ShownUnlessRefusedAndRememberedWhenTicked) {
  struct Case { const char* stored; bool ticked; bool shown; const char* storedAfter; };
  const Case cases[] = {
      {nullptr, false, true, "<none>"},
      {nullptr, true, true, "N"},
      {"Y", true, true, "N"},
      {"N", true, false, "N"},
      {"y", false, true, "y"},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    ProfileFile settings(dir / "Cfg.dat");
    if (c.stored) settings.WriteString("Show_Messages", "Msg_Cards_Large", c.stored);
    RecordingHost host;
    host.adviceTicked = c.ticked;
    ShowAdvice(host, settings, "Large cards.", "Msg_Cards_Large", 3);
    ASSERT_EQ(host.messages.size(), c.shown ? 1u : 0u) << (c.stored ? c.stored : "(none)");
    if (c.shown) {
      EXPECT_EQ(host.messages[0].kind, "advice");
      EXPECT_EQ(host.messages[0].text, "Large cards.");
      EXPECT_EQ(host.messages[0].page, 3);
    }
    EXPECT_EQ(settings.ReadString("Show_Messages", "msg_cards_large", "<none>"), c.storedAfter);
  }
}

}  // namespace
}  // namespace orv
