// orelle-station-shots [--config DIR] DIR PHOTO...: a developer's tool that
// runs the photo window on the display it is given (a real one, such as
// Xvfb), puts the photos into a job, opens the batch dialogs the way the
// station opens them (the toolbar's commands, F3, the order flow's
// compression choice), the dialogs a customer touches (the folder picker,
// the add-photos dialog, a message box, a notice, the order dialog) and the
// big view, and saves a picture of the whole screen with each up.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <cstdio>
#include <functional>
#include <string>

#include "ProgramOptions.h"
#include "orderdata/OrderPaths.h"
#include "orderdata/PhotoNames.h"
#include "orderdata/PhotoRecordFactory.h"
#include "orderdata/ProcessState.h"
#include "orelle/KeyMessage.h"
#include "photownd/ApplyChoiceDialog.h"
#include "photownd/CompressionDialog.h"
#include "photownd/FolderPickDialog.h"
#include "photownd/PhotoCommands.h"
#include "photownd/PhotoWindow.h"
#include "platform/Services.h"
#include "platform/paths/Paths.h"
#include "skin/ModalRunner.h"
#include "skin/ShowNotice.h"
#include "skin/SkinLook.h"
#include "submit/OrderDialog.h"

namespace {

void Settle(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace orelle;
    static const char* const kUsage =
        "usage: orelle-station-shots [--config DIR] DIR PHOTO...\n"
        "  opens the batch dialogs over a job of the photos and saves a picture of each\n"
        "  (--config: the settings of DIR, e.g. a web edition's for the order dialog)\n";
    if (const int code = app::AnswerStandardOptions(argc, argv, "orelle-station-shots", kUsage);
        code >= 0)
        return code;
    std::string settings = paths::ProgramFolder();
    int first = 1;
    if (argc > 2 && std::string(argv[1]) == "--config") {
        settings = paths::WithTrailingSeparator(argv[2]);
        first = 3;
    }
    for (int i = first; i < argc; ++i)
        if (app::LooksLikeOption(argv[i])) return app::UsageError(kUsage);
    if (argc < first + 2) return app::UsageError(kUsage);
    QApplication app(argc, argv);
    InstallSkinFonts();
    const std::string folder = argv[first];
    Services services = MachineServices();
    ProcessState state;
    LoadProcessState(state, settings, services.files, services.clock);
    for (int i = first + 1; i < argc; ++i) {
        auto r = CreatePhotoRecord(argv[i], GetRealName(argv[i], state.photoList), argv[i], {},
                                   state.startup.catalogue, state.dirList);
        if (r) state.photoList.Append(std::move(r));
    }

    QWidget host;
    host.setWindowTitle(QStringLiteral("Orelle"));
    host.setFixedSize(1024, 768);
    host.move(0, 0);
    PhotoWindow window(state, services);
    window.Init(&host, 1001);
    host.show();
    window.show();
    window.WaitForJobs();
    Settle(800);

    bool ok = true;
    // Each dialog: made ready, shown, given time to draw, the screen saved.
    // A dialog made ready, shown, given time to draw, the screen saved.
    auto grab = [&](const char* name, QDialog& d, const std::function<void(QDialog&)>& prepare) {
        d.show();
        Settle(300);
        if (prepare) prepare(d);
        Settle(400);
        const QString path = QString::fromStdString(folder + "/" + name);
        ok &= QGuiApplication::primaryScreen()->grabWindow(0).save(path, "PNG");
        std::printf("%s\n", path.toStdString().c_str());
        d.hide();
        return int(QDialog::Rejected);
    };
    auto shoot = [&](const char* name, std::function<void(QDialog&)> prepare) {
        SetModalHook([&grab, name, prepare](QDialog& d) { return grab(name, d, prepare); });
    };
    shoot("apply_choice.png", [](QDialog& d) {
        auto* choice = qobject_cast<ApplyChoiceDialog*>(&d);
        if (!choice) return;
        choice->OnCommand(ApplyChoiceDialog::kSizeId);
        choice->OnCommand(ApplyChoiceDialog::kQuantityId);
    });
    window.OnCommand(kCommandApply);
    shoot("dir_apply.png", nullptr);
    window.Qkey(KeyMessage{kWmKeyDown, kVkF3});
    state.session.OrderRequirement = "照片请调亮一些,明天下午取";
    shoot("requirement.png", nullptr);
    window.OnCommand(kCommandRequirement);
    shoot("statistics.png", nullptr);
    window.OnCommand(kCommandCount);
    shoot("compression.png", nullptr);
    CompressionDialog compression(&window);
    RunModal(compression);

    // What a customer touches besides.
    shoot("folder_picker.png", nullptr);
    FolderPickDialog picker(std::string(paths::DirectoryPart(argv[first + 1])), "选择照片目录",
                            services.registry, services.files, &window, true);
    RunModal(picker);
    shoot("message_box.png", nullptr);
    window.OnCommand(kCommandAddPhotos);  // no job open yet: a message box
    state.orderInfo.storeDDH = "shots";
    QDir().mkpath(QString::fromStdString(
        OrderPaths{state.startup.config.dir, state.startup.date.dateStr}.WorkFolder("shots")));
    shoot("add_photos.png", nullptr);
    window.OnCommand(kCommandAddPhotos);
    shoot("notice.png", nullptr);
    ShowNotice("提示", "确认要删除文件:img_0001.jpg?\r\n按'确定'删除!", 1, true, &window);
    // The order dialog; the dialogs before it are taken as they open.
    SetModalHook([&grab](QDialog& d) {
        if (!qobject_cast<OrderDialog*>(&d)) return int(QDialog::Accepted);
        return grab("order_dialog.png", d, nullptr);
    });
    window.OnCommand(kCommandOrder);
    SetModalHook(nullptr);
    window.WaitForJobs();
    window.OnCommand(kCommandView);
    window.WaitForJobs();
    Settle(800);
    const QString big = QString::fromStdString(folder + "/big_view.png");
    ok &= QGuiApplication::primaryScreen()->grabWindow(0).save(big, "PNG");
    std::printf("%s\n", big.toStdString().c_str());
    SetModalHook(nullptr);
    window.WaitForJobs();
    return ok ? 0 : 1;
}
