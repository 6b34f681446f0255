// The data folder, the settings file and the safe replacement of data files.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/host.h"
#include "platform/profile.h"
#include "settings/session_record.h"

namespace orv {

inline constexpr std::string_view kDataFolderPointerFile = "sol_fold.dat";
inline constexpr std::string_view kDefaultDataFolderMarker = "[Default Data Folder]";
inline constexpr std::string_view kDataFolderName = "Orvane Quillmere";
inline constexpr std::string_view kPreferenceSection = "Preference";

// Finds (and creates when missing) the per-user data folder through the
// pointer file in the program folder. `userDataHome` is the per-user
// application-data folder (UserDataHome() in the program; tests pass their
// own); when empty, the program folder's "Data/" is used. The result ends in "/".
std::string ResolveDataFolder(Host& host, std::string_view programFolder, std::string_view userDataHome);

// The data folder + the settings file name held in the session record.
std::string SettingsPath(std::string_view dataFolder, const SessionRecord& record);

// Values read at start-up that live outside the session record.
struct StartupSettings {
  bool toolbarLarge = true;
  bool toolbarFlat = true;
  bool disableStatistics = false;
  int highlightsFoundationsMark = 0;
  int autoplayAllGames = 1;
  bool autoplay = true;      // "AutoPlay", meaningful when autoplayAllGames is 1
  bool firstRun = false;     // the default players were created
};

// Reads every start-up key, in the fixed order, into the record and applies
// the corrections (back 0, background colour 0, empty background image).
// `hasCardSetImage` answers whether the resource module has a named image
// (card set 4 falls back to set 1 without "CB004H"); null means it has none.
StartupSettings ReadStartupSettings(Host& host, const ProfileFile& settings, SessionRecord& record,
                                    const std::function<bool(std::string_view)>& hasCardSetImage = {});

// Shows an advice message unless the player asked not to see it again.
void ShowAdvice(Host& host, const ProfileFile& settings, std::string_view text, std::string_view key, int page);

// A new empty file with a unique name in `folder` (the system's temporary
// folder when empty); nullopt on failure.
std::optional<std::string> MakeTempFile(std::string_view folder, std::string_view prefix);

void DeleteFileQuiet(std::string_view path);

// Replaces `target` with the content `produce` returns. The content goes to
// a temporary file beside the target, is flushed to disk, and then replaces
// the target in one atomic rename: at every moment the target holds either
// its old or its new content. Failures are reported through the host with
// the fixed messages and leave the target as it was.
bool SafeRewrite(Host& host, std::string_view target, const std::function<std::string()>& produce);

}  // namespace orv
