// Shared pieces of the interface pictures: the named-picture list each
// drawing step returns, the transparent key colour, and icon-theme access.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <string>
#include <vector>

namespace orv::assets::ui {

struct NamedPicture {
  std::string name;
  QImage image;
};
using PictureList = std::vector<NamedPicture>;

// Pictures drawn with a transparent colour take it from their top-left
// pixel. They are stored without alpha: each is flattened over the colour it
// will usually stand on (so the anti-aliased edges blend in), and what was
// fully transparent becomes the key colour.
inline const QColor kKeyMagenta(255, 0, 255);
inline const QColor kButtonFace(239, 240, 241);  // toolbars and menus
inline const QColor kWhite(255, 255, 255);       // tree views, marker boxes

QImage Flatten(const QImage& argb, const QColor& over, const QColor& key);

// PNG bytes of a picture (empty when it cannot be encoded).
QByteArray EncodePng(const QImage& image);

// A transparent picture of the given size to paint on.
QImage Blank(int width, int height);

// The toolbar and menu icons come from this theme (breeze-icon-theme).
inline constexpr const char* kIconTheme = "/usr/share/icons/breeze/";

// Renders a theme icon ("actions/edit-undo") at `size` pixels, taking the
// theme's drawing for that size when it has one, or for `drawnFor` when
// given (the theme draws its small folders in one colour, its larger ones
// coloured). The theme's text colour is replaced by `ink`, and its
// highlight colour by `accent` when one is given. A null image when the
// theme lacks the icon.
QImage ThemeIcon(const QString& icon, int size, const QColor& ink, const QColor& accent = QColor(), int drawnFor = 0);

// Small card drawings shared by the tree icons, the miniatures and the
// splash picture (interface_pictures_draw.cpp). Suits count 0 hearts,
// 1 diamonds, 2 clubs, 3 spades.
QColor SuitColour(int suit);
void PaintSuit(QPainter& p, int suit, const QRectF& box);
void PaintSuit(QPainter& p, int suit, const QRectF& box, const QColor& colour);
void PaintCardBack(QPainter& p, const QRectF& card, const QColor& colour);
// A face with one central pip, or the rank letters in the corner when
// `rank` is given and the card is large enough to read them.
void PaintCardFace(QPainter& p, const QRectF& card, int suit, const QString& rank = QString());

// The drawing steps, each returning its pictures (interface_pictures_*.cpp).
// A step that cannot find a source returns false and says why in `error`.
bool ToolbarPictures(PictureList& out, std::string& error);   // toolbar, restore, menu
bool TreePictures(PictureList& out, std::string& error);      // tree, family, list icons
PictureList RatingPictures();                                 // "PROG_..."
PictureList PreviewPictures();                                // miniatures of the selection dialog
PictureList StatusPictures();                                 // status bar, suits, poker panel
PictureList SplashPicture();

// Every interface picture, in the order they are added to the module.
bool AllInterfacePictures(PictureList& out, std::string& error);

}  // namespace orv::assets::ui
