#pragma once
// How long the station waits for the order web server, from param.ini,
// section webserver: connecttimeout (seconds until the connection stands,
// default 5) and timeout (seconds for a whole exchange, default 30).
// Missing, non-positive or unreadable values give the defaults; values
// are held to at most 600 seconds.

#include <string>

#include "platform/http/HttpPoster.h"

namespace orelle {

class FileSystem;

HttpLimits LoadWebLimits(const std::string& settingsFolder, FileSystem& fs);

}  // namespace orelle
