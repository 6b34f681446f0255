// Opens arbitrary bytes as a resource module and reads everything it lists:
// every input must end in no module, or in answers that are absent or
// consistent, never a crash, a leak or a read outside a buffer.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/resource_module.h"

namespace {

// One file per fuzzing process, rewritten for every input and removed at
// exit.
struct InputFile {
  std::string path;
  InputFile() {
    auto made = orv::CreateTempFile("", "fuzz_resource_module.");
    if (!made) std::abort();
    path = *made;
  }
  ~InputFile() { orv::RemoveFile(path); }
};

const std::string& InputPath() {
  static const InputFile file;
  return file.path;
}

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// A plain write: flushing to disk for every input would only slow the run.
bool WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool ok = std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& path = InputPath();
  Check(WriteInput(path, data, size));
  const auto module = orv::ResourceModule::Open(path);
  if (!module) return 0;

  using orv::ResourceKind;
  for (ResourceKind kind : {ResourceKind::Picture, ResourceKind::Cursor, ResourceKind::Sound, ResourceKind::Raw}) {
    for (const std::string& name : module->Names(kind)) {
      // A listed name is one the program may ask for.
      Check(orv::IsResourceName(name));
      std::optional<std::string> bytes;
      switch (kind) {
        case ResourceKind::Picture:
          bytes = module->Picture(name);
          Check(module->HasPicture(name));
          break;
        case ResourceKind::Cursor:
          if (const auto cursor = module->Cursor(name)) {
            Check(cursor->hotX >= 0 && cursor->hotY >= 0);
            bytes = cursor->png;
          }
          break;
        case ResourceKind::Sound: bytes = module->Sound(name); break;
        case ResourceKind::Raw: bytes = module->Raw(name); break;
      }
      Check(!bytes || bytes->size() <= orv::kMaxResourceSize);
    }
  }
  // Names no module can hold.
  for (const char* name : {"", "../x", "a/b", "x\\y"}) {
    Check(!module->Picture(name) && !module->Raw(name) && !module->HasPicture(name));
  }
  return 0;
}
