// The score as the rules raise it while cards reach the foundations.
#pragma once

namespace orv {

class Engine;

// Five points for each of `count` cards sent to a foundation. The game
// families' own formulas, the recomputation and the score display build on
// this later; for now it only raises the running score.
void AddToScore(Engine& e, int count);
// Brings the score up to date after a move changed the table. The game
// families' formulas come with the score display; until then the running
// score stands as AddToScore left it.
void RefreshScore(Engine& e);

}  // namespace orv
