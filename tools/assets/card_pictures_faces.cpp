// Card faces: the built-in card sets, the jokers and the additional card set
// of the "plus" folder, rendered from the SVG card decks Debian ships.
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>
#include <memory>

#include "assets/card_pictures.h"
#include "platform/resource_writer.h"

namespace orv::assets {
namespace {

struct DeckSource {
  const char* path;
  const char* package;
};

struct BuiltInSet {
  const char* number;
  DeckSource deck;
};

// "001" a classic English pattern with richly drawn court cards; "003" the
// deck with the largest indices, legible down to the preview's miniatures;
// "004" the historic Dondorf deck.
constexpr BuiltInSet kBuiltInSets[] = {
    {"001", {"/usr/share/aisleriot/cards/anglo.svgz", "gnome-cards-data"}},
    {"003", {"/usr/share/carddecks/svg-nicu-white/white.svgz", "kdegames-card-data-kf5"}},
    {"004", {"/usr/share/carddecks/svg-dondorf/dondorf.svgz", "kdegames-card-data-kf5"}},
};
// The jokers of every size come from the first set.
constexpr DeckSource kJokerDeck = kBuiltInSets[0].deck;

// The additional card set of "plus/c01.rgf", listed in "c01.dat".
constexpr DeckSource kAdditionalDeck{"/usr/share/carddecks/svg-penguins/penguins.svgz", "kdegames-card-data-kf5"};
constexpr const char* kAdditionalSetName = "CHILDREN_CARDS";
constexpr const char* kAdditionalSetTitle = "Children's Card Set";

constexpr const char* kSuitWords[] = {"heart", "diamond", "club", "spade"};
constexpr const char* kRankWords[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "jack", "queen", "king"};

// One SVG deck. The two naming schemes of Debian's decks ("king_heart" and
// "heart_king") are both understood.
class SvgDeck {
 public:
  static std::unique_ptr<SvgDeck> Load(const DeckSource& source) {
    auto deck = std::unique_ptr<SvgDeck>(new SvgDeck(source));
    if (!deck->renderer_.isValid()) {
      std::fprintf(stderr,
                   "orvane-assets: cannot read the card deck %s; it comes with the Debian package %s "
                   "(scripts/install-deps.sh installs it)\n",
                   source.path, source.package);
      return nullptr;
    }
    return deck;
  }

  // The element of a card (rank 1 Ace … 13 King, suit 0 hearts … 3 spades).
  QString CardElement(int rank, int suit) const {
    return Find({QStringLiteral("%1_%2").arg(kRankWords[rank - 1], kSuitWords[suit]),
                 QStringLiteral("%1_%2").arg(kSuitWords[suit], kRankWords[rank - 1])});
  }

  QString JokerElement() const {
    return Find({QStringLiteral("red_joker"), QStringLiteral("joker_red"), QStringLiteral("joker"),
                 QStringLiteral("black_joker"), QStringLiteral("joker_black")});
  }

  // The card drawn to fill a cell of this size exactly; a null picture (with
  // a report) when the deck lacks the element.
  QImage Render(const QString& element, const CardSize& size) {
    if (element.isEmpty()) {
      std::fprintf(stderr, "orvane-assets: the card deck %s lacks a card\n", source_.path);
      return {};
    }
    QImage card(size.width, size.height, QImage::Format_ARGB32_Premultiplied);
    card.fill(Qt::transparent);
    {
      QPainter painter(&card);
      painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
      renderer_.render(&painter, element, QRectF(0, 0, size.width, size.height));
    }
    return SquareCorners(card, size);
  }

 private:
  explicit SvgDeck(const DeckSource& source) : source_(source), renderer_(QString::fromUtf8(source.path)) {}

  QString Find(std::initializer_list<QString> names) const {
    for (const QString& name : names) {
      if (renderer_.elementExists(name)) return name;
    }
    return {};
  }

