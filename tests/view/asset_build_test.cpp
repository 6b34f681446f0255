// The asset build's sounds and its completeness check: the synthesised
// sounds play in the program's player and stay short and moderate, and the
// list of required names parses, holds the names the program asks for, and
// catches a module that lacks any of them.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>

#include "assets/required_names.h"
#include "assets/sounds.h"
#include "platform/files.h"
#include "platform/resource_writer.h"
#include "platform/wave.h"
#include "support/temp_dir.h"

namespace orv::assets {
namespace {

std::uint32_t Le(const std::string& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

std::int16_t SampleAt(const std::string& wav, std::size_t i) { return static_cast<std::int16_t>(Le(wav, 44 + 2 * i, 2)); }

std::string RequiredListText() {
  const auto text = ReadFileBytes(test::SourceDir() + "data/assets/required_names.txt");
  return text.value_or("");
}

std::string Png(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

// --- Sounds ---------------------------------------------------------------

TEST(SynthesisedSounds, HaveExactPcmHeadersTheProgramPlays) {
  for (std::string_view name : SoundNames()) {
    SCOPED_TRACE(std::string(name));
    const std::string wav = SynthesiseSound(name);
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(Le(wav, 4, 4), wav.size() - 8);
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Le(wav, 16, 4), 16u);
    EXPECT_EQ(Le(wav, 20, 2), 1u);  // PCM
    EXPECT_EQ(Le(wav, 22, 2), 1u);  // mono
    EXPECT_EQ(Le(wav, 24, 4), 22050u);
    EXPECT_EQ(Le(wav, 28, 4), 44100u);
    EXPECT_EQ(Le(wav, 32, 2), 2u);
    EXPECT_EQ(Le(wav, 34, 2), 16u);
    EXPECT_EQ(wav.substr(36, 4), "data");
    EXPECT_EQ(Le(wav, 40, 4), wav.size() - 44);
    const auto parsed = ParseWave(wav);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->format, SampleFormat::Int16);
    EXPECT_EQ(parsed->channels, 1);
    EXPECT_EQ(parsed->sampleRate, 22050);
  }
}

TEST(SynthesisedSounds, AreShortModerateAndStartAndEndAtRest) {
  struct Case {
    std::string_view name;
    int minMs, maxMs;
  };
  // The card noises are brief; the chimes ring a little; only the win and
  // the start-up sound may run longer.
  const Case cases[] = {
      {"card_up", 50, 300},    {"card_down", 50, 300},  {"Face_up", 50, 300},    {"Tableau", 50, 300},
      {"Stock", 80, 500},      {"Foundation", 150, 800}, {"Autoplay", 150, 800},  {"Pairing", 200, 1000},
      {"Red_no_a", 200, 1000}, {"Eddy", 200, 1000},     {"Redeal", 300, 1500},   {"Shuffle", 500, 1500},
      {"New", 300, 1000},      {"About", 300, 1500},    {"Won", 1000, 3000},     {"Splash", 1000, 3000},
  };
  ASSERT_EQ(std::size(cases), SoundNames().size());
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name));
    const std::string wav = SynthesiseSound(c.name);
    const auto parsed = ParseWave(wav);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_GE(parsed->DurationMs(), c.minMs);
    EXPECT_LE(parsed->DurationMs(), c.maxMs);
    const std::size_t count = (wav.size() - 44) / 2;
    int peak = 0;
    for (std::size_t i = 0; i < count; ++i) peak = std::max(peak, std::abs(SampleAt(wav, i)));
    // Normalised to a modest level: never silent, never near clipping.
    EXPECT_GT(peak, 32768 * 3 / 10);
    EXPECT_LT(peak, 32768 * 6 / 10);
    // No click at either end.
    EXPECT_LT(std::abs(SampleAt(wav, 0)), 328);
    EXPECT_LT(std::abs(SampleAt(wav, count - 1)), 328);
  }
}

