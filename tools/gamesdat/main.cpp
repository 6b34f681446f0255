// orvane-gamesdat: compiles the readable game catalogue into "GAMES.DAT".
//   orvane-gamesdat --output <GAMES.DAT> <folder or .toml file>...
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "gamesdat/catalogue_compiler.h"
#include "gamesdat/definitions_writer.h"

namespace {

constexpr int kFailed = 1;
constexpr int kBadUsage = 2;

struct Arguments {
  std::string output;
  std::vector<std::string> inputs;
};

bool ParseArguments(int argc, char** argv, Arguments& args) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--output" || arg == "-o") && i + 1 < argc)
      args.output = argv[++i];
    else
      args.inputs.push_back(arg);
  }
  return !args.output.empty() && !args.inputs.empty();
}

// Written beside the target and renamed over it, so that a failed run never
// leaves a half-written definitions file for the program to read.
bool WriteAtomically(const std::string& path, const std::string& bytes) {
  const std::string temp = path + ".tmp";
  std::error_code ec;
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out.fail()) {
      std::filesystem::remove(temp, ec);
      return false;
    }
  }
  std::filesystem::rename(temp, path, ec);
  if (ec) std::filesystem::remove(temp, ec);
  return !ec;
}

int Report(const std::vector<std::string>& errors) {
  for (const auto& e : errors) std::cerr << e << '\n';
  return kFailed;
}

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  if (!ParseArguments(argc, argv, args)) {
    std::cerr << "usage: orvane-gamesdat --output <GAMES.DAT> <folder or .toml file>...\n";
    return kBadUsage;
  }
  std::vector<std::string> errors;
  const auto sources = orv::gamesdat::ReadSources(args.inputs, errors);
  if (!errors.empty()) return Report(errors);
  const auto result = orv::gamesdat::CompileCatalogue(sources);
  if (!result.ok()) return Report(result.errors);
  if (result.games.empty()) return Report({"orvane-gamesdat: the catalogue defines no games"});
  if (!WriteAtomically(args.output, orv::gamesdat::WriteDefinitionsFile(result.games)))
    return Report({args.output + ": cannot be written"});
  return 0;
}