  // The decks draw rounded cards; the table rounds every card itself by
  // replacing a few corner pixels with what lies beneath. So the face is
  // made a full rectangle: whatever the deck leaves transparent (its rounded
  // corners and the soft outside of its outline) takes the outline colour,
  // which gives each face a crisp one-pixel frame whose corners the table's
  // rounding then cuts.
  static QImage SquareCorners(const QImage& card, const CardSize& size) {
    QImage face = NewCanvas(size.width, size.height, OutlineColour(card));
    {
      QPainter painter(&face);
      painter.drawImage(0, 0, card);
    }
    MarkPreviewCorners(face);
    return face;
  }

  // The deck's outline colour, read where the card's left edge crosses its
  // middle row: the most opaque of the outer pixels.
  static QColor OutlineColour(const QImage& card) {
    const int y = card.height() / 2;
    QColor outline(Qt::white);
    int alpha = 0;
    for (int x = 0; x < 3 && x < card.width() && alpha < 128; ++x) {
      const QColor pixel = card.pixelColor(x, y);
      if (pixel.alpha() > alpha) {
        alpha = pixel.alpha();
        outline = QColor(pixel.red(), pixel.green(), pixel.blue());
      }
    }
    return outline;
  }

  DeckSource source_;
  QSvgRenderer renderer_;
};

// Draws the 13 cards of one suit into three rows of cells of the sheet,
// starting at row `firstRow`.
bool PaintSuit(SvgDeck& deck, int suit, const CardSize& size, QImage& sheet, int firstRow) {
  QPainter painter(&sheet);
  for (int rank = 1; rank <= 13; ++rank) {
    const QImage card = deck.Render(deck.CardElement(rank, suit), size);
    if (card.isNull()) return false;
    painter.drawImage(SheetCell(rank, size).translated(0, firstRow * size.height).topLeft(), card);
  }
  return true;
}

bool AddBuiltInSet(const Modules& m, const BuiltInSet& set) {
  auto deck = SvgDeck::Load(set.deck);
  if (!deck) return false;
  bool ok = true;
  for (const CardSize& size : kCardSizes) {
    for (int suit = 0; suit < 4; ++suit) {
      QImage sheet = NewCanvas(kSheetColumns * size.width, kSuitRows * size.height, Qt::white);
      const std::string name = std::string("C") + size.letter + set.number + kSuitLetters[suit];
      ok = PaintSuit(*deck, suit, size, sheet, 0) && AddStandardPicture(m, name, sheet) && ok;
    }
  }
  return ok;
}

bool AddJokers(const Modules& m) {
  auto deck = SvgDeck::Load(kJokerDeck);
  if (!deck) return false;
  bool ok = true;
  for (const CardSize& size : kCardSizes) {
    const QImage joker = deck->Render(deck->JokerElement(), size);
    ok = !joker.isNull() && AddStandardPicture(m, std::string("JOKER_") + size.letter, joker) && ok;
  }
  return ok;
}

// One additional card set at size "B": the four suits' rows in one sheet of
// 5 × 12 cells, as a player's own card set is laid out.
bool AddAdditionalSet(const Modules& m, const Options& o) {
  auto deck = SvgDeck::Load(kAdditionalDeck);
  if (!deck) return false;
  const CardSize& size = CardSizeOf('B');
  QImage sheet = NewCanvas(kSheetColumns * size.width, 4 * kSuitRows * size.height, Qt::white);
  for (int suit = 0; suit < 4; ++suit) {
    if (!PaintSuit(*deck, suit, size, sheet, suit * kSuitRows)) return false;
  }
  return AddPictureTo(m.cardSets, kAdditionalSetName, sheet) &&
         WriteTextFile(o.outputFolder + "/plus/c01.dat",
                       std::string(kAdditionalSetName) + "=" + kAdditionalSetTitle + "\n");
}

}  // namespace

bool AddCardFaces(const Modules& m, const Options& o) {
  bool ok = true;
  for (const BuiltInSet& set : kBuiltInSets) ok = AddBuiltInSet(m, set) && ok;
  ok = AddJokers(m) && ok;
  ok = AddAdditionalSet(m, o) && ok;
  return ok;
}

}  // namespace orv::assets
