#pragma once
// Fetching the pickup point directory from the order web server and
// keeping it in storelist.ini. Runs on a worker thread.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "stores/StoreList.h"

namespace orelle {

class FileSystem;
class WebClient;

// storelist.ini in the program folder (which ends with a separator).
std::string StoreListPath(const std::string& programFolder);

// The reply with every "<br>" written as CR LF.
std::string WithLineBreaks(std::string_view reply);

// Posts for the directory. Only a reply holding "storecount" replaces the
// file at path (whole: a failed write keeps the last good file) and is
// returned read; no reply, another reply, or a stop before the write
// leaves the file alone and returns nothing.
std::optional<StoreList> RefreshStoreList(const WebClient& client, FileSystem& fs,
                                          const std::string& path,
                                          const std::function<bool()>& stopped);

}  // namespace orelle
