#include "platform/profile.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "common/text.h"
#include "platform/files.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

// One line of the file with its own terminator, so that an edit rewrites
// only the line it changes and every other byte stays as it was.
struct Line {
  std::string text;
  std::string eol;  // "\r\n", "\n", "\r", or empty for a last line without one
};

struct Document {
  std::vector<Line> lines;
  std::string eol = "\n";  // the terminator new lines get: the file's first one
};

enum class Kind { Other, Section, Key };

struct Classified {
  Kind kind = Kind::Other;
  std::string name;  // the section or key name, blanks removed
};

// A section's lines: the header and everything up to the next header.
struct Range {
  size_t header;
  size_t end;
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

Document Parse(std::string_view bytes) {
  Document doc;
  bool styleSeen = false;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      doc.lines.push_back({std::string(bytes.substr(start)), {}});
      break;
    }
    size_t next = end + 1;
    if (bytes[end] == '\r' && next < bytes.size() && bytes[next] == '\n') ++next;
    Line line{std::string(bytes.substr(start, end - start)), std::string(bytes.substr(end, next - end))};
    if (!styleSeen) {
      doc.eol = line.eol;
      styleSeen = true;
    }
    doc.lines.push_back(std::move(line));
    start = next;
  }
  return doc;
}

std::string Serialize(const Document& doc) {
  std::string out;
  for (const auto& line : doc.lines) out += line.text + line.eol;
  return out;
}

Classified Classify(std::string_view text, bool firstLine) {
  if (firstLine && text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
  const std::string t = Trim(text);
  if (t.empty() || t[0] == ';' || t[0] == '#') return {};
  if (t[0] == '[') {
    const size_t close = t.find(']');
    return {Kind::Section,
            Trim(std::string_view(t).substr(1, close == std::string::npos ? std::string::npos : close - 1))};
  }
  const size_t eq = t.find('=');
  if (eq == std::string::npos) return {};
  std::string key = Trim(std::string_view(t).substr(0, eq));
  if (key.empty()) return {};
  return {Kind::Key, std::move(key)};
}

Classified ClassifyAt(const Document& doc, size_t i) { return Classify(doc.lines[i].text, i == 0); }

// The first section of that name; later duplicates are not consulted.
std::optional<Range> FindSection(const Document& doc, std::string_view section) {
  const std::string wanted = Trim(section);
  for (size_t i = 0; i < doc.lines.size(); ++i) {
    const Classified c = ClassifyAt(doc, i);
    if (c.kind != Kind::Section || !EqualsNoCase(c.name, wanted)) continue;
    size_t end = i + 1;
    while (end < doc.lines.size() && ClassifyAt(doc, end).kind != Kind::Section) ++end;
    return Range{i, end};
  }
  return std::nullopt;
}

std::optional<size_t> FindKey(const Document& doc, const Range& range, std::string_view key) {
  const std::string wanted = Trim(key);
  for (size_t i = range.header + 1; i < range.end; ++i) {
    const Classified c = ClassifyAt(doc, i);
    if (c.kind == Kind::Key && EqualsNoCase(c.name, wanted)) return i;
  }
  return std::nullopt;
}

std::string ValueOf(const std::string& keyLine) {
  std::string value = Trim(std::string_view(keyLine).substr(keyLine.find('=') + 1));
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
  return value;
}

bool HasEdgeBlank(std::string_view s) {
  return !s.empty() && (static_cast<unsigned char>(s.front()) <= ' ' || static_cast<unsigned char>(s.back()) <= ' ');
}

// Quotes a value that reading would otherwise change (edge blanks or its
// own enclosing quotes), so that what is written reads back the same.
std::string FormatValue(std::string_view value) {
  const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
  if (HasEdgeBlank(value) || quoted) return "\"" + std::string(value) + "\"";
  return std::string(value);
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// Names and values that would change the file's structure are refused.
bool IsWritable(std::string_view section, std::string_view key, std::string_view value) {
  const std::string s = Trim(section), k = Trim(key);
  if (s.empty() || k.empty() || HasLineBreak(s) || HasLineBreak(k) || HasLineBreak(value)) return false;
  if (s.find(']') != std::string::npos || k.find('=') != std::string::npos) return false;
  return k[0] != '[' && k[0] != ';' && k[0] != '#';
}

// Inserts a line at `at` (not past the end). A line appended after a last
// line without terminator takes over that state, so the file keeps its end.
void InsertLine(Document& doc, size_t at, std::string text) {
  std::string eol = doc.eol;
  if (at > 0 && doc.lines[at - 1].eol.empty()) {
    doc.lines[at - 1].eol = doc.eol;
    eol.clear();
  }
  doc.lines.insert(doc.lines.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), std::move(eol)});
}

