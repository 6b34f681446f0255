// Reading the catalogue's TOML files into templates and games as written,
// each value checked on its own and kept with the line it came from.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "gamesdat/catalogue_compiler.h"

namespace orv::gamesdat {

struct Where {
  std::string file;
  int line = 0;
};

// "file:line", and "file:line: text".
std::string Location(const Where& where);
std::string Message(const Where& where, std::string_view text);

// One parameter as written: a number, or one number per pile.
struct WrittenValue {
  const ParameterInfo* info = nullptr;
  bool isList = false;
  std::vector<int> numbers;
  Where where;
};

using WrittenValues = std::map<std::string, WrittenValue, std::less<>>;

// A template or a game: its parameters and the template it builds on.
struct Definition {
  WrittenValues values;
  std::string base;  // empty: none
  Where baseWhere;
  Where where;
};

struct GameSource {
  Definition definition;
  CompiledGame game;  // the catalogue fields; parameters come later
  bool hasNumber = false, hasName = false, hasGroup = false, hasRules = false;
  Where numberWhere, nameWhere;
};

struct CatalogueSource {
  std::map<std::string, Definition, std::less<>> templates;
  std::vector<GameSource> games;  // in file order
};

class ErrorList {
 public:
  explicit ErrorList(std::vector<std::string>& errors) : errors_(errors) {}
  // A message already reported (a fault in a template shared by several
  // games) is reported once.
  void Add(const Where& where, std::string_view text);

 private:
  std::vector<std::string>& errors_;
};

// Adds the templates and games of one file to `source`.
void ReadCatalogueFile(const SourceFile& file, CatalogueSource& source, ErrorList& errors);

}  // namespace orv::gamesdat
