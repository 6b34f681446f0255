#include "cards/card.h"

#include <array>

#include "common/text.h"

namespace orv {

namespace {
constexpr int kDeckSize = 52;
constexpr int kLastDeckCard = 4 * kDeckSize;  // 208
constexpr size_t kLineLength = 20;
constexpr size_t kFlagIndex = kLineLength - 1;

bool IsDeckCard(int n) { return n >= 1 && n <= kLastDeckCard; }

// 1-52 within the card's own deck.
int DeckRelative(int n) { return (n - 1) % kDeckSize + 1; }

constexpr std::array<const char*, 4> kSuitPrefix = {"CUORI_", "QUADR_", "FIORI_", "PICCH_"};

std::string DescriptorName(int n) {
  if (IsJoker(n)) return "JOKER";
  const int rank = CardRank(n);
  std::string label = rank >= 2 && rank <= 10 ? IntToFixed(rank, 2) : RankLabel(rank);
  return kSuitPrefix[static_cast<size_t>(CardSuit(n))] + label;
}

std::string DescriptorLine(int n) {
  const char suitDigit = IsJoker(n) ? '4' : static_cast<char>('1' + CardSuit(n));
  return PadRight(DescriptorName(n), 15) + suitDigit + IntToFixed(n, 3) + '1';
}
}  // namespace

int CardRank(int n) {
  if (n <= 0) return n;
  if (IsJoker(n)) return kJokerRank;
  if (!IsDeckCard(n)) return 0;
  return (DeckRelative(n) - 1) % 13 + 1;
}

int CardSuit(int n) { return IsDeckCard(n) ? (DeckRelative(n) - 1) / 13 : -1; }

bool IsRedCard(int n) { return IsDeckCard(n) && DeckRelative(n) <= 26; }

bool IsCourtCard(int n) {
  const int rank = CardRank(n);
  return rank >= 11 && rank <= 13;
}

bool IsJoker(int n) { return n >= kFirstJoker && n <= kCardCount; }

int CardFaceIndex(int n) {
  if (IsJoker(n)) return kDeckSize;
  return IsDeckCard(n) ? DeckRelative(n) - 1 : -1;
}

std::string RankLabel(int rank) {
  switch (rank) {
    case 0: return "";
    case 1: return "A";
    case 11: return "J";
    case 12: return "Q";
    case 13: return "K";
    default: return std::to_string(rank);
  }
}

int NextRank(int rank) { return rank == 13 ? 1 : rank + 1; }

int PrevRank(int rank) { return rank == 1 ? 13 : rank - 1; }

std::string CardCode(int n) { return IntToFixed(n, 3); }

int CardAt(std::string_view pile, size_t pos) {
  if (pos < 1 || pos + 2 > pile.size()) return 0;
  return static_cast<int>(ParseIntOr(pile.substr(pos - 1, 3), 0));
}

CardDescriptors::CardDescriptors() {
  lines_.reserve(kCardCount);
  for (int n = 1; n <= kCardCount; ++n) lines_.push_back(DescriptorLine(n));
}

const std::string& CardDescriptors::Line(int n) const {
  static const std::string kNoLine;
  return n >= 1 && n <= kCardCount ? lines_[static_cast<size_t>(n - 1)] : kNoLine;
}

void CardDescriptors::SetFaceFlag(int n, std::string_view flag) {
  // The flag is one character; keeping every line at 20 characters keeps the
  // flag where every reader looks for it.
  if (n < 1 || n > kCardCount || flag.empty()) return;
  lines_[static_cast<size_t>(n - 1)][kFlagIndex] = flag.front();
}

char CardDescriptors::FaceFlag(int n) const {
  return n >= 1 && n <= kCardCount ? lines_[static_cast<size_t>(n - 1)][kFlagIndex] : '0';
}

bool CardDescriptors::IsFaceDown(int n) const { return FaceFlag(n) == '0'; }

}  // namespace orv
