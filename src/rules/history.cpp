#include "rules/history.h"

#include <algorithm>
#include <array>
#include <span>
#include <type_traits>

#include "play/engine.h"
#include "records/score.h"

namespace orv {

namespace {

constexpr size_t kGroups = 4;  // stock row, foundations, tableau, reserves
constexpr size_t kFoundationGroup = 1;
constexpr std::string_view kGapLine = "0000";

// Lines per entry of each group: one per pile of the group's list.
constexpr std::array<size_t, kGroups> kGroupSize = {kStockPiles, kFoundationPiles, kTableauPiles, kReservePiles};

template <typename Lists>
auto GroupPiles(Lists& p, size_t group) {
  using Span = std::span<std::remove_reference_t<decltype(p.stock[0])>>;
  switch (group) {
    case 0: return Span(p.stock);
    case 1: return Span(p.foundations);
    case 2: return Span(p.tableau);
    default: return Span(p.reserves);
  }
}

// The pairing and pyramid games hold the player's selection on foundation
// 0; the selection is no part of the position, so it is neither recorded
// nor written back.
bool IsSelectionPile(const Engine& e, size_t group, size_t index) {
  if (group != kFoundationGroup || index != 0) return false;
  const int family = e.params[P::Family];
  return e.params[P::SelectionGame] != 0 || family == 3 || family == 4 || family == 67;
}

bool IsDigits(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return !s.empty();
}

std::string LineOf(const CardTable& table, std::string_view pile) {
  std::string line;
  line.reserve(CodeCount(pile) * 4);
  for (size_t pos = 1; pos + 2 <= pile.size(); pos += 3) {
    const int card = CardAt(pile, pos);
    if (card < 1) {
      line += kGapLine;
      continue;
    }
    line += CardCode(card);
    line += table.cards().FaceFlag(card);
  }
  return line;
}

// Rebuilds a pile string from its line and puts the face flags back. A
// group that is not four digits cannot have been written by LineOf; it is
// left out rather than guessed at.
std::string PileOfLine(CardTable& table, std::string_view line) {
  std::string pile;
  pile.reserve(line.size() / 4 * 3);
  for (size_t pos = 0; pos + 4 <= line.size(); pos += 4) {
    const std::string_view group = line.substr(pos, 4);
    if (!IsDigits(group)) continue;
    pile += group.substr(0, 3);
    const int card = (group[0] - '0') * 100 + (group[1] - '0') * 10 + (group[2] - '0');
    if (card >= 1) table.SetFaceFlag(card, group.substr(3, 1));
  }
  return pile;
}

bool HasCompleteEntry(const History& h) {
  for (size_t g = 0; g < kGroups; ++g)
    if (h.groups[g].size() < kGroupSize[g]) return false;
  return true;
}

void WriteBackNewest(Engine& e, const History& h) {
  for (size_t g = 0; g < kGroups; ++g) {
    const std::vector<std::string>& lines = h.groups[g];
    const std::span<std::string> piles = GroupPiles(e.table.piles(), g);
    const size_t first = lines.size() - piles.size();
    for (size_t i = 0; i < piles.size(); ++i)
      if (!IsSelectionPile(e, g, i)) piles[i] = PileOfLine(e.table, lines[first + i]);
  }
  if (!h.counters.empty()) {
    const PlayCounters& c = h.counters.back();
    e.main.dealCounter = c.dealCounter;
    e.main.stockClicks = c.stockClicks;
    e.main.oneTimeAction = c.oneTimeAction;
  }
}

// Each list loses at most its own lines, so a short list never underflows.
void DropNewestLines(History& h) {
  for (size_t g = 0; g < kGroups; ++g) {
    std::vector<std::string>& lines = h.groups[g];
    lines.resize(lines.size() - std::min(lines.size(), kGroupSize[g]));
  }
  if (!h.counters.empty()) h.counters.pop_back();
}

// Removes the newest tag item with its comma and gives it back.
std::string PopTag(std::string& tags) {
  if (tags.empty()) return {};
  const size_t end = tags.back() == ',' ? tags.size() - 1 : tags.size();
  const size_t comma = end == 0 ? std::string::npos : tags.rfind(',', end - 1);
  const size_t start = comma == std::string::npos ? 0 : comma + 1;
  std::string item = tags.substr(start, end - start);
  tags.erase(start);
  return item;
}

void ReplaceNewestTag(std::string& tags, std::string_view item) {
  PopTag(tags);
  tags += item;
  tags += ',';
}

void DropNewestTag(std::string& tags) {
  const std::string newest = PopTag(tags);
  // When the only entry went, its tag went with it: there is no entry left
  // to carry it, and a tag without an entry would be counted later.
  if (!tags.empty()) ReplaceNewestTag(tags, newest);
}

// One step of Undo or Redo: the position being left goes to `to` under the
// tag of the entry written back from `from`.
bool StepBack(Engine& e, History& from, History& to) {
  if (!HasCompleteEntry(from)) return false;
  RecordPosition(e, to);
  ReplaceNewestTag(to.tags, PopTag(from.tags));
  WriteBackNewest(e, from);
  DropNewestLines(from);
  // The score follows the position it was computed from.
  UpdateScore(e);
  if (e.view != nullptr) e.view->TableChanged();
  return true;
}

}  // namespace

void History::Clear() {
  for (auto& lines : groups) lines.clear();
  tags.clear();
  counters.clear();
}

std::string PositionLine(const Engine& e, std::string_view pile) {
  const std::string* text = e.table.Pile(pile);
  return text == nullptr ? std::string() : LineOf(e.table, *text);
}

void RecordPosition(Engine& e, History& history) {
  const PileLists& piles = e.table.piles();
  for (size_t g = 0; g < kGroups; ++g) {
    const std::span<const std::string> group = GroupPiles(piles, g);
    for (size_t i = 0; i < group.size(); ++i)
      history.groups[g].push_back(IsSelectionPile(e, g, i) ? std::string() : LineOf(e.table, group[i]));
  }
  history.tags += ',';
  history.counters.push_back({e.main.dealCounter, e.main.stockClicks, e.main.oneTimeAction});
}

void ClearRedo(Engine& e) { e.redo.Clear(); }

void DropNewestEntries(Engine& e, int n) {
  for (int k = 0; k < n && !(e.undo.Empty() && e.undo.tags.empty()); ++k) {
    DropNewestLines(e.undo);
    DropNewestTag(e.undo.tags);
  }
}

void TagNewestEntry(Engine& e, std::string_view code) {
  if (code.size() != 3 || !IsDigits(code) || e.undo.tags.empty()) return;
  ReplaceNewestTag(e.undo.tags, code);
}

int CountTaggedEntries(const Engine& e, std::string_view code) {
  if (code.empty()) return 0;
  int count = 0;
  std::string_view tags = e.undo.tags;
  for (size_t comma = tags.find(','); comma != std::string_view::npos; comma = tags.find(',')) {
    if (tags.substr(0, comma).find(code) != std::string_view::npos) ++count;
    tags.remove_prefix(comma + 1);
  }
  return count;
}

void ClearHistories(Engine& e) {
  e.undo.Clear();
  e.redo.Clear();
}

bool Undo(Engine& e) { return StepBack(e, e.undo, e.redo); }
bool Redo(Engine& e) { return StepBack(e, e.redo, e.undo); }

}  // namespace orv
