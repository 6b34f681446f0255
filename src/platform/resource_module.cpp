#include "platform/resource_module.h"

#include <zip.h>

#include <tuple>
#include <unordered_map>
#include <utility>

#include "common/text.h"

namespace orv {

namespace {

struct Layout {
  std::string_view folder;  // with its trailing "/"
  std::string_view suffix;
};

Layout LayoutOf(ResourceKind kind) {
  switch (kind) {
    case ResourceKind::Picture: return {"pictures/", ".png"};
    case ResourceKind::Cursor: return {"cursors/", ".png"};
    case ResourceKind::Sound: return {"sounds/", ".wav"};
    case ResourceKind::Raw: return {"raw/", ""};
  }
  return {"", ""};
}

// "x y" with any blanks around and between; nullopt for anything else.
std::optional<std::pair<int, int>> ParseHotSpot(std::string_view text) {
  const std::string trimmed = Trim(text);
  const size_t gap = trimmed.find_first_of(" \t");
  if (gap == std::string::npos) return std::nullopt;
  const auto x = ParseInt(std::string_view(trimmed).substr(0, gap));
  const auto y = ParseInt(Trim(std::string_view(trimmed).substr(gap)));
  if (!x || !y || *x < 0 || *y < 0 || *x > 0xFFFF || *y > 0xFFFF) return std::nullopt;
  return std::pair<int, int>(static_cast<int>(*x), static_cast<int>(*y));
}

}  // namespace

bool IsResourceName(std::string_view name) {
  if (name.empty() || name.size() > 255) return false;
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || u < 0x20 || u == 0x7F) return false;
  }
  return true;
}

std::string ResourceEntryName(ResourceKind kind, std::string_view name) {
  const Layout layout = LayoutOf(kind);
  std::string entry(layout.folder);
  entry += name;
  entry += layout.suffix;
  return entry;
}

std::string CursorHotSpotEntryName(std::string_view name) {
  return std::string(LayoutOf(ResourceKind::Cursor).folder) + std::string(name) + ".hot";
}

struct ResourceModule::Impl {
  zip_t* archive = nullptr;
  // Lower-cased entry name -> entry index; the first of equal names wins.
  std::unordered_map<std::string, zip_uint64_t> index;
  // The stored names of the indexed entries, in archive order.
  std::vector<std::string> names;

  ~Impl() {
    if (archive) zip_discard(archive);
  }
};

ResourceModule::ResourceModule(std::string path, std::unique_ptr<Impl> impl)
    : path_(std::move(path)), impl_(std::move(impl)) {}

ResourceModule::~ResourceModule() = default;

std::unique_ptr<ResourceModule> ResourceModule::Open(const std::string& path) {
  int error = 0;
  auto impl = std::make_unique<Impl>();
  // The consistency check rejects archives whose directory contradicts
  // itself, rather than finding out entry by entry.
  impl->archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
  if (!impl->archive) return nullptr;
  const zip_int64_t count = zip_get_num_entries(impl->archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const auto entry = static_cast<zip_uint64_t>(i);
    const char* raw = zip_get_name(impl->archive, entry, ZIP_FL_ENC_RAW);
    if (!raw) continue;
    const std::string name(raw);
    if (name.empty() || name.back() == '/') continue;  // folders hold nothing
    if (impl->index.emplace(ToLowerAscii(name), entry).second) impl->names.push_back(name);
  }
  return std::unique_ptr<ResourceModule>(new ResourceModule(path, std::move(impl)));
}

std::optional<std::string> ResourceModule::ReadEntry(const std::string& entryName) const {
  const auto found = impl_->index.find(ToLowerAscii(entryName));
  if (found == impl_->index.end()) return std::nullopt;
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(impl_->archive, found->second, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
      stat.size > kMaxResourceSize)
    return std::nullopt;
  zip_file_t* file = zip_fopen_index(impl_->archive, found->second, 0);
  if (!file) return std::nullopt;  // unknown method, encrypted, damaged header
  std::string bytes;
  bytes.reserve(static_cast<size_t>(stat.size));
  char buffer[65536];
  bool ok = true;
  // Read to the end even past the stated size: libzip checks the checksum
  // only there, and a stream longer than stated is damage too.
  for (;;) {
    const zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
    if (n < 0 || bytes.size() + static_cast<zip_uint64_t>(n) > stat.size) {
      ok = false;
      break;
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  if (zip_fclose(file) != 0) ok = false;
  if (!ok || bytes.size() != stat.size) return std::nullopt;
  return bytes;
}

std::optional<std::string> ResourceModule::Entry(ResourceKind kind, std::string_view name) const {
  if (!IsResourceName(name)) return std::nullopt;
  return ReadEntry(ResourceEntryName(kind, name));
}

std::optional<std::string> ResourceModule::Picture(std::string_view name) const {
  return Entry(ResourceKind::Picture, name);
}

std::optional<std::string> ResourceModule::Sound(std::string_view name) const {
  return Entry(ResourceKind::Sound, name);
}

std::optional<std::string> ResourceModule::Raw(std::string_view name) const { return Entry(ResourceKind::Raw, name); }

std::optional<CursorResource> ResourceModule::Cursor(std::string_view name) const {
  auto png = Entry(ResourceKind::Cursor, name);
  if (!png) return std::nullopt;
  CursorResource cursor{std::move(*png), 0, 0};
  if (const auto text = ReadEntry(CursorHotSpotEntryName(name))) {
    if (const auto hot = ParseHotSpot(*text)) std::tie(cursor.hotX, cursor.hotY) = *hot;
  }
  return cursor;
}

bool ResourceModule::HasPicture(std::string_view name) const {
  return IsResourceName(name) && impl_->index.count(ToLowerAscii(ResourceEntryName(ResourceKind::Picture, name))) > 0;
}

std::vector<std::string> ResourceModule::Names(ResourceKind kind) const {
  const Layout layout = LayoutOf(kind);
  std::vector<std::string> out;
  for (const std::string& stored : impl_->names) {
    const std::string lower = ToLowerAscii(stored);
    if (!lower.starts_with(layout.folder) || !lower.ends_with(layout.suffix)) continue;
    if (stored.size() < layout.folder.size() + layout.suffix.size()) continue;  // keeps the subtraction below safe
    std::string name = stored.substr(layout.folder.size(), stored.size() - layout.folder.size() - layout.suffix.size());
    // Only names the program could ask for, so that every listed name reads.
    if (IsResourceName(name)) out.push_back(std::move(name));
  }
  return out;
}

std::string CannotLoadModuleMessage(std::string_view path) { return "Can't find/load " + ToLowerAscii(path); }

}  // namespace orv
