// Pictures of the tree views: group folders, one small card picture per game
// family with its won-state variants, the list icons of the customize
// dialog, and the rating meters of the game preview.
#include <array>

#include "assets/interface_pictures.h"

namespace orv::assets::ui {
namespace {

constexpr int kTreeIcon = 16;
constexpr int kColouredFolders = 32;  // the theme's folders are coloured from this size on
const QColor kFolderInk(0x31, 0x36, 0x3b);

// The game families, in the order of their group codes 2 to 27, then the
// custom games.
constexpr std::array<const char*, 27> kFamilies{
    "CANFIELD_TYPE",    "FORTYTHIEVES_TYPE",   "FREECELL_TYPE",  "KLONDIKE_TYPE",        "PAIRING_TYPE",
    "SIMPLEGAMES_TYPE", "SPIDER_TYPE",         "1DECK_TYPE",     "2DECK_TYPE",           "FAN_TYPE",
    "BAKERSDOZEN_TYPE", "ROW_TYPE",            "PUZZLE_TYPE",    "ADDITION_TYPE",        "MEMORY_TYPE",
    "BELEAGUEREDCASTLE_TYPE", "QUEENOFITALY_TYPE", "YUKON_TYPE", "MATHEMATICAL_TYPE",    "SIRTOMMY_TYPE",
    "NONBUILDERS_TYPE", "STRIPPEDDECK_TYPE",   "FOURSEASONS_TYPE", "FAERIEQUEEN_TYPE",   "FLOWERGARDEN_TYPE",
    "SLYFOX_TYPE",      "CUSTOMIZED_GAMES"};

// Won state of the tree: the card back takes the state's colour, so that the
// state reads at a glance while the front card keeps the family's suit.
struct WonState {
  const char* suffix;
  QRgb back;  // 0: the family's own colour
};
constexpr std::array<WonState, 4> kWonStates{{{"", 0}, {"_WIN", 0x2e9d44}, {"_NOWIN", 0xc62828}, {"_NOPLAYED", 0xa0a0a0}}};

// Neighbouring families get well separated hues, taken only from the
// oranges and from the blues to purples: green and red mean won and lost.
QColor FamilyColour(int index) {
  constexpr int kWarm = 45, kCool = 150;  // widths of the two hue bands
  const int t = (index * 71) % (kWarm + kCool);
  return QColor::fromHsv(t < kWarm ? 30 + t : 170 + (t - kWarm), 170, 185);
}

QImage FamilyIcon(int index, const WonState& state) {
  QImage image = Blank(kTreeIcon, kTreeIcon);
  QPainter p(&image);
  const bool custom = index == static_cast<int>(kFamilies.size()) - 1;
  const QColor back = state.back ? QColor(state.back) : custom ? QColor(120, 60, 170) : FamilyColour(index);
  PaintCardBack(p, QRectF(0, 0, 10, 13), back);
  PaintCardFace(p, QRectF(6, 2, 10, 14), index % 4);
  if (custom) {  // a pencil stroke across the face: the player's own game
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(230, 150, 20), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8.5, 13.5), QPointF(14, 8));
  }
  if (state.back == kWonStates[3].back) {  // never played: the whole picture fades
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.fillRect(image.rect(), QColor(255, 255, 255, 110));
  }
  return image;
}

struct GroupFolder {
  const char* prefix;  // "F_" for "F_TREE1"
  QRgb colour;
};
constexpr std::array<GroupFolder, 6> kGroupFolders{{
    {"", 0x3daee9},    // plain groups: the theme's own blue
    {"F_", 0xe08a1e},  // customized games
    {"D_", 0x27ae60},  // game types
    {"I_", 0x8e44ad},  // games by features
    {"T_", 0x7f8c8d},  // other groups
    {"C_", 0xda4453},  // new games
}};

// A small felt-green landscape: the list icon of the backgrounds.
QImage BackgroundIcon() {
  QImage image = Blank(kTreeIcon, kTreeIcon);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient felt(0, 2, 0, 14);
  felt.setColorAt(0, QColor(40, 160, 60));
  felt.setColorAt(1, QColor(10, 60, 20));
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(felt);
  p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 1.5, 1.5);
  return image;
}

}  // namespace

