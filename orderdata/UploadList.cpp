#include "orderdata/UploadList.h"

#include "platform/gbk/Gbk.h"

namespace orelle {
namespace {

// The GBK form of a path that survives the way back, and fits a field of
// that size with its terminator.
bool FieldText(std::string_view utf8, std::size_t field, std::string* gbkOut) {
    *gbkOut = gbk::FromUtf8(utf8);
    return gbkOut->size() < field && gbk::ToUtf8(*gbkOut) == utf8;
}

}  // namespace

bool UploadList::AddFolder(std::string_view remote) { return Add(remote, {}, UploadKind::kFolder); }

bool UploadList::AddFile(std::string_view remote, std::string_view local) {
    return !local.empty() && Add(remote, local, UploadKind::kFile);
}

bool UploadList::Add(std::string_view remote, std::string_view local, UploadKind kind) {
    std::string remoteGbk, localGbk;
    if (!FieldText(remote, kUploadRemoteField, &remoteGbk) ||
        !FieldText(local, kUploadLocalField, &localGbk))
        return false;
    const std::size_t at = bytes_.size();
    bytes_.resize(at + kUploadRecordSize, '\0');
    char* record = bytes_.data() + at;
    remoteGbk.copy(record, remoteGbk.size());
    localGbk.copy(record + kUploadRemoteField, localGbk.size());
    const auto value = static_cast<std::uint32_t>(kind);
    char* kindField = record + kUploadRemoteField + kUploadLocalField;
    for (int i = 0; i < 4; ++i) kindField[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return true;
}

}  // namespace orelle
