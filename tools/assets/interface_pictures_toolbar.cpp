// Toolbar, restore-button and menu pictures, rendered from the desktop's icon
// theme so that the toolbar looks like the rest of a Linux desktop.
//
// Two styles: the newer one keeps the theme's dark ink; the classic one
// ("2000_" names) inks each command in its own colour, the way older
// toolbars were coloured. Disabled pictures are drawn explicitly: a flat
// light grey in the newer style, grey with a white emboss in the classic.
#include <QPainter>
#include <array>

#include "assets/interface_pictures.h"

namespace orv::assets::ui {
namespace {

constexpr int kLarge = 32;  // in buttons 50 pixels wide and about 46 high
constexpr int kSmall = 16;  // in buttons 24 x 23 pixels, and in the menus

const QColor kThemeInk(0x23, 0x26, 0x29);

struct ToolbarCommand {
  const char* command;  // as in "TB_" + command + "_SMALL"
  const char* icon;     // theme icon
  QRgb classicInk;
  bool large;           // the large list holds it (it has no Save button)
  bool disabled;        // it has a "_DIS" picture
};

constexpr std::array<ToolbarCommand, 11> kCommands{{
    {"NEW", "actions/document-new", 0x2e7d32, true, false},
    {"OPEN", "actions/document-open", 0xb07d12, true, false},
    {"RESTART", "actions/view-refresh", 0x1565c0, true, true},
    {"SAVE", "actions/document-save", 0x1565c0, false, true},
    {"UNDO", "actions/edit-undo", 0x1a5fa8, true, true},
    {"REDO", "actions/edit-redo", 0x1a5fa8, true, true},
    {"AUTOPLAY", "actions/media-playback-start", 0x2e7d32, true, true},
    {"STAT", "actions/view-statistics", 0x6a1b9a, true, false},
    {"RULES", "actions/help-contents", 0x1565c0, true, false},
    {"EXIT", "actions/application-exit", 0xc62828, true, false},
    {"RESTORE_AFTER_F11", "actions/view-restore", 0x37474f, true, false},
}};

struct MenuPicture {
  const char* name;
  const char* icon;
};

constexpr std::array<MenuPicture, 10> kMenuPictures{{
    {"MN_BOOKMARK", "actions/bookmark-new"},
    {"MN_CARDCOUNTER", "actions/format-list-ordered"},
    {"MN_CUSTOMIZE", "actions/configure"},
    {"MN_FAVORITES", "actions/favorite"},
    {"MN_PAUSE", "actions/media-playback-pause"},
    {"MN_PLAYERS", "actions/system-users"},
    {"MN_RULESWIZARD", "actions/tools-wizard"},
    {"MN_SELECT", "actions/games-config-board"},
    {"MN_SERIES", "actions/media-playlist-repeat"},
    {"MN_WEB", "actions/globe"},
}};

int Grey(QRgb c) { return (qRed(c) * 30 + qGreen(c) * 59 + qBlue(c) * 11) / 100; }

// Every pixel becomes a light grey of its own brightness, keeping its alpha.
QImage GreyedFlat(const QImage& icon) {
  QImage out = icon.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const int g = 150 + Grey(line[x]) * 3 / 10;
      line[x] = qRgba(g, g, g, qAlpha(line[x]) * 3 / 4);
    }
  }
  return out;
}

// The classic disabled look: a white shadow one pixel down and right, under
// a mid-grey silhouette.
QImage GreyedEmbossed(const QImage& icon) {
  QImage shape = icon.convertToFormat(QImage::Format_ARGB32);
  QImage white = shape, grey = shape;
  for (int y = 0; y < shape.height(); ++y) {
    auto* w = reinterpret_cast<QRgb*>(white.scanLine(y));
    auto* g = reinterpret_cast<QRgb*>(grey.scanLine(y));
    for (int x = 0; x < shape.width(); ++x) {
      w[x] = qRgba(255, 255, 255, qAlpha(w[x]));
      g[x] = qRgba(128, 128, 128, qAlpha(g[x]));
    }
  }
  QImage out = Blank(shape.width(), shape.height());
  QPainter p(&out);
  p.drawImage(1, 1, white);
  p.drawImage(0, 0, grey);
  return out;
}

bool AddCommand(PictureList& out, const ToolbarCommand& c, int size, bool classic, std::string& error) {
  const QColor ink = classic ? QColor(c.classicInk) : kThemeInk;
  const QImage icon = ThemeIcon(c.icon, size, ink);
  if (icon.isNull()) {
    error = std::string("the icon theme lacks ") + c.icon + " (install breeze-icon-theme)";
    return false;
  }
  const std::string name = std::string(classic ? "2000_" : "") + "TB_" + c.command + (size == kLarge ? "_LARGE" : "_SMALL");
  out.push_back({name, Flatten(icon, kButtonFace, kKeyMagenta)});
  if (c.disabled) {
    const QImage greyed = classic ? GreyedEmbossed(icon) : GreyedFlat(icon);
    out.push_back({name + "_DIS", Flatten(greyed, kButtonFace, kKeyMagenta)});
  }
  return true;
}

}  // namespace

bool ToolbarPictures(PictureList& out, std::string& error) {
  for (bool classic : {false, true}) {
    for (const auto& c : kCommands) {
      if (c.large && !AddCommand(out, c, kLarge, classic, error)) return false;
      if (!AddCommand(out, c, kSmall, classic, error)) return false;
    }
  }
  for (const auto& [name, icon] : kMenuPictures) {
    const QImage image = ThemeIcon(icon, kSmall, kThemeInk);
    if (image.isNull()) {
      error = std::string("the icon theme lacks ") + icon + " (install breeze-icon-theme)";
      return false;
    }
    out.push_back({name, Flatten(image, kButtonFace, kKeyMagenta)});
  }
  return true;
}

}  // namespace orv::assets::ui
