// The undo and redo histories: before every change of the table the whole
// position is recorded, one entry per player action, so that Undo writes
// back exactly the position before it, face flags and gaps included.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class Engine;

// The counts of the game that the stock reads besides the piles: how many
// deals have been made, how often the stock was clicked, whether the Draw
// is used up. They go with every recorded position, so that undoing a
// redeal gives the redeal back.
struct PlayCounters {
  int dealCounter = 1;
  int stockClicks = 0;
  int oneTimeAction = 0;
  bool operator==(const PlayCounters&) const = default;
};

// Four lists of lines, one line per pile: stock row (3 per entry),
// foundations (16), tableau (40), reserves (12); the newest entry last.
// `tags` holds one item per entry, each followed by ",": empty or a 3-digit
// event code (002 a deal from the stock, ...). `counters` holds one item
// per entry as well.
struct History {
  std::array<std::vector<std::string>, 4> groups;
  std::string tags;
  std::vector<PlayCounters> counters;

  int Entries() const { return static_cast<int>(groups[0].size() / 3); }
  bool Empty() const { return groups[0].empty(); }
  void Clear();
  bool operator==(const History&) const = default;
};

// One pile as a history line: 4 characters per card, the code and its face
// flag; a gap (or any code below 1) is "0000". Empty for a name that is no
// pile. The pile is written whatever the game: leaving out the selection of
// foundation 0 is RecordPosition's business.
std::string PositionLine(const Engine& e, std::string_view pile);

// Appends the 71 lines of the position (foundation 0 empty in the games that
// keep the player's selection there) and an empty tag.
void RecordPosition(Engine& e, History& history);
void ClearRedo(Engine& e);
// Deletes the n newest undo entries; the tag of the newest survives on the
// entry that becomes the newest. Deleting the only entry deletes its tag.
void DropNewestEntries(Engine& e, int n);
// A code that is not three digits, or an empty history, changes nothing.
void TagNewestEntry(Engine& e, std::string_view code);
int CountTaggedEntries(const Engine& e, std::string_view code);
void ClearHistories(Engine& e);

// The Undo and Redo commands: false (and nothing changes) when the history
// holds no complete entry. The position being left goes to the other
// history with the tag of the entry written back, so that undoing and
// redoing a stock deal keeps it counted; the play counters go back with
// the position. Foundation 0 of a selection game
// stays as it is: the selection is not part of the position.
bool Undo(Engine& e);
bool Redo(Engine& e);

}  // namespace orv
