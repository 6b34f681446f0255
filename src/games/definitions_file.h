// Reading helpers shared by the catalogue, the parameter loader and the
// custom games: whole-file line reading, sections with their line numbers,
// number fields, and the two messages for a missing or damaged file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host.h"

namespace orv::games {

// The lines of a regular file, split on "\n" with a trailing "\r" removed; a
// final terminator adds no empty line. nullopt when the file cannot be read.
std::optional<std::vector<std::string>> ReadLines(const std::string& path);

struct SectionLine {
  int lineNumber;  // 1-based line of the file, for messages
  std::string text;
};

// The lines of every section that starts with `header`; false in `found`
// when no line starts one.
std::vector<SectionLine> SectionLines(const std::vector<std::string>& lines, std::string_view header,
                                      bool* found = nullptr);

// A decimal field with blanks around it; nullopt when it is not a number or
// does not fit an int.
std::optional<int> NumberField(std::string_view text);

void ReportMissingFile(Host& host, const std::string& path);
// `detail` says where and what, e.g. "line 12: ...".
void ReportDamagedDefinitions(Host& host, const std::string& path, std::string_view detail);

}  // namespace orv::games
