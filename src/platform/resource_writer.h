// Writes resource modules in the layout ResourceModule reads (see
// resource_module.h). Used by the asset build and by tests:
//
//   ResourceWriter module;
//   module.AddPicture("CB001H", pngBytes);
//   module.AddCursor("CUR_ARROW1A", pngBytes, 3, 1);
//   module.AddSound("Won", wavBytes);
//   if (!module.Save(programFolder + "SOL.RGF")) ...
//
// Every Add returns false and adds nothing for a name the reader could never
// find (see IsResourceName), a negative hot spot, or bytes larger than
// kMaxResourceSize. Adding a name again (in any case) replaces the earlier
// resource of that kind. The archive lists its entries sorted by name and
// with a fixed date, so the same resources give the same file.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/resource_module.h"

namespace orv {

class ResourceWriter {
 public:
  bool AddPicture(std::string_view name, std::string png);
  bool AddCursor(std::string_view name, std::string png, int hotX, int hotY);
  bool AddSound(std::string_view name, std::string wav);
  bool AddRaw(std::string_view name, std::string bytes);

  // Resources added so far (a cursor counts once).
  std::size_t size() const;

  // The archive's bytes; nullopt when the archive could not be built.
  std::optional<std::string> Bytes() const;
  // Writes the archive through a temporary file in the target's folder
  // that then replaces `path` in one step, so a reader never sees half a
  // module; on failure any old file stays as it was.
  bool Save(const std::string& path) const;

 private:
  struct Entry {
    std::string name;  // as given, for the archive
    std::string bytes;
    bool compress = false;
    bool resource = true;  // false for a cursor's hot spot
  };
  bool Add(ResourceKind kind, std::string_view name, std::string bytes);
  void Put(const std::string& entryName, Entry entry);

  std::map<std::string, Entry> entries_;  // by lower-case entry name
};

}  // namespace orv
