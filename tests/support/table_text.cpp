#include "support/table_text.h"

#include <stdexcept>

#include "common/text.h"

namespace orv::test {

namespace {
[[noreturn]] void Fail(std::string_view what, std::string_view text) {
  throw std::invalid_argument(std::string(what) + ": \"" + std::string(text) + "\"");
}

bool IsDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// One card word: its code is appended, its flag (if any) set.
void AddCard(CardTable& table, std::string& pile, std::string_view word) {
  std::string_view digits = word;
  char flag = 0;
  if (!word.empty() && (word.back() == 'd' || word.back() == 'u')) {
    flag = word.back() == 'd' ? '0' : '1';
    digits.remove_suffix(1);
  }
  if (!IsDigits(digits) || digits.size() > 3) Fail("not a card", word);
  const int card = static_cast<int>(ParseIntOr(digits, 0));
  if (card > kCardCount || (card == 0 && flag != 0)) Fail("not a card", word);
  pile += CardCode(card);
  if (flag != 0) table.SetFaceFlag(card, std::string(1, flag));
}

std::string_view NextWord(std::string_view& text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  const size_t end = text.find(' ');
  const std::string_view word = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end);
  return word;
}

void AppendDescriptions(const CardTable& table, PileGroup group, std::string& out) {
  for (int i = 0; i < PileCount(group); ++i) {
    const std::string name = PileName({group, i});
    if (!table.Pile(name)->empty()) out += name + ": " + DescribePile(table, name) + "\n";
  }
}
}  // namespace

void SetPile(CardTable& table, std::string_view name, std::string_view cards) {
  std::string* pile = table.Pile(name);
  if (pile == nullptr) Fail("not a pile", name);
  std::string codes;
  for (std::string_view word = NextWord(cards); !word.empty(); word = NextWord(cards)) AddCard(table, codes, word);
  *pile = codes;
}

void SetPiles(CardTable& table, std::initializer_list<PileContent> piles) {
  for (const auto& p : piles) SetPile(table, p.name, p.cards);
}

void SetBoard(CardTable& table, std::initializer_list<PileContent> piles) {
  table.ClearPiles();
  SetPiles(table, piles);
}

void SetBoard(CardTable& table, std::string_view board) {
  table.ClearPiles();
  while (!board.empty()) {
    const size_t end = board.find('\n');
    const std::string line = Trim(board.substr(0, end));
    board.remove_prefix(end == std::string_view::npos ? board.size() : end + 1);
    if (line.empty()) continue;
    const size_t colon = line.find(':');
    if (colon == std::string::npos) Fail("no \"Name:\" in line", line);
    SetPile(table, Trim(line.substr(0, colon)), line.substr(colon + 1));
  }
}

std::string DescribePile(const CardTable& table, std::string_view name) {
  const std::string* pile = table.Pile(name);
  if (pile == nullptr) Fail("not a pile", name);
  std::string out;
  for (size_t pos = 1; pos + 2 <= pile->size(); pos += 3) {
    if (!out.empty()) out += ' ';
    out += pile->substr(pos - 1, 3);
    const int card = CardAt(*pile, pos);
    if (card >= 1 && card <= kCardCount) out += table.IsFaceDown(card) ? 'd' : 'u';
  }
  return out;
}

std::string DescribeBoard(const CardTable& table) {
  std::string out;
  for (PileGroup g : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
    AppendDescriptions(table, g, out);
  return out;
}

}  // namespace orv::test
