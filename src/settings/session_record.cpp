#include "settings/session_record.h"

#include "common/text.h"

namespace orv {

namespace {
constexpr int kBlockSize = 250;

// Block index and 0-based offset of a position; false for positions that
// no field may use.
bool Locate(int pos, size_t& block, size_t& offset) {
  if (pos < 1 || pos >= 1000 || pos == 250 || pos == 500) return false;
  if (pos < 250) {
    block = 0;
    offset = static_cast<size_t>(pos - 1);
  } else if (pos < 500) {
    block = 1;
    offset = static_cast<size_t>(pos - 251);
  } else {
    block = 2;
    offset = static_cast<size_t>(pos - 501);
  }
  return true;
}
}  // namespace

SessionRecord::SessionRecord() {
  for (auto& b : blocks_) b.assign(kBlockSize, ' ');
  Put(sr::SettingsFileName, "Cfg.dat");
}

void SessionRecord::PutField(int pos, int width, std::string_view text) {
  size_t block = 0, offset = 0;
  if (width <= 0 || !Locate(pos, block, offset)) return;
  std::string& b = blocks_[block];
  const std::string value = PadRight(TrimLeft(text), width);
  // A field past the end of its block extends the block (only the temporary
  // file path at 701 does).
  if (b.size() < offset + value.size()) b.resize(offset + value.size(), ' ');
  b.replace(offset, value.size(), value);
}

std::string SessionRecord::GetField(int pos, int width) const {
  size_t block = 0, offset = 0;
  if (width <= 0 || !Locate(pos, block, offset)) return {};
  const std::string& b = blocks_[block];
  if (offset >= b.size()) return {};
  return TrimRight(std::string_view(b).substr(offset, static_cast<size_t>(width)));
}

}  // namespace orv
