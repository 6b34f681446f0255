// The card pictures of the asset build: faces, jokers, backs, backgrounds,
// pile symbols, shadows and stack edges, each drawn at the card sizes the
// program asks for. Shared pieces of card_pictures*.cpp.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <array>
#include <string>
#include <string_view>

#include "assets/generators.h"

class QPainter;

namespace orv::assets {

struct CardSize {
  char letter;
  int width;
  int height;
};

// Every card size, smallest first: "L" only serves the game preview's
// miniatures, "B" is the standard size, "X" lives in the extra module.
inline constexpr std::array<CardSize, 5> kCardSizes{{
    {'L', 25, 32},
    {'M', 59, 80},
    {'B', 71, 96},
    {'S', 85, 115},
    {'X', 102, 138},
}};

const CardSize& CardSizeOf(char letter);

// The magenta the game preview treats as transparent: the corner pixels of
// every card-sized picture of the smallest size carry it, so that the
// preview's miniatures look rounded.
inline const QColor kPreviewTransparent{255, 0, 255};
// Sets those corner pixels when the picture has the smallest card size.
void MarkPreviewCorners(QImage& picture);
// The colours the table drawing treats as transparent in shadows and edges.
inline const QColor kShadowTransparent{255, 255, 255};
inline const QColor kEdgeTransparent{0, 0, 255};

// True for the names the program reads from the extra module rather than
// "SOL.RGF": "WX…", "DX…", "SHADOW_X…", "3D_BORDER_X…", "JOKER_X…".
bool IsExtraLargeName(std::string_view name);

// Adds a picture, PNG-encoded, to the module the program looks for it in:
// the extra module for extra-large names, the image module otherwise.
// Reports and returns false when it cannot be encoded.
bool AddStandardPicture(const Modules& m, const std::string& name, const QImage& picture);
// Adds a picture to one module regardless of its name.
bool AddPictureTo(ResourceWriter& module, const std::string& name, const QImage& picture);

// The PNG bytes of a picture, written opaque (RGB); empty on failure.
std::string EncodePng(const QImage& picture);

// Writes a text file, creating its folder; false (reported) on failure.
bool WriteTextFile(const std::string& path, const std::string& text);

// An opaque RGB canvas of the given size filled with one colour.
QImage NewCanvas(int width, int height, const QColor& fill);

// The parts AddCardPictures is made of; each reports its own failures.
bool AddCardFaces(const Modules& m, const Options& o);
bool AddCardBacks(const Modules& m, const Options& o);
bool AddBackgrounds(const Modules& m, const Options& o);
bool AddPileSymbols(const Modules& m);
bool AddShadowsAndEdges(const Modules& m);

// Card sets: the sheet of one suit holds Ace–5, 6–10 and Jack–King in three
// rows of five cells of the card size ("L" included: the game preview cuts
// its 25 × 32 miniatures from those sheets); an additional set stacks the
// suits' rows in the order hearts, diamonds, clubs, spades.
inline constexpr int kSheetColumns = 5;
inline constexpr int kSuitRows = 3;
inline constexpr std::array<char, 4> kSuitLetters{'H', 'D', 'C', 'S'};
// The cell of a rank (1 Ace … 13 King) inside its suit's rows.
QRect SheetCell(int rank, const CardSize& size);

// Backs: the catalogue's numbers, and the one drawn at every size.
inline constexpr std::array<int, 8> kBackNumbers{1, 3, 6, 7, 11, 14, 19, 20};
inline constexpr int kDefaultBack = 11;
// A back of this size: a dark outline, a white margin and the design inside.
// Number 0 is the additional back of the "plus" folder; a null picture for
// an unknown number.
QImage PaintBack(int number, int width, int height);

// The back designs. Each paints the inside of the margin as if it measured
// 100 × 140 units; the painter is scaled to the real size, so a design
// looks the same at every card size.
inline constexpr double kDesignWidth = 100;
inline constexpr double kDesignHeight = 140;
void PaintOstrevan(QPainter& p);
void PaintSnowman(QPainter& p);
void PaintPlaiting2(QPainter& p);
void PaintClassicBlue(QPainter& p);
void PaintPlaiting1(QPainter& p);
void PaintRoses(QPainter& p);
void PaintTropicalFish(QPainter& p);
void PaintLake(QPainter& p);
void PaintNightSky(QPainter& p);

// A repeatable sequence of numbers in [0, 1) for scattered details (stars,
// snowflakes, bubbles), the same on every build.
class Scatter {
 public:
  explicit Scatter(unsigned seed) : state_(seed * 2654435761u + 1u) {}
  double Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24);
  }
  double Between(double low, double high) { return low + (high - low) * Next(); }

 private:
  unsigned state_;
};

// Backgrounds of the catalogue, by number.
inline constexpr std::array<int, 6> kBackgroundNumbers{287, 324, 296, 304, 311, 102};
QImage PaintBackground(int number);

// The pile symbol codes: every one the table asks for and the two only
// the game preview shows ("002", "007").
std::array<std::string_view, 24> PileSymbolCodes();
QImage PaintPileSymbol(std::string_view code, const CardSize& size);

// Shadow strips (index 1 right, 2 bottom) and stack edges (1 vertical,
// 2 horizontal) for one card size.
QImage PaintShadow(int index, const CardSize& size);
QImage PaintStackEdge(int index, const CardSize& size);

// Lengths of the shadow band and of the deepest stack edge the table draws.
inline constexpr int kShadowBand = 7;
inline constexpr int kEdgeSteps = 16;

// The outline colour of drawn cards (backs, symbols, stack edges).
inline const QColor kCardOutline{60, 60, 60};

}  // namespace orv::assets
