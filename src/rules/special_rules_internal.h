// The shared ingredients of the special building rules and the rule
// functions themselves, grouped by theme across the special_rules_*.cpp
// files. Only the dispatch table in special_rules.cpp reaches the rules.
#pragma once

#include <string>

#include "play/engine.h"
#include "rules/pile_facts.h"
#include "rules/validation.h"

namespace orv::special {

// One placement as the rules read it: U is `top`, M is `card`.
struct Move {
  Engine& e;
  const Placement& p;
  int R;       // rank of the target's top card; -1 for an empty pile (a gap on top counts as empty)
  int m;       // rank of the card placed
  bool empty;  // the target holds no card
  int k;       // 0-based index of the target pile

  Move(Engine& engine, const Placement& placement);
  Move(const Move&) = delete;
  Move& operator=(const Move&) = delete;
};

using Rule = bool (*)(const Move&);

// ---- ranks ----
inline bool Up(int R, int m) { return R >= 1 && m == R + 1; }
inline bool Down(int R, int m) { return m >= 1 && R == m + 1; }
inline bool KingOnAce(int R, int m) { return R == 1 && m == 13; }
inline bool AceOnKing(int R, int m) { return R == 13 && m == 1; }
// "+-1": one up or one down; `wrap` adds king-ace adjacency both ways.
bool StepPlusMinusOne(int R, int m, bool wrap);
// m is `step` ranks above R counting round the 13 ranks (king then ace).
bool StepUpWrapped(int R, int m, int step);
// The rank `step` places above `rank`, counting round (ace after king).
int RankPlus(int rank, int step);

// ---- suits and colours (jokers have no suit and match none) ----
bool SameSuit(int a, int b);
bool SameColour(int a, int b);
bool AlternateColour(int a, int b);

// ---- piles ----
// Several rules name a partner pile by arithmetic (k - 8, k + 6, pile + 8):
// an index outside the list reads as an empty pile.
const std::string& FoundationPile(const Engine& e, int i);
const std::string& TableauPile(const Engine& e, int i);
const std::string& ReservePile(const Engine& e, int i);
const std::string& TargetPile(const Move& mv);  // foundation or tableau pile k
const std::string& WastePile(const Engine& e);
int Cards(const std::string& pile);
using facts::BottomCard;  // 0 when the pile holds no card
using facts::TopOrEmpty;  // -1 for an empty pile, 0 for a gap on top
bool StockEmpty(const Engine& e);
bool WasteEmpty(const Engine& e);
int WasteCards(const Engine& e);
bool AnyTableauEmpty(const Engine& e, int first, int last);  // piles first..last inclusive
bool AllReservesEmpty(const Engine& e);
int FoundationsHolding(const Engine& e, int atLeast);        // foundations with that many cards or more

// ---- where M comes from (CardLocation) ----
int TableauSource(const Engine& e, int card);  // tableau index, -1 when not on the tableau
int ReserveSource(const Engine& e, int card);  // reserve index, -1 when not on a reserve
bool IsFromTableau(const Engine& e, int card);
bool IsFromReserve(const Engine& e, int card);
bool IsFromFoundation(const Engine& e, int card);
bool IsFromWaste(const Engine& e, int card);
bool FromTableauRange(const Engine& e, int card, int first, int last);

// ---- groups and grids ----
// No non-empty foundation among first..first+size-1 has a bottom card of
// the card's suit (each foundation of the group collects one suit).
bool DistinctSuitsInGroup(const Engine& e, int first, int size, int card);
// The group of four foundations holding foundation k: 0-3, 4-7, ...
inline int GroupOfFour(int k) { return k / 4 * 4; }
// Piles laid out row by row in a grid of `width` columns.
bool GridNeighbour(int from, int to, int width);          // left, right, above, below
bool GridNeighbourOrDiagonal(int from, int to, int width);
// The pile jumped over when `from` and `to` lie two steps apart in a row or
// a column; -1 otherwise.
int GridJumpedPile(int from, int to, int width);

// ---- the ordinary rule ----
bool Ordinary(const Move& mv);
// The ordinary rule with the suit condition of the given code (0 same
// suit, 1 same colour, 2 any, 3 alternating colours).
bool OrdinaryWithSuit(const Move& mv, int suitCode);

// ---- the rules, by theme ----
// special_rules_rank.cpp: rank steps and suit sequences
bool RuleRefused(const Move&);
bool RuleAccepted(const Move&);
bool Rule11NoQueenOnKingOrJack(const Move&);
bool Rule14To16StepUp(const Move&);
bool Rule20UpAceOnKing(const Move&);
bool Rule21NotSameSuit(const Move&);
bool Rule24NoQueenKingSwap(const Move&);
bool Rule25StepTwo(const Move&);
bool Rule26ShortPile(const Move&);
bool Rule28PlusMinusOneNoWrap(const Move&);
bool Rule29CollectOneSuitPastKing(const Move&);
bool Rule30DirectionByPile(const Move&);
bool Rule31SuitDownNotOnAce(const Move&);
bool Rule32SuitUpNotOnKing(const Move&);
bool Rule34Down(const Move&);
bool Rule35PlusMinusOneWrap(const Move&);
bool Rule36OpenInOrder(const Move&);
bool Rule37Doubling(const Move&);
bool Rule39UpNoCourt(const Move&);
bool Rule41SuitUpTwoWrapped(const Move&);
bool Rule43SuitUpTwo(const Move&);
bool Rule44UpNoKing(const Move&);
bool Rule46UpBelowQueen(const Move&);
bool Rule47DownNoQueen(const Move&);
bool Rule60SuitPlusMinusOneNoWrap(const Move&);
bool Rule61StepTwoTurning(const Move&);
bool Rule73RankOfPile(const Move&);
bool Rule76Lower(const Move&);
bool Rule77RankByCount(const Move&);
bool Rule78SuitUpAceOnKing(const Move&);
bool Rule83DownUntilPileRank(const Move&);
bool Rule86SuitCycleUp(const Move&);
bool Rule87SuitCycleDown(const Move&);
bool Rule92AcesOnly(const Move&);
bool Rule95SuitUpWrapped(const Move&);
bool Rule97Addition(const Move&);
bool Rule98SuitUpOrSevenOnAce(const Move&);
bool Rule104SuitUpStopAtPileRank(const Move&);
bool Rule105SuitDownWrapped(const Move&);
bool Rule106SuitUpTwo(const Move&);
bool Rule121JackDown(const Move&);
bool Rule126SameRank(const Move&);
bool Rule133DownTwoWrapped(const Move&);
bool Rule140SuitUpToTen(const Move&);

// special_rules_state.cpp: the stock, the waste and the other foundations
bool Rule7OnlyEmptyAfterStock(const Move&);
bool Rule23NotWhileWaste(const Move&);
bool Rule38KingHolder(const Move&);
bool Rule42KingAfterPartner(const Move&);
bool Rule45KingThenDown(const Move&);
bool Rule48QueenHolder(const Move&);
bool Rule49UpBelowQueenNeedsColumn(const Move&);
bool Rule50DownNoQueenNeedsColumn(const Move&);
bool Rule51ColumnSuitUp(const Move&);
bool Rule52ColumnSuitDown(const Move&);
bool Rule53AfterFirstFoundation(const Move&);
bool Rule55WasteFirst(const Move&);
bool Rule57AfterStock(const Move&);
bool Rule82DistinctSuitsAfterStock(const Move&);
bool Rule96DistinctSuits(const Move&);
bool Rule108SuitWrapAfterStock(const Move&);
bool Rule118AfterPreviousComplete(const Move&);
bool Rule120KingForPartner(const Move&);
bool Rule123RememberedSuit(const Move&);
bool Rule124CentreBase(const Move&);
bool Rule125SuitUpToThirteen(const Move&);
bool Rule127DoubleSuitRun(const Move&);
bool Rule129SuitWrapAfterStock(const Move&);
bool Rule132AceAfterComplete(const Move&);
bool Rule136OpenAfterComplete(const Move&);

// special_rules_source.cpp: where the card comes from
bool Rule17NotFromTableau(const Move&);
bool Rule18NotTableauOntoCards(const Move&);
bool Rule19NotTableauOrReserve(const Move&);
bool Rule27AlternateNotFoundationOrReserve(const Move&);
bool Rule33NotTableauShortPile(const Move&);
bool Rule54DownBaseFromWaste(const Move&);
bool Rule56SameRankFromRight(const Move&);
bool Rule58OwnColumnWhileStock(const Move&);
bool Rule63FirstDealHalves(const Move&);
bool Rule79ThirteenthFromReserve(const Move&);
bool Rule80SuitWrapNotTableau(const Move&);
bool Rule81JudgedOnReserve(const Move&);
bool Rule94AlternateWrapped(const Move&);
bool Rule99FromFirstEight(const Move&);
bool Rule100FromNextGroup(const Move&);
bool Rule109FreedSource(const Move&);
bool Rule110AceThenSeven(const Move&);
bool Rule111NotFromSecondRow(const Move&);
bool Rule112SecondRowApart(const Move&);
bool Rule114LowerRows(const Move&);
bool Rule115TwoTableaus(const Move&);
bool Rule130CellsAndColumns(const Move&);
bool Rule134TwoWays(const Move&);
bool Rule137SmallPile(const Move&);
bool Rule141KingColumn(const Move&);
bool Rule143ReserveDown(const Move&);
bool Rule144ReserveUp(const Move&);

// special_rules_grid.cpp: grids, pyramids and half-rows
bool Rule70GridNeighbour(const Move&);
bool Rule71GridJump(const Move&);
bool Rule101OuterEnds(const Move&);
bool Rule102OuterEndsSetDirection(const Move&);
bool Rule116GridOfThree(const Move&);
bool Rule117Uncovered(const Move&);

// special_rules_open.cpp: the rarer codes, rules of this program's own
bool Rule40TargetRank(const Move&);
bool Rule72PairNeighbours(const Move&);
bool Rule75StepTwoAnySuit(const Move&);
bool Rule91FromWasteOrReserve(const Move&);
bool Rule93DistinctSuitsWrapped(const Move&);
bool Rule128OpenInOrderToThirteen(const Move&);
bool Rule131SameColourWhileWasteEmpty(const Move&);
bool Rule135OwnColumn(const Move&);
bool Rule142DownOneOrTwo(const Move&);

}  // namespace orv::special
