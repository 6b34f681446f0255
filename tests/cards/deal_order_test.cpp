// The deck order of a deal number, the generator behind new numbers, and
// the number itself. Players replay deals by number, so these are pinned.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "cards/deal.h"
#include "common/random.h"
#include "common/text.h"
#include "play/engine.h"
#include "platform/recording_host.h"

namespace orv {
namespace {

// "002 043 004 ...": the order as its codes, unfilled places as "000".
std::string OrderText(const DeckOrder& deck) {
  std::string out;
  for (int card : deck) out += (out.empty() ? "" : " ") + CardCode(card);
  return out;
}

GameParameters Deck(int cards, int jokers = 0, int stripped = 0) {
  GameParameters p;
  p.Set(P::DeckCards, cards);
  p.Set(P::Jokers, jokers > 0 ? 1 : 0);
  p.Set(P::JokerCount, jokers);
  p.Set(P::StrippedDeck, stripped);
  return p;
}

DeckOrder Order(std::string_view number, const GameParameters& p) {
  RecordingHost host;
  DeckOrder deck = BuildDeckOrder(ParseDealNumber(number), p, host);
  EXPECT_TRUE(host.messages.empty()) << number;
  return deck;
}

// The numbers 1..deckCards and the jokers, each once.
std::vector<int> FullDeck(int deckCards, int jokers) {
  std::vector<int> cards;
  for (int c = 1; c <= deckCards; ++c) cards.push_back(c);
  for (int j = 0; j < jokers; ++j) cards.push_back(kFirstJoker + j);
  return cards;
}

TEST(DealRandom, DrawsFromTheLinearCongruentialSequence) {
  // Seed 0: the first step gives seed 1, and 1 * n < 2^32 scales to 0 for
  // any n; the second gives 134775813 + 1 = 134775814, and
  // 134775814 * 999999 / 2^32 = 31379.3.
  DealRandom zero(0);
  EXPECT_EQ(zero.Random(9999999), 0);
  EXPECT_EQ(zero.seed(), 1u);
  EXPECT_EQ(zero.Random(999999), 31379);
  EXPECT_EQ(zero.seed(), 134775814u);

  // Seed 1: seed 134775814, 134775814 * 9999999 = 1347758005224186, / 2^32
  // = 313799.4; then 134775814 * 134775813 + 1 = 18164519904586783, modulo
  // 2^32 = 3698175007, and 3698175007 * 999999 / 2^32 = 861047.
  DealRandom one;
  one.Seed(1);
  EXPECT_EQ(one.Random(9999999), 313799);
  EXPECT_EQ(one.seed(), 134775814u);
  EXPECT_EQ(one.Random(999999), 861047);
  EXPECT_EQ(one.seed(), 3698175007u);
}

TEST(DealRandom, StaysBelowItsRangeAndAdvancesOnEmptyRanges) {
  DealRandom r(4242);
  for (int i = 0; i < 2000; ++i) {
    const int n = 1 + i % 13;
    const int v = r.Random(n);
    ASSERT_TRUE(v >= 0 && v < n) << v << " of " << n;
  }
  // An empty or negative range draws too, so later draws keep their place
  // in the sequence, and gives 0.
  DealRandom a(7), b(7);
  EXPECT_EQ(a.Random(0), 0);
  EXPECT_EQ(a.Random(-5), 0);
  b.Random(10);
  b.Random(10);
  EXPECT_EQ(a.seed(), b.seed());
}

TEST(DealRandom, ClockSeedIsMillisecondsSinceMidnight) {
  struct Case { ClockTime t; std::uint32_t seed; };
  const Case cases[] = {
      {{2003, 5, 17, 0, 0, 0, 0}, 0u},
      {{2003, 5, 17, 12, 34, 56, 789}, 45296789u},  // ((12*60+34)*60+56)*1000+789
      {{1999, 12, 31, 23, 59, 59, 999}, 86399999u},
  };
  for (const auto& c : cases) EXPECT_EQ(ClockSeed(c.t), c.seed) << c.t.hour << ":" << c.t.minute;
}

TEST(NewDealNumber, IsTheProductOfTwoDrawsInThirteenDigits) {
  RecordingHost host;
  Engine e(host, Folders{});
  struct Case { std::uint32_t seed; const char* number; };
  const Case cases[] = {
      {0, "0000000000000"},         // a = 0
      {1, "0270195687553"},         // 313799 * 861047 = 270195687553, padded
      {45296789, "1322955557341"},  // 4888411 * 270631, all thirteen digits
  };
  for (const auto& c : cases) {
    e.random.Seed(c.seed);
    EXPECT_EQ(NewDealNumber(e), c.number) << c.seed;
    EXPECT_EQ(e.session.Get(sr::DealNumber), c.number) << c.seed;
  }
  // The generator moves on: the next number differs.
  EXPECT_NE(NewDealNumber(e), "1322955557341");
}

TEST(ParseDealNumber, PadsCutsAndReadsDigits) {
  struct Case { const char* text; const char* digits; };
  const Case cases[] = {
      {"1322955557341", "1322955557341"},
      {"  42 ", "0000000000042"},               // trimmed, then padded
      {"", "0000000000000"},
      {"991322955557341", "1322955557341"},     // the rightmost thirteen
      // A damaged record still deals: a character that is no digit is 0.
      {"13229x555-7341", "3229055507341"},
      {"abc", "0000000000000"},
  };
  for (const auto& c : cases) {
    const DealDigits d = ParseDealNumber(c.text);
    std::string text;
    for (int digit : d) text += static_cast<char>('0' + digit);
    EXPECT_EQ(text, c.digits) << '"' << c.text << '"';
  }
}

TEST(FindFreeSlot, SearchesItsDirectionThenFromTheStart) {
  const DeckOrder deck = {5, 0, 7, 8, 0, 9, 10};
  struct Case { int start; bool forward; int slot; };
  const Case cases[] = {
      {0, true, 1},  {1, true, 1},  {2, true, 4},
      {5, true, 1},   // nothing at or after 5: the first from the start
      {9, true, 1},   // past the end likewise
      {6, false, 4}, {3, false, 1}, {1, false, 1},
      {0, false, 1},  // nothing at or before 0: the first from the start
      {-3, false, 1}, {-3, true, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(FindFreeSlot(deck, c.start, c.forward), c.slot) << c.start << c.forward;
  EXPECT_EQ(FindFreeSlot({1, 2, 3}, 1, true), -1);
  EXPECT_EQ(FindFreeSlot({}, 0, false), -1);
}

TEST(DeckOrder, AllZeroNumberDealsRanksAceToKingSearchingForward) {
  // Every digit is 0: the place pointer starts at 0 (d2 d6 d12), suit row
  // and step row are 0 in every pass, collisions search forward, and the
  // rank index is always 0, so the ranks come ace, 2, 3, ...
  // Steps of row 0: 25 18 13 22; suits of row 0: spades, diamonds, clubs, hearts.
  // Aces:  25 -> A spades (40); 43 -> A diamonds (14); 56 - 52 = 4 -> A
  //        clubs (27); 26 -> A hearts (1).
  // Twos:  26 + 25 = 51 -> 41; 69 - 52 = 17 -> 15; 30 -> 28; 52 - 52 = 0 -> 2.
  // Threes: 25 is taken, 26 too: 27 -> 42; 45 -> 16; 58 - 52 = 6 -> 29; 28 -> 3.
  const DeckOrder deck = Order("0000000000000", Deck(52));
  ASSERT_EQ(deck.size(), 52u);
  struct Place { int pos; int card; };
  const Place places[] = {{25, 40}, {43, 14}, {4, 27},  {26, 1},  {51, 41}, {17, 15},
                          {30, 28}, {0, 2},   {27, 42}, {45, 16}, {6, 29},  {28, 3}};
  for (const auto& p : places) EXPECT_EQ(deck[static_cast<size_t>(p.pos)], p.card) << "place " << p.pos;

  // With one deck each rank's four cards use the first four fields of
  // the row, one per suit.
  for (int rank = 1; rank <= 13; ++rank) {
    std::vector<int> suits;
    for (int card : deck)
      if (CardRank(card) == rank) suits.push_back(CardSuit(card));
    std::sort(suits.begin(), suits.end());
    EXPECT_EQ(suits, (std::vector<int>{0, 1, 2, 3})) << "rank " << rank;
  }
}

TEST(DeckOrder, JokersComeFirstFromTheFirstDigitsStepRow) {
  // Three jokers in a 55-card order, all digits 0: 0 + 25 -> 25 (209),
  // + 18 -> 43 (210), + 13 = 56, 56 mod 55 = 1 (211); the cards fill the rest.
  const DeckOrder deck = Order("0000000000000", Deck(52, 3));
  ASSERT_EQ(deck.size(), 55u);
  EXPECT_EQ(deck[25], 209);
  EXPECT_EQ(deck[43], 210);
  EXPECT_EQ(deck[1], 211);
}

TEST(DeckOrder, GoldenDeals) {
  struct Case { const char* number; int cards; int jokers; int stripped; const char* order; };
  const Case cases[] = {
      {"0000000000000", 52, 0, 0,
       "002 043 004 020 027 045 029 006 031 036 022 047 050 012 026 025 033 015 008 017 049 011 013 019 035 040 "
       "001 042 003 044 028 005 030 046 021 010 032 024 007 023 038 052 039 014 048 016 009 018 034 051 037 041"},
      {"1322955557341", 52, 0, 0,
       "050 009 028 003 036 020 032 041 047 035 044 005 049 014 013 023 019 011 004 007 037 034 042 015 016 052 "
       "021 027 022 006 038 031 043 010 026 029 033 045 046 024 048 002 008 051 018 001 012 025 039 040 017 030"},
      {"9876543210987", 52, 0, 0,
       "010 031 042 011 007 006 017 013 029 034 044 025 002 023 046 027 008 045 024 036 052 049 020 016 038 030 "
       "019 004 021 040 018 028 037 041 039 035 003 012 022 033 032 005 043 026 015 047 014 051 001 009 048 050"},
      {"0270195687553", 104, 0, 0,
       "099 083 082 068 037 031 042 085 015 090 097 001 045 054 073 069 050 017 046 029 065 096 103 019 092 005 "
       "002 098 080 011 060 030 071 003 100 035 086 020 064 041 078 072 043 032 025 102 066 039 018 087 022 021 "
       "081 004 077 104 040 023 033 074 048 028 051 063 006 057 053 013 101 008 091 095 094 010 075 049 038 014 "
       "009 047 052 007 093 070 079 058 089 056 044 024 062 036 055 061 016 012 027 034 059 084 088 076 067 026"},
      {"3141592653589", 104, 4, 0,
       "099 064 024 009 038 020 050 011 093 027 058 036 070 094 075 041 073 056 088 033 032 074 101 025 062 023 "
       "069 097 092 083 044 055 015 209 060 049 007 021 045 087 010 082 066 068 016 051 031 002 096 210 019 086 "
       "059 095 043 042 053 008 103 067 005 006 061 211 037 076 014 035 029 013 089 047 085 030 090 079 001 071 "
       "018 100 080 212 003 102 026 052 048 004 098 077 034 078 039 012 063 084 040 046 022 057 054 081 104 028 "
       "091 065 017 072"},
      // Stripped decks keep the order of the cards that stay.
      {"1322955557341", 52, 0, 1,
       "050 009 036 020 047 035 049 014 013 023 011 007 037 034 052 021 027 022 038 010 026 033 046 024 048 008 "
       "051 001 012 025 039 040"},
      {"1322955557341", 52, 0, 2,
       "050 009 036 020 047 035 049 014 023 011 007 037 034 021 027 022 038 010 033 046 024 048 008 051 001 012 "
       "025 040"},
  };
  for (const auto& c : cases) {
    const DeckOrder deck = Order(c.number, Deck(c.cards, c.jokers, c.stripped));
    EXPECT_EQ(OrderText(deck), c.order) << c.number << " " << c.cards;
  }
}

TEST(DeckOrder, FourDeckGoldenDealOpening) {
  const DeckOrder deck = Order("5550001234999", Deck(208));
  ASSERT_EQ(deck.size(), 208u);
  const DeckOrder opening(deck.begin(), deck.begin() + 26);
  EXPECT_EQ(OrderText(opening),
            "064 115 009 001 091 122 072 030 045 204 112 196 201 154 040 090 168 111 120 184 004 078 019 148 048 088");
  EXPECT_EQ(deck.back(), 186);
}

TEST(DeckOrder, EveryDeckSizeHoldsEveryCardOnce) {
  struct Case { int cards; int jokers; };
  const Case cases[] = {{52, 0}, {104, 0}, {156, 0}, {208, 0}, {52, 1}, {52, 4}, {104, 2}, {208, 4}};
  DealRandom numbers(2003);
  for (const auto& c : cases)
    for (int i = 0; i < 200; ++i) {
      const std::string number = IntToFixed(numbers.Random(9999999), 7) + IntToFixed(numbers.Random(999999), 6);
      DeckOrder deck = Order(number, Deck(c.cards, c.jokers));
      std::sort(deck.begin(), deck.end());
      ASSERT_EQ(deck, FullDeck(c.cards, c.jokers)) << number << " " << c.cards << "+" << c.jokers;
    }
}

TEST(DeckOrder, SameNumberSameOrder) {
  for (const char* number : {"0000000000001", "7777777777777", "1000000000000"}) {
    EXPECT_EQ(Order(number, Deck(104, 2)), Order(number, Deck(104, 2))) << number;
  }
  EXPECT_NE(Order("0000000000001", Deck(52)), Order("0000000000002", Deck(52)));
}

TEST(DeckOrder, StrippedDecksLoseRanksTwoToSixAndKings) {
  struct Case { int stripped; size_t left; bool kings; };
  const Case cases[] = {{1, 32, true}, {2, 28, false}};
  for (const auto& c : cases) {
    const DeckOrder deck = Order("0000000000000", Deck(52, 2, c.stripped));
    EXPECT_EQ(deck.size(), c.left + 2) << c.stripped;  // the jokers stay
    for (int card : deck) {
      const int rank = CardRank(card);
      EXPECT_FALSE(rank >= 2 && rank <= 6) << card;
      if (!c.kings) {
        EXPECT_NE(rank, 13) << card;
      }
    }
    EXPECT_EQ(std::count_if(deck.begin(), deck.end(), [](int n) { return IsJoker(n); }), 2);
  }
}

TEST(DeckOrder, BadDeckSizeIsReportedAndDealsOnlyJokers) {
  RecordingHost host;
  const DeckOrder deck = BuildDeckOrder(ParseDealNumber("1322955557341"), Deck(100, 2), host);
  EXPECT_EQ(host.Texts(), std::vector<std::string>{"Error 01 - fnGameNumberCardsArray"});
  ASSERT_EQ(deck.size(), 102u);
  EXPECT_EQ(std::count(deck.begin(), deck.end(), 0), 100);
  EXPECT_EQ(std::count_if(deck.begin(), deck.end(), [](int n) { return IsJoker(n); }), 2);
}

TEST(DeckOrder, SmallOrEmptyDecksNeverFail) {
  struct Case { int cards; int jokers; size_t size; };
  // 40 cards: four suits still pass, the cards past the places are left out.
  // No cards at all: an empty order. Jokers only take the places they have.
  const Case cases[] = {{40, 0, 40}, {0, 0, 0}, {-5, 0, 0}, {0, 3, 3}};
  for (const auto& c : cases) {
    const DeckOrder deck = Order("9876543210987", Deck(c.cards, c.jokers));
    EXPECT_EQ(deck.size(), c.size) << c.cards;
    EXPECT_EQ(std::count(deck.begin(), deck.end(), 0), 0) << c.cards;
    EXPECT_EQ(std::set<int>(deck.begin(), deck.end()).size(), deck.size()) << c.cards;
  }
}

TEST(DeckOrder, JokersNeedTheJokerFlagAndAreAtMostFour) {
  GameParameters p = Deck(52);
  p.Set(P::JokerCount, 3);  // counted only with the flag set
  EXPECT_EQ(Order("0000000000000", p).size(), 52u);
  p.Set(P::Jokers, 1);
  p.Set(P::JokerCount, 9);  // there are four jokers
  const DeckOrder deck = Order("0000000000000", p);
  EXPECT_EQ(deck.size(), 56u);
  EXPECT_EQ(std::count(deck.begin(), deck.end(), 0), 0);
}

TEST(DeckOrder, ReadFromTheSessionRecord) {
  RecordingHost host;
  Engine e(host, Folders{});
  e.params = Deck(52);
  e.session.Put(sr::DealNumber, "1322955557341");
  DeckOrder deck;
  fnGameNumberCardsArray(e, deck);
  EXPECT_EQ(deck, Order("1322955557341", Deck(52)));
  e.session.Put(sr::DealNumber, "42");
  fnGameNumberCardsArray(e, deck);
  EXPECT_EQ(deck, Order("0000000000042", Deck(52)));
}

}  // namespace
}  // namespace orv
