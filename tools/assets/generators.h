// The asset build: every picture, cursor and sound of the program is drawn
// or converted here and packed into the resource modules. Each generator
// adds its resources to the module(s) it is given.
#pragma once

#include <string>

namespace orv {
class ResourceWriter;
}

namespace orv::assets {

struct Modules {
  ResourceWriter& main;        // "SOL.RGF": every standard picture, cursor, sound
  ResourceWriter& extra;       // "plus/soladd.rgf": the extra-large pictures
  ResourceWriter& cardSets;    // "plus/c01.rgf": one additional card set
  ResourceWriter& backs;       // "plus/d01.rgf": one additional back
  ResourceWriter& backgrounds; // "plus/b01.rgf": one additional background (JPEG)
};

struct Options {
  std::string outputFolder;  // the program folder; "plus/" lies below it
  std::string sourceFolder;  // data/assets of the source tree
};

// Card faces of the built-in sets, jokers, backs, backgrounds, pile symbols,
// shadows, edges, the special reserve picture, and the "plus" collections
// (with their index files written into outputFolder + "plus/").
bool AddCardPictures(const Modules& m, const Options& o);

// Toolbar, menu, tree, rating, status-bar, suit, panel, preview and splash
// pictures.
bool AddInterfacePictures(const Modules& m, const Options& o);

// The twelve cursors with their hot spots.
bool AddCursors(const Modules& m, const Options& o);

// The sixteen sounds.
bool AddSounds(const Modules& m, const Options& o);

}  // namespace orv::assets
