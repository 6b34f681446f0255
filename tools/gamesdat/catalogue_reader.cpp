#include "gamesdat/catalogue_reader.h"

#include <algorithm>
#include <optional>

#include <toml++/toml.h>

#include "common/text.h"

namespace orv::gamesdat {

namespace {

constexpr std::string_view kTemplateSection = "template";
constexpr std::string_view kGameSection = "game";
constexpr std::string_view kBaseKey = "base";
constexpr std::string_view kCatalogueFields[] = {"number", "name", "group", "wide_screen", "new_game", "popular", "rules"};
constexpr int kMaxGameNumber = 999;
constexpr int kFirstGroup = 2, kLastGroup = 27;
constexpr size_t kMaxNameLength = 50;

bool IsCatalogueField(std::string_view key) {
  return std::find(std::begin(kCatalogueFields), std::end(kCatalogueFields), key) != std::end(kCatalogueFields);
}

std::string Quoted(std::string_view key) { return "'" + std::string(key) + "'"; }

// Names go into a scrambled, fixed-width field and are compared without
// their trailing blanks, so only printable ASCII without outer blanks fits.
std::optional<std::string> NameProblem(std::string_view name) {
  if (name.empty()) return "the name is empty";
  if (name.size() > kMaxNameLength) return "the name is longer than 50 characters";
  if (std::any_of(name.begin(), name.end(), [](char c) { return c < ' ' || c > '~'; }))
    return "the name may hold only printable ASCII characters";
  if (name.front() == ' ' || name.back() == ' ') return "the name starts or ends with a blank";
  return std::nullopt;
}

class FileReader {
 public:
  FileReader(const SourceFile& file, CatalogueSource& source, ErrorList& errors)
      : file_(file.name), source_(source), errors_(errors) {}

  void Read(const toml::table& root);

 private:
  Where At(const toml::source_region& region) const { return {file_, static_cast<int>(region.begin.line)}; }
  Where At(const toml::node& node) const { return At(node.source()); }

  void ReadTemplates(const toml::node& node);
  void ReadTemplate(const toml::key& name, const toml::node& node);
  void ReadGames(const toml::node& node);
  void ReadGame(const toml::table& table);
  void ReadCatalogueField(std::string_view key, const toml::node& node, GameSource& game);
  void ReadName(const toml::node& node, GameSource& game);
  void ReadRules(const toml::node& node, GameSource& game);
  void ReadDefinitionKey(const toml::key& key, const toml::node& node, Definition& into);
  void ReadParameter(const ParameterInfo& info, const toml::node& node, Definition& into);

  std::optional<int> Integer(std::string_view key, const toml::node& node, long long lo, long long hi);
  std::optional<bool> Flag(std::string_view key, const toml::node& node);
  std::optional<std::string> Text(std::string_view key, const toml::node& node);

