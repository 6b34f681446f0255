// Card backs and pile symbols of CardPictures.
#include <optional>

#include "cards/main_game.h"
#include "common/text.h"
#include "platform/files.h"
#include "view/card_pictures.h"

namespace orv {

namespace {

constexpr int kDefaultBack = 11;

struct SymbolCode {
  std::string_view name;  // lower case
  std::string_view code;
};

constexpr SymbolCode kSymbolCodes[] = {
    {"stockvisible", "_WASTE"},  {"firsttableauall", "004"}, {"foundation", "004"},    {"stockup", "022"},
    {"stockdown", "005"},        {"stockstop", "008"},       {"foundationa", "010"},   {"foundation2", "012"},
    {"foundation3", "013"},      {"foundation4", "014"},     {"foundation5", "015"},   {"foundation6", "016"},
    {"foundation7", "017"},      {"foundation8", "018"},     {"foundation9", "019"},   {"foundation10", "020"},
    {"foundation11", "006"},     {"foundation12", "003"},    {"foundation13", "011"},  {"position", "_TABLEAU"},
    {"emptyposition", "001"},    {"emptypositionjqk", "009"},
};

std::optional<std::string_view> CodeOfSymbol(std::string_view name) {
  const std::string lower = ToLowerAscii(name);
  for (const auto& s : kSymbolCodes)
    if (s.name == lower) return s.code;
  return std::nullopt;
}

QImage Stretched(const QImage& picture, CardSize size) {
  if (picture.isNull() || (picture.width() == size.width && picture.height() == size.height)) return picture;
  return picture.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A player's or additional back is cut to the card size its width stands
// for (a wider or narrower picture is taken whole), then stretched.
QImage FittedBack(const QImage& picture, CardSize card) {
  static constexpr CardSize kBackSizes[] = {{59, 80}, {71, 96}, {85, 115}, {102, 138}};
  QImage source = picture;
  for (const auto& s : kBackSizes)
    if (picture.width() == s.width && picture.height() >= s.height) source = picture.copy(0, 0, s.width, s.height);
  return Stretched(source, card);
}

// The large back's white corners get three more white pixels each, so that
// the rounding of the drawing shows no dark rim.
void RoundExtraLargeCorners(QImage& back) {
  const int w = back.width(), h = back.height();
  if (w < 4 || h < 3 || back.pixel(3, 1) != qRgb(255, 255, 255)) return;
  const QRgb white = qRgb(255, 255, 255);
  for (auto [x, y] : {std::pair{2, 1}, std::pair{2, 2}, std::pair{1, 2}}) {
    back.setPixel(x, y, white);
    back.setPixel(w - 1 - x, y, white);
    back.setPixel(x, h - 1 - y, white);
    back.setPixel(w - 1 - x, h - 1 - y, white);
  }
}

}  // namespace

bool CardPictures::LoadBack() {
  SessionRecord& record = engine_.session;
  const std::string letter = record.Get(sr::CardSize);
  bool failed = false;
  const QImage own = PlayerOrAdditionalBack(failed);
  if (failed) {
    record.Put(sr::CustomizedDeckSet, "N");
    record.Put(sr::AdditionalDeckSet, "N");
    record.Put(sr::BackCard, IntToFixed(kDefaultBack, 3));
    const ProfileFile settings = engine_.Settings();
    settings.WriteString(kPreferenceSection, "Customized_Deck", "");
    settings.WriteString(kPreferenceSection, "Additional_Deck", "");
  }
  if (!own.isNull()) back_ = FittedBack(own, CardSizeForLetter(letter));
  else if (!LoadBuiltInBack(letter)) return false;
  if (letter == "X" && !back_.isNull()) RoundExtraLargeCorners(back_);
  return true;
}

// The player's file or the additional back in use; null when neither is in
// use or it failed (then `failed` is set and the player was told).
QImage CardPictures::PlayerOrAdditionalBack(bool& failed) {
  Host& host = engine_.host;
  const ProfileFile settings = engine_.Settings();
  if (engine_.session.IsYes(sr::CustomizedDeckSet)) {
    const std::string name = settings.ReadString(kPreferenceSection, "Customized_Deck", "");
    const std::string path = ResolvePath(engine_.folders.data, "custom decks/" + name + ".bmp");
    if (!FileExists(path)) {
      host.ShowMessage("Customized deck image not found: " + path);
      failed = true;
      return {};
    }
    const bool bitmap = EqualsNoCase(RightStr(name, 3), "bmp");
    QImage picture = ReadImageFile(host, path, bitmap ? ImageFileKind::Bitmap : ImageFileKind::Jpeg);
    if (picture.isNull()) {
      host.ShowMessage("The format of the Customized deck image is not valid.\r" + path);
      failed = true;
    }
    return picture;
  }
  if (engine_.session.IsYes(sr::AdditionalDeckSet)) {
    const std::string name = settings.ReadString(kPreferenceSection, "Additional_Deck", "");
    QImage picture = sources_.CollectionPicture(Collection::Backs, name);
    if (picture.isNull()) {
      host.ShowMessage("Error loading the Deck: " + name + "\r" + "Please install again Tavrelin Plus!");
      sources_.DeleteRandomReadFile();
      failed = true;
    }
    return picture;
  }
  return {};
}

// Size "B" and back 11 have a picture at every size; the other backs exist
// only at "B" and are stretched to "M", "S" and "X".
bool CardPictures::LoadBuiltInBack(const std::string& letter) {
  const int number = static_cast<int>(ParseIntOr(engine_.session.Get(sr::BackCard), kDefaultBack));
  const std::string digits = IntToFixed(number, 3);
  const bool stretched = number != kDefaultBack && (letter == "M" || letter == "S" || letter == "X");
  QImage picture;
  if (!Fetch((stretched ? "DB" : "D" + letter) + digits, picture)) return false;
  back_ = stretched ? Stretched(picture, CardSizeForLetter(letter)) : picture;
  return true;
}

QImage CardPictures::LoadSymbol(std::string_view name) {
  // The deck symbol is the back in use, the player's own included.
  if (EqualsNoCase(name, "deck")) return back_;
  const auto code = CodeOfSymbol(name);
  if (!code) {
    engine_.host.ShowMessage("Error: " + std::string(name));
    return {};
  }
  return SymbolPicture(*code);
}

QImage CardPictures::SymbolPicture(std::string_view code) {
  const std::string letter = engine_.session.Get(sr::CardSize);
  const std::string resource = "W" + letter + std::string(code);
  if (auto it = symbols_.find(resource); it != symbols_.end()) return it->second;
  QImage picture;
  if (!Fetch(resource, picture)) return {};
  if (letter == "X") picture = Stretched(picture, CardSizeForLetter(letter));
  symbols_[resource] = picture;
  return picture;
}

}  // namespace orv
