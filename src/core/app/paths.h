#pragma once

#include <string>

namespace tilvane {

// Folder paths in this program always end with the native separator.
inline constexpr char kPathSeparator = '/';

// Decimal text of value, zero-filled on the left to at least width digits ("%.*d").
std::string ZeroPad(int value, int width);

// A correct file:// URL for a local path, percent-encoded as RFC 3986 asks
// ("/tmp/Temp Dir/Tilvane/" gives "file:///tmp/Temp%20Dir/Tilvane/").
std::string PathToFileUrl(const std::string& path);

// The user's private temp folder, ending with the separator: a folder named for the user
// below the system temp folder (TMPDIR when set), created owner-only. A symbolic link or a
// folder owned by someone else is refused with an error rather than written through.
std::string GetTempDir();

// The running executable's own file.
std::string executablePath();

// The folder holding the running executable, ending with the separator.
std::string executableDir();

// The user's font folder ($XDG_DATA_HOME/fonts, default ~/.local/share/fonts), ending with
// the separator. Not created here.
std::string userFontDir();

// path with the separator appended unless it already ends with one.
std::string withTrailingSeparator(const std::string& path);

} // namespace tilvane
