// The build's completeness check: every picture, cursor and sound the
// program asks for must be in the module it looks in, at the size it asks
// for. The names come from one list (data/assets/required_names.txt):
//
//   # a comment, to the end of the line
//   [pictures]
//   CB001H 355x288      a picture that must measure exactly 355 x 288
//   SPLASH              a picture of any size
//   [cursors]
//   CUR_ARROW1A 32x32
//   [sounds]
//   Won
//
// Pictures whose names begin "WX", "DX", "SHADOW_X", "3D_BORDER_X" or
// "JOKER_X" are looked for in "plus/soladd.rgf", everything else in
// "SOL.RGF". The additional collections of the "plus" folder are checked
// against their index files ("c01.dat", "d01.dat", "b01.dat") when present.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/resource_module.h"

namespace orv::assets {

struct RequiredName {
  ResourceKind kind = ResourceKind::Picture;
  std::string name;
  int width = 0;  // 0: any size
  int height = 0;
  int line = 0;   // in the list, for messages
};

struct RequiredList {
  std::vector<RequiredName> names;
  std::vector<std::string> errors;  // "line 12: ..." for each bad line
};

RequiredList ParseRequiredNames(std::string_view text);

// Width and height from a PNG's header; nullopt for bytes that are not PNG.
std::optional<std::pair<int, int>> PngSize(std::string_view png);

// Opens the modules below `programFolder`, checks every name of the list
// and writes one line per problem into `report`, then a summary line. True
// when nothing is missing.
bool CheckRequiredNames(const std::string& programFolder, const std::string& listPath, std::string& report);

}  // namespace orv::assets
