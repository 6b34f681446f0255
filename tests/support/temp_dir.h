// A fresh folder per test, removed afterwards, so that file tests never see
// each other's files or the player's.
#pragma once

#include <string>
#include <string_view>

namespace orv::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, with a trailing "/".
  const std::string& path() const { return path_; }
  // path() + name.
  std::string operator/(std::string_view name) const { return path_ + std::string(name); }

  // Writes a file (creating parent folders) with exactly these bytes.
  void Write(std::string_view name, std::string_view bytes) const;
  // The file's bytes, or "<missing>" when it does not exist.
  std::string Read(std::string_view name) const;
  bool Exists(std::string_view name) const;

 private:
  std::string path_;
};

// The folder the built program and its data files land in.
std::string ProgramDir();
// The source tree, for fixtures kept beside the tests.
std::string SourceDir();

}  // namespace orv::test
