// Whether the running game is won, by the test of its game family.
#pragma once

#include <string_view>

namespace orv {

class Engine;

// The win test of the game family, run after every completed move.
bool IsWon(const Engine& e);

// The total the five foundation cards of family 58 must add up to. Digits
// 3, 5, 8, 10 and 12 of the 13-digit deal number (1-based), in this order,
// each moved on to the next digit (9 to 0) while an earlier one already has
// its value; their sum with 0 counting as 10. The number is read as the deal reads it:
// blanks trimmed, zeros added in front up to 13 digits, the last 13 kept,
// anything but a digit read as 0; so a short or damaged number still gives
// a total, between 15 and 40.
int TargetTotalOfDeal(std::string_view dealNumber);

}  // namespace orv
