// A job this station left at a cut: the question at the start, and the
// job shown again on its page.
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <utility>

#include "orderdata/ProcessState.h"
#include "orderdata/StationJob.h"
#include "photownd/PhotoWindow.h"
#include "skin/ModalRunner.h"
#include "skin/SkinLook.h"

namespace orelle {
namespace {

constexpr const char* kLeftJobTitle = "上次的订单尚未完成";

// Whoever stands at the station may not be that customer: the question
// shows no photo, only when the job began and its size.
QString LeftJobText(const StationJob& left) {
    const LocalTime& t = left.started;
    return QString::fromUtf8("%1\n\n开始时间: %2-%3-%4 %5:%6\n照片: %7 张")
        .arg(QString::fromUtf8(kLeftJobTitle))
        .arg(t.year)
        .arg(t.month)
        .arg(t.day)
        .arg(t.hour)
        .arg(t.minute, 2, 10, QLatin1Char('0'))
        .arg(left.photos);
}

}  // namespace

bool PhotoWindow::AskLeftJob(const StationJob& left) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kLeftJobTitle), LeftJobText(left),
                    QMessageBox::Yes | QMessageBox::No, HostWindow());
    for (const auto& [which, text] :
         {std::pair{QMessageBox::Yes, "继续"}, {QMessageBox::No, "放弃"}}) {
        box.button(which)->setText(QString::fromUtf8(text));
        box.button(which)->setIcon(QIcon());
    }
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.setFont(GdiFont(skin::kSongTi, 28, 400));
    box.setStyleSheet(QStringLiteral(
        "QPushButton { min-width: 220px; min-height: 90px; font-size: 40px; margin: 12px; }"));
    return RunModal(box) == QMessageBox::Yes;
}

bool PhotoWindow::ResumeLeftJob(const StationJob& left) {
    SetImageDlgToNormal();
    if (!job_.Resume(left)) return false;
    BrowseState& b = browse;
    b.bAdding = false;
    const std::int32_t size = state_.photoList.GetSize();
    const std::int32_t lastPage = (size - 1) / b.nCellsPerPage * b.nCellsPerPage;
    b.nFirstIndex = std::clamp(left.page / b.nCellsPerPage * b.nCellsPerPage, 0, lastPage);
    StartPageRefresh();
    return true;
}

ShownPage PhotoWindow::Shown() const {
    const BrowseState& b = browse;
    if (!b.bBigView) return {b.nFirstIndex, -1};
    return {b.nBigIndex / b.nCellsPerPage * b.nCellsPerPage, b.nBigIndex};
}

}  // namespace orelle
