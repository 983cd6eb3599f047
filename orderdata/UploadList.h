#pragma once
// The upload list of an upload package ("upfile.pro", and its copy
// "dlfile.pro"): fixed records of 408 bytes, no header, no separators.
//
//   offset size
//     0    200  remote path: GBK, '/'-separated, zero-terminated, rest zero
//   200    204  local path: GBK, zero-terminated, rest zero; all zero for
//               a folder record
//   404      4  kind: 32-bit little-endian, 0 folder, 1 file
//
// A path that does not fit its field with its terminator (a remote path of
// more than 199 bytes, a local one of more than 203) is never cut: the
// record is refused. So is a path that GBK cannot hold, which would name
// another file on the lab's side.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orelle {

inline constexpr std::size_t kUploadRecordSize = 408;
inline constexpr std::size_t kUploadRemoteField = 200;
inline constexpr std::size_t kUploadLocalField = 204;

enum class UploadKind : std::uint32_t { kFolder = 0, kFile = 1 };

class UploadList {
  public:
    // Paths are UTF-8. False, with nothing appended, when a path does not
    // fit.
    bool AddFolder(std::string_view remote);
    bool AddFile(std::string_view remote, std::string_view local);

    std::size_t Count() const { return bytes_.size() / kUploadRecordSize; }
    const std::string& Bytes() const { return bytes_; }

  private:
    bool Add(std::string_view remote, std::string_view local, UploadKind kind);

    std::string bytes_;
};

}  // namespace orelle
