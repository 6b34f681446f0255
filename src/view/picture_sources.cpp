#include "view/picture_sources.h"

#include <cctype>
#include <cstring>

#include "common/text.h"
#include "platform/files.h"
#include "platform/jpeg_reader.h"
#include "settings/settings.h"

namespace orv {

namespace {

// Every picture is kept in one opaque format so that drawing and pixel
// comparisons never depend on where a picture came from.
QImage Normalised(QImage image) {
  if (image.isNull()) return image;
  return image.convertToFormat(QImage::Format_RGB32);
}

QImage FromRgb(const RgbImage& rgb) {
  QImage image(rgb.width, rgb.height, QImage::Format_RGB888);
  if (image.isNull()) return image;
  const size_t rowBytes = static_cast<size_t>(rgb.width) * 3;
  for (int y = 0; y < rgb.height; ++y)
    std::memcpy(image.scanLine(y), rgb.pixels.data() + rowBytes * static_cast<size_t>(y), rowBytes);
  return Normalised(image);
}

std::string MissingImageFileMessage(const std::string& path) {
  return "Cannot find images file:\r" + path + "\r" + "Some program components cannot be shown correctly." + "\r" +
         "Copy the file into the directory that above is specified" + "\r" + "or reinstall the program.";
}

}  // namespace

std::string_view ContainerFile(Collection kind) {
  switch (kind) {
    case Collection::Backgrounds: return "b01.rgf";
    case Collection::Backs: return "d01.rgf";
    case Collection::CardSets: return "c01.rgf";
  }
  return {};
}

std::string_view IndexFile(Collection kind) {
  switch (kind) {
    case Collection::Backgrounds: return "b01.dat";
    case Collection::Backs: return "d01.dat";
    case Collection::CardSets: return "c01.dat";
  }
  return {};
}

std::string LookupCollectionItem(std::string_view programFolder, Collection kind, std::string_view displayName) {
  const std::string wanted = Trim(displayName);
  if (wanted.empty()) return {};
  const auto index = FindFileNoCase(programFolder, std::string(kPlusFolder) + std::string(IndexFile(kind)));
  if (!index) return {};
  const auto lines = ReadTextLines(*index);
  if (!lines) return {};
  for (const auto& line : *lines) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (Trim(std::string_view(line).substr(eq + 1)) == wanted) return Trim(std::string_view(line).substr(0, eq));
  }
  return {};
}

bool IsExtraLargeName(std::string_view name) {
  const std::string upper = [&] {
    std::string s(name);
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
  }();
  for (std::string_view prefix : {"WX", "DX", "SHADOW_X", "3D_BORDER_X", "JOKER_X"})
    if (upper.starts_with(prefix)) return true;
  return false;
}

QImage DecodePng(std::string_view bytes) {
  QImage image;
  image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "PNG");
  return Normalised(image);
}

QImage DecodeJpegImage(std::string_view bytes) {
  const JpegResult r = DecodeJpeg(bytes);
  return r.ok() ? FromRgb(r.image) : QImage();
}

QImage ReadImageFile(Host& host, const std::string& path, ImageFileKind kind) {
  if (!FileExists(path)) {
    host.ShowError(MissingImageFileMessage(path), "Error");
    return {};
  }
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return {};
  if (kind == ImageFileKind::Jpeg) return DecodeJpegImage(*bytes);
  QImage image;
  image.loadFromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<int>(bytes->size()), "BMP");
  return Normalised(image);
}

PictureSources::Fetch PictureSources::ModulePicture(std::string_view name) {
  Fetch fetch;
  const ResourceModule* module = imageModule_;
  if (IsExtraLargeName(name)) {
    if (!extraModule_) {
      const std::string path = PlusPath(kExtraModuleFile);
      extraModule_ = ResourceModule::Open(path);
      if (!extraModule_) {
        engine_.host.ShowMessage(CannotLoadModuleMessage(path));
        fetch.extraModuleMissing = true;
        return fetch;
      }
    }
    module = extraModule_.get();
  }
  if (!module) return fetch;
  if (auto bytes = module->Picture(name)) fetch.image = DecodePng(*bytes);
  return fetch;
}

bool PictureSources::HasModulePicture(std::string_view name) const {
  return imageModule_ && imageModule_->HasPicture(name);
}

QImage PictureSources::CollectionPicture(Collection kind, std::string_view displayName) const {
  const std::string resource = LookupCollectionItem(engine_.folders.program, kind, displayName);
  if (resource.empty()) return {};
  const auto container = ResourceModule::Open(PlusPath(ContainerFile(kind)));
  if (!container) return {};
  const auto bytes = container->Picture(resource);
  return bytes ? DecodePng(*bytes) : QImage();
}

QImage PictureSources::CollectionJpeg(Collection kind, std::string_view displayName) const {
  const std::string resource = LookupCollectionItem(engine_.folders.program, kind, displayName);
  if (resource.empty()) return {};
  const auto container = ResourceModule::Open(PlusPath(ContainerFile(kind)));
  if (!container) return {};
  const auto bytes = container->Raw(resource);
  return bytes ? DecodeJpegImage(*bytes) : QImage();
}

void PictureSources::DeleteRandomReadFile() const {
  if (auto path = FindFileNoCase(engine_.folders.data, kRandomReadFile)) DeleteFileQuiet(*path);
}

std::string PictureSources::PlusPath(std::string_view file) const {
  return ResolvePath(engine_.folders.program, std::string(kPlusFolder) + std::string(file));
}

}  // namespace orv
