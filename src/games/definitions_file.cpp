#include "games/definitions_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

#include "common/text.h"
#include "games/catalogue.h"

namespace orv {

namespace games {

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  std::error_code ec;
  // A folder of that name opens on some systems and reads as empty.
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;

  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::vector<SectionLine> SectionLines(const std::vector<std::string>& lines, std::string_view header, bool* found) {
  std::vector<SectionLine> out;
  bool inside = false;
  if (found) *found = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.starts_with(header)) {
      inside = true;
      if (found) *found = true;
    } else if (line.starts_with('[')) {
      inside = false;
    } else if (inside) {
      out.push_back({static_cast<int>(i) + 1, lines[i]});
    }
  }
  return out;
}

std::optional<int> NumberField(std::string_view text) {
  const auto value = ParseInt(Trim(text));
  if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(*value);
}

void ReportMissingFile(Host& host, const std::string& path) {
  host.ShowError("Cannot find file:\r" + path + "\r" + "Copy the file into the directory that above is specified" + "\r" +
                 "or reinstall the program.");
}

void ReportDamagedDefinitions(Host& host, const std::string& path, std::string_view detail) {
  host.ShowError("The game definitions file is damaged:\r" + path + "\r" + std::string(detail) + "\r" +
                 "Please reinstall the program.");
}

}  // namespace games

std::vector<std::string> ReadSection(const std::vector<std::string>& lines, std::string_view header) {
  std::vector<std::string> out;
  for (auto& line : games::SectionLines(lines, header)) out.push_back(std::move(line.text));
  return out;
}

}  // namespace orv
