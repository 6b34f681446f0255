#include "view/card_pictures.h"

#include "cards/main_game.h"
#include "common/system.h"
#include "common/text.h"
#include "platform/files.h"

namespace orv {

namespace {

constexpr std::string_view kSuitLetters = "HDCS";  // sheet order: hearts, diamonds, clubs, spades
constexpr int kSpades = 3;
constexpr int kRanks = 13;
constexpr int kSheetColumns = 5;
constexpr int kRowsPerSuit = 3;

constexpr std::string_view kCustomizedCardsSet = "Customized_Cards_Set";
constexpr std::string_view kAdditionalCardsSet = "Additional_Cards_Set";
constexpr std::string_view kCustomizedDeck = "Customized_Deck";
constexpr std::string_view kAdditionalDeck = "Additional_Deck";

// Player sets that later moved into the additional collection under the
// same display name.
constexpr std::string_view kFormerPlayerSets[] = {"Children's Card Set", "Small (16 colors)",
                                                  "Traditional English Playing Cards"};

bool IsLowColour(const Host& host) {
  const ScreenMetrics s = host.Screen();
  return ScreenColourCount(s.bitsPerPixel, s.planes) <= 256;
}

// The sheet a suit's faces come from: one-suit games show every card as a
// spade, two-suit games red as hearts and black as spades.
int SheetSuit(int suit, int facePictures) {
  if (facePictures == 1) return kSpades;
  if (facePictures == 2) return suit < 2 ? 0 : kSpades;
  return suit;
}

// The face of `rank` (0 = Ace) in rows of 5, 5 and 3 cells starting at `firstRow`.
QImage Cell(const QImage& sheet, int rank, int firstRow, CardSize cell) {
  if (sheet.isNull()) return {};
  const int col = rank % kSheetColumns, row = firstRow + rank / kSheetColumns;
  return sheet.copy(col * cell.width, row * cell.height, cell.width, cell.height);
}

// Shadows and edges are drawn with one colour left out; that colour
// becomes fully transparent here, once, instead of at every draw.
QImage WithTransparent(const QImage& picture, QRgb key) {
  if (picture.isNull()) return picture;
  QImage out = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) line[x] = qRgba(0, 0, 0, 0);
  }
  return out;
}

std::string CardSetDigits(const SessionRecord& record) {
  return IntToFixed(ParseIntOr(record.Get(sr::CardSet), 1), 3);
}

}  // namespace

bool UsesFamilyStockSymbol(int family) { return family == 8 || family == 45 || family == 71; }

std::string SheetSizeLetter(int width, int height) {
  struct SheetSize {
    int width, height;
    const char* letter;
  };
  static constexpr SheetSize kSizes[] = {{510, 1656, "X"}, {425, 1380, "S"}, {355, 1152, "B"}, {295, 960, "M"}};
  for (const auto& s : kSizes)
    if (s.width == width && s.height == height) return s.letter;
  return {};
}

int BuiltInCardSet(const Host& host, std::string_view letter) { return letter == "M" || IsLowColour(host) ? 3 : 1; }

const QImage& CardPictures::Face(int index) const {
  static const QImage kNone;
  return index >= 0 && index < kFaceCount ? faces_[static_cast<size_t>(index)] : kNone;
}

void CardPictures::LoadCardSettings(LoadOptions options) {
  BusyPointer busy(engine_.host);
  SessionRecord& record = engine_.session;
  symbols_.clear();
  std::optional<Sheet> sheet;
  if (record.IsYes(sr::CustomizedCardsSet) || record.IsYes(sr::AdditionalCardsSet)) {
    sheet = ExamineCardSetSheet();
    if (sheet) {
      record.Put(sr::CardSize, sheet->letter);
    } else {
      FallBackToBuiltInSet();
      if (options.resetOnError) {
        ResetCardSet();
        return;
      }
    }
  }
  const std::string letter = record.Get(sr::CardSize);
  engine_.main.SetCardSize(letter);
  if (sheet) CutPlayerSheet(*sheet);
  else LoadBuiltInFaces(letter);
  sizeFields.facesVariant = engine_.params[P::FacePictures];
  if (!options.facesOnly) LoadExtras(letter);
}

