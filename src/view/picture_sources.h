// Where pictures come from: the image module "SOL.RGF", the extra module of
// extra-large pictures, the additional collections of the "plus" folder and
// the player's own files. Every reader answers with a null QImage when the
// picture cannot be had, so that callers fall back instead of crashing.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include <QImage>

#include "platform/resource_module.h"
#include "play/engine.h"

namespace orv {

inline constexpr std::string_view kPlusFolder = "plus/";
inline constexpr std::string_view kExtraModuleFile = "soladd.rgf";
// Deleted whenever an additional collection fails to load.
inline constexpr std::string_view kRandomReadFile = "Rnd_read.dat";

// The three additional collections of the "plus" folder.
enum class Collection { Backgrounds, Backs, CardSets };

// The container ("b01.rgf") and its index ("b01.dat") of a collection.
std::string_view ContainerFile(Collection kind);
std::string_view IndexFile(Collection kind);

// The resource name of an additional item from its display name, through the
// index lines "resource=display". Empty when the index is missing or does
// not list the name. The display name must match the text after "=" exactly:
// "Roses" never finds "Red Roses".
std::string LookupCollectionItem(std::string_view programFolder, Collection kind, std::string_view displayName);

// Extra-large pictures live in the extra module: names beginning "WX", "DX",
// "SHADOW_X", "3D_BORDER_X" or "JOKER_X".
bool IsExtraLargeName(std::string_view name);

enum class ImageFileKind { Bitmap, Jpeg };

// Picture bytes of the modules (PNG) and JPEG bytes, decoded; null on failure.
QImage DecodePng(std::string_view bytes);
QImage DecodeJpegImage(std::string_view bytes);

// Reads a picture file. A missing file shows "Cannot find images file:" with
// the path and the advice to reinstall, titled "Error", and gives a null
// picture: the caller falls back to a built-in picture rather than ending
// the program. A file that exists but does not decode gives a null picture
// without a message (the caller knows what the file was for).
QImage ReadImageFile(Host& host, const std::string& path, ImageFileKind kind);

// Pictures by resource name for one program run. The image module is opened
// by the program at start-up and may be null (then every picture is absent);
// the extra module is opened on first use and kept open.
class PictureSources {
 public:
  PictureSources(Engine& engine, const ResourceModule* imageModule) : engine_(engine), imageModule_(imageModule) {}

  Engine& engine() const { return engine_; }
  const ResourceModule* imageModule() const { return imageModule_; }

  struct Fetch {
    QImage image;                     // null when the picture is absent
    bool extraModuleMissing = false;  // the extra module could not be opened
  };
  // A picture by name from the image module, or from the extra module for
  // extra-large names. A missing extra module shows "Can't find/load " with
  // its path in lower case; the caller then returns to the built-in set.
  Fetch ModulePicture(std::string_view name);
  bool HasModulePicture(std::string_view name) const;

  // An additional item by display name: a picture (card sets, backs) or the
  // JPEG raw data of a background. Null when the container, the index entry
  // or the picture is missing or damaged.
  QImage CollectionPicture(Collection kind, std::string_view displayName) const;
  QImage CollectionJpeg(Collection kind, std::string_view displayName) const;

  // Called when an additional collection failed: forget the random choice file.
  void DeleteRandomReadFile() const;

  std::string PlusPath(std::string_view file) const;

 private:
  Engine& engine_;
  const ResourceModule* imageModule_;
  std::unique_ptr<ResourceModule> extraModule_;
};

}  // namespace orv
