#include "platform/resource_writer.h"

#include <sys/stat.h>
#include <zip.h>

#include <cstdio>
#include <ctime>

#include "common/text.h"
#include "platform/files.h"

namespace orv {

namespace {

// 1 January 2003, noon (noon keeps the date whatever the time zone).
constexpr std::time_t kEntryTime = 1041422400;

// What libzip leaves for an archive without entries is no file at all; the
// reader wants an archive, so write the bare end-of-directory record.
std::string EmptyArchive() { return std::string("PK\x05\x06", 4) + std::string(18, '\0'); }

// Reads back the whole in-memory archive libzip has written into `source`.
std::optional<std::string> SourceBytes(zip_source_t* source) {
  if (zip_source_open(source) < 0) return std::nullopt;
  std::optional<std::string> bytes;
  if (zip_source_seek(source, 0, SEEK_END) == 0) {
    const zip_int64_t size = zip_source_tell(source);
    if (size >= 0 && zip_source_seek(source, 0, SEEK_SET) == 0) {
      std::string data(static_cast<size_t>(size), '\0');
      if (zip_source_read(source, data.data(), data.size()) == size) bytes = std::move(data);
    }
  }
  zip_source_close(source);
  return bytes;
}

}  // namespace

bool ResourceWriter::Add(ResourceKind kind, std::string_view name, std::string bytes) {
  if (!IsResourceName(name) || bytes.size() > kMaxResourceSize) return false;
  // Pictures and JPEG data are compressed already; deflating them again
  // only costs time when they are read.
  const bool compress = kind == ResourceKind::Sound;
  Put(ResourceEntryName(kind, name), Entry{{}, std::move(bytes), compress, true});
  return true;
}

void ResourceWriter::Put(const std::string& entryName, Entry entry) {
  entry.name = entryName;
  entries_[ToLowerAscii(entryName)] = std::move(entry);
}

bool ResourceWriter::AddPicture(std::string_view name, std::string png) {
  return Add(ResourceKind::Picture, name, std::move(png));
}

bool ResourceWriter::AddCursor(std::string_view name, std::string png, int hotX, int hotY) {
  if (hotX < 0 || hotY < 0) return false;
  if (!Add(ResourceKind::Cursor, name, std::move(png))) return false;
  Put(CursorHotSpotEntryName(name), Entry{{}, std::to_string(hotX) + " " + std::to_string(hotY), false, false});
  return true;
}

bool ResourceWriter::AddSound(std::string_view name, std::string wav) {
  return Add(ResourceKind::Sound, name, std::move(wav));
}

bool ResourceWriter::AddRaw(std::string_view name, std::string bytes) {
  return Add(ResourceKind::Raw, name, std::move(bytes));
}

std::size_t ResourceWriter::size() const {
  std::size_t n = 0;
  for (const auto& item : entries_) n += item.second.resource ? 1 : 0;
  return n;
}

std::optional<std::string> ResourceWriter::Bytes() const {
  if (entries_.empty()) return EmptyArchive();
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* memory = zip_source_buffer_create(nullptr, 0, 0, &error);
  if (!memory) return std::nullopt;
  zip_t* archive = zip_open_from_source(memory, ZIP_TRUNCATE, &error);
  zip_error_fini(&error);
  if (!archive) {
    zip_source_free(memory);
    return std::nullopt;
  }
  zip_source_keep(memory);  // closing the archive must leave the bytes to us
  bool ok = true;
  for (const auto& [lower, entry] : entries_) {
    // The source borrows the bytes; entries_ outlives zip_close below.
    zip_source_t* data = zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
    const zip_int64_t index = data ? zip_file_add(archive, entry.name.c_str(), data, ZIP_FL_ENC_UTF_8) : -1;
    if (index < 0) {
      if (data) zip_source_free(data);
      ok = false;
      break;
    }
    const auto i = static_cast<zip_uint64_t>(index);
    if (zip_set_file_compression(archive, i, entry.compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0) != 0 ||
        zip_file_set_mtime(archive, i, kEntryTime, 0) != 0) {
      ok = false;
      break;
    }
  }
  if (!ok) {
    zip_discard(archive);
    zip_source_free(memory);
    return std::nullopt;
  }
  if (zip_close(archive) != 0) {
    zip_discard(archive);
    zip_source_free(memory);
    return std::nullopt;
  }
  auto bytes = SourceBytes(memory);
  zip_source_free(memory);
  return bytes;
}

bool ResourceWriter::Save(const std::string& path) const {
  const auto bytes = Bytes();
  if (!bytes) return false;
  const size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  // Beside the target, so the rename stays on one file system.
  const auto temp = CreateTempFile(folder, "." + base + ".");
  if (!temp) return false;
  // The temporary file is private to its maker; a module is read by anyone.
  const bool ok = ::chmod(temp->c_str(), 0644) == 0 && WriteFileDurably(*temp, *bytes) && RenameReplacing(*temp, path);
  if (!ok) RemoveFile(*temp);
  return ok;
}

}  // namespace orv