bool TreePictures(PictureList& out, std::string& error) {
  for (const auto& [prefix, colour] : kGroupFolders) {
    const QImage closed = ThemeIcon("places/folder", kTreeIcon, kFolderInk, QColor(colour), kColouredFolders);
    const QImage open = ThemeIcon("places/folder-open", kTreeIcon, kFolderInk, QColor(colour), kColouredFolders);
    if (closed.isNull() || open.isNull()) {
      error = "the icon theme lacks places/folder or places/folder-open (install breeze-icon-theme)";
      return false;
    }
    out.push_back({std::string(prefix) + "TREE1", Flatten(closed, kWhite, kKeyMagenta)});
    out.push_back({std::string(prefix) + "TREE2", Flatten(open, kWhite, kKeyMagenta)});
  }
  for (std::size_t i = 0; i < kFamilies.size(); ++i) {
    for (const auto& state : kWonStates) {
      out.push_back({std::string("TREE5_") + kFamilies[i] + state.suffix,
                     Flatten(FamilyIcon(static_cast<int>(i), state), kWhite, kKeyMagenta)});
    }
  }
  QImage back = Blank(kTreeIcon, kTreeIcon);
  {
    QPainter p(&back);
    PaintCardBack(p, QRectF(3, 1, 11, 15), QColor(30, 80, 170));
  }
  out.push_back({"N_TREE3", Flatten(back, kWhite, kKeyMagenta)});
  out.push_back({"N_TREE4", Flatten(BackgroundIcon(), kWhite, kKeyMagenta)});
  const QImage hint = ThemeIcon("status/dialog-information", kTreeIcon, QColor(0x1d, 0x99, 0xf3));
  if (hint.isNull()) {
    error = "the icon theme lacks status/dialog-information (install breeze-icon-theme)";
    return false;
  }
  out.push_back({"N_TREE5", Flatten(hint, kWhite, kKeyMagenta)});
  return true;
}

// Rating meters: a row of segments, as many as the rating has levels, the
// first `level` of them lit.
namespace {

constexpr int kMeterWidth = 61, kMeterHeight = 12;

QImage Meter(int level, int levels, const QColor& lit) {
  QImage image(kMeterWidth, kMeterHeight, QImage::Format_RGB32);
  image.fill(QColor(112, 112, 112));
  QPainter p(&image);
  const int cell = (kMeterWidth - 1) / levels;
  for (int i = 0; i < levels; ++i) {
    const QRect segment(1 + i * cell, 1, cell - 1, kMeterHeight - 2);
    if (i < level) {
      QLinearGradient shine(0, 1, 0, kMeterHeight - 1);
      shine.setColorAt(0, lit.lighter(150));
      shine.setColorAt(1, lit);
      p.fillRect(segment, shine);
    } else {
      p.fillRect(segment, QColor(232, 232, 232));
    }
  }
  return image;
}

struct Rating {
  const char* name;
  int level;
  int levels;
  QRgb colour;
};

constexpr std::array<Rating, 16> kRatings{{
    {"PROG_TIME_QUICK", 1, 3, 0x2f80d0},         {"PROG_TIME_MEDIUM", 2, 3, 0x2f80d0},
    {"PROG_TIME_LONG", 3, 3, 0x2f80d0},          {"PROG_DIFF_EASY", 1, 3, 0x2e9d44},
    {"PROG_DIFF_MEDIUM", 2, 3, 0xe08a1e},        {"PROG_DIFF_HARD", 3, 3, 0xc62828},
    {"PROG_SKILL_CHANCEONLY", 1, 5, 0x8e44ad},   {"PROG_SKILL_MOSTLYCHANCE", 2, 5, 0x8e44ad},
    {"PROG_SKILL_MODERATE", 3, 5, 0x8e44ad},     {"PROG_SKILL_MOSTLYSKILL", 4, 5, 0x8e44ad},
    {"PROG_SKILL_DIFFICULT", 5, 5, 0x8e44ad},    {"PROG_CHAN_VERYLOW", 1, 5, 0x2e9d44},
    {"PROG_CHAN_LOW", 2, 5, 0x2e9d44},           {"PROG_CHAN_MEDIUM", 3, 5, 0x2e9d44},
    {"PROG_CHAN_HIGH", 4, 5, 0x2e9d44},          {"PROG_CHAN_VERYHIGH", 5, 5, 0x2e9d44},
}};

}  // namespace

PictureList RatingPictures() {
  PictureList out;
  for (const auto& r : kRatings) out.push_back({r.name, Meter(r.level, r.levels, QColor(r.colour))});
  out.push_back({"PROG_DISABLED", Meter(0, 5, QColor())});
  return out;
}

}  // namespace orv::assets::ui
