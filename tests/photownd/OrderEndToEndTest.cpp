// From a customer's card to the host's hand-back: a folder of photos is
// loaded through the window, the order command runs with the real dialogs
// (accepted as they open, or answered by the test where it must choose),
// and the order reaches the order files, the order server and the host.
#include <gtest/gtest.h>
#include <libexif/exif-ifd.h>

#include <sys/mount.h>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>

#include "cell/CellLayout.h"
#include "orderdata/FeatureFlags.h"
#include "orderdata/OrderPaths.h"
#include "orderdata/ParamConfig.h"
#include "orelle/HostMessage.h"
#include "photownd/UnattendedAnswers.h"
#include "platform/ini/Profile.h"
#include "platform/paths/Paths.h"
#include "submit/AlbumChoiceDialog.h"
#include "submit/AlbumLoginDialog.h"
#include "submit/OrderDialog.h"
#include "support/ModalAnswer.h"
#include "support/PhonePhotos.h"
#include "support/PhotoWindowFixture.h"
#include "support/StandInServer.h"
#include "support/TestJpeg.h"

namespace orelle {
namespace {

namespace fs = std::filesystem;
using testing::GbkText;

constexpr const char* kAlbumLogin = "/Lumora/client/albumlogin.asp";

// Every dialog accepted as it opens, except those that choose answers
// itself (it returns nothing for the others).
class Answers {
  public:
    using Chooser = std::function<std::optional<int>(QDialog&)>;
    explicit Answers(Chooser choose = {})
        : choose_(std::move(choose)), hook_([this](QDialog& d) {
              if (choose_)
                  if (const std::optional<int> chosen = choose_(d)) return *chosen;
              return unattended_.Answer(d);
          }) {}
    const std::string& LastShown() const { return unattended_.LastShown(); }

  private:
    UnattendedAnswers unattended_;
    Chooser choose_;
    testing::ModalAnswer hook_;
};

class OrderEndToEndTest : public testing::PhotoWindowFixture {
  protected:
    OrderEndToEndTest() : settings(dir / "settings/") {
        // Copies of the shipped settings: the remember box writes into them.
        fs::create_directories(settings + "sysini");
        const std::string shipped = paths::ProgramFolder();
        for (const char* file :
             {"param.ini", "ver_ctrl.ini", "sysini/prints.ini", "sysini/prices.ini"})
            fs::copy_file(shipped + file, settings + file);
        testing::WriteJpeg(dir / "card/a.jpg", 40, 30);
        testing::WriteJpeg(dir / "card/b.jpg", 30, 40);
        testing::WriteJpeg(dir / "card/sub/c.jpg", 40, 40);
    }

    void Set(const char* file, const char* section, const char* key, const std::string& value) {
        ASSERT_TRUE(Profile(settings + file).WriteString(section, key, value));
    }
    // The station reads its settings again, from the test's copy (the
    // backup root stays the test's); the card comes in, the customer sees
    // the photos (one print each at the shipped default size, 7寸, code C7)
    // and the host has given its member, as SetStoreid does.
    void LoadCard() {
        ParamConfig& config = state.startup.config;
        const std::string root = config.dir;
        state.startup.settingsFolder = settings;
        config = LoadParamConfig(settings, station.services.files);
        config.dir = root;
        state.flags = LoadFeatureFlags(settings, config, station.services.files);
        window->OpenFolder(dir / "card", {});
        window->WaitForJobs();
        ASSERT_EQ(state.photoList.GetSize(), 3);
        for (std::int32_t i = 0; i < 3; ++i) state.photoList.At(i).bBrowsed = 1;
        state.session.memberAccount = "M01";
        state.session.memberPassword = "pw";
        host.messages.clear();
        host.values.clear();
        ASSERT_GT(state.orderInfo.historyID, 0);
    }