TEST(SynthesisedSounds, LoopedSoundsFallSilentBeforeTheirEnd) {
  for (std::string_view name : {"Shuffle", "Redeal"}) {
    SCOPED_TRACE(std::string(name));
    ASSERT_TRUE(IsLoopedSound(name));
    const std::string wav = SynthesiseSound(name);
    const std::size_t count = (wav.size() - 44) / 2, tail = 22050 / 50;  // the last 20 ms
    int loudest = 0;
    for (std::size_t i = count - tail; i < count; ++i) loudest = std::max(loudest, std::abs(SampleAt(wav, i)));
    EXPECT_LT(loudest, 32768 / 50);
  }
}

TEST(SynthesisedSounds, AreTheSameOnEveryBuildAndOnlyForKnownNames) {
  for (std::string_view name : SoundNames()) EXPECT_EQ(SynthesiseSound(name), SynthesiseSound(name)) << name;
  EXPECT_TRUE(SynthesiseSound("Applause").empty());
  EXPECT_TRUE(SynthesiseSound("won").empty());  // the names are exact
}

// --- The list of required names -------------------------------------------

TEST(RequiredNamesList, ParsesAndHoldsTheNamesTheProgramAsksFor) {
  const RequiredList list = ParseRequiredNames(RequiredListText());
  EXPECT_TRUE(list.errors.empty()) << (list.errors.empty() ? "" : list.errors.front());
  struct Case {
    const char* name;
    ResourceKind kind;
    int width, height;
  };
  const Case cases[] = {
      {"TB_NEW_LARGE", ResourceKind::Picture, 32, 32},
      {"TB_AUTOPLAY_LARGE_DIS", ResourceKind::Picture, 32, 32},
      {"2000_TB_SAVE_SMALL_DIS", ResourceKind::Picture, 16, 16},
      {"TB_RESTORE_AFTER_F11_SMALL", ResourceKind::Picture, 16, 16},
      {"MN_WEB", ResourceKind::Picture, 16, 16},
      {"N_TREE5", ResourceKind::Picture, 16, 16},
      {"TREE5_SPIDER_TYPE_NOPLAYED", ResourceKind::Picture, 16, 16},
      {"TREE5_CUSTOMIZED_GAMES_WIN", ResourceKind::Picture, 16, 16},
      {"CB001H", ResourceKind::Picture, 355, 288},
      {"CM003S", ResourceKind::Picture, 295, 240},
      {"CX001C", ResourceKind::Picture, 510, 414},
      {"CL003D", ResourceKind::Picture, 125, 96},
      {"JOKER_S", ResourceKind::Picture, 85, 115},
      {"DB019", ResourceKind::Picture, 71, 96},
      {"DX011", ResourceKind::Picture, 102, 138},
      {"WM_WASTE", ResourceKind::Picture, 59, 80},
      {"WB021", ResourceKind::Picture, 71, 96},
      {"WX_TABLEAU", ResourceKind::Picture, 0, 0},
      {"3D_BORDER_X2", ResourceKind::Picture, 0, 0},
      {"Joker_L", ResourceKind::Picture, 25, 32},
      {"WL011", ResourceKind::Picture, 25, 32},
      {"Tab_a_10", ResourceKind::Picture, 0, 0},
      {"PROG_DISABLED", ResourceKind::Picture, 0, 0},
      {"STATUSBAR_RESERVE", ResourceKind::Picture, 0, 0},
      {"SUIT_SPADES", ResourceKind::Picture, 0, 0},
      {"Panel_pk", ResourceKind::Picture, 0, 0},
      {"CUR_ARROW1A", ResourceKind::Cursor, 32, 32},
      {"CUR_LEFT_HAND2B", ResourceKind::Cursor, 32, 32},
      {"Red_no_a", ResourceKind::Sound, 0, 0},
      {"card_up", ResourceKind::Sound, 0, 0},
  };
  for (const auto& c : cases) {
    const auto found = std::find_if(list.names.begin(), list.names.end(),
                                    [&](const RequiredName& r) { return r.name == c.name && r.kind == c.kind; });
    ASSERT_NE(found, list.names.end()) << c.name;
    EXPECT_EQ(found->width, c.width) << c.name;
    EXPECT_EQ(found->height, c.height) << c.name;
  }
}

