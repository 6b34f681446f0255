// The pile miniatures the game selection dialog composes its previews from,
// in the smallest card size (25 x 32). They stand on the preview's green,
// with magenta as their transparent colour. (The single cards, back, joker
// and empty-pile symbols of that size are drawn with the card pictures.)
//
// What each miniature shows (the preview file places them by these names):
//   "SL001"               the stock: a squared pile of backs
//   "SL002"               the waste: three face-up cards fanned to the right
//   "SL003"               a two-deck stock: a deeper squared pile of backs
//   "Tab_v_nn"            a column of nn face-up cards overlapping downwards
//   "Tab_h_nn"            a row of nn face-up cards overlapping to the right
//   "Tab_a_nn"            nn - 1 face-down cards under one face-up card
//   "Tab_d_01", "Tab_d_02" a column of 4 or 8 face-down cards
//   "Tab_s_01"            a squared pile with its top card face up
#include "assets/interface_pictures.h"

namespace orv::assets::ui {
namespace {

constexpr int kW = 25, kH = 32;  // card size "L"
constexpr int kColumnStep = 6, kRowStep = 5, kHiddenStep = 3;
const QColor kPreviewGreen(0, 100, 0);
const QColor kBackBlue(30, 80, 170);

QImage Keyed(const QImage& image) { return Flatten(image, kPreviewGreen, kKeyMagenta); }

// A face whose corner carries a small suit mark, so that the strip left
// visible by an overlapping card still reads as a card.
void MiniFace(QPainter& p, const QRectF& card, int suit) {
  PaintCardFace(p, card, suit);
  PaintSuit(p, suit, QRectF(card.left() + 2, card.top() + 2, 5, 5));
}

// A squared pile: `depth` card edges showing below and right of the top card.
QImage Pile(int depth, bool topFaceUp) {
  QImage image = Blank(kW + depth, kH + depth);
  QPainter p(&image);
  for (int i = depth; i >= 1; --i) PaintCardBack(p, QRectF(i, i, kW, kH), kBackBlue);
  if (topFaceUp)
    MiniFace(p, QRectF(0, 0, kW, kH), 0);
  else
    PaintCardBack(p, QRectF(0, 0, kW, kH), kBackBlue);
  return image;
}

// A column of `cards` cards, the first `hidden` of them face down; face-down
// cards overlap more closely than face-up ones, as on the table.
QImage Column(int cards, int hidden) {
  int height = kH;
  for (int i = 0; i + 1 < cards; ++i) height += i < hidden ? kHiddenStep : kColumnStep;
  QImage image = Blank(kW, height);
  QPainter p(&image);
  int y = 0;
  for (int i = 0; i < cards; ++i) {
    const QRectF card(0, y, kW, kH);
    if (i < hidden) {
      PaintCardBack(p, card, kBackBlue);
      y += kHiddenStep;
    } else {
      MiniFace(p, card, i % 4);
      y += kColumnStep;
    }
  }
  return image;
}

QImage Row(int cards, int step) {
  QImage image = Blank(kW + (cards - 1) * step, kH);
  QPainter p(&image);
  for (int i = 0; i < cards; ++i) MiniFace(p, QRectF(i * step, 0, kW, kH), (i + 1) % 4);
  return image;
}

QString Numbered(const char* prefix, int n) { return QString("%1%2").arg(prefix).arg(n, 2, 10, QChar('0')); }

}  // namespace

PictureList PreviewPictures() {
  PictureList out;
  out.push_back({"SL001", Keyed(Pile(3, false))});
  out.push_back({"SL002", Keyed(Row(3, 7))});
  out.push_back({"SL003", Keyed(Pile(5, false))});
  out.push_back({"Tab_d_01", Keyed(Column(4, 4))});
  out.push_back({"Tab_d_02", Keyed(Column(8, 8))});
  out.push_back({"Tab_s_01", Keyed(Pile(3, true))});
  for (int n = 1; n <= 10; ++n) {
    out.push_back({Numbered("Tab_v_", n).toStdString(), Keyed(Column(n, 0))});
    out.push_back({Numbered("Tab_h_", n).toStdString(), Keyed(Row(n, kRowStep))});
    out.push_back({Numbered("Tab_a_", n).toStdString(), Keyed(Column(n, n - 1))});
  }
  return out;
}

}  // namespace orv::assets::ui
