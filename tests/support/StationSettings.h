#pragma once
// A station's two settings files in a memory file system, in GBK as a shop
// writes them; the web edition pointed at the stand-in order server.

#include <string>

#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"

namespace orelle::testing {

// The [webserver] lines of a first order web server at 127.0.0.1:port.
inline std::string WebServerAt(int port) {
    return "[webserver]\r\nweb=127.0.0.1\r\nwebport=" + std::to_string(port) + "\r\n";
}

// ver_ctrl.ini and param.ini in folder (with its trailing separator).
inline void WriteSettings(MemoryFileSystem& fs, const std::string& folder,
                          const std::string& verCtrl, const std::string& param) {
    fs.files[folder + "ver_ctrl.ini"] = GbkText(verCtrl);
    fs.files[folder + "param.ini"] = GbkText(param);
}

}  // namespace orelle::testing
