#include <iostream>

#include "cli.h"
#include "platform/files.h"

int main(int argc, char* argv[]) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return orv::cli::Run(args, orv::ExecutableFolder(), std::cin, std::cout, std::cerr);
}
