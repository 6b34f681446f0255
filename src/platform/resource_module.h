// Resource modules: zip archives of named pictures, cursors, sounds and raw
// data, read by name without regard to case. The program's pictures and
// sounds all come from here ("SOL.RGF" and the "plus" containers).
//
// Layout inside the archive (entry names are matched without regard to case):
//   pictures/NAME.png      a picture (PNG, any alpha ignored unless stated)
//   cursors/NAME.png       a cursor picture, with cursors/NAME.hot holding
//                          its hot spot as "x y"
//   sounds/NAME.wav        a sound (RIFF WAVE)
//   raw/NAME               raw bytes (JPEG backgrounds of the containers)
//
// ResourceWriter (resource_writer.h) writes this layout.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

enum class ResourceKind { Picture, Cursor, Sound, Raw };

struct CursorResource {
  std::string png;
  int hotX = 0;
  int hotY = 0;
};

// An entry larger than this counts as damaged: a corrupt size field must not
// make the reader allocate gigabytes. The largest real picture is far below.
inline constexpr std::uint64_t kMaxResourceSize = 64u * 1024 * 1024;

// A name the program may ask for: not empty, at most 255 bytes, without "/",
// "\" or control characters. Other names are never found.
bool IsResourceName(std::string_view name);

// The archive entry holding a resource ("sounds/Won.wav"); the cursor's hot
// spot lies beside its picture ("cursors/CUR_ARROW1A.hot").
std::string ResourceEntryName(ResourceKind kind, std::string_view name);
std::string CursorHotSpotEntryName(std::string_view name);

class ResourceModule {
 public:
  // Opens an archive; nullptr when it is missing or not a readable archive.
  static std::unique_ptr<ResourceModule> Open(const std::string& path);
  ~ResourceModule();
  ResourceModule(const ResourceModule&) = delete;
  ResourceModule& operator=(const ResourceModule&) = delete;

  const std::string& path() const { return path_; }

  // Bytes of a named resource; nullopt when the name is absent or the entry
  // cannot be read (a damaged archive never crashes the reader).
  std::optional<std::string> Picture(std::string_view name) const;
  std::optional<std::string> Sound(std::string_view name) const;
  std::optional<std::string> Raw(std::string_view name) const;
  // A missing or malformed hot spot reads as (0, 0): the picture is still a
  // usable cursor.
  std::optional<CursorResource> Cursor(std::string_view name) const;
  // Whether the archive lists the picture (its bytes are not read).
  bool HasPicture(std::string_view name) const;

  // Every name of one kind, as stored, in archive order. Of two entries
  // whose names differ only in case the first one is the one read, so only
  // it is listed.
  std::vector<std::string> Names(ResourceKind kind) const;
  // Every picture name (for the build's completeness check).
  std::vector<std::string> PictureNames() const { return Names(ResourceKind::Picture); }

 private:
  struct Impl;
  explicit ResourceModule(std::string path, std::unique_ptr<Impl> impl);
  std::optional<std::string> Entry(ResourceKind kind, std::string_view name) const;
  std::optional<std::string> ReadEntry(const std::string& entryName) const;

  std::string path_;
  std::unique_ptr<Impl> impl_;
};

// The message shown when a module cannot be opened: "Can't find/load "
// followed by its path in lower case.
std::string CannotLoadModuleMessage(std::string_view path);

}  // namespace orv
