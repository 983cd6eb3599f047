// orelle-station-shots DIR PHOTO...: a developer's tool that runs the photo
// window on the display it is given (a real one, such as Xvfb), puts the
// photos into a job, opens the batch dialogs the way the station opens them
// (the toolbar's commands, F3, the order flow's compression choice) and
// saves a picture of the whole screen with each dialog up.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <cstdio>
#include <functional>
#include <string>

#include "ProgramOptions.h"
#include "orderdata/PhotoNames.h"
#include "orderdata/PhotoRecordFactory.h"
#include "orderdata/ProcessState.h"
#include "orelle/KeyMessage.h"
#include "photownd/ApplyChoiceDialog.h"
#include "photownd/CompressionDialog.h"
#include "photownd/PhotoCommands.h"
#include "photownd/PhotoWindow.h"
#include "platform/Services.h"
#include "platform/paths/Paths.h"
#include "skin/ModalRunner.h"
#include "skin/SkinLook.h"

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
        "usage: orelle-station-shots DIR PHOTO...\n"
        "  opens the batch dialogs over a job of the photos and saves a picture of each\n";
    if (const int code = app::AnswerStandardOptions(argc, argv, "orelle-station-shots", kUsage);
        code >= 0)
        return code;
    for (int i = 1; i < argc; ++i)
        if (app::LooksLikeOption(argv[i])) return app::UsageError(kUsage);
    if (argc < 3) return app::UsageError(kUsage);
    QApplication app(argc, argv);
    InstallSkinFonts();
    const std::string folder = argv[1];
    const Services services = MachineServices();
    ProcessState state;
    LoadProcessState(state, paths::ProgramFolder(), services.files, services.clock);
    for (int i = 2; i < argc; ++i) {
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
    auto shoot = [&](const char* name, std::function<void(QDialog&)> prepare) {
        SetModalHook([&, name, prepare](QDialog& d) {
            d.show();
            Settle(300);
            if (prepare) prepare(d);
            Settle(400);
            const QString path = QString::fromStdString(folder + "/" + name);
            ok &= QGuiApplication::primaryScreen()->grabWindow(0).save(path, "PNG");
            std::printf("%s\n", path.toStdString().c_str());
            d.hide();
            return int(QDialog::Rejected);
        });
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
    SetModalHook(nullptr);
    window.WaitForJobs();
    return ok ? 0 : 1;
}