std::optional<CardPictures::Sheet> CardPictures::ExamineCardSetSheet() {
  const ProfileFile settings = engine_.Settings();
  if (engine_.session.IsYes(sr::CustomizedCardsSet)) {
    const std::string name = settings.ReadString(kPreferenceSection, kCustomizedCardsSet, "");
    if (!SwitchFormerPlayerSet(name)) return ExaminePlayerSheet(name);
  }
  return ExamineAdditionalSheet(settings.ReadString(kPreferenceSection, kAdditionalCardsSet, ""));
}

std::optional<CardPictures::Sheet> CardPictures::ExaminePlayerSheet(const std::string& name) {
  Host& host = engine_.host;
  const std::string path = ResolvePath(engine_.folders.data, "custom card sets/" + name + ".crs");
  if (!FileExists(path)) {
    host.ShowMessage("Customized cards set image not found: " + path);
    return std::nullopt;
  }
  QImage image = ReadImageFile(host, path, ImageFileKind::Bitmap);
  std::string letter = image.isNull() ? std::string() : SheetSizeLetter(image.width(), image.height());
  if (letter.empty()) {
    host.ShowMessage("The format of the Customized card set image is not valid.\r" + path);
    return std::nullopt;
  }
  return Sheet{std::move(image), std::move(letter)};
}

std::optional<CardPictures::Sheet> CardPictures::ExamineAdditionalSheet(const std::string& name) {
  QImage image = sources_.CollectionPicture(Collection::CardSets, name);
  std::string letter = image.isNull() ? std::string() : SheetSizeLetter(image.width(), image.height());
  if (letter.empty()) {
    engine_.host.ShowMessage("Error loading the Card Set: " + name + "\r" + "Please install again Tavrelin Plus!");
    sources_.DeleteRandomReadFile();
    return std::nullopt;
  }
  return Sheet{std::move(image), std::move(letter)};
}

// A former player set whose sheet is gone continues as the additional set
// of the same name, when the collection has it.
bool CardPictures::SwitchFormerPlayerSet(const std::string& name) {
  bool former = false;
  for (auto f : kFormerPlayerSets) former = former || name == f;
  if (!former || FileExists(ResolvePath(engine_.folders.data, "custom card sets/" + name + ".crs"))) return false;
  if (LookupCollectionItem(engine_.folders.program, Collection::CardSets, name).empty()) return false;
  engine_.session.Put(sr::CustomizedCardsSet, "N");
  engine_.session.Put(sr::AdditionalCardsSet, "Y");
  const ProfileFile settings = engine_.Settings();
  settings.WriteString(kPreferenceSection, kCustomizedCardsSet, "");
  settings.WriteString(kPreferenceSection, kAdditionalCardsSet, name);
  return true;
}

// A bad player or additional set: the built-in set at the size the screen
// takes safely, remembered in the settings.
void CardPictures::FallBackToBuiltInSet() {
  SessionRecord& record = engine_.session;
  record.Put(sr::CustomizedCardsSet, "N");
  record.Put(sr::AdditionalCardsSet, "N");
  const bool wide = engine_.host.Screen().width >= 650;
  const std::string letter = wide ? "B" : "M";
  const int set = BuiltInCardSet(engine_.host, letter);
  record.Put(sr::CardSize, letter);
  record.Put(sr::CardSet, IntToFixed(set, 3));
  const ProfileFile settings = engine_.Settings();
  settings.WriteInteger(kPreferenceSection, "Card", set);
  settings.WriteString(kPreferenceSection, "Card_Size", letter);
  settings.WriteString(kPreferenceSection, kCustomizedCardsSet, "");
  settings.WriteString(kPreferenceSection, kAdditionalCardsSet, "");
}

