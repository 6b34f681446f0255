// What follows a move without the player asking: completed runs leave the
// tableau, and exposed face-down cards turn up. Each action drops the
// history entries its own moves record, so a player action stays one step.
#pragma once

namespace orv {

class Engine;

// Removes a completed run from the top of tableau pile `pile` (0-based).
void RemoveCompletedRun(Engine& e, int pile);
// Turns up every face-down top card of the tableau piles in play; true when
// any was turned.
bool TurnUpExposedCards(Engine& e);
// Turns one face-down top card up, with its own history entry.
void TurnFaceUp(Engine& e, int card, int pile);

}  // namespace orv
