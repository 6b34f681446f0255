#include "cards/main_game.h"

#include <optional>

namespace orv {

namespace {
struct SizeSteps {
  std::string_view letter;
  CardSize size;
  int faceUpY, faceDownY;  // vertical fans
  int faceUpX, faceDownX;  // horizontal fans
  int loose;
  int specialX, specialY;
};
constexpr SizeSteps kSizes[] = {
    {"X", {102, 138}, 24, 6, 16, 4, 7, 12, 8},
    {"S", {85, 115}, 21, 5, 14, 4, 7, 12, 8},
    {"B", {71, 96}, 18, 4, 12, 4, 7, 12, 8},
    {"M", {59, 80}, 14, 4, 10, 4, 5, 8, 6},
    {"L", {25, 32}, 3, 3, 3, 3, 3, 4, 3},
};
// An unknown letter fans face-down cards only and keeps the loose and
// special steps of the previous size.
constexpr int kDefaultFaceDownStep = 4;

std::optional<SizeSteps> StepsFor(std::string_view letter) {
  for (const auto& s : kSizes)
    if (s.letter == letter) return s;
  return std::nullopt;
}

std::int16_t Short(int v) { return static_cast<std::int16_t>(v); }

bool UsesVerticalSteps(const GameParameters& p) {
  const int tableau = p[P::TableauKind], reserve = p[P::ReserveKind];
  return tableau == 1 || tableau == 7 || tableau == 12 || reserve == 13 || reserve == 1;
}

bool UsesHorizontalSteps(const GameParameters& p) {
  return p[P::TableauKind] == 2 || p[P::MixedTableauKinds] != 0 || p[P::ReserveKind] == 2 || p[P::FoundationKind] == 2;
}

void SetVerticalSteps(TMainGame& game, const GameParameters& p, const std::optional<SizeSteps>& s) {
  int up = s ? s->faceUpY : 0;
  int down = s ? s->faceDownY : kDefaultFaceDownStep;
  if (p[P::TableauKind] == 12) {
    up = up * 5 / 2;  // 2.5 times, truncated
    down = down * 5 / 2;
  } else if (p[P::ReserveKind] == 13) {
    up *= 2;
    down *= 2;
  }
  game.faceUpStepY = Short(up);
  game.faceDownStepY = Short(down);
}

int DrawZeroToThree(std::mt19937& rng) {
  // Exactly uniform (2^32 is a multiple of 4) and the same on every library.
  return static_cast<int>(rng() % 4);
}
}  // namespace

CardSize CardSizeForLetter(std::string_view letter) {
  const auto s = StepsFor(letter);
  return s ? s->size : CardSize{71, 96};
}

void TMainGame::SetCardSize(std::string_view letter) {
  const CardSize size = CardSizeForLetter(letter);
  cardWidth = Short(size.width);
  cardHeight = Short(size.height);
}

void SetCardSteps(TMainGame& game, const GameParameters& params, std::string_view sizeLetter) {
  const auto s = StepsFor(sizeLetter);
  game.faceUpStepY = game.faceDownStepY = game.faceUpStepX = game.faceDownStepX = 0;
  game.reserveStepY = game.secondReserveStepY = 3;
  game.sideGapX = 6;
  if (UsesVerticalSteps(params)) SetVerticalSteps(game, params, s);
  if (UsesHorizontalSteps(params)) {
    game.faceUpStepX = Short(s ? s->faceUpX : 0);
    game.faceDownStepX = Short(s ? s->faceDownX : kDefaultFaceDownStep);
  }
  if (!s) return;
  if (params[P::TableauKind] == 6) game.looseStepX = game.looseStepX2 = Short(s->loose);
  game.specialStepX = Short(s->specialX);
  game.specialStepY = Short(s->specialY);
}

std::array<std::int16_t, 13> JitterRow(const std::array<int, 13>& draws) {
  std::array<std::int16_t, 13> row{};
  int q = draws[0];
  int sum = 0;
  for (size_t col = 1; col < row.size(); ++col) {
    int v = draws[col];
    // No two steps back in a row, and a step forward only after one back.
    if (q > 2 && v > 2)
      v = 0;
    else if (v > 0 && v <= 2 && q <= 2)
      v = 0;
    q = v;
    int d = v <= 2 ? v : -1;
    sum += d;
    if (sum > 2) {
      d -= 2;
      sum -= 2;
    } else if (sum < -2) {
      d += 2;
      sum += 2;
    }
    row[col] = Short(d);
  }
  return row;
}

void BuildJitterTable(TMainGame& game, std::mt19937& rng) {
  for (size_t r = 1; r <= 7; ++r) {
    std::array<int, 13> draws{};
    for (int& d : draws) d = DrawZeroToThree(rng);
    game.jitter[r] = JitterRow(draws);
  }
}

}  // namespace orv
