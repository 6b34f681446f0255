// orvane-cli: inspect and share deals from the command line. The commands
// run on their own Engine and talk only through the streams they are given,
// so tests drive them without spawning a process.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orv::cli {

// Runs one command line (without the program name). Returns the exit
// status: 0 success, 2 a usage error (reported on `err`).
int Run(const std::vector<std::string>& args, const std::string& programFolder, std::istream& in, std::ostream& out,
        std::ostream& err);

}  // namespace orv::cli
