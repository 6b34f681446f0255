// A contact sheet of the built card pictures: every face of every built-in
// set at every size, the jokers, backs, pile symbols, stack edges, shadows,
// backgrounds and the additional collections, read back from the modules of
// a program folder and laid out on the table's green, corners rounded as the
// table rounds them. For looking at, not for the program.
#pragma once

#include <string>

namespace orv::assets {

// False (reported) when a module cannot be opened or the picture cannot be
// written.
bool WriteContactSheet(const std::string& programFolder, const std::string& picturePath);

}  // namespace orv::assets
