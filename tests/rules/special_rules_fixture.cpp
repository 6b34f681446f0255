#include "special_rules_fixture.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "common/text.h"
#include "platform/recording_host.h"
#include "play/engine.h"
#include "rules/pile_facts.h"
#include "rules/validation.h"
#include "support/table_text.h"

namespace orv::test {

namespace {
[[noreturn]] void Fail(std::string_view what, std::string_view text) {
  throw std::invalid_argument(std::string(what) + ": \"" + std::string(text) + "\"");
}

std::string_view NextWord(std::string_view& text, char separator = ' ') {
  while (!text.empty() && (text.front() == ' ' || text.front() == separator)) text.remove_prefix(1);
  const size_t end = text.find(separator);
  std::string_view word = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end);
  while (!word.empty() && word.back() == ' ') word.remove_suffix(1);
  return word;
}

int ToInt(std::string_view text) {
  const auto value = ParseInt(text);
  if (!value) Fail("not a number", text);
  return static_cast<int>(*value);
}

// "Ah 2h Kc*3" as the numbers table_text reads.
std::string NumberedCards(std::string_view labels) {
  std::string numbers;
  for (std::string_view word = NextWord(labels); !word.empty(); word = NextWord(labels)) {
    const size_t star = word.find('*');
    const int copies = star == std::string_view::npos ? 1 : ToInt(word.substr(star + 1));
    const std::string code = std::to_string(CardByLabel(word.substr(0, star)));
    for (int i = 0; i < copies; ++i) numbers += code + " ";
  }
  return numbers;
}

// "Fila01-13" names Fila01 to Fila13; any other name itself.
void SetPileRange(CardTable& table, std::string_view name, const std::string& cards) {
  const size_t dash = name.find('-');
  if (dash == std::string_view::npos) return SetPile(table, name, cards);
  const PileRef first = ParsePileName(name.substr(0, dash));
  const PileRef last = ParsePileName(std::string(name.substr(0, dash - 2)) + std::string(name.substr(dash + 1)));
  if (!first.valid() || first.group != last.group) Fail("not a pile range", name);
  for (int i = first.index; i <= last.index; ++i) SetPile(table, PileName({first.group, i}), cards);
}

void ApplyParams(Engine& e, const RuleCase& c, PileRef target) {
  const bool foundation = target.group == PileGroup::Foundation;
  const std::map<std::string_view, int> perPile = {
      {"base", foundation ? P::FoundationBaseRank : P::TableauBaseRank},
      {"dir", foundation ? P::FoundationDirection : P::TableauDirection},
      {"wrap", P::TableauWrap},
  };
  e.params.Set(foundation ? P::FoundationRule + target.index : P::TableauRule + target.index, c.code);
  std::string_view text = c.params;
  for (std::string_view word = NextWord(text); !word.empty(); word = NextWord(text)) {
    const size_t eq = word.find('=');
    if (eq == std::string_view::npos) Fail("not key=value", word);
    const std::string_view key = word.substr(0, eq);
    const int value = ToInt(word.substr(eq + 1));
    if (const auto it = perPile.find(key); it != perPile.end()) e.params.Set(it->second + target.index, value);
    else if (key == "first") e.params.Set(P::FoundationBaseRank, value);
    else if (key == "deal") e.main.dealCounter = value;
    else if (key == "suit") e.main.dealtSuit = static_cast<std::int16_t>(value);
    else if (key == "target") e.main.targetRank = value;
    else e.params.Set(ToInt(key), value);
  }
}

bool Judge(const RuleCase& c, std::string& board) {
  RecordingHost host;
  Engine e(host, Folders{});
  e.params.Set(P::FoundationCount, kFoundationPiles);
  e.params.Set(P::TableauCount, kTableauPiles);
  e.params.Set(P::ReserveCount, kReservePiles);
  const PileRef target = ParsePileName(c.target);
  if (target.group != PileGroup::Foundation && target.group != PileGroup::Tableau) Fail("not a target", c.target);
  ApplyParams(e, c, target);
  SetLabelledBoard(e.table, c.board);
  board = DescribeBoard(e.table);
  const int top = facts::TopOrEmpty(*e.table.Pile(target));
  const int card = CardByLabel(c.card);
  const Placement p = target.group == PileGroup::Foundation
                          ? FoundationPlacement(e, target.index, top, card, c.play)
                          : TableauPlacement(e, target.index, top, card, c.play);
  return CanPlaceCard(e, p);
}
}  // namespace

int CardByLabel(std::string_view label) {
  constexpr std::string_view kRanks = "A23456789TJQK";
  constexpr std::string_view kSuits = "hdcs";
  if (label.size() < 2 || label.size() > 3) Fail("not a card label", label);
  const size_t rank = kRanks.find(label[0]);
  const size_t suit = kSuits.find(label[1]);
  const int deck = label.size() == 3 ? label[2] - '0' : 1;
  if (rank == std::string_view::npos || suit == std::string_view::npos || deck < 1 || deck > 4)
    Fail("not a card label", label);
  return 52 * (deck - 1) + 13 * static_cast<int>(suit) + static_cast<int>(rank) + 1;
}

void SetLabelledBoard(CardTable& table, std::string_view board) {
  table.ClearPiles();
  for (std::string_view entry = NextWord(board, '|'); !entry.empty(); entry = NextWord(board, '|')) {
    const size_t colon = entry.find(':');
    if (colon == std::string_view::npos) Fail("not a pile entry", entry);
    SetPileRange(table, Trim(entry.substr(0, colon)), NumberedCards(entry.substr(colon + 1)));
  }
}

void ExpectVerdicts(std::span<const RuleCase> cases) {
  for (const RuleCase& c : cases) {
    std::string board;
    const bool verdict = Judge(c, board);
    EXPECT_EQ(verdict, c.accepted) << "code " << c.code << ": " << c.card << " onto " << c.target << " ["
                                   << c.params << (c.play ? "" : " outside play") << "]\n"
                                   << board;
  }
}

std::set<int> CodesMissingAVerdict(std::span<const RuleCase> cases) {
  std::map<int, std::pair<bool, bool>> seen;
  for (const RuleCase& c : cases) (c.accepted ? seen[c.code].first : seen[c.code].second) = true;
  std::set<int> missing;
  for (const auto& [code, verdicts] : seen)
    if (!verdicts.first || !verdicts.second) missing.insert(code);
  return missing;
}

}  // namespace orv::test
