#pragma once
// The station's customers read Chinese: the dialogs and buttons that Qt
// draws itself (file dialogs, Yes/No/OK) speak it too.

namespace orelle {

// Installs Qt's own Simplified Chinese translations once per process.
// False when they are not installed on this machine.
bool InstallSystemTranslations();

}  // namespace orelle
