#include "cards/card_places.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/table_text.h"

namespace orv {
namespace {

struct Point {
  int x;
  int y;
  bool operator==(const Point&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Point& p) { return os << '(' << p.x << ", " << p.y << ')'; }

// Every pile has its own corner, so that a place read from the wrong pile
// shows; the steps all differ, so that a wrong step shows.
class CardPlacesTest : public ::testing::Test {
 protected:
  CardPlacesTest() {
    params.Set(P::TableauCount, 13);
    record.Put(sr::UntidyPiles, "N");
    for (int i = 0; i < 40; ++i) Place(game.tableauX, game.tableauY, i, 1000, 50);
    for (int i = 0; i < 16; ++i) Place(game.foundationX, game.foundationY, i, 3000, 60);
    for (int i = 0; i < 12; ++i) Place(game.reserveX, game.reserveY, i, 5000, 70);
    for (int i = 0; i < 3; ++i) Place(game.stockX, game.stockY, i, 7000, 80);
    game.cardWidth = 70;
    game.cardHeight = 100;
    game.faceUpStepY = 20;
    game.faceDownStepY = 5;
    game.faceUpStepX = 11;
    game.faceDownStepX = 3;
    game.reserveStepY = 2;
    game.sideGapX = 6;
    game.looseStepX = 7;
  }

  template <typename Array>
  static void Place(Array& xs, Array& ys, int i, int x, int y) {
    xs[static_cast<size_t>(i)] = static_cast<std::int16_t>(x + 100 * i);
    ys[static_cast<size_t>(i)] = static_cast<std::int16_t>(y + i);
  }

  void Kinds(int tableau, int foundation, int reserve, int mixed) {
    params.Set(P::TableauKind, tableau);
    params.Set(P::FoundationKind, foundation);
    params.Set(P::ReserveKind, reserve);
    params.Set(P::MixedTableauKinds, mixed);
  }

  // The pile's corner as the fixture placed it (unscrolled).
  static Point Corner(std::string_view name) {
    const PileRef ref = ParsePileName(name);
    const int i = ref.index;
    switch (ref.group) {
      case PileGroup::Tableau: return {1000 + 100 * i, 50 + i};
      case PileGroup::Foundation: return {3000 + 100 * i, 60 + i};
      case PileGroup::Reserve: return {5000 + 100 * i, 70 + i};
      case PileGroup::Stock: return {7000 + 100 * i, 80 + i};
      default: return {0, 0};
    }
  }

  Point PlaceOf(std::string_view name, int excluded, bool next) const {
    const int index = ParsePileName(name).index;
    return {places.CardX(name, index, excluded, next), places.CardY(name, index, excluded, next)};
  }

  // The place relative to the pile's corner.
  Point Offset(std::string_view name, int excluded, bool next) const {
    const Point p = PlaceOf(name, excluded, next), corner = Corner(name);
    return {p.x - corner.x, p.y - corner.y + game.scrollY};
  }

