// Random play as a safety net for the rules: many deals of every game, each
// played by random legal actions, with the invariants checked after every
// action. A failure comes with the actions that reproduce it.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace orv {
class Engine;
}

namespace orv::cli {

struct SoakDealResult {
  int actions = 0;   // actions played (checks not counted)
  bool won = false;
  std::string failure;               // empty when every check held
  std::vector<std::string> played;   // the actions as play commands
};

// Plays up to `maxActions` random actions on the dealt game in `e`: moves,
// stock clicks, undos and redos. After each: every card dealt still lies
// in exactly one place; an action's Undo gives back the exact position
// before it and the Redo the position after it; nothing throws. Stops at
// the first failure, at a win, or when nothing can be done.
SoakDealResult SoakDeal(Engine& e, int maxActions, std::mt19937& rng);

// The deal numbers of a soak run: 13 digits each, the same for the same seed.
std::string SoakDealNumber(std::mt19937_64& rng);

}  // namespace orv::cli
