#pragma once
// One keyboard message for CPhotoWnd::Qkey, with Windows message and
// virtual key values.

#include "orelle/Export.h"

class QKeyEvent;

namespace orelle {

inline constexpr unsigned kWmKeyDown = 0x0100;
inline constexpr unsigned kWmKeyUp = 0x0101;

inline constexpr unsigned kVkReturn = 13;
inline constexpr unsigned kVkPrior = 33;  // Page Up
inline constexpr unsigned kVkNext = 34;   // Page Down
inline constexpr unsigned kVkLeft = 37;
inline constexpr unsigned kVkUp = 38;
inline constexpr unsigned kVkRight = 39;
inline constexpr unsigned kVkDown = 40;
inline constexpr unsigned kVkDelete = 46;
inline constexpr unsigned kVkO = 79;
inline constexpr unsigned kVkF3 = 114;
inline constexpr unsigned kVkF5 = 116;

struct KeyMessage {
    unsigned message = kWmKeyDown;
    unsigned virtualKey = 0;
};

// A Qt key event as the host would pass it (virtual key 0 for keys the
// station has no use for).
ORELLE_EXPORT KeyMessage KeyMessageFromQt(const QKeyEvent& event);

}  // namespace orelle
