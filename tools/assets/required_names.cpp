// The completeness check of the asset build (see required_names.h).
#include "assets/required_names.h"

#include <array>
#include <map>
#include <memory>
#include <sstream>

#include "assets/card_pictures.h"
#include "common/text.h"
#include "platform/files.h"
#include "platform/wave.h"

namespace orv::assets {
namespace {

std::optional<ResourceKind> SectionKind(std::string_view header) {
  if (header == "[pictures]") return ResourceKind::Picture;
  if (header == "[cursors]") return ResourceKind::Cursor;
  if (header == "[sounds]") return ResourceKind::Sound;
  return std::nullopt;
}

// "71x96" → (71, 96); both numbers positive.
std::optional<std::pair<int, int>> ParseSize(std::string_view text) {
  const auto x = text.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  const auto w = ParseInt(text.substr(0, x)), h = ParseInt(text.substr(x + 1));
  if (!w || !h || *w <= 0 || *h <= 0 || *w > 100000 || *h > 100000) return std::nullopt;
  return std::pair{static_cast<int>(*w), static_cast<int>(*h)};
}

std::vector<std::string> Words(std::string_view line) {
  std::istringstream in{std::string(line)};
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

const char* KindWord(ResourceKind kind) {
  switch (kind) {
    case ResourceKind::Cursor: return "cursor";
    case ResourceKind::Sound: return "sound";
    default: return "picture";
  }
}

std::uint32_t BigEndian32(std::string_view bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
  return v;
}

std::string SizeText(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }

// Checks the measured size of a picture or cursor against the list.
void CheckSize(const RequiredName& r, const std::string& png, std::vector<std::string>& problems) {
  const auto size = PngSize(png);
  if (!size) {
    problems.push_back(r.name + ": not a PNG picture");
  } else if (r.width && (size->first != r.width || size->second != r.height)) {
    problems.push_back(r.name + ": " + SizeText(r.width, r.height) + " expected, found " +
                       SizeText(size->first, size->second));
  }
}

struct OpenModules {
  std::unique_ptr<ResourceModule> main;
  std::unique_ptr<ResourceModule> extra;
};

void CheckOne(const RequiredName& r, const OpenModules& m, std::vector<std::string>& problems) {
  const bool extra = r.kind == ResourceKind::Picture && IsExtraLargeName(r.name);
  const ResourceModule* module = extra ? m.extra.get() : m.main.get();
  if (!module) return;  // reported once, when it would not open
  const std::string missing = "missing " + std::string(KindWord(r.kind)) + " " + r.name + " in " + module->path();
  if (r.kind == ResourceKind::Picture) {
    if (const auto png = module->Picture(r.name))
      CheckSize(r, *png, problems);
    else
      problems.push_back(missing);
  } else if (r.kind == ResourceKind::Cursor) {
    const auto cursor = module->Cursor(r.name);
    if (!cursor) {
      problems.push_back(missing);
      return;
    }
    CheckSize(r, cursor->png, problems);
    const auto size = PngSize(cursor->png);
    if (size && (cursor->hotX >= size->first || cursor->hotY >= size->second))
      problems.push_back(r.name + ": hot spot outside the cursor");
  } else {
    const auto wav = module->Sound(r.name);
    if (!wav)
      problems.push_back(missing);
    else if (!ParseWave(*wav))
      problems.push_back(r.name + ": not a sound the player can play");
  }
}

// An additional collection: every item its index file names must be in its
// container, in a form the program can use.
enum class ItemForm { CardSheet, Back, Jpeg };
struct Collection {
  const char* index;
  const char* container;
  ItemForm form;
};
constexpr std::array<Collection, 3> kCollections{{
    {"c01.dat", "c01.rgf", ItemForm::CardSheet},
    {"d01.dat", "d01.rgf", ItemForm::Back},
    {"b01.dat", "b01.rgf", ItemForm::Jpeg},
}};

// Card-set sheets are five cards wide and twelve high at one of the card
// sizes; backs are stretched from one of the card widths; backgrounds are
// JPEG data.
bool UsableItem(ItemForm form, const std::string& bytes) {
  if (form == ItemForm::Jpeg) return bytes.size() > 2 && bytes.compare(0, 2, "\xFF\xD8") == 0;
  const auto size = PngSize(bytes);
  if (!size) return false;
  for (const CardSize& card : kCardSizes) {
    if (card.letter == 'L') continue;
    if (form == ItemForm::CardSheet ? size->first == 5 * card.width && size->second == 12 * card.height
                                    : size->first == card.width)
      return true;
  }
  return false;
}

void CheckCollection(const Collection& c, const std::string& plus, std::vector<std::string>& problems) {
  const auto lines = ReadTextLines(plus + c.index);
  if (!lines) return;  // no index: the program offers no such items
  const auto module = ResourceModule::Open(plus + c.container);
  for (const std::string& line : *lines) {
    const auto eq = line.find('=');
    if (Trim(line).empty()) continue;
    const std::string name = Trim(line.substr(0, eq));
    if (eq == std::string::npos || name.empty()) {
      problems.push_back(plus + c.index + ": no name in \"" + line + "\"");
      continue;
    }
    std::optional<std::string> bytes;
    if (module) bytes = c.form == ItemForm::Jpeg ? module->Raw(name) : module->Picture(name);
    if (!bytes)
      problems.push_back("missing " + name + " in " + plus + c.container);
    else if (!UsableItem(c.form, *bytes))
      problems.push_back(name + " in " + plus + c.container + ": not a usable picture");
  }
}

}  // namespace

RequiredList ParseRequiredNames(std::string_view text) {
  RequiredList list;
  std::optional<ResourceKind> kind;
  bool unknownSection = false;  // its names are skipped: the section is reported once
  std::map<std::pair<ResourceKind, std::string>, int> seen;
  int number = 0;
  for (const std::string& raw : SplitLines(text)) {
    ++number;
    const auto words = Words(std::string_view(raw).substr(0, raw.find('#')));
    auto error = [&](const std::string& what) { list.errors.push_back("line " + std::to_string(number) + ": " + what); };
    if (words.empty()) continue;
    if (words[0].front() == '[') {
      kind = SectionKind(words[0]);
      unknownSection = !kind || words.size() > 1;
      if (unknownSection) error("unknown section " + raw);
      continue;
    }
    if (unknownSection) continue;
    if (!kind) { error("a name before the first section"); continue; }
    RequiredName r{*kind, words[0], 0, 0, number};
    if (!IsResourceName(r.name)) { error("not a resource name: " + r.name); continue; }
    if (words.size() > 2 || (words.size() == 2 && *kind == ResourceKind::Sound)) { error("unexpected text after " + r.name); continue; }
    if (words.size() == 2) {
      const auto size = ParseSize(words[1]);
      if (!size) { error("not a size (WIDTHxHEIGHT): " + words[1]); continue; }
      std::tie(r.width, r.height) = *size;
    }
    const auto [it, fresh] = seen.emplace(std::pair{*kind, ToLowerAscii(r.name)}, number);
    if (!fresh) { error(r.name + " already listed on line " + std::to_string(it->second)); continue; }
    list.names.push_back(std::move(r));
  }
  return list;
}

std::optional<std::pair<int, int>> PngSize(std::string_view png) {
  static constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
  if (png.size() < 24 || png.substr(0, 8) != kSignature || png.substr(12, 4) != "IHDR") return std::nullopt;
  return std::pair{static_cast<int>(BigEndian32(png, 16)), static_cast<int>(BigEndian32(png, 20))};
}

bool CheckRequiredNames(const std::string& programFolder, const std::string& listPath, std::string& report) {
  const auto text = ReadFileBytes(listPath);
  if (!text) {
    report = "cannot read the list of required names " + listPath + "\n";
    return false;
  }
  const RequiredList list = ParseRequiredNames(*text);
  std::vector<std::string> problems;
  for (const auto& e : list.errors) problems.push_back(listPath + ": " + e);
  const std::string folder = WithTrailingSlash(programFolder);
  OpenModules m{ResourceModule::Open(folder + "SOL.RGF"), ResourceModule::Open(folder + "plus/soladd.rgf")};
  if (!m.main) problems.push_back("cannot open " + folder + "SOL.RGF");
  if (!m.extra) problems.push_back("cannot open " + folder + "plus/soladd.rgf");
  for (const auto& r : list.names) CheckOne(r, m, problems);
  for (const auto& c : kCollections) CheckCollection(c, folder + "plus/", problems);
  report.clear();
  for (const auto& p : problems) report += p + "\n";
  report += std::to_string(list.names.size()) + " required names checked, " + std::to_string(problems.size()) +
            (problems.size() == 1 ? " problem\n" : " problems\n");
  return problems.empty() && !list.names.empty();
}

}  // namespace orv::assets