TEST(RequiredNamesList, NamesExactlyTheTwelveCursorsAndTheSoundsTheBuildMakes) {
  const RequiredList list = ParseRequiredNames(RequiredListText());
  std::set<std::string> sounds, cursors;
  for (const auto& r : list.names) {
    if (r.kind == ResourceKind::Sound) sounds.insert(r.name);
    if (r.kind == ResourceKind::Cursor) cursors.insert(r.name);
  }
  EXPECT_EQ(cursors.size(), 12u);
  EXPECT_EQ(sounds, std::set<std::string>(SoundNames().begin(), SoundNames().end()));
}

TEST(RequiredNamesList, ReportsEachBadLineWithItsNumber) {
  struct Case {
    const char* text;
    const char* error;  // the start of the only error, empty for none
  };
  const Case cases[] = {
      {"[pictures]\nSPLASH\n[sounds]\nSPLASH  # a sound may share a picture's name\n", ""},
      {"[pictures]\nCB001H 355x288   # a size\n\n# a comment\n", ""},
      {"SPLASH\n", "line 1: a name before the first section"},
      {"[widgets]\nA\nB\n", "line 1: unknown section"},
      {"[pictures]\nA 0x96\n", "line 2: not a size"},
      {"[pictures]\nA 71*96\n", "line 2: not a size"},
      {"[pictures]\nA 71x96 B\n", "line 2: unexpected text after A"},
      {"[sounds]\nWon 10x10\n", "line 2: unexpected text after Won"},
      {"[pictures]\nTREE1\n\ntree1\n", "line 4: tree1 already listed on line 2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const RequiredList list = ParseRequiredNames(c.text);
    if (*c.error == '\0') {
      EXPECT_TRUE(list.errors.empty());
    } else {
      ASSERT_EQ(list.errors.size(), 1u);
      EXPECT_EQ(list.errors[0].rfind(c.error, 0), 0u) << list.errors[0];
    }
  }
}

TEST(RequiredNamesList, ReadsPictureSizesFromThePngHeader) {
  EXPECT_EQ(PngSize(Png(355, 288)), std::pair(355, 288));
  EXPECT_EQ(PngSize(Png(1, 2)), std::pair(1, 2));
  EXPECT_FALSE(PngSize("").has_value());
  EXPECT_FALSE(PngSize(Png(5, 5).substr(0, 20)).has_value());
  EXPECT_FALSE(PngSize(std::string(64, 'x')).has_value());
}

// --- The check over built modules -------------------------------------------

const char* const kList =
    "[pictures]\n"
    "CB001H 355x288\n"
    "SPLASH\n"
    "JOKER_X 102x138\n"
    "[cursors]\n"
    "CUR_ARROW1A 32x32\n"
    "[sounds]\n"
    "Won\n";

// A program folder whose modules hold everything kList asks for but the one
// name left out; each case then spoils one thing.
struct Folder {
  ResourceWriter main, extra;
  explicit Folder(std::string_view without = "") {
    auto wanted = [&](std::string_view name) { return name != without; };
    if (wanted("CB001H")) main.AddPicture("CB001H", Png(355, 288));
    if (wanted("SPLASH")) main.AddPicture("SPLASH", Png(100, 50));
    if (wanted("CUR_ARROW1A")) main.AddCursor("CUR_ARROW1A", Png(32, 32), 1, 1);
    if (wanted("Won")) main.AddSound("Won", SynthesiseSound("Won"));
    if (wanted("JOKER_X")) extra.AddPicture("JOKER_X", Png(102, 138));
  }
  bool Check(const test::TempDir& dir, std::string& report) const {
    dir.Write("required.txt", kList);
    dir.Write("plus/.keep", "");
    main.Save(dir / "SOL.RGF");
    extra.Save(dir / "plus/soladd.rgf");
    return CheckRequiredNames(dir.path(), dir / "required.txt", report);
  }
};

TEST(RequiredNamesCheck, PassesACompleteFolder) {
  test::TempDir dir;
  std::string report;
  EXPECT_TRUE(Folder().Check(dir, report)) << report;
  EXPECT_EQ(report, "5 required names checked, 0 problems\n");
}

TEST(RequiredNamesCheck, NamesEveryMissingOrUnusableResource) {
  struct Case {
    const char* what;
    const char* without;
    void (*spoil)(Folder&);
    const char* problem;
  };
  const Case cases[] = {
      {"a missing picture", "SPLASH", [](Folder&) {}, "missing picture SPLASH in "},
      {"a missing cursor", "CUR_ARROW1A", [](Folder&) {}, "missing cursor CUR_ARROW1A in "},
      {"a missing sound", "Won", [](Folder&) {}, "missing sound Won in "},
      {"an extra-large picture in the image module", "JOKER_X",
       [](Folder& f) { f.main.AddPicture("JOKER_X", Png(102, 138)); }, "missing picture JOKER_X in "},
      {"a sheet of the wrong size", "", [](Folder& f) { f.main.AddPicture("CB001H", Png(356, 288)); },
       "CB001H: 355x288 expected, found 356x288"},
      {"a picture that is no PNG", "", [](Folder& f) { f.main.AddPicture("SPLASH", "BM not a png"); },
       "SPLASH: not a PNG picture"},
      {"a hot spot off the cursor", "", [](Folder& f) { f.main.AddCursor("CUR_ARROW1A", Png(32, 32), 32, 0); },
       "CUR_ARROW1A: hot spot outside the cursor"},
      {"a sound the player cannot play", "", [](Folder& f) { f.main.AddSound("Won", "RIFF....WAVEjunk"); },
       "Won: not a sound the player can play"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    Folder folder(c.without);
    c.spoil(folder);
    std::string report;
    EXPECT_FALSE(folder.Check(dir, report));
    EXPECT_NE(report.find(c.problem), std::string::npos) << report;
    EXPECT_NE(report.find(", 1 problem\n"), std::string::npos) << report;
  }
}

TEST(RequiredNamesCheck, FailsWithoutModulesOrList) {
  test::TempDir dir;
  dir.Write("required.txt", kList);
  std::string report;
  EXPECT_FALSE(CheckRequiredNames(dir.path(), dir / "required.txt", report));
  EXPECT_NE(report.find("cannot open " + dir.path() + "SOL.RGF"), std::string::npos) << report;
  EXPECT_NE(report.find("cannot open " + dir.path() + "plus/soladd.rgf"), std::string::npos) << report;
  EXPECT_FALSE(CheckRequiredNames(dir.path(), dir / "absent.txt", report));
  EXPECT_NE(report.find("cannot read the list"), std::string::npos) << report;
}

TEST(RequiredNamesCheck, ChecksTheAdditionalCollectionsAgainstTheirIndexes) {
  test::TempDir dir;
  Folder folder;
  dir.Write("plus/c01.dat", "KIDS=Children's Card Set\nODD=Odd Set\nGONE=Gone Set\n");
  dir.Write("plus/d01.dat", "STARS=Night Sky\n");
  ResourceWriter cards, backs;
  cards.AddPicture("KIDS", Png(5 * 71, 12 * 96));
  cards.AddPicture("ODD", Png(356, 1152));
  backs.AddPicture("STARS", Png(102, 138));
  cards.Save(dir / "plus/c01.rgf");
  backs.Save(dir / "plus/d01.rgf");
  std::string report;
  EXPECT_FALSE(folder.Check(dir, report));
  EXPECT_NE(report.find("ODD in " + dir.path() + "plus/c01.rgf: not a usable picture"), std::string::npos) << report;
  EXPECT_NE(report.find("missing GONE in " + dir.path() + "plus/c01.rgf"), std::string::npos) << report;
  EXPECT_NE(report.find(", 2 problems\n"), std::string::npos) << report;
}

}  // namespace
}  // namespace orv::assets