  std::string file_;
  CatalogueSource& source_;
  ErrorList& errors_;
};

void FileReader::Read(const toml::table& root) {
  for (auto&& [key, node] : root) {
    if (key.str() == kTemplateSection)
      ReadTemplates(node);
    else if (key.str() == kGameSection)
      ReadGames(node);
    else
      errors_.Add(At(key.source()), Quoted(key.str()) + " is neither a [template.<name>] table nor a [[game]] entry");
  }
}

void FileReader::ReadTemplates(const toml::node& node) {
  const auto* templates = node.as_table();
  if (!templates) return errors_.Add(At(node), "templates are written as [template.<name>] tables");
  for (auto&& [name, body] : *templates) ReadTemplate(name, body);
}

void FileReader::ReadTemplate(const toml::key& name, const toml::node& node) {
  const auto* table = node.as_table();
  if (!table) return errors_.Add(At(node), "template " + Quoted(name.str()) + " must be a table");
  if (auto it = source_.templates.find(name.str()); it != source_.templates.end())
    return errors_.Add(At(node), "template " + Quoted(name.str()) + " is already defined at " + Location(it->second.where));
  Definition definition;
  definition.where = At(node);
  for (auto&& [key, value] : *table) {
    if (IsCatalogueField(key.str()))
      errors_.Add(At(key.source()), Quoted(key.str()) + " belongs to a [[game]], not to a template");
    else
      ReadDefinitionKey(key, value, definition);
  }
  source_.templates.emplace(std::string(name.str()), std::move(definition));
}

void FileReader::ReadGames(const toml::node& node) {
  const auto* games = node.as_array();
  if (!games) return errors_.Add(At(node), "games are written as [[game]] entries");
  for (const auto& entry : *games) {
    if (const auto* table = entry.as_table())
      ReadGame(*table);
    else
      errors_.Add(At(entry), "a game must be a table");
  }
}

void FileReader::ReadGame(const toml::table& table) {
  GameSource game;
  game.definition.where = At(table);
  for (auto&& [key, value] : table) {
    if (IsCatalogueField(key.str()))
      ReadCatalogueField(key.str(), value, game);
    else
      ReadDefinitionKey(key, value, game.definition);
  }
  source_.games.push_back(std::move(game));
}

void FileReader::ReadCatalogueField(std::string_view key, const toml::node& node, GameSource& game) {
  auto& g = game.game;
  if (key == "number") {
    auto v = Integer(key, node, 0, kMaxGameNumber);
    game.hasNumber = v.has_value();
    g.number = v.value_or(0);
    game.numberWhere = At(node);
  } else if (key == "group") {
    auto v = Integer(key, node, kFirstGroup, kLastGroup);
    game.hasGroup = v.has_value();
    g.group = v.value_or(0);
  } else if (key == "name") {
    ReadName(node, game);
  } else if (key == "rules") {
    ReadRules(node, game);
  } else if (auto flag = Flag(key, node)) {
    (key == "wide_screen" ? g.wideScreen : key == "new_game" ? g.newGame : g.popular) = *flag;
  }
}

void FileReader::ReadName(const toml::node& node, GameSource& game) {
  auto name = Text("name", node);
  if (!name) return;
  if (auto problem = NameProblem(*name)) return errors_.Add(At(node), *problem + ": \"" + *name + "\"");
  game.game.name = *name;
  game.hasName = true;
  game.nameWhere = At(node);
}

void FileReader::ReadRules(const toml::node& node, GameSource& game) {
  auto text = Text("rules", node);
  if (!text) return;
  if (Trim(*text).empty()) return errors_.Add(At(node), "the rules text is empty");
  game.game.rules = *text;
  game.hasRules = true;
}

void FileReader::ReadDefinitionKey(const toml::key& key, const toml::node& node, Definition& into) {
  if (key.str() == kBaseKey) {
    if (auto base = Text(kBaseKey, node)) into.base = *base, into.baseWhere = At(node);
    return;
  }
  const ParameterInfo* info = FindParameterByKey(key.str());
  if (!info) return errors_.Add(At(key.source()), "unknown parameter " + Quoted(key.str()));
  ReadParameter(*info, node, into);
}

// A per-pile parameter takes a list (one value per pile from pile 1) or a
// single value for every pile in play; any other parameter one value.
void FileReader::ReadParameter(const ParameterInfo& info, const toml::node& node, Definition& into) {
  WrittenValue value{&info, node.is_array(), {}, At(node)};
  if (const auto* list = node.as_array()) {
    if (info.count == 1) return errors_.Add(At(node), Quoted(info.key) + " takes one value, not a list");
    bool ok = true;
    for (const auto& element : *list) {
      auto v = Integer(info.key, element, info.min, info.max);
      ok = ok && v.has_value();
      if (v) value.numbers.push_back(*v);
    }
    if (!ok) return;
  } else {
    auto v = Integer(info.key, node, info.min, info.max);
    if (!v) return;
    value.numbers.push_back(*v);
  }
  into.values[std::string(info.key)] = std::move(value);
}

std::optional<int> FileReader::Integer(std::string_view key, const toml::node& node, long long lo, long long hi) {
  const auto* integer = node.as_integer();
  if (!integer) {
    errors_.Add(At(node), Quoted(key) + " must be a whole number");
    return std::nullopt;
  }
  const long long v = integer->get();
  if (v < lo || v > hi) {
    errors_.Add(At(node), Quoted(key) + " = " + std::to_string(v) + " is out of range " + std::to_string(lo) + ".." +
                              std::to_string(hi));
    return std::nullopt;
  }
  return static_cast<int>(v);
}

std::optional<bool> FileReader::Flag(std::string_view key, const toml::node& node) {
  if (const auto* flag = node.as_boolean()) return flag->get();
  errors_.Add(At(node), Quoted(key) + " must be true or false");
  return std::nullopt;
}

std::optional<std::string> FileReader::Text(std::string_view key, const toml::node& node) {
  if (const auto* text = node.as_string()) return text->get();
  errors_.Add(At(node), Quoted(key) + " must be a text in quotes");
  return std::nullopt;
}

}  // namespace

std::string Location(const Where& where) { return where.file + ":" + std::to_string(where.line); }

std::string Message(const Where& where, std::string_view text) { return Location(where) + ": " + std::string(text); }

void ErrorList::Add(const Where& where, std::string_view text) {
  std::string message = Message(where, text);
  if (std::find(errors_.begin(), errors_.end(), message) == errors_.end()) errors_.push_back(std::move(message));
}

void ReadCatalogueFile(const SourceFile& file, CatalogueSource& source, ErrorList& errors) {
  try {
    const toml::table root = toml::parse(std::string_view(file.text), std::string_view(file.name));
    FileReader(file, source, errors).Read(root);
  } catch (const toml::parse_error& e) {
    errors.Add({file.name, static_cast<int>(e.source().begin.line)}, e.description());
  }
}

}  // namespace orv::gamesdat
