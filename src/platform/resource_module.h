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
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

struct CursorResource {
  std::string png;
  int hotX = 0;
  int hotY = 0;
};

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
  std::optional<CursorResource> Cursor(std::string_view name) const;
  bool HasPicture(std::string_view name) const;

  // Every picture name, as stored (for the build's completeness check).
  std::vector<std::string> PictureNames() const;

 private:
  struct Impl;
  explicit ResourceModule(std::string path, std::unique_ptr<Impl> impl);
  std::optional<std::string> Entry(std::string_view folder, std::string_view name, std::string_view suffix) const;

  std::string path_;
  std::unique_ptr<Impl> impl_;
};

// The message shown when a module cannot be opened: "Can't find/load "
// followed by its path in lower case.
std::string CannotLoadModuleMessage(std::string_view path);

}  // namespace orv
