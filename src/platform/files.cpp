#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "common/text.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

// The entry of `dir` (a path ending in "/", or empty for the current folder)
// named `component`: the exact name when it exists, otherwise the smallest
// name equal without regard to case, so that the choice does not depend on
// the order the folder lists its entries in.
std::optional<std::string> MatchComponent(const std::string& dir, std::string_view component) {
  std::error_code ec;
  const std::string exact = dir + std::string(component);
  if (fs::exists(exact, ec)) return std::string(component);
  std::optional<std::string> best;
  fs::directory_iterator it(dir.empty() ? std::string(".") : dir, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::string entry = it->path().filename().string();
    if (EqualsNoCase(entry, component) && (!best || entry < *best)) best = std::move(entry);
  }
  return best;
}

// Resolves `name` under `folder` component by component. `complete` tells
// whether every component was found; the unmatched rest is kept as given.
std::string ResolveComponents(std::string_view folder, std::string_view name, bool& complete) {
  std::string path = WithTrailingSlash(folder);
  complete = false;
  bool any = false;
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find('/', start);
    if (end == std::string_view::npos) end = name.size();
    std::string_view component = name.substr(start, end - start);
    const bool last = end == name.size();
    if (!component.empty()) {
      auto match = MatchComponent(path, component);
      if (!match) return path + std::string(name.substr(start));
      path += *match;
      any = true;
      if (!last) path += '/';
    }
    start = end + 1;
  }
  complete = any;
  return path;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// Makes a rename in `dir` survive a crash; a failure only weakens that.
void SyncFolder(const std::string& dir) {
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

std::string ParentFolder(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

bool IsAbsolute(const char* path) { return path && path[0] == '/'; }

}  // namespace

std::optional<std::string> FindFileNoCase(std::string_view folder, std::string_view name) {
  bool complete = false;
  std::string path = ResolveComponents(folder, name, complete);
  if (!complete) return std::nullopt;
  return path;
}

std::string ResolvePath(std::string_view folder, std::string_view name) {
  bool complete = false;
  // An existing folder part is reused with its own spelling, so that a new
  // file lands beside its siblings.
  return ResolveComponents(folder, name, complete);
}

bool FileExists(std::string_view path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(fs::path(path), ec);
}

bool FolderExists(std::string_view path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(fs::path(path), ec);
}

std::string WithTrailingSlash(std::string_view folder) {
  std::string out(folder);
  if (!out.empty() && out.back() != '/') out += '/';
  return out;
}

bool CreateFolders(std::string_view path) {
  if (path.empty()) return false;
  std::error_code ec;
  fs::create_directories(fs::path(path), ec);
  return FolderExists(path);
}

std::optional<std::string> CreateTempFile(std::string_view folder, std::string_view prefix) {
  std::string dir(folder);
  if (dir.empty()) {
    std::error_code ec;
    dir = fs::temp_directory_path(ec).string();
    if (ec) return std::nullopt;
  }
  std::string pattern = WithTrailingSlash(dir) + std::string(prefix) + "XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return std::nullopt;
  ::close(fd);
  return pattern;
}

bool IsWritableFile(std::string_view path) {
  const std::string p(path);
  struct stat st {};
  if (::stat(p.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(p.c_str(), W_OK) == 0;
}

bool IsWritableFolder(std::string_view path) {
  return FolderExists(path) && ::access(std::string(path).c_str(), W_OK | X_OK) == 0;
}

bool RemoveFile(std::string_view path) { return ::unlink(std::string(path).c_str()) == 0; }

bool RenameReplacing(std::string_view from, std::string_view to) {
  const std::string target(to);
  if (::rename(std::string(from).c_str(), target.c_str()) != 0) return false;
  SyncFolder(ParentFolder(target));
  return true;
}

std::optional<std::string> ReadFileBytes(std::string_view path) {
  const int fd = ::open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {  // a folder, or a read error: no partial content
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return bytes;
}

bool WriteFileDurably(std::string_view path, std::string_view bytes) {
  const int fd = ::open(std::string(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  if (::close(fd) != 0) ok = false;
  return ok;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

std::optional<std::vector<std::string>> ReadTextLines(std::string_view path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return SplitLines(*bytes);
}

std::string UserDataHome() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (IsAbsolute(xdg)) return WithTrailingSlash(xdg);
  const char* home = std::getenv("HOME");
  if (IsAbsolute(home)) return WithTrailingSlash(home) + ".local/share/";
  return {};
}

std::string ExecutableFolder() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec || !exe.has_parent_path()) return {};
  return WithTrailingSlash(exe.parent_path().string());
}

}  // namespace orv
