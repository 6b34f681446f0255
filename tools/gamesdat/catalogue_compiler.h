// The readable game catalogue: TOML files that name each game's rule
// parameters, share values through templates and carry the rules in words.
// The compiler turns them into the games' parameter columns.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "games/parameters.h"

namespace orv::gamesdat {

struct SourceFile {
  std::string name;  // as shown in messages
  std::string text;
};

struct CompiledGame {
  int number = 0;
  std::string name;
  int group = 0;
  bool wideScreen = false;  // needs a screen at least 800 pixels wide
  bool newGame = false;     // listed under "New games" in the selection dialog
  bool popular = false;     // listed among the popular games
  std::string rules;        // the rules in plain words, for the rules help
  GameParameters params;
};

struct CompileResult {
  std::vector<CompiledGame> games;  // in ascending game numbers
  std::vector<std::string> errors;  // "file:line: message", in the order found
  bool ok() const { return errors.empty(); }
};

// Reads the files in the order given; templates may be used from any file.
CompileResult CompileCatalogue(std::span<const SourceFile> files);

// The catalogue sources named by `paths`: a folder gives its *.toml files in
// sorted name order, a file gives itself. Unreadable paths add an error.
std::vector<SourceFile> ReadSources(std::span<const std::string> paths, std::vector<std::string>& errors);

}  // namespace orv::gamesdat
