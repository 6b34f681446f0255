// The table background: the default green, a colour, a built-in picture,
// the player's own picture file or an additional background, optionally
// darkened towards the bottom. A background that cannot be loaded falls
// back to the default with a message, and the settings follow.
#pragma once

#include <string_view>

#include <QImage>

#include "view/picture_sources.h"

namespace orv {

inline constexpr QRgb kDefaultBackgroundColour = 0xFF008000;  // green (0,128,0)
// Built-in pictures numbered from here on are whole-table pictures, drawn
// once; lower numbers are tiles.
inline constexpr int kFirstOnceDrawnPicture = 500;

// a * b / c rounded to the nearest integer, halves away from zero, with a
// 64-bit intermediate; -1 when c is 0 (as the desktop's MulDiv answers).
int MulDiv(int a, int b, int c);

// A colour as the settings store it: red in the low byte; a value with the
// top bit set names a system colour (-2147483633 is the button face).
QRgb ColourFromSetting(long long value);

// 256 horizontal bands from `colour` at the top to black at `bottom`
// (which may lie below the picture: the bands are then clipped).
void PaintFade(QImage& target, QRgb colour, int bottom);

enum class BackgroundMode { Default, PlayerFile, Additional, Picture, Colour };

// The first that applies: "Background_Def", the player's file, an
// additional background, a built-in picture, else the colour.
BackgroundMode ChooseBackgroundMode(const SessionRecord& record);

struct BackgroundOptions {
  // While the table scrolls the fade reaches 80 pixels below the picture.
  bool scrollBarVisible = false;
};

// Paints the background the session record names into `target` and, when
// given, the same into `backgroundBuffer`.
void PaintBackground(PictureSources& sources, QImage& target, QImage* backgroundBuffer,
                     BackgroundOptions options = {});

// The customize dialog's sample: value 0 is the default background (faded
// as the session record says), 2 to 1000 the built-in picture of that
// number. Only `target` is painted and nothing is remembered.
void PaintBackgroundPreview(PictureSources& sources, QImage& target, int value);

}  // namespace orv
