// Writes the definitions file "GAMES.DAT" that the program reads: the
// scrambled catalogue, the parameter matrix and the popular games.
#pragma once

#include <span>
#include <string>

#include "gamesdat/catalogue_compiler.h"

namespace orv::gamesdat {

// The whole file, Windows line endings included. Game i of `games` becomes
// catalogue position and matrix column i. Names must be scramblable, which
// the compiler has checked.
std::string WriteDefinitionsFile(std::span<const CompiledGame> games);

}  // namespace orv::gamesdat
