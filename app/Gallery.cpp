#include "Gallery.h"

#include "CellGallery.h"
#include "GallerySaver.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "cell/PaperDialog.h"
#include "cell/PrintSizeChooser.h"
#include "cell/QuantityDialog.h"
#include "cell/ValuePad.h"
#include "orderdata/PrintCatalogue.h"
#include "orderdata/ProcessState.h"
#include "photownd/BackupDialog.h"
#include "photownd/PhotoWindow.h"
#include "photownd/PrintCountDialog.h"
#include "platform/Services.h"
#include "platform/files/FileSystem.h"
#include "platform/gbk/Gbk.h"
#include "platform/paths/Paths.h"
#include "skin/BitmapButton.h"
#include "skin/ModalRunner.h"
#include "skin/ProgressBarWnd.h"
#include "skin/ShowNotice.h"

namespace orelle::app {
namespace {

void Mouse(QWidget* w, QEvent::Type type, QPoint at) {
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void Hover(QWidget* w, QPoint at) {
    QMouseEvent e(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void Notices(Gallery& g) {
    NoticeDialog ok("提示", "请先选择要冲印的照片!", 1, false);
    ok.InitDialog();
    g.Save(ok, "notice_ok.png");

    NoticeDialog ask("提示", "确定要删除这张照片吗?", 1, true);
    ask.InitDialog();
    g.Save(ask, "notice_ok_cancel.png");

    // 100 bytes: three lines.
    NoticeDialog longer("下单失败",
                        "无法连接到冲印店的订单服务器,请检查网络连接是否正常,然后再试一次。"
                        "如果问题依旧,请与店员联系,谢谢!",
                        1, true);
    longer.InitDialog();
    g.Save(longer, "notice_three_lines.png");

    NoticeDialog pressed("提示", "按下的按钮带有凹陷的边框。", 1, true);
    pressed.InitDialog();
    pressed.show();
    auto* button = pressed.findChild<BitmapButton*>(QString::number(NoticeDialog::kOkId));
    if (button) Mouse(button, QEvent::MouseButtonPress, QPoint(10, 10));
    g.Save(pressed, "button_pressed.png");
    if (button) Mouse(button, QEvent::MouseButtonRelease, QPoint(-50, -50));
}

PrintCatalogue Catalogue(const PrintCatalogue& shipped, int count) {
    PrintCatalogue c;
    for (int i = 0; i < count; ++i) {
        if (i < shipped.GetCount()) {
            c.Append(*shipped.At(i));
            continue;
        }
        PrintSpec s;
        s.x = static_cast<float>(4 + i % 8);
        s.y = static_cast<float>(6 + i / 8);
        s.pcode = "CX" + std::to_string(100 + i);
        s.name = std::to_string(static_cast<int>(s.x)) + "x" +
                 std::to_string(static_cast<int>(s.y)) + "寸";
        c.Append(s);
    }
    return c;
}

void Choosers(Gallery& g, const ProcessState& state) {
    for (int count : {14, 46}) {
        const PrintCatalogue catalogue = Catalogue(state.startup.catalogue, count);
        PrintSizeChooser chooser(0, 0, nullptr, PrintSizeChooser::kModalPlacement, catalogue,
                                 state.startup.config.showofile);
        Hover(&chooser, QPoint(77 + 30, 55 + 20));
        g.Save(chooser, count == 14 ? "chooser_14.png" : "chooser_46.png");
    }
}

void Pads(Gallery& g) {
    struct Pad {
        int kind;
        const char* text;
        QPoint hover;
        const char* file;
    };
    const Pad pads[] = {{kQuantityPad, "1", QPoint(100, 100), "pad_quantity.png"},
                        {kZoomPad, "100", QPoint(100, 280), "pad_zoom.png"},
                        {kRotationStrip, "90", QPoint(100, 20), "pad_rotation.png"}};
    for (const Pad& p : pads) {
        auto* pad = new ValuePad(p.kind, p.text, 300, 200, 0, nullptr);
        Hover(pad, p.hover);
        g.Save(*pad, p.file);
        delete pad;
    }
    // A typed value shows in the header's white box.
    auto* typed = new ValuePad(kQuantityPad, "1", 300, 200, 0, nullptr);
    Mouse(typed, QEvent::MouseButtonPress, QPoint(100, 50));   // 2
    Mouse(typed, QEvent::MouseButtonPress, QPoint(100, 200));  // 0
    g.Save(*typed, "pad_quantity_typed.png");
    delete typed;
}

// A settings folder whose paper switches differ from the shipped ones.
void WriteGbk(FileSystem& fs, const std::string& path, const char* utf8) {
    fs.ReplaceFile(path, gbk::FromUtf8(utf8));
}

void Dialogs(Gallery& g, FileSystem& fs) {
    QuantityDialog quantity;
    quantity.InitDialog();
    g.Save(quantity, "quantity_dialog.png");

    QTemporaryDir settings;
    const std::string folder = paths::WithTrailingSeparator(settings.path().toStdString());
    WriteGbk(fs, folder + "param.ini", "[other]\r\npaperctrl=1\r\n");
    WriteGbk(fs, folder + "ver_ctrl.ini",
             "[paper]\r\ncount=3\r\ndefpaper=1\r\n[p1]\r\npapername=富士\r\n"
             "[p2]\r\npapername=柯达\r\n[p3]\r\npapername=数码\r\n");
    PaperDialog withPaper(folder, fs);
    withPaper.InitDialog();
    g.Save(withPaper, "paper_dialog.png");

    WriteGbk(fs, folder + "param.ini", "[other]\r\npaperctrl=0\r\n");
    PaperDialog finishOnly(folder, fs);
    finishOnly.InitDialog();
    finishOnly.OnCommand(PaperDialog::kMatteId);
    g.Save(finishOnly, "paper_dialog_no_combo.png");

    QWidget holder;
    holder.setFixedSize(326, 20);
    auto* bar = new ProgressBarWnd(&holder);
    bar->setGeometry(0, 0, 326, 20);
    bar->SetSteps(10);
    for (int i = 0; i < 4; ++i) bar->StepIt();
    g.Save(holder, "progress_bar.png");
}

// Starting and growing a job: the main window while a folder loads, the
// backup dialog part-way, the count of prints for appended photos.
void Opening(Gallery& g, ProcessState& state, const Services& services) {
    QWidget host;
    host.setFixedSize(1024, 768);
    PhotoWindow window(state, services);
    window.Init(&host, 1);
    window.ProgressBar()->show();
    window.ProgressBar()->SetSteps(36);
    for (int i = 0; i < 14; ++i) window.ProgressBar()->StepIt();
    g.Save(host, "main_window_loading.png");

    // Nothing to copy: the dialog's start would only ask; answered at once.
    SetModalHook([](QDialog&) { return 0; });
    std::int32_t openNumber = 0;
    BackupDialog backup(state, services, openNumber);
    backup.InitDialog();
    backup.ProgressBar()->SetSteps(5);
    backup.ProgressBar()->StepIt();
    backup.ProgressBar()->StepIt();
    g.Save(backup, "backup_dialog.png");
    SetModalHook(nullptr);

    PrintCountDialog count;
    count.InitDialog();
    count.OnCommand(PrintCountDialog::kMoreId);
    g.Save(count, "print_count_dialog.png");
}

}  // namespace

bool RenderGallery(const std::string& folder, const std::string& settingsFolder) {
    QDir().mkpath(QString::fromStdString(folder));
    Gallery g(folder);
    const Services services = MachineServices();
    ProcessState state;
    LoadProcessState(state, settingsFolder, services.files, services.clock);
    Notices(g);
    Choosers(g, state);
    Pads(g);
    Dialogs(g, services.files);
    Opening(g, state, services);
    Cells(g, state, services);
    return g.ok;
}

}  // namespace orelle::app
