#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "gamesdat/catalogue_compiler.h"

namespace orv::gamesdat {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSourceExtension = ".toml";

// A folder's catalogue files in a stable order, whatever the file system's.
std::vector<fs::path> FolderSources(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec))
    if (entry.is_regular_file(ec) && entry.path().extension() == kSourceExtension) files.push_back(entry.path());
  std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
  return files;
}

bool ReadFile(const fs::path& path, SourceFile& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  out = {path.string(), bytes.str()};
  return !in.bad();
}

}  // namespace

std::vector<SourceFile> ReadSources(std::span<const std::string> paths, std::vector<std::string>& errors) {
  std::vector<SourceFile> sources;
  for (const auto& path : paths) {
    std::error_code ec;
    const std::vector<fs::path> files = fs::is_directory(path, ec) ? FolderSources(path) : std::vector<fs::path>{path};
    for (const auto& file : files) {
      SourceFile source;
      if (ReadFile(file, source))
        sources.push_back(std::move(source));
      else
        errors.push_back(file.string() + ": cannot be read");
    }
  }
  return sources;
}

}  // namespace orv::gamesdat
