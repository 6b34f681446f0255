// A settings file of sections and key=value lines. Section and key names
// compare without regard to case. Every call opens, reads or writes, and
// closes the file: nothing is cached, so two programs sharing the file see
// each other's writes. A missing file or key reads as the default.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv {

class ProfileFile {
 public:
  explicit ProfileFile(std::string path) : path_(std::move(path)) {}

  const std::string& path() const { return path_; }

  // The value with surrounding blanks removed (and one pair of enclosing
  // double quotes), or `fallback` when the file, section or key is missing.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
  // ReadString converted to an integer; `fallback` when missing or not a number.
  long long ReadInteger(std::string_view section, std::string_view key, long long fallback) const;

  // Creates the file, the section or the key as needed and keeps every other
  // line as it was. The file is replaced in one step, so a crash never leaves
  // it half written. False when the file could not be written.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value) const;
  bool WriteInteger(std::string_view section, std::string_view key, long long value) const;

  // The key names of a section, in file order.
  std::vector<std::string> Keys(std::string_view section) const;
  bool SectionExists(std::string_view section) const;
  bool DeleteKey(std::string_view section, std::string_view key) const;

 private:
  std::string path_;
};

}  // namespace orv
