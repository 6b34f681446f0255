// Steps the stock's files share: the stock pile itself, the redeal rules
// and the deals that commands run without a history entry of their own.
#pragma once

#include <string>
#include <string_view>

namespace orv {

class Engine;

namespace stock {

std::string& Stock(Engine& e);
std::string& Waste(Engine& e);
// Takes the top code off a pile; the card number, 0 for a gap or an empty pile.
int PopTop(std::string& pile);
// Raised deal counter still below the deals allowed (parameter 16, -1 unlimited).
bool RedealsRemain(const Engine& e);
// Gathered cards go to the waste face up instead of the stock (parameters
// 373, 10 and 11).
bool GatherToWaste(const Engine& e);

// Turns cards onto the waste (or the second waste) without recording.
bool TurnCards(Engine& e, bool secondWaste);
// A deal command without its own history entry; false when nothing could be
// dealt, in which case nothing was recorded either.
bool DealFromStock(Engine& e, std::string_view command, bool record);
// Checks only the shape of the name.
bool IsDealCommand(std::string_view command);
// A redeal by parameter 17; the caller has checked that one is due.
bool RedealByType(Engine& e);

// n commands of one action leave one history entry.
void JoinSince(Engine& e, int entriesBefore);

}  // namespace stock
}  // namespace orv