void CardPictures::LoadBuiltInFaces(const std::string& letter) {
  SessionRecord& record = engine_.session;
  if (record.Get(sr::CardSet) == "004" && !sources_.HasModulePicture("CB004H")) record.Put(sr::CardSet, "001");
  const std::string set = CardSetDigits(record);
  const CardSize cell = CardSizeForLetter(letter);
  std::array<QImage, 4> sheets;
  std::array<bool, 4> loaded{};
  for (int suit = 0; suit < 4; ++suit) {
    const int from = SheetSuit(suit, engine_.params[P::FacePictures]);
    auto& sheet = sheets[static_cast<size_t>(from)];
    if (!loaded[static_cast<size_t>(from)]) {
      Fetch("C" + letter + set + kSuitLetters[static_cast<size_t>(from)], sheet);
      loaded[static_cast<size_t>(from)] = true;
    }
    for (int rank = 0; rank < kRanks; ++rank)
      faces_[static_cast<size_t>(suit * kRanks + rank)] = Cell(sheet, rank, 0, cell);
  }
}

void CardPictures::CutPlayerSheet(const Sheet& sheet) {
  const CardSize cell = CardSizeForLetter(sheet.letter);
  for (int suit = 0; suit < 4; ++suit) {
    const int from = SheetSuit(suit, engine_.params[P::FacePictures]);
    for (int rank = 0; rank < kRanks; ++rank)
      faces_[static_cast<size_t>(suit * kRanks + rank)] = Cell(sheet.image, rank, from * kRowsPerSuit, cell);
  }
}

bool CardPictures::LoadExtras(const std::string& letter) {
  QImage special, shadowRight, shadowBottom, edgeVertical, edgeHorizontal, joker;
  if (!Fetch("W" + letter + "009", special)) return false;
  if (letter == "X" && !special.isNull()) {
    const CardSize size = CardSizeForLetter(letter);
    special = special.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  specialReserve_ = special;
  if (!LoadBack()) return false;
  if (!Fetch("SHADOW_" + letter + "1", shadowRight) || !Fetch("SHADOW_" + letter + "2", shadowBottom) ||
      !Fetch("3D_BORDER_" + letter + "1", edgeVertical) || !Fetch("3D_BORDER_" + letter + "2", edgeHorizontal) ||
      !Fetch("JOKER_" + letter, joker))
    return false;
  shadows_ = {WithTransparent(shadowRight, qRgb(255, 255, 255)), WithTransparent(shadowBottom, qRgb(255, 255, 255))};
  edges_ = {WithTransparent(edgeVertical, qRgb(0, 0, 255)), WithTransparent(edgeHorizontal, qRgb(0, 0, 255))};
  faces_[kJokerIndex] = joker;
  return true;
}

bool CardPictures::Fetch(const std::string& name, QImage& into) {
  PictureSources::Fetch fetch = sources_.ModulePicture(name);
  if (fetch.extraModuleMissing) {
    ResetCardSet();
    return false;
  }
  into = fetch.image;
  return true;
}

void CardPictures::ResetCardSet() {
  SessionRecord& record = engine_.session;
  const int set = BuiltInCardSet(engine_.host, "B");
  record.Put(sr::CardSize, "B");
  record.Put(sr::CardSet, IntToFixed(set, 3));
  for (SrField flag : {sr::CustomizedCardsSet, sr::AdditionalCardsSet, sr::CustomizedDeckSet, sr::AdditionalDeckSet})
    record.Put(flag, "N");
  const ProfileFile settings = engine_.Settings();
  for (auto key : {kCustomizedCardsSet, kAdditionalCardsSet, kCustomizedDeck, kAdditionalDeck})
    settings.WriteString(kPreferenceSection, key, "");
  // Without this the next start would ask for the same size again.
  settings.WriteInteger(kPreferenceSection, "Card", set);
  settings.WriteString(kPreferenceSection, "Card_Size", "B");
  LoadCardSettings();
}

void CardPictures::SetCardSize(std::string_view letter) {
  SessionRecord& record = engine_.session;
  record.Put(sr::CardSize, letter);
  record.Put(sr::CustomizedCardsSet, "N");
  record.Put(sr::AdditionalCardsSet, "N");
  record.Put(sr::CardSet, IntToFixed(BuiltInCardSet(engine_.host, letter), 3));
  engine_.main.SetCardSize(letter);
}

}  // namespace orv
