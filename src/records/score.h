// The score of the running game: one formula per game family, kept as text
// in the session record so that every part of the program reads the same
// value.
#pragma once

#include <string_view>

namespace orv {

class Engine;

// The score held in the session record; a value that cannot be read is 0.
int StoredScore(const Engine& e);

// Recomputes the score by the game family's formula and stores it. The
// families whose score a panel of their own keeps (9, 59, 64) are left as
// they stand, and so is family 74 until the deal has been drawn.
void UpdateScore(Engine& e);

// Cards that reached the foundations outside a move (the deal sends some
// there): 5 points each, or a recomputation when `recompute` is set. Only
// while the general scoring system is in use, and never in the families
// whose score is kept by other means (9, 59, 76, 77).
void AddToScore(Engine& e, int count, bool recompute = false);

// The memory sequence: 1 for a single Ace, 0 for any other single card;
// otherwise the cards from the bottom that rise one rank at a time (no
// wrap from King to Ace), 0 when fewer than two do.
int SequenceCount(std::string_view pile);

}  // namespace orv