    std::vector<testing::RecordingHost::Values> HandBacks() const {
        std::vector<testing::RecordingHost::Values> out;
        for (std::size_t i = 0; i < host.messages.size(); ++i)
            if (host.messages[i] == kMessageHandBack) out.push_back(host.values[i]);
        return out;
    }
    // Runs an order command that must place the order and tell the host
    // once, with the order date and the tag.
    void Place(int command = 1220, Answers::Chooser choose = {}) {
        const Answers answers(std::move(choose));
        Command(command);
        EXPECT_TRUE(state.session.bOrderPlaced) << answers.LastShown();
        const auto backs = HandBacks();
        ASSERT_EQ(backs.size(), 1u);
        EXPECT_EQ(backs[0].wParam, state.startup.date.DateNumber());
        EXPECT_EQ(backs[0].lParam, state.orderInfo.historyID);
    }

    OrderPaths Paths() const { return {dir / "backup", state.startup.date.dateStr}; }
    std::string Job(const char* key) const {
        return Profile(Paths().PhotoIni(state.orderInfo.storeDDH))
            .GetString("orderinfo", key, "<none>");
    }
    std::string Day(const char* key) const {
        return Profile(Paths().OrderIni())
            .GetString(std::to_string(state.orderInfo.historyID), key, "<none>");
    }
    const std::string settings;
    testing::StandInServer server;
};

TEST_F(OrderEndToEndTest, DatabaseEditionWithoutTheDatabaseNumbersTheOrderAtTheStation) {
    LoadCard();
    Place();
    EXPECT_EQ(Job("productlist"), "C7:3/");
    EXPECT_FALSE(
        fs::exists(Paths().WorkFolder(state.orderInfo.storeDDH) + "/" + state.orderInfo.saleDDH))
        << "no package without the switch";
    // The order key then only says so.
    const Answers answers;
    Key('O');
    EXPECT_EQ(answers.LastShown(), "本次制作已经下单");
    EXPECT_EQ(HandBacks().size(), 1u);
}

// The folder's files and their bytes.
std::map<std::string, std::string> Contents(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        files[e.path().string()] = e.is_regular_file() ? testing::ReadBytes(e.path()) : "/";
    return files;
}

// The card in a read-only mount of its own (a tmpfs remounted read-only);
// where mounting is not allowed, files without write rights (new files
// would still show in its contents).
class ReadOnlyCard {
  public:
    explicit ReadOnlyCard(const fs::path& card) : card_(card) {
        const fs::path staged = card.string() + ".staged";
        fs::rename(card, staged);
        fs::create_directory(card);
        mounted_ = ::mount("tmpfs", card.c_str(), "tmpfs", 0, "size=8m") == 0;
        fs::copy(staged, card, fs::copy_options::recursive);
        const bool readOnly = mounted_ && ::mount(nullptr, card.c_str(), nullptr,
                                                  MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        for (const auto& e : fs::recursive_directory_iterator(card))
            if (!readOnly && e.is_regular_file())
                fs::permissions(
                    e.path(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    }
    ~ReadOnlyCard() {
        if (mounted_) ::umount2(card_.c_str(), MNT_DETACH);
    }

  private:
    fs::path card_;
    bool mounted_ = false;
};

TEST_F(OrderEndToEndTest, ACardOnAReadOnlyMountIsNeverWrittenThroughAWholeJob) {
    // Dated photos, one that the station turns upright, and an upload
    // package.
    testing::WriteJpeg(dir / "card/a.jpg", 40, 30, "2026:12:01 10:00:00");
    testing::WriteJpeg(dir / "card/b.jpg", 30, 40, "2026:12:01 10:00:00");
    testing::WriteBytes(dir / "card/sub/c.jpg",
                        testing::CornerJpeg(64, 48, {{EXIF_IFD_0, 274, {}, 6}}));
    Set("ver_ctrl.ini", "version_control", "verison_origdirfile", "1");
    const ReadOnlyCard card(dir / "card");
    const auto before = Contents(dir / "card");
    LoadCard();
    for (int i = 0; i < 3; ++i) {
        PhotoCell& cell = *window->Cell(i);
        for (const int id : {10000 + 1, 40001 + 2, cellid::kCropFill, 30002 + 120, cellid::kUp,
                             cellid::kDate, 50001 + 90})
            cell.OnCommand(id);
    }
    int dated = 0;
    for (std::int32_t i = 0; i < 3; ++i) {
        ASSERT_EQ(state.photoList.At(i).angle, 90);
        dated += state.photoList.At(i).adddatetime;
    }
    ASSERT_EQ(dated, 2) << "the photo without a recorded date has none";
    Command(1216);  // a copy to order in a second size
    Place();
    EXPECT_EQ(state.photoList.GetSize(), 4);
    EXPECT_EQ(Contents(dir / "card"), before);
}

// The member typed into the order dialog as it opens; what it opened with.
Answers::Chooser TypeMember(const std::string& code, std::vector<std::string>* seen) {
    return [code, seen](QDialog& d) -> std::optional<int> {
        if (auto* order = qobject_cast<OrderDialog*>(&d)) {
            QTimer::singleShot(0, order, [order, code, seen] {
                auto* member =
                    order->findChild<QLineEdit*>(QString::number(OrderDialog::kMemberCodeId));
                seen->push_back(member->text().toStdString());
                member->setText(QString::fromStdString(code));
            });
        }
        return std::nullopt;
    };
}

TEST_F(OrderEndToEndTest, TheNextCustomerNeverSeesNorUsesTheMemberTypedBefore) {
    const auto shipped = [this] {
        return std::pair{testing::ReadBytes(settings + "param.ini"),
                         testing::ReadBytes(settings + "ver_ctrl.ini")};
    };
    const auto before = shipped();
    LoadCard();
    state.session.memberAccount.clear();  // no host member: the customer types one
    state.session.memberPassword.clear();
    std::vector<std::string> seen;
    Place(1220, TypeMember("M01", &seen));
    EXPECT_EQ(seen, std::vector<std::string>{""});
    EXPECT_EQ(Job("user"), "M01");
    const std::string first = state.orderInfo.storeDDH;

    // The next customer's card, without going home.
    window->OpenFolder(dir / "card", {});
    window->WaitForJobs();
    host.messages.clear();  // the load's own 4027
    ASSERT_NE(state.orderInfo.storeDDH, first);
    for (std::int32_t i = 0; i < state.photoList.GetSize(); ++i) state.photoList.At(i).bBrowsed = 1;
    {
        const Answers answers(TypeMember("", &seen));
        Command(1220);
        EXPECT_FALSE(state.session.bOrderPlaced);
        EXPECT_EQ(answers.LastShown(), "请输入会员号,再按'确定'下单");
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(HandBacks().empty());
    EXPECT_EQ(shipped(), before) << "the settings hold no customer's member";
}

TEST_F(OrderEndToEndTest, AnAlbumOrderLogsInAndTakesTheChosenAlbum) {
    // The stand-in server as both web servers.
    Set("ver_ctrl.ini", "version_control", "verison_function", "2000");
    for (const char* web : {"web", "web2"}) Set("param.ini", "webserver", web, "127.0.0.1");
    for (const char* port : {"webport", "webport2"})
        Set("param.ini", "webserver", port, std::to_string(server.port()));
    LoadCard();
    server.Answer(kAlbumLogin, GbkText("status=0%orderid=654321%\\12:夏天/13:旅行/||"));
    Place(1230, [](QDialog& d) -> std::optional<int> {
        if (auto* login = qobject_cast<AlbumLoginDialog*>(&d)) {
            QTimer::singleShot(0, login, [login] {
                login->findChild<QLineEdit*>(QString::number(LoginDialog::kUserId))
                    ->setText("anna");
                login->findChild<QLineEdit*>(QString::number(LoginDialog::kPasswordId))
                    ->setText("pw");
                login->OkButton()->click();
            });
            return login->exec();
        }
        if (qobject_cast<AlbumChoiceDialog*>(&d)) {
            auto* list = d.findChild<QTreeWidget*>();
            QTimer::singleShot(0, &d, [&d, list] {
                list->setCurrentItem(list->topLevelItem(1));
                d.findChild<QPushButton*>("1")->click();
            });
            return d.exec();
        }
        return std::nullopt;
    });
    EXPECT_EQ(Day("albumid"), "13");
    EXPECT_EQ(Day("saleDDH"), "00654321");
}

}  // namespace
}  // namespace orelle
