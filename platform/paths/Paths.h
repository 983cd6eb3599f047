#pragma once
// Paths with the platform's own separator; where the order files speak of
// "the last backslash" this is the last separator.

#include <string>
#include <string_view>

namespace orelle::paths {

#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

// The folder of the running executable, with a trailing separator, unless
// SetProgramFolder named another (pictures and the cursor file are found
// below it). Set it before any window exists.
std::string ProgramFolder();
// An empty folder puts the executable's folder back.
void SetProgramFolder(std::string folder);

// The backup root when the settings name none: "c:\backup" on Windows,
// the folder "orelle-backup" in the user's home folder elsewhere.
std::string DefaultBackupRoot();

// A path from a drive or the root, not from the current folder.
bool IsAbsolute(std::string_view path);

// a + separator + b, without doubling a separator that a already ends with.
std::string Join(std::string_view a, std::string_view b);

std::string WithTrailingSeparator(std::string_view folder);
std::string WithoutTrailingSeparator(std::string_view folder);

// Text before the last separator (exclusive), or empty when there is none.
std::string_view DirectoryPart(std::string_view path);
// Text after the last separator, or the whole path when there is none.
std::string_view FileNamePart(std::string_view path);
// Text of the file name after its last '.', or empty when it has none.
std::string_view ExtensionPart(std::string_view path);

}  // namespace orelle::paths
