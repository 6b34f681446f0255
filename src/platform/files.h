// File services in place of the desktop's: names compare without regard to
// case (the data files' names were written that way), folders end in "/".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The path of an existing entry whose relative name matches `name` without
// regard to case, component by component ("images/cb001h.bmp" finds
// "IMAGES/CB001H.BMP"). An exact match wins over a case-insensitive one.
std::optional<std::string> FindFileNoCase(std::string_view folder, std::string_view name);

// FindFileNoCase, or folder + name when nothing matches (the path to create).
std::string ResolvePath(std::string_view folder, std::string_view name);

bool FileExists(std::string_view path);    // a regular file
bool FolderExists(std::string_view path);  // a directory

// Appends "/" when missing (an empty text stays empty).
std::string WithTrailingSlash(std::string_view folder);

// Creates the folder and any missing parents; true when it exists afterwards.
bool CreateFolders(std::string_view path);

// Creates a new empty file with a unique name in `folder` (the system's
// temporary folder when empty) whose name starts with `prefix`.
std::optional<std::string> CreateTempFile(std::string_view folder, std::string_view prefix);

// The file exists and may be changed in place: the process may write it and
// its mode has a write bit, so that a file the player made read-only is
// respected also by a process that ignores permissions (root).
bool IsWritableFile(std::string_view path);

// The folder exists and the process may create and remove entries in it.
bool IsWritableFolder(std::string_view path);

bool RemoveFile(std::string_view path);
// Replaces `to` with `from` in one step; `to` keeps its old content on failure.
bool RenameReplacing(std::string_view from, std::string_view to);

// Whole-file reads and writes of bytes. WriteFileDurably flushes to disk
// before returning, so that a following rename cannot expose a short file.
std::optional<std::string> ReadFileBytes(std::string_view path);
bool WriteFileDurably(std::string_view path, std::string_view bytes);

// Splits text into lines, accepting "\r\n", "\n" and a lone "\r"; a final
// line without a terminator is kept, a final terminator adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
std::optional<std::vector<std::string>> ReadTextLines(std::string_view path);

// The per-user application-data folder: $XDG_DATA_HOME, else
// $HOME/.local/share, with a trailing "/"; empty when neither is known.
std::string UserDataHome();

// The folder of the running executable, with a trailing "/".
std::string ExecutableFolder();

}  // namespace orv
