#pragma once
// Names from a customer's card, made fit for the station. A card may hold
// names in any encoding and with any characters; the copy in the work
// folder is the station's own file, named so that its name survives GBK,
// the INI files and the print lab's Windows file system exactly. The
// customer's name is kept in a readable form for the texts.

#include <string>
#include <string_view>

namespace orelle {

// The bytes of a name as UTF-8 text: as they are when they are UTF-8,
// decoded as GBK (a Chinese Windows machine's names) when they are valid
// GBK, otherwise as Latin-1. Control characters (CR, LF ...) become
// blanks.
std::string ReadableName(std::string_view bytes);

// A file or folder name for a copy: characters GBK cannot hold, control
// characters and those Windows refuses in names (< > : " / \ | ? *)
// become '_', as do blanks at either end and dots at the end; a name
// Windows reserves (CON, NUL, COM1 ...) gets a '_' in front. Never empty.
std::string LabSafeName(std::string_view readable);

}  // namespace orelle
