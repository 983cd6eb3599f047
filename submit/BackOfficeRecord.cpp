#include "submit/BackOfficeRecord.h"

#include <cstdlib>

#include "platform/files/FileSystem.h"
#include "platform/ini/Profile.h"
#include "platform/paths/Paths.h"
#include "platform/text/NumberText.h"

namespace orelle {
namespace {

constexpr const char* kSection = "backoffice";

}  // namespace

struct BackOfficeRecord::Word {
    std::string drawn;
    std::string number;  // empty while no order is known accepted
    double orderMoney = 0;
    std::optional<int> paymentIndex;
    std::string memberCode;
};

BackOfficeRecord::BackOfficeRecord(FileSystem& fs, const std::string& workFolder)
    : fs_(fs), path_(paths::Join(workFolder, kFileName)) {}

std::optional<OrderOutcome> BackOfficeRecord::AcceptedOrder(const std::string& memberCode) const {
    const Word word = Read();
    if (word.number.empty()) return std::nullopt;
    OrderOutcome out;
    out.placed = true;
    out.orderNumber = word.number;
    out.memberCode = word.memberCode.empty() ? memberCode : word.memberCode;
    out.orderMoney = word.orderMoney;
    out.paymentIndex = word.paymentIndex;
    return out;
}

bool BackOfficeRecord::SaveAcceptedOrder(const OrderOutcome& accepted) {
    Word word = Read();
    word.number = accepted.orderNumber;
    word.orderMoney = accepted.orderMoney;
    word.paymentIndex = accepted.paymentIndex;
    word.memberCode = accepted.memberCode;
    return Write(word);
}

std::string BackOfficeRecord::DrawnNumber() const { return Read().drawn; }

bool BackOfficeRecord::SaveDrawnNumber(const std::string& number) {
    Word word = Read();
    word.drawn = number;
    return Write(word);
}

BackOfficeRecord::Word BackOfficeRecord::Read() const {
    const Profile file(path_, fs_);
    Word word;
    word.drawn = file.GetString(kSection, "drawn", "");
    word.number = file.GetString(kSection, "number", "");
    word.orderMoney = std::strtod(file.GetString(kSection, "money", "0").c_str(), nullptr);
    if (!file.GetString(kSection, "payment", "").empty())
        word.paymentIndex = file.GetInt(kSection, "payment", 0);
    word.memberCode = file.GetString(kSection, "member", "");
    return word;
}

bool BackOfficeRecord::Write(const Word& word) {
    const Profile::KeyValues keys{
        {"drawn", word.drawn},
        {"number", word.number},
        {"money", text::FixedText(word.orderMoney, 2)},
        {"payment", word.paymentIndex ? text::IntText(*word.paymentIndex) : std::string()},
        {"member", word.memberCode},
    };
    // The replace keeps the name as well as the data: only then is the word
    // kept.
    return Profile(path_, fs_).WriteStrings(kSection, keys);
}

}  // namespace orelle
