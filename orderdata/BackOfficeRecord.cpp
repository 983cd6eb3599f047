#include "orderdata/BackOfficeRecord.h"

#include "platform/files/FileSystem.h"
#include "platform/ini/Profile.h"
#include "platform/paths/Paths.h"
#include "platform/text/NumberText.h"

namespace orelle {
namespace {

constexpr const char* kSection = "backoffice";

}  // namespace

BackOfficeRecord::BackOfficeRecord(FileSystem& fs, const std::string& workFolder)
    : fs_(fs), folder_(workFolder), path_(paths::Join(workFolder, kFileName)) {}

BackOfficeWord BackOfficeRecord::Read() const {
    const Profile file(path_, fs_);
    BackOfficeWord word;
    word.drawn = file.GetString(kSection, "drawn", "");
    word.number = file.GetString(kSection, "number", "");
    word.orderMoney = std::strtod(file.GetString(kSection, "money", "0").c_str(), nullptr);
    if (!file.GetString(kSection, "payment", "").empty())
        word.paymentIndex = file.GetInt(kSection, "payment", 0);
    word.memberCode = file.GetString(kSection, "member", "");
    return word;
}

bool BackOfficeRecord::Write(const BackOfficeWord& word) {
    const Profile::KeyValues keys{
        {"drawn", word.drawn},
        {"number", word.number},
        {"money", text::FixedText(word.orderMoney, 2)},
        {"payment", word.paymentIndex ? text::IntText(*word.paymentIndex) : std::string()},
        {"member", word.memberCode},
    };
    // The rename must reach the disk too: only then is the word kept.
    return Profile(path_, fs_).WriteStrings(kSection, keys) && fs_.SyncFileSystem(folder_);
}

}  // namespace orelle
