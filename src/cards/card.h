// Cards are numbers 1-212: four 52-card decks (hearts, diamonds, clubs,
// spades, each Ace to King), then four jokers. 0 is the gap code "000".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv {

inline constexpr int kCardCount = 212;
inline constexpr int kFirstJoker = 209;
inline constexpr int kJokerRank = 100;
inline constexpr std::string_view kGapCode = "000";

// 1-212; the gap code 0 and anything damaged is no card.
inline bool IsCard(int n) { return n >= 1 && n <= kCardCount; }

// Numbers outside 1-212 are no cards: no rank above 212 (0), no suit (-1),
// not red, no face (-1). The gap code 0 has rank 0.
int CardRank(int n);          // 1-13; 100 for a joker; n itself for n <= 0
int CardSuit(int n);          // 0 hearts, 1 diamonds, 2 clubs, 3 spades; -1 joker
bool IsRedCard(int n);
bool IsCourtCard(int n);
bool IsJoker(int n);
int CardFaceIndex(int n);     // 0-51, 52 for every joker
std::string RankLabel(int rank);
int NextRank(int rank);
int PrevRank(int rank);

std::string CardCode(int n);  // "007"
// The card number of the 3-character code at 1-based position `pos`, or 0
// when the code is missing or not a number: a damaged code reads as a gap,
// which takes a place in the pile but is never a card.
int CardAt(std::string_view pile, size_t pos);
// The number of whole codes in a pile string.
inline size_t CodeCount(std::string_view pile) { return pile.size() / 3; }

// One 20-character line per card: name, suit digit, number, face flag.
// Only the face flag (character 20) ever changes.
class CardDescriptors {
 public:
  CardDescriptors();
  const std::string& Line(int n) const;  // n 1-212; empty otherwise
  // Character 20 becomes the flag's first character; an empty flag and
  // numbers that are no card change nothing.
  void SetFaceFlag(int n, std::string_view flag);
  char FaceFlag(int n) const;  // '0' face down
  // True for numbers that are no card (the gap code among them) and for
  // cards whose flag is "0".
  bool IsFaceDown(int n) const;

 private:
  std::vector<std::string> lines_;
};

}  // namespace orv
