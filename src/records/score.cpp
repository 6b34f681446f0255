#include "records/score.h"

#include <algorithm>
#include <optional>
#include <string>

#include "play/engine.h"
#include "records/board_facts.h"
#include "records/win.h"

namespace orv {

using namespace board;

namespace {

constexpr int kPointsPerCard = 5;
// The scoring system every player starts with; the general formula counts
// only under it.
constexpr std::string_view kGeneralScoring = "01";
constexpr int kJokersInDeck = kCardCount - kFirstJoker + 1;
// What the six-character score field can hold: a score is never cut short.
constexpr long long kLowestScore = -99999;
constexpr long long kHighestScore = 999999;

bool GeneralScoring(const Engine& e) { return e.session.Get(sr::ScoringSystem) == kGeneralScoring; }

void StoreScore(Engine& e, long long score) {
  e.session.Put(sr::Score, std::to_string(std::clamp(score, kLowestScore, kHighestScore)));
}

// The start of the general score: minus the cards the deck holds once its
// stripped ranks are out. The deck stripped of kings too starts at -28
// whatever its size.
int BaseScore(int stripped, int deckCards) {
  switch (stripped) {
    case 0: return -deckCards;
    case 1: return deckCards == 104 ? -64 : -32;
    case 2: return -28;
    default: return 0;
  }
}

int GeneralScore(const Engine& e) {
  if (!GeneralScoring(e)) return 0;
  const GameParameters& p = e.params;
  // The jokers' points are taken back as they reach the foundations. A joker
  // count means nothing unless the game adds jokers (the deal deals none
  // then), so it costs nothing either.
  const int jokers = p[P::Jokers] == 1 ? std::clamp(p[P::JokerCount], 0, kJokersInDeck) : 0;
  const int cards = CardsIn(StockPile(e, 2)) - jokers + CardsOnFoundations(e, 0, FoundationsInPlay(e) - 1);
  return BaseScore(p[P::StrippedDeck], p[P::DeckCards]) + kPointsPerCard * (p[P::ScoreOffset] + cards);
}

int OrderedPlacesOfRows(const Engine& e) {
  int n = 0;
  for (int k = 0; k < TableauInPlay(e); ++k) n += OrderedPlaces(Tableau(e, k));
  return n;
}

// Piles from pile 1 on whose first card is card number k or k + 13 (k the
// pile's number), up to the first pile that breaks the chain.
int MatchedPiles(const Engine& e) {
  int k = 0;
  for (; k < TableauInPlay(e); ++k) {
    const int first = CardAt(Tableau(e, k), 1);
    if (first != k + 1 && first != k + 14) break;
  }
  return k;
}

int ColumnsAddingUp(const Engine& e) {
  int n = 0;
  for (int place = 1; place <= kColumnCount; ++place) n += ColumnAddsUp(ColumnAt(e, place)) ? 1 : 0;
  return n;
}

// The score by the family's formula; none for the families whose score is
// kept elsewhere or not yet due.
std::optional<int> FamilyScore(const Engine& e) {
  const int n = e.params[P::DeckCards];
  const int offset = kPointsPerCard * e.params[P::ScoreOffset];
  const int secondWaste = CardsIn(StockPile(e, 2));
  const int tableau = CardsOnTableau(e, 0, TableauInPlay(e) - 1);
  const int misses = e.main.missCount;
  switch (e.params[P::Family]) {
    case 9: case 59: return std::nullopt;  // the poker panel keeps the score
    case 64: return std::nullopt;          // the partial-score panel keeps it
    case 32: return offset - n + kPointsPerCard * OrderedPlacesOfRows(e);
    case 34: return -n + 10 * MatchedPiles(e);
    case 35: return -n + 10 * secondWaste;
    case 36: return -52 + 15 * SequenceCount(Reserve(e, 0)) - misses;
    case 37: return -52 - 2 * misses + 10 * (secondWaste / 2);
    case 39: return -52 - misses + 7 * (secondWaste / 2);
    case 38: case 40: case 41: case 42: case 46: case 76: case 77: return 0;
    case 43: return -n + 225 * CountTableau(e, HoldsNineDownToAce);
    case 44: return -n;
    case 47: return tableau > 0 ? -n + kPointsPerCard * secondWaste : 4 * n;
    case 48: return offset - n + kPointsPerCard * CardsIn(Foundation(e, 1));
    case 49: case 63: return offset - n + kPointsPerCard * CardsOnTableau(e, 0, 23);
    case 55: case 72: return -n + kPointsPerCard * tableau;
    case 57: return IsWon(e) ? 48 : -52;
    // The target total counts only as the win test sees it: five single
    // cards, so that fewer cards that happen to add up score nothing.
    case 58: return IsWon(e) ? 23 : -52;
    case 62: return -n + kPointsPerCard * (CardsOnTableau(e, 0, 15) + CardsOnFoundations(e, 0, 7));
    case 65: return -n + kPointsPerCard * (tableau + CardsOnFoundations(e, 0, FoundationsInPlay(e) - 1));
    case 70: return offset - n + kPointsPerCard * secondWaste;
    // Counted once the table has been drawn whole: the columns are
    // meaningless half-dealt.
    case 74: return e.main.dealFinished ? std::optional(20 - n + 20 * ColumnsAddingUp(e)) : std::nullopt;
    default: return GeneralScore(e);
  }
}

}  // namespace

int StoredScore(const Engine& e) {
  const long long score = ParseIntOr(e.session.Get(sr::Score), 0);
  return static_cast<int>(std::clamp(score, kLowestScore, kHighestScore));
}

void UpdateScore(Engine& e) {
  if (const auto score = FamilyScore(e)) StoreScore(e, *score);
}

void AddToScore(Engine& e, int count, bool recompute) {
  switch (e.params[P::Family]) {
    case 9: case 59: case 76: case 77: return;
    default: break;
  }
  if (!GeneralScoring(e)) return;
  if (recompute) {
    UpdateScore(e);
    return;
  }
  StoreScore(e, StoredScore(e) + static_cast<long long>(kPointsPerCard) * count);
}

int SequenceCount(std::string_view pile) {
  const int cards = CardsIn(pile);
  // Gap codes are no cards: they never take part in a sequence.
  auto rank = [&](int i) {
    const int card = CardAt(pile, 3 * static_cast<size_t>(i) + 1);
    return card > 0 ? CardRank(card) : -1;
  };
  if (cards == 1) return rank(0) == 1 ? 1 : 0;
  int rising = rank(0) > 0 ? 1 : 0;
  while (rising > 0 && rising < cards && rank(rising) == rank(rising - 1) + 1) ++rising;
  return rising < 2 ? 0 : rising;
}

}  // namespace orv
