// The one table from special rule code to rule. Codes sharing a rule share
// a function; a code missing from the table builds by the ordinary rule
// (which refuses any card on a card for code 6 and reads 11 as same suit).
#include "rules/special_rules.h"

#include <algorithm>
#include <array>

#include "rules/special_rules_internal.h"

namespace orv {

namespace {
using namespace special;

struct Entry {
  int code;
  Rule rule;
};

constexpr std::array kRules = {
    Entry{4, RuleRefused},
    Entry{5, RuleRefused},
    Entry{7, Rule7OnlyEmptyAfterStock},
    Entry{11, Rule11NoQueenOnKingOrJack},
    Entry{12, RuleAccepted},
    Entry{14, Rule14To16StepUp},
    Entry{15, Rule14To16StepUp},
    Entry{16, Rule14To16StepUp},
    Entry{17, Rule17NotFromTableau},
    Entry{18, Rule18NotTableauOntoCards},
    Entry{19, Rule19NotTableauOrReserve},
    Entry{20, Rule20UpAceOnKing},
    Entry{21, Rule21NotSameSuit},
    Entry{23, Rule23NotWhileWaste},
    Entry{24, Rule24NoQueenKingSwap},
    Entry{25, Rule25StepTwo},
    Entry{26, Rule26ShortPile},
    Entry{27, Rule27AlternateNotFoundationOrReserve},
    Entry{28, Rule28PlusMinusOneNoWrap},
    Entry{29, Rule29CollectOneSuitPastKing},
    Entry{30, Rule30DirectionByPile},
    Entry{31, Rule31SuitDownNotOnAce},
    Entry{32, Rule32SuitUpNotOnKing},
    Entry{33, Rule33NotTableauShortPile},
    Entry{34, Rule34Down},
    Entry{35, Rule35PlusMinusOneWrap},
    Entry{36, Rule36OpenInOrder},
    Entry{37, Rule37Doubling},
    Entry{38, Rule38KingHolder},
    Entry{39, Rule39UpNoCourt},
    Entry{40, Rule40TargetRank},
    Entry{41, Rule41SuitUpTwoWrapped},
    Entry{42, Rule42KingAfterPartner},
    Entry{43, Rule43SuitUpTwo},
    Entry{44, Rule44UpNoKing},
    Entry{45, Rule45KingThenDown},
    Entry{46, Rule46UpBelowQueen},
    Entry{47, Rule47DownNoQueen},
    Entry{48, Rule48QueenHolder},
    Entry{49, Rule49UpBelowQueenNeedsColumn},
    Entry{50, Rule50DownNoQueenNeedsColumn},
    Entry{51, Rule51ColumnSuitUp},
    Entry{52, Rule52ColumnSuitDown},
    Entry{53, Rule53AfterFirstFoundation},
    Entry{54, Rule54DownBaseFromWaste},
    Entry{55, Rule55WasteFirst},
    Entry{56, Rule56SameRankFromRight},
    Entry{57, Rule57AfterStock},
    Entry{58, Rule58OwnColumnWhileStock},
    Entry{60, Rule60SuitPlusMinusOneNoWrap},
    Entry{61, Rule61StepTwoTurning},
    Entry{63, Rule63FirstDealHalves},
    Entry{64, Rule58OwnColumnWhileStock},
    Entry{68, Rule35PlusMinusOneWrap},
    Entry{70, Rule70GridNeighbour},
    Entry{71, Rule71GridJump},
    Entry{72, Rule72PairNeighbours},
    Entry{73, Rule73RankOfPile},
    Entry{75, Rule75StepTwoAnySuit},
    Entry{76, Rule76Lower},
    Entry{77, Rule77RankByCount},
    Entry{78, Rule78SuitUpAceOnKing},
    Entry{79, Rule79ThirteenthFromReserve},
    Entry{80, Rule80SuitWrapNotTableau},
    Entry{81, Rule81JudgedOnReserve},
    Entry{82, Rule82DistinctSuitsAfterStock},
    Entry{83, Rule83DownUntilPileRank},
    Entry{86, Rule86SuitCycleUp},
    Entry{87, Rule87SuitCycleDown},
    Entry{91, Rule91FromWasteOrReserve},
    Entry{92, Rule92AcesOnly},
    Entry{93, Rule93DistinctSuitsWrapped},
    Entry{94, Rule94AlternateWrapped},
    Entry{95, Rule95SuitUpWrapped},
    Entry{96, Rule96DistinctSuits},
    Entry{97, Rule97Addition},
    Entry{98, Rule98SuitUpOrSevenOnAce},
    Entry{99, Rule99FromFirstEight},
    Entry{100, Rule100FromNextGroup},
    Entry{101, Rule101OuterEnds},
    Entry{102, Rule102OuterEndsSetDirection},
    Entry{104, Rule104SuitUpStopAtPileRank},
    Entry{105, Rule105SuitDownWrapped},
    Entry{106, Rule106SuitUpTwo},
    Entry{108, Rule108SuitWrapAfterStock},
    Entry{109, Rule109FreedSource},
    Entry{110, Rule110AceThenSeven},
    Entry{111, Rule111NotFromSecondRow},
    Entry{112, Rule112SecondRowApart},
    Entry{113, RuleRefused},
    Entry{114, Rule114LowerRows},
    Entry{115, Rule115TwoTableaus},
    Entry{116, Rule116GridOfThree},
    Entry{117, Rule117Uncovered},
    Entry{118, Rule118AfterPreviousComplete},
    Entry{120, Rule120KingForPartner},
    Entry{121, Rule121JackDown},
    Entry{123, Rule123RememberedSuit},
    Entry{124, Rule124CentreBase},
    Entry{125, Rule125SuitUpToThirteen},
    Entry{126, Rule126SameRank},
    Entry{127, Rule127DoubleSuitRun},
    Entry{128, Rule128OpenInOrderToThirteen},
    Entry{129, Rule129SuitWrapAfterStock},
    Entry{130, Rule130CellsAndColumns},
    Entry{131, Rule131SameColourWhileWasteEmpty},
    Entry{132, Rule132AceAfterComplete},
    Entry{133, Rule133DownTwoWrapped},
    Entry{134, Rule134TwoWays},
    Entry{135, Rule135OwnColumn},
    Entry{136, Rule136OpenAfterComplete},
    Entry{137, Rule137SmallPile},
    Entry{138, RuleRefused},
    Entry{139, RuleRefused},
    Entry{140, Rule140SuitUpToTen},
    Entry{141, Rule141KingColumn},
    Entry{142, Rule142DownOneOrTwo},
    Entry{143, Rule143ReserveDown},
    Entry{144, Rule144ReserveUp},
};

constexpr bool StrictlyAscending() {
  for (size_t i = 1; i < kRules.size(); ++i)
    if (kRules[i - 1].code >= kRules[i].code) return false;
  return true;
}
static_assert(StrictlyAscending(), "the rule table is searched by halving: one entry per code, in order");

Rule FindRule(int code) {
  const auto it = std::lower_bound(kRules.begin(), kRules.end(), code,
                                   [](const Entry& entry, int c) { return entry.code < c; });
  return it != kRules.end() && it->code == code ? it->rule : nullptr;
}
}  // namespace

bool SpecialRule(Engine& e, const Placement& p) {
  const Move mv(e, p);
  const Rule rule = FindRule(p.rule);
  return rule != nullptr ? rule(mv) : Ordinary(mv);
}

}  // namespace orv