  GameParameters params;
  CardTable table{params};
  TMainGame game;
  SessionRecord record;
  CardPlaces places{table, game, params, record};
};

constexpr const char* kFour = "005d 009d 017u 020u";
constexpr const char* kGapped = "005d 000 017u 020u";

struct KindCase {
  const char* what;
  int tableau, foundation, reserve, mixed;
  const char* pile;
  const char* cards;
  int excluded;
  bool next;
  Point offset;
};

TEST_F(CardPlacesTest, CardPlacesByPileKind) {
  const KindCase cases[] = {
      // Vertical fans: face-down 5, face-down 5, face-up 20 below the top.
      {"tableau 1 top", 1, 0, 0, 0, "Fila02", kFour, 0, false, {0, 30}},
      {"tableau 1 next", 1, 0, 0, 0, "Fila02", kFour, 0, true, {0, 50}},
      {"tableau 1 one below", 1, 0, 0, 0, "Fila02", kFour, 1, false, {0, 10}},
      {"tableau 1 next on one fewer", 1, 0, 0, 0, "Fila02", kFour, 1, true, {0, 30}},
      {"tableau 1 bottom card", 1, 0, 0, 0, "Fila02", kFour, 3, false, {0, 0}},
      {"tableau 1 all excluded", 1, 0, 0, 0, "Fila02", kFour, 4, true, {0, 0}},
      {"tableau 1 more than all", 1, 0, 0, 0, "Fila02", kFour, 6, true, {0, 0}},
      {"tableau 1 far more than all", 1, 0, 0, 0, "Fila02", kFour, 2000000000, true, {0, 0}},
      {"tableau 1 negative count", 1, 0, 0, 0, "Fila02", kFour, -1, false, {0, 30}},
      {"tableau 1 empty next", 1, 0, 0, 0, "Fila02", "", 0, true, {0, 0}},
      {"tableau 1 gap face down", 1, 0, 0, 0, "Fila02", kGapped, 0, false, {0, 30}},
      {"tableau 13", 13, 0, 0, 0, "Fila02", kFour, 0, false, {0, 30}},
      {"tableau 12 gap face up", 12, 0, 0, 0, "Fila02", kGapped, 0, false, {0, 45}},
      {"foundation 1", 0, 1, 0, 0, "Dest03", kFour, 0, true, {0, 50}},
      {"foundation 13 squared", 0, 13, 0, 0, "Dest03", kFour, 0, true, {0, 0}},
      {"reserve 1", 0, 0, 1, 0, "Appogg04", kFour, 0, false, {0, 30}},
      {"reserve 13", 0, 0, 13, 0, "Appogg04", kFour, 0, false, {0, 30}},
      {"reserve 5 fixed step", 0, 0, 5, 0, "Appogg04", kFour, 0, false, {0, 6}},
      {"tableau 5 squared", 5, 0, 0, 0, "Fila02", kFour, 0, false, {0, 0}},
      // Kind 7: the top card shows one step lower once there are two.
      {"kind 7 one card", 7, 0, 0, 0, "Fila02", "005u", 0, false, {0, 0}},
      {"kind 7 one card next", 7, 0, 0, 0, "Fila02", "005u", 0, true, {0, 20}},
      {"kind 7 two cards top", 7, 0, 0, 0, "Fila02", "005u 009u", 0, false, {0, 20}},
      {"kind 7 two cards below", 7, 0, 0, 0, "Fila02", "005u 009u", 1, false, {0, 20}},
      {"kind 7 many cards", 7, 0, 0, 0, "Fila02", kFour, 0, true, {0, 20}},
      {"kind 7 empty next", 7, 0, 0, 0, "Fila02", "", 0, true, {0, 0}},
      {"kind 7 foundation", 0, 7, 0, 0, "Dest03", "005u 009u", 0, false, {0, 20}},
      {"kind 7 reserve", 0, 0, 7, 0, "Appogg04", "005u 009u", 0, false, {0, 20}},
      // Horizontal fans: 3, 3, 11 by face; 76 side by side; 7 loose.
      {"tableau 2", 2, 0, 0, 0, "Fila02", kFour, 0, false, {17, 0}},
      {"tableau 2 next", 2, 0, 0, 0, "Fila02", kFour, 0, true, {28, 0}},
      {"tableau 4", 4, 0, 0, 0, "Fila02", kFour, 0, false, {228, 0}},
      {"tableau 4 gap keeps its place", 4, 0, 0, 0, "Fila02", kGapped, 0, false, {228, 0}},
      {"tableau 6", 6, 0, 0, 0, "Fila02", kFour, 0, false, {21, 0}},
      {"tableau 10", 10, 0, 0, 0, "Fila02", kFour, 0, false, {-17, 0}},
      {"tableau 10 one below", 10, 0, 0, 0, "Fila02", kFour, 1, false, {-6, 0}},
      {"foundation 2", 0, 2, 0, 0, "Dest03", kFour, 0, false, {17, 0}},
      {"foundation 4", 0, 4, 0, 0, "Dest03", kFour, 0, false, {228, 0}},
      {"foundation 6 squared", 0, 6, 0, 0, "Dest03", kFour, 0, false, {0, 0}},
      {"reserve 2", 0, 0, 2, 0, "Appogg04", kFour, 0, false, {17, 0}},
      {"reserve 4", 0, 0, 4, 0, "Appogg04", kFour, 0, false, {228, 0}},
      {"reserve 10 squared", 0, 0, 10, 0, "Appogg04", kFour, 0, false, {0, 0}},
      // Per-pile kinds.
      {"mixed pile 1 right", 11, 0, 0, 1, "Fila01", kFour, 0, false, {17, 0}},
      {"mixed pile 7 right", 11, 0, 0, 1, "Fila07", kFour, 0, false, {17, 0}},
      {"mixed pile 8 left", 11, 0, 0, 1, "Fila08", kFour, 0, false, {-17, 0}},
      {"mixed pile 12 left", 11, 0, 0, 1, "Fila12", kFour, 0, false, {-17, 0}},
      {"mixed pile 13 squared", 11, 0, 0, 1, "Fila13", kFour, 0, false, {0, 0}},
      {"kind 11 unmixed squared", 11, 0, 0, 0, "Fila01", kFour, 0, false, {0, 0}},
      // Squared kinds, and the stock group at its slots.
      {"tableau 0", 0, 0, 0, 0, "Fila02", kFour, 0, true, {0, 0}},
      {"tableau 3", 3, 0, 0, 0, "Fila02", kFour, 0, true, {0, 0}},
      {"tableau -1", -1, 0, 0, 0, "Fila02", kFour, 0, true, {0, 0}},
      {"stock", 1, 1, 1, 0, "Mazzo", kFour, 0, true, {0, 0}},
      {"waste", 2, 2, 2, 0, "Mazzo_Vis", kFour, 0, true, {0, 0}},
      {"second waste", 1, 1, 1, 0, "Mazzo_Waste", kFour, 0, true, {0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Kinds(c.tableau, c.foundation, c.reserve, c.mixed);
    test::SetBoard(table, {{c.pile, c.cards}});
    EXPECT_EQ(Offset(c.pile, c.excluded, c.next), c.offset);
  }
}

TEST_F(CardPlacesTest, ScrollMovesYOnly) {
  Kinds(1, 2, 5, 0);
  test::SetBoard(table, {{"Fila02", kFour}, {"Dest03", kFour}, {"Appogg04", kFour},
                         {"Mazzo", "001"}, {"Mazzo_Vis", "002"}});
  for (const char* name : {"Fila02", "Dest03", "Appogg04", "Mazzo", "Mazzo_Vis", "Mazzo_Waste"}) {
    game.scrollY = 0;
    const Point still = PlaceOf(name, 0, true);
    const int bottom = places.PileBottom(name);
    game.scrollY = 40;
    EXPECT_EQ(PlaceOf(name, 0, true), (Point{still.x, still.y - 40})) << name;
    EXPECT_EQ(places.PileBottom(name), bottom - 40) << name;
  }
}

TEST_F(CardPlacesTest, NamesThatAreNoPile) {
  for (const char* name : {"Bogus", "Mazzo_V", "Fila41", ""}) {
    EXPECT_EQ(places.CardX(name, 0, 0, true), 0) << name;
    EXPECT_EQ(places.CardY(name, 0, 0, true), 0) << name;
    EXPECT_EQ(places.PileBottom(name), game.cardHeight) << name;
  }
}

TEST_F(CardPlacesTest, NegativeCodesTakeNoPlace) {
  Kinds(1, 0, 0, 0);
  *table.Pile("Fila01") = "005-01017";  // 5 face up, -1, 17 face up
  EXPECT_EQ(Offset("Fila01", 0, false), (Point{0, 20}));
  EXPECT_EQ(Offset("Fila01", 0, true), (Point{0, 40}));
}

TEST(CardPlaces, SizeXExample) {
  GameParameters params;
  params.Set(P::TableauKind, 1);
  params.Set(P::TableauCount, 7);
  CardTable table(params);
  TMainGame game;
  SessionRecord record;
  record.Put(sr::UntidyPiles, "N");
  game.SetCardSize("X");
  SetCardSteps(game, params, "X");
  game.tableauY[2] = 200;
  test::SetBoard(table, {{"Fila03", "005d 009d 017u"}});
  const CardPlaces places(table, game, params, record);
  EXPECT_EQ(places.CardY("Fila03", 2, 0, false), 212);
  EXPECT_EQ(places.CardY("Fila03", 2, 0, true), 236);
  EXPECT_EQ(places.PileBottom("Fila03"), 212 + 138);
}

TEST_F(CardPlacesTest, FamilyRulePlacesOverALoneCardOfAnotherRank) {
  struct Case { int family; const char* cards; int excluded; bool next; int dy; };
  const Case cases[] = {
      {'1', "005u", 0, true, 0},          // rank 5, base rank of pile 3 is 13: over it
      {'?', "005u", 0, true, 0},
      {'1', "013u", 0, true, 20},         // the base rank: below as usual
      {'1', "005u 006u", 0, true, 40},    // two cards
      {'1', "005u 006u", 1, true, 20},    // excluding one is still a pile of two
      {'1', "", 0, true, 0},
      {'2', "005u", 0, true, 20},
      {0, "005u", 0, true, 20},
  };
  Kinds(1, 0, 0, 0);
  params.SetPile(P::TableauBaseRank, 3, 13);
  params.SetPile(P::TableauBaseRank, 1, 5);  // another pile's base rank must not count
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "family " << c.family << " cards " << c.cards);
    params.Set(P::Family, c.family);
    test::SetBoard(table, {{"Fila03", c.cards}});
    EXPECT_EQ(Offset("Fila03", c.excluded, c.next).y, c.dy);
  }
}

TEST_F(CardPlacesTest, FamilyRuleIsForTheTableauOnly) {
  Kinds(0, 1, 0, 0);
  params.Set(P::Family, '1');
  params.SetPile(P::TableauBaseRank, 3, 13);
  test::SetBoard(table, {{"Dest03", "005u"}});
  EXPECT_EQ(Offset("Dest03", 0, true).y, 20);
}

TEST_F(CardPlacesTest, UntidyPilesShiftKindOneTableauByTheirRow) {
  for (size_t r = 0; r < game.jitter.size(); ++r)
    for (size_t b = 0; b < 13; ++b) game.jitter[r][b] = static_cast<std::int16_t>(100 * r + b);
  struct Case { int pileIndex; int cards; int excluded; bool next; int dx; };
  const Case cases[] = {
      {0, 4, 0, false, 103},  // the top card: column count - 1
      {0, 4, 0, true, 104},   // the next place
      {0, 4, 1, false, 103},  // one below the top shares the top's column
      {0, 4, 2, false, 102},
      {6, 4, 0, false, 703},  // piles 1-7 have rows 1-7
      {7, 4, 0, false, 203},  // later piles wrap through rows 1-6
      {12, 4, 0, false, 103},
      {39, 4, 0, false, 403},
      {0, 13, 0, false, 112},
      {0, 14, 0, false, 101},  // columns past 12 wrap by 12
      {0, 25, 0, false, 100},
      {0, 0, 0, false, 0},     // nothing to shift
      {0, 0, 0, true, 100},
      {0, 4, 6, false, 0},     // more excluded than held
      {0, 4, 2000000000, true, 0},
  };
  Kinds(1, 0, 0, 0);
  record.Put(sr::UntidyPiles, "Y");
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "pile " << c.pileIndex << " cards " << c.cards << " excluded " << c.excluded
                                      << " next " << c.next);
    const std::string name = PileName({PileGroup::Tableau, c.pileIndex});
    std::string codes;
    for (int i = 1; i <= c.cards; ++i) codes += CardCode(i);
    table.ClearPiles();
    *table.Pile(name) = codes;
    EXPECT_EQ(places.CardX(name, c.pileIndex, c.excluded, c.next) - Corner(name).x, c.dx);
  }
}

TEST_F(CardPlacesTest, UntidyPilesOnlyForKindOneTableauAndWhenWanted) {
  for (auto& row : game.jitter) row.fill(9);
  struct Case { int tableau, foundation; const char* untidy; const char* pile; int dx; };
  const Case cases[] = {
      {1, 0, "Y", "Fila02", 9},  {1, 0, "", "Fila02", 9},  // only "N" turns it off
      {1, 0, "N", "Fila02", 0},  {13, 0, "Y", "Fila02", 0},
      {12, 0, "Y", "Fila02", 0}, {0, 1, "Y", "Dest02", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.pile << " kind " << c.tableau << '/' << c.foundation
                                      << " untidy " << c.untidy);
    Kinds(c.tableau, c.foundation, 0, 0);
    record.Put(sr::UntidyPiles, c.untidy);
    test::SetBoard(table, {{c.pile, kFour}});
    EXPECT_EQ(Offset(c.pile, 0, false).x, c.dx);
  }
}

struct ArrangementCall {
  int kind;
  std::string pile;
  int chars;
  int pileIndex;
  bool operator==(const ArrangementCall&) const = default;
};

TEST_F(CardPlacesTest, KindsEightAndNineAskTheArrangement) {
  std::vector<ArrangementCall> calls;
  game.specialArrangement = [&](int kind, std::string_view pile, int chars, int pileIndex) {
    calls.push_back({kind, std::string(pile), chars, pileIndex});
    return SpecialPlace{777, 888, 9};
  };
  game.scrollY = 40;
  test::SetBoard(table, {{"Fila01", "005u 000 009u"}, {"Dest01", "005u"}});
  for (int kind : {8, 9}) {
    calls.clear();
    Kinds(kind, kind, 0, 0);
    EXPECT_EQ(places.CardX("Fila01", 0, 1, false), 777);
    EXPECT_EQ(places.CardY("Fila01", 0, 1, false), 888 - 40);
    EXPECT_EQ(places.CardY("Fila01", 0, 5, true), 888 - 40);
    places.CardY("Dest01", 0, 0, false);  // foundations never use it
    const std::vector<ArrangementCall> expected = {
        {kind, "005000009", 6, 0}, {kind, "005000009", 6, 0}, {kind, "005000009", 0, 0}};
    EXPECT_EQ(calls, expected) << "kind " << kind;
  }
}

TEST_F(CardPlacesTest, KindsEightAndNineWithoutArrangementStaySquared) {
  test::SetBoard(table, {{"Fila01", "005u 000 009u"}});
  for (int kind : {8, 9}) {
    Kinds(kind, 0, 0, 0);
    EXPECT_EQ(Offset("Fila01", 0, true), (Point{0, 0})) << kind;
  }
}

TEST_F(CardPlacesTest, PileBottomIsTheLastCardsLowerEdge) {
  const KindCase cases[] = {
      {"tableau 1", 1, 0, 0, 0, "Fila02", kFour, 0, false, {0, 130}},
      {"tableau 13", 13, 0, 0, 0, "Fila02", kFour, 0, false, {0, 130}},
      {"tableau 12 gap face up", 12, 0, 0, 0, "Fila02", kGapped, 0, false, {0, 145}},
      {"tableau 1 empty", 1, 0, 0, 0, "Fila02", "", 0, false, {0, 100}},
      {"tableau 2", 2, 0, 0, 0, "Fila02", kFour, 0, false, {0, 100}},
      {"kind 7 one card", 7, 0, 0, 0, "Fila02", "005u", 0, false, {0, 100}},
      {"kind 7 two cards", 7, 0, 0, 0, "Fila02", "005u 009u", 0, false, {0, 120}},
      {"foundation 1", 0, 1, 0, 0, "Dest03", kFour, 0, false, {0, 130}},
      {"reserve 5", 0, 0, 5, 0, "Appogg04", kFour, 0, false, {0, 106}},
      {"reserve 13", 0, 0, 13, 0, "Appogg04", kFour, 0, false, {0, 130}},
      {"stock", 1, 1, 1, 0, "Mazzo", kFour, 0, false, {0, 100}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Kinds(c.tableau, c.foundation, c.reserve, c.mixed);
    test::SetBoard(table, {{c.pile, c.cards}});
    EXPECT_EQ(places.PileBottom(c.pile) - Corner(c.pile).y, c.offset.y);
    // For every fan the lower edge lies one card height below the top card.
    if (!table.Pile(c.pile)->empty()) {
      EXPECT_EQ(places.PileBottom(c.pile), places.CardY(c.pile, 0, 0, false) + game.cardHeight);
    }
  }
}

TEST_F(CardPlacesTest, PileKindResolvesPerPileKinds) {
  struct Case { int tableau, mixed; PileRef ref; int kind; };
  const Case cases[] = {
      {1, 0, {PileGroup::Tableau, 0}, 1},    {11, 1, {PileGroup::Tableau, 6}, 2},
      {11, 1, {PileGroup::Tableau, 7}, 10},  {11, 1, {PileGroup::Tableau, 11}, 10},
      {11, 1, {PileGroup::Tableau, 12}, -1}, {11, 2, {PileGroup::Tableau, 0}, -1},
      {1, 0, {PileGroup::Foundation, 0}, 4}, {1, 0, {PileGroup::Reserve, 0}, 5},
      {1, 0, {PileGroup::Stock, 1}, 0},
  };
  for (const auto& c : cases) {
    Kinds(c.tableau, 4, 5, c.mixed);
    EXPECT_EQ(places.PileKind(c.ref), c.kind) << PileName(c.ref) << " tableau kind " << c.tableau;
  }
}

}  // namespace
}  // namespace orv
