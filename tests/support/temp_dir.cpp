#include "support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace orv::test {

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "orvane-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = pattern + "/";
}

TempDir::~TempDir() {
  std::error_code ec;
  // Tests may leave read-only files and folders behind; make them removable.
  for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

void TempDir::Write(std::string_view name, std::string_view bytes) const {
  fs::path p = fs::path(path_) / std::string(name);
  fs::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempDir::Read(std::string_view name) const {
  std::ifstream in(fs::path(path_) / std::string(name), std::ios::binary);
  if (!in) return "<missing>";
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool TempDir::Exists(std::string_view name) const { return fs::exists(fs::path(path_) / std::string(name)); }

std::string ProgramDir() { return std::string(ORVANE_PROGRAM_DIR) + "/"; }

std::string SourceDir() { return std::string(ORVANE_SOURCE_DIR) + "/"; }

}  // namespace orv::test
