#include "skin/ShowNotice.h"

#include <gtest/gtest.h>

#include <QTest>

#include "skin/BitmapButton.h"
#include "skin/ProgressBarWnd.h"
#include "support/ModalAnswer.h"

namespace orelle {
namespace {

using testing::ModalAnswer;

BitmapButton* Button(QDialog& d, int id) { return d.findChild<BitmapButton*>(QString::number(id)); }

// Clicks the button id of the notice and returns what the dialog ended with.
ModalHook ClickInNotice(int id, QSize* size = nullptr, bool* cancelShown = nullptr) {
    return [=](QDialog& d) {
        d.show();
        if (size) *size = d.size();
        if (cancelShown) *cancelShown = Button(d, NoticeDialog::kCancelId)->isVisible();
        QTest::mouseClick(Button(d, id), Qt::LeftButton, {}, QPoint(10, 10));
        return d.result();
    };
}

TEST(ShowNotice, OkGivesZeroAndCancelOne) {
    QSize size;
    bool cancelShown = false;
    {
        ModalAnswer answer(ClickInNotice(NoticeDialog::kOkId, &size, &cancelShown));
        EXPECT_EQ(ShowNotice("提示", "确定要删除这张照片吗?", 1, true), 0);
    }
    EXPECT_EQ(size, QSize(290, 145));
    EXPECT_TRUE(cancelShown);
    ModalAnswer answer(ClickInNotice(NoticeDialog::kCancelId));
    EXPECT_EQ(ShowNotice("提示", "确定要删除这张照片吗?", 1, true), 1);
}

TEST(ShowNotice, EscapeAndLongTexts) {
    QSize size;
    bool cancelShown = true;
    ModalAnswer answer([&](QDialog& d) {
        d.show();
        size = d.size();
        cancelShown = Button(d, NoticeDialog::kCancelId)->isVisible();
        EXPECT_EQ(Button(d, NoticeDialog::kOkId)->geometry().left(), 110);
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    });
    const std::string text(100, 'x');
    EXPECT_EQ(ShowNotice("提示", text, 1, false), 1);
    EXPECT_EQ(size, QSize(290, 171));
    EXPECT_FALSE(cancelShown);
}

TEST(ProgressBarWnd, FillsByWholeSteps) {
    ProgressBarWnd bar;
    bar.resize(326, 20);
    bar.show();
    EXPECT_EQ(bar.Steps(), 20);
    bar.SetSteps(3);
    bar.StepIt();
    EXPECT_EQ(bar.FilledWidth(), 108);
    bar.StepIt();
    EXPECT_EQ(bar.FilledWidth(), 216);
    const QImage img = bar.grab().toImage();
    EXPECT_NE(img.pixel(100, 10), img.pixel(300, 10)) << "full and empty parts differ";
    bar.SetSteps(5);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.FilledWidth(), 0);
    // No steps at all would divide by zero.
    bar.SetSteps(0);
    bar.StepIt();
    EXPECT_EQ(bar.FilledWidth(), 326);
}

}  // namespace
}  // namespace orelle