// Replaces the value of a key line, keeping the key's spelling and the
// blanks around the equals sign.
void RewriteKeyLine(Line& line, std::string_view value) {
  const size_t eq = line.text.find('=');
  std::string rest = line.text.substr(eq + 1);
  const size_t blanks = rest.find_first_not_of(" \t");
  std::string lead = value.empty() ? std::string() : rest.substr(0, blanks == std::string::npos ? rest.size() : blanks);
  line.text = line.text.substr(0, eq + 1) + lead + std::string(value);
}

Document Load(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  return bytes ? Parse(*bytes) : Document{};
}

// Loads the file for a change. A missing file is an empty document; a file
// that exists but cannot be read must not be replaced by one without it.
std::optional<Document> LoadForChange(const std::string& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found) return Document{};
  if (ec) return std::nullopt;
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return Parse(*bytes);
}

// Writes beside the file, flushes, and renames over it: a crash leaves
// either the old or the new file, never a half-written one.
bool ReplaceAtomically(const std::string& path, const std::string& bytes) {
  std::error_code ec;
  const bool exists = fs::exists(path, ec);
  if (exists && !IsWritableFile(path)) return false;
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  auto temp = CreateTempFile(folder, "." + name + ".");
  if (!temp) return false;
  bool ok = WriteFileDurably(*temp, bytes);
  if (ok && exists) fs::permissions(*temp, fs::status(path, ec).permissions(), ec);
  ok = ok && RenameReplacing(*temp, path);
  if (!ok) RemoveFile(*temp);
  return ok;
}

}  // namespace

std::string ProfileFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
  const Document doc = Load(path_);
  if (auto range = FindSection(doc, section))
    if (auto line = FindKey(doc, *range, key)) return ValueOf(doc.lines[*line].text);
  return std::string(fallback);
}

long long ProfileFile::ReadInteger(std::string_view section, std::string_view key, long long fallback) const {
  const Document doc = Load(path_);
  if (auto range = FindSection(doc, section))
    if (auto line = FindKey(doc, *range, key)) return ParseIntOr(Trim(ValueOf(doc.lines[*line].text)), fallback);
  return fallback;
}

bool ProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value) const {
  if (!IsWritable(section, key, value)) return false;
  auto doc = LoadForChange(path_);
  if (!doc) return false;
  const std::string formatted = FormatValue(value);
  const std::string keyLine = Trim(key) + "=" + formatted;
  if (auto range = FindSection(*doc, section)) {
    if (auto line = FindKey(*doc, *range, key)) {
      RewriteKeyLine(doc->lines[*line], formatted);
    } else {
      // After the section's last key, before its trailing blanks and comments.
      size_t at = range->header + 1;
      for (size_t i = range->header + 1; i < range->end; ++i)
        if (ClassifyAt(*doc, i).kind == Kind::Key) at = i + 1;
      InsertLine(*doc, at, keyLine);
    }
  } else {
    InsertLine(*doc, doc->lines.size(), "[" + Trim(section) + "]");
    InsertLine(*doc, doc->lines.size(), keyLine);
  }
  return ReplaceAtomically(path_, Serialize(*doc));
}

bool ProfileFile::WriteInteger(std::string_view section, std::string_view key, long long value) const {
  return WriteString(section, key, std::to_string(value));
}

std::vector<std::string> ProfileFile::Keys(std::string_view section) const {
  const Document doc = Load(path_);
  std::vector<std::string> keys;
  auto range = FindSection(doc, section);
  if (!range) return keys;
  for (size_t i = range->header + 1; i < range->end; ++i) {
    Classified c = ClassifyAt(doc, i);
    if (c.kind != Kind::Key) continue;
    bool seen = false;
    for (const auto& k : keys) seen = seen || EqualsNoCase(k, c.name);
    if (!seen) keys.push_back(std::move(c.name));
  }
  return keys;
}

bool ProfileFile::SectionExists(std::string_view section) const {
  return FindSection(Load(path_), section).has_value();
}

bool ProfileFile::DeleteKey(std::string_view section, std::string_view key) const {
  auto doc = LoadForChange(path_);
  if (!doc) return false;
  auto range = FindSection(*doc, section);
  if (!range || !FindKey(*doc, *range, key)) return true;  // already absent
  // Every occurrence goes, or a later duplicate would surface in its place.
  for (size_t i = range->end; i-- > range->header + 1;) {
    const Classified c = ClassifyAt(*doc, i);
    if (c.kind != Kind::Key || !EqualsNoCase(c.name, Trim(key))) continue;
    const bool lastWithoutEol = doc->lines[i].eol.empty();
    doc->lines.erase(doc->lines.begin() + static_cast<std::ptrdiff_t>(i));
    if (lastWithoutEol && i > 0 && i == doc->lines.size()) doc->lines[i - 1].eol.clear();
  }
  return ReplaceAtomically(path_, Serialize(*doc));
}

}  // namespace orv
