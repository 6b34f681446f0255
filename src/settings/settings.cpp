#include "settings/settings.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "common/system.h"
#include "common/text.h"
#include "platform/files.h"

namespace orv {

namespace {

constexpr std::string_view kLowColourAdvice =
    "At this time your video driver supports 256 colors or less. This program takes advantage of the 16 bit "
    "(65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. \rIf your video driver "
    "allows High or True color mode settings (16 bit or 24 bit), modify your screen resolution using the Display "
    "Properties Settings in the Control Panel.";
constexpr std::string_view kLowColourAdviceKey = "Screen_Under_256_Colors";
constexpr std::string_view kShowMessagesSection = "Show_Messages";
constexpr std::string_view kUsersSection = "Users";
constexpr long long kButtonFaceColour = -2147483633;
constexpr int kAdvicePageInformation = 0;

std::string FolderOf(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string("./") : std::string(path.substr(0, slash + 1));
}

// The line the pointer file gets when it is first written: the program's own
// "data" folder when it already holds a settings file, else the marker.
std::string FirstPointerLine(const std::string& programFolder) {
  if (auto cfg = FindFileNoCase(programFolder, "data/cfg.dat"); cfg && FileExists(*cfg))
    return FolderOf(*cfg);  // the folder's own spelling, which a case-sensitive system needs
  return std::string(kDefaultDataFolderMarker);
}

// The folder the pointer file names, as written or as found.
std::string PointerFolder(Host& host, const std::string& programFolder) {
  auto pointer = FindFileNoCase(programFolder, kDataFolderPointerFile);
  if (!pointer || !FileExists(*pointer)) {
    const std::string line = FirstPointerLine(programFolder);
    const std::string path = programFolder + std::string(kDataFolderPointerFile);
    if (!WriteFileDurably(path, line + "\n"))
      host.ShowMessage(
          "Error saving the file: " + path + "\r" +
          "Note: In Windows XP, only the User designated as \"Administrator\" has the right to save this file.");
    return line;
  }
  auto lines = ReadTextLines(*pointer);  // unreadable reads as empty: the default folder
  return lines && !lines->empty() ? TrimRight(lines->front()) : std::string();
}

// Reads a flag or text into its field.
void ReadText(const ProfileFile& settings, SessionRecord& record, SrField field, std::string_view key,
              std::string_view fallback) {
  record.Put(field, settings.ReadString(kPreferenceSection, key, fallback));
}

// The key's number, or the default when it is not one or does not fit the field.
long long ReadNumber(const ProfileFile& settings, std::string_view key, long long fallback, int width) {
  const long long n = settings.ReadInteger(kPreferenceSection, key, fallback);
  return std::to_string(n).size() <= static_cast<size_t>(width) ? n : fallback;
}

void ReadDecimal(const ProfileFile& settings, SessionRecord& record, SrField field, std::string_view key,
                 long long fallback) {
  record.Put(field, std::to_string(ReadNumber(settings, key, fallback, field.width)));
}

// Card back and card set numbers are kept as three digits ("011").
void ReadThreeDigits(const ProfileFile& settings, SessionRecord& record, SrField field, std::string_view key,
                     long long fallback) {
  long long n = settings.ReadInteger(kPreferenceSection, key, fallback);
  if (n < 0 || n > 999) n = fallback;
  record.Put(field, IntToFixed(n, 3));
}

struct FlagKey {
  std::string_view key;
  SrField field;
  std::string_view fallback;
};

void ReadFlags(const ProfileFile& settings, SessionRecord& record, std::initializer_list<FlagKey> keys) {
  for (const auto& k : keys) ReadText(settings, record, k.field, k.key, k.fallback);
}

bool IsLowColourScreen(const Host& host) {
  const ScreenMetrics s = host.Screen();
  return ScreenColourCount(s.bitsPerPixel, s.planes) <= 256;
}

void ReadAppearance(Host& host, const ProfileFile& settings, SessionRecord& record,
                    const std::function<bool(std::string_view)>& hasCardSetImage) {
  const bool lowColour = IsLowColourScreen(host);
  ReadThreeDigits(settings, record, sr::BackCard, "Back_Card", 11);
  ReadThreeDigits(settings, record, sr::CardSet, "Card", lowColour ? 3 : 1);
  ReadText(settings, record, sr::CardSize, "Card_Size", "B");
  if (record.Get(sr::CardSet) == "004" && !(hasCardSetImage && hasCardSetImage("CB004H")))
    record.Put(sr::CardSet, "001");
  ReadText(settings, record, sr::BackgroundImage, "Background_bmp", "");
  ReadDecimal(settings, record, sr::BackgroundFixedColour, "Background_Fixed_Col", 32768);
  ReadDecimal(settings, record, sr::BackgroundColour, "Background_Col", kButtonFaceColour);
  ReadFlags(settings, record,
            {{"Background_def", sr::BackgroundDefault, "N"}, {"Fade_Background", sr::FadeBackground, "Y"}});
  const FlagKey imageFiles[] = {
      {"Customized_Background", sr::CustomizedBackgroundSet, ""},
      {"Additional_Background", sr::AdditionalBackgroundSet, ""},
      {"Customized_Deck", sr::CustomizedDeckSet, ""},
      {"Additional_Deck", sr::AdditionalDeckSet, ""},
      {"Customized_Cards_Set", sr::CustomizedCardsSet, ""},
      {"Additional_Cards_Set", sr::AdditionalCardsSet, ""},
  };
  for (const auto& k : imageFiles)
    record.Put(k.field, settings.ReadString(kPreferenceSection, k.key, "").empty() ? "N" : "Y");
}

void ReadGameAndPlay(const ProfileFile& settings, SessionRecord& record) {
  ReadDecimal(settings, record, sr::GameNumber, "Game", 18);
  ReadText(settings, record, sr::GameName, "Game_name", "Spider");
  ReadFlags(
      settings, record,
      {{"Show_Time", sr::ShowTime, "Y"}, {"Show_Score", sr::ShowScore, "Y"}, {"Cards_Animate", sr::CardsAnimate, "Y"}});
  // Shadows follow the animation setting unless set on their own.
  ReadText(settings, record, sr::CardsShadowed, "Cards_Shadowed", record.Get(sr::CardsAnimate));
  ReadFlags(settings, record,
            {{"Piles_TT", sr::UntidyPiles, "N"},
             {"Automatic_FaceUp", sr::AutomaticFaceUp, "Y"},
             {"Deal_Animation", sr::DealAnimation, "Y"},
             {"Redeal_Animation", sr::RedealAnimation, "Y"}});
  ReadDecimal(settings, record, sr::Language, "Language", 20000);
  ReadDecimal(settings, record, sr::SpeedMoveCard, "Speed_Move_Card", 10);
  ReadText(settings, record, sr::PlayerName, "UserDefault", "");
  ReadText(settings, record, sr::UndoEnabled, "Undo_Enabled", "0");
  ReadText(settings, record, sr::ConfirmQuitGame, "ConfirmQuitGame", "N");
}

void ReadSoundsAndClicks(const ProfileFile& settings, SessionRecord& record) {
  ReadFlags(settings, record,
            {{"Sounds_Enabled", sr::SoundsEnabled, "Y"},
             {"Sounds_Autoplay", sr::SoundsAutoplay, "Y"},
             {"Sounds_CardDown", sr::SoundsCardDown, "Y"},
             {"Sounds_CardUp", sr::SoundsCardUp, "Y"},
             {"Sounds_FaceUp", sr::SoundsFaceUp, "Y"},
             {"Sounds_Foundation", sr::SoundsFoundation, "Y"},
             {"Sounds_GameWon", sr::SoundsGameWon, "Y"},
             {"Sounds_Pairing", sr::SoundsPairing, "Y"},
             {"Sounds_Redeal", sr::SoundsRedeal, "Y"},
             {"Sounds_Redeal_Without_Animation", sr::SoundsRedealWithoutAnimation, "Y"},
             {"Sounds_Shuffle", sr::SoundsShuffle, "Y"},
             {"Sounds_Stock", sr::SoundsStock, "Y"},
             {"Sounds_Tableau", sr::SoundsTableau, "Y"},
             {"Sounds_NewGame", sr::SoundsNewGame, "N"},
             {"Random_Background", sr::RandomBackground, "N"},
             {"Random_Card", sr::RandomCard, "N"},
             {"Random_Deck", sr::RandomDeck, "N"},
             {"Show_Partial_Hidden_Card", sr::ShowPartialHiddenCard, "Y"},
             {"RightClick_To_Foundations", sr::RightClickToFoundations, "Y"},
             {"RightClick_To_Tableaus", sr::RightClickToTableaus, "Y"},
             {"DoubleClick_To_Foundations", sr::DoubleClickToFoundations, "Y"},
             {"DoubleClick_To_Tableaus", sr::DoubleClickToTableaus, "N"}});
}

void ApplyCorrections(SessionRecord& record) {
  record.Put(sr::ScoringSystem, "01");
  if (ParseInt(record.Get(sr::BackCard)) == 0) record.Put(sr::BackCard, "001");
  if (ParseInt(record.Get(sr::BackgroundColour)) == 0)
    record.Put(sr::BackgroundColour, std::to_string(kButtonFaceColour));
  if (record.Get(sr::BackgroundImage).empty()) record.Put(sr::BackgroundImage, "0");
}

// A first start has no current player: create the three default players.
bool CreateDefaultPlayers(const ProfileFile& settings, SessionRecord& record) {
  if (!record.Get(sr::PlayerName).empty()) return false;
  settings.WriteString(kPreferenceSection, "UserDefault", "Player 1");
  for (int i = 1; i <= 3; ++i)
    settings.WriteString(kUsersSection, "User" + IntToFixed(i, 3), "Player " + std::to_string(i));
  record.Put(sr::PlayerName, "Player 1");
  return true;
}

}  // namespace

std::string ResolveDataFolder(Host& host, std::string_view programFolder, std::string_view userDataHome) {
  const std::string program = WithTrailingSlash(programFolder);
  std::string folder = WithTrailingSlash(PointerFolder(host, program));
  // Only the marker's own characters count; anything after it is ignored.
  const bool useDefault =
      folder.empty() || folder.compare(0, kDefaultDataFolderMarker.size(), kDefaultDataFolderMarker) == 0;
  if (useDefault) {
    folder = userDataHome.empty() ? program + "Data/"
                                  : WithTrailingSlash(userDataHome) + std::string(kDataFolderName) + "/";
  } else if (folder.front() != '/') {
    // Relative to the program, not to the folder it happened to be started from.
    folder = program + folder;
  }
  // A folder that cannot be created shows later, where a file is needed.
  if (!FolderExists(folder)) CreateFolders(folder);
  return folder;
}

std::string SettingsPath(std::string_view dataFolder, const SessionRecord& record) {
  return ResolvePath(dataFolder, record.Get(sr::SettingsFileName));
}

StartupSettings ReadStartupSettings(Host& host, const ProfileFile& settings, SessionRecord& record,
                                    const std::function<bool(std::string_view)>& hasCardSetImage) {
  StartupSettings out;
  ReadText(settings, record, sr::ShowToolTips, "Show_ToolTips", "Y");
  out.toolbarLarge = settings.ReadString(kPreferenceSection, "ToolBar_Large", "Y") != "N";
  out.toolbarFlat = settings.ReadString(kPreferenceSection, "ToolBar_Flat", "Y") != "N";
  if (IsLowColourScreen(host))
    ShowAdvice(host, settings, kLowColourAdvice, kLowColourAdviceKey, kAdvicePageInformation);
  ReadAppearance(host, settings, record, hasCardSetImage);
  ReadGameAndPlay(settings, record);
  ReadSoundsAndClicks(settings, record);
  out.disableStatistics = settings.ReadString(kPreferenceSection, "Disable_Statistics", "N") == "Y";
  ReadDecimal(settings, record, sr::Cursor, "Cursor", 10);
  out.highlightsFoundationsMark = static_cast<int>(ReadNumber(settings, "HighLights_Foundations_Mark", 0, 9));
  out.autoplayAllGames = static_cast<int>(ReadNumber(settings, "AutoPlay_All_Games", 1, 9));
  out.autoplay = settings.ReadString(kPreferenceSection, "AutoPlay", "Y") == "Y";
  ApplyCorrections(record);
  out.firstRun = CreateDefaultPlayers(settings, record);
  return out;
}

void ShowAdvice(Host& host, const ProfileFile& settings, std::string_view text, std::string_view key, int page) {
  if (settings.ReadString(kShowMessagesSection, key, "Y") == "N") return;
  if (host.ShowAdviceDialog(text, page)) settings.WriteString(kShowMessagesSection, key, "N");
}

std::optional<std::string> MakeTempFile(std::string_view folder, std::string_view prefix) {
  return CreateTempFile(folder, prefix);
}

void DeleteFileQuiet(std::string_view path) { RemoveFile(path); }

bool SafeRewrite(Host& host, std::string_view target, const std::function<std::string()>& produce) {
  BusyPointer busy(host);
  const std::string path(target);
  std::string content;
  try {
    content = produce();
  } catch (...) {  // nothing was created yet; the target stays as it was
    host.ShowMessage("Write error on file");
    return false;
  }
  auto temp = MakeTempFile(FolderOf(path), "rpl");
  if (!temp) {
    host.ShowMessage("Error creating temp file.");
    return false;
  }
  if (!WriteFileDurably(*temp, content)) {
    host.ShowMessage("Write error on file");
    DeleteFileQuiet(*temp);
    return false;
  }
  // The rename would replace even a read-only target; the player's
  // protection of the file is honoured here instead.
  std::error_code ec;
  const bool exists = std::filesystem::exists(path, ec);
  if (exists && (!IsWritableFile(path) || !IsWritableFolder(FolderOf(path)))) {
    host.ShowMessage("Error in deleting the file: " + path);
    DeleteFileQuiet(*temp);
    return false;
  }
  if (exists) std::filesystem::permissions(*temp, std::filesystem::status(path, ec).permissions(), ec);
  if (!RenameReplacing(*temp, path)) {
    host.ShowMessage("Error in renaming the file: " + *temp + "\r" + "to:" + " " + path);
    DeleteFileQuiet(*temp);
    return false;
  }
  return true;
}

}  // namespace orv
