#include "skin/ShowNotice.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>

#include "skin/BitmapButton.h"
#include "skin/ModalRunner.h"
#include "skin/PitchedText.h"
#include "skin/ProgressBarWnd.h"
#include "skin/SkinLook.h"
#include "skin/StaticText.h"
#include "support/CodeReader.h"
#include "support/ModalAnswer.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::ModalAnswer;

BitmapButton* Button(QDialog& d, int id) { return d.findChild<BitmapButton*>(QString::number(id)); }

TEST(ShowNotice, OkGivesZeroAndCancelOrEscapeOne) {
    struct Case {
        int key;  // a button's id, or Escape
        std::string text;
        bool cancel;
        int result;
    };
    const std::string question = "确定要删除这张照片吗?";
    for (const Case& c : {Case{NoticeDialog::kOkId, question, true, 0},
                          Case{NoticeDialog::kCancelId, question, true, 1},
                          Case{Qt::Key_Escape, std::string(100, 'x'), false, 1}}) {
        SCOPED_TRACE(c.key);
        bool cancelShown = !c.cancel;
        ModalAnswer answer([&](QDialog& d) {
            d.show();
            cancelShown = Button(d, NoticeDialog::kCancelId)->isVisible();
            if (c.key == Qt::Key_Escape) {
                QTest::keyClick(&d, Qt::Key_Escape);
            } else {
                QTest::mouseClick(Button(d, c.key), Qt::LeftButton, {}, QPoint(10, 10));
            }
            return d.result();
        });
        EXPECT_EQ(ShowNotice("提示", c.text, 1, c.cancel), c.result);
        EXPECT_EQ(cancelShown, c.cancel);
    }
}

// Regression: the customer was asked to copy down a number in 12-pixel text.
TEST(ShowNotice, TheOrderNumberStandsOut) {
    QLabel* number = nullptr;
    StaticText* text = nullptr;
    QRect ok;
    QSize size;
    ModalAnswer answer([&](QDialog& d) {
        d.show();
        size = d.size();
        number = d.findChild<QLabel*>(QString::number(NoticeDialog::kNumberId));
        text = d.findChild<StaticText*>(QString::number(NoticeDialog::kStaticId));
        ok = Button(d, NoticeDialog::kOkId)->geometry();
        EXPECT_TRUE(number && number->isVisible());
        if (number) {
            EXPECT_GE(number->font().pixelSize(), 20);
            EXPECT_TRUE(number->font().bold());
            EXPECT_EQ(number->text(), QStringLiteral("订单号:<0120261207001>"));
            EXPECT_LE(QFontMetrics(number->font()).horizontalAdvance(number->text()),
                      number->width());
            EXPECT_GE(number->geometry().top(), text->geometry().bottom());
            EXPECT_LT(number->geometry().bottom(), ok.top());
        }
        EXPECT_FALSE(text->Text().contains(QStringLiteral("0120261207001")));
        return 0;
    });
    ShowNotice("提示",
               "请注意!:\r\n7寸,数量:6 张\r\n请抄下上面的明细及下面的订单号：\r\n订单号:<"
               "0120261207001>\r\n将抄下的结果交给工作人员!\r\n谢谢!",
               8, false);
    EXPECT_EQ(size.height(), 13 * 8 + 132 + NoticeDialog::kNumberPitch - 13);
}

// The counter scans the number off the notice instead of asking for it.
TEST(ShowNotice, TheNumbersCodeStandsBesideItAndReadsBack) {
    if (!testing::HaveCodeTools()) GTEST_SKIP() << "zbarimg is missing";
    testing::TempFolder dir;
    std::string read;
    ModalAnswer answer([&](QDialog& d) {
        d.show();
        const auto* code = d.findChild<QLabel*>(QString::number(NoticeDialog::kCodeId));
        const auto* number = d.findChild<QLabel*>(QString::number(NoticeDialog::kNumberId));
        if (!code || !number) return 0;
        read = testing::ReadCodes(code->pixmap().toImage(), dir / "notice.png");
        const QRect c = code->geometry(), n = number->geometry();
        EXPECT_GE(c.width(), 150) << "a large code";
        EXPECT_TRUE(d.rect().contains(c));
        EXPECT_GE(c.left(), n.right() - 10);
        EXPECT_LE(c.top(), n.top());
        EXPECT_GE(c.bottom(), n.bottom());
        EXPECT_FALSE(c.intersects(Button(d, NoticeDialog::kOkId)->geometry()));
        return 0;
    });
    ShowCodeNotice("特别提示：", "请注意!\r\n订单号:<0120261207001>\r\n谢谢!", 3, "0120261207001");
    EXPECT_EQ(read, "0120261207001");
}

TEST(ProgressBarWnd, FillsStepByStep) {
    ProgressBarWnd bar;
    bar.resize(326, 20);
    bar.show();
    bar.SetSteps(3);
    bar.StepIt();
    EXPECT_EQ(bar.FilledWidth(), 108);
    bar.StepIt();
    EXPECT_EQ(bar.FilledWidth(), 217);
    const QImage img = bar.grab().toImage();
    EXPECT_NE(img.pixel(100, 10), img.pixel(300, 10)) << "full and empty parts differ";
    bar.SetSteps(5);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.FilledWidth(), 0);
    // A card of more photos than the bar has pixels still moves it.
    bar.SetSteps(2000);
    for (int i = 0; i < 1000; ++i) bar.StepIt();
    EXPECT_EQ(bar.FilledWidth(), 163);
    // No steps at all would divide by zero.
    bar.SetSteps(0);
    bar.StepIt();
    EXPECT_EQ(bar.FilledWidth(), 326);
}

// Regression: the delete question's CR LF showed as one run of text.
TEST(PitchedText, LinesBreakAtCrLfLfAndCr) {
    const QFont font = DialogFont();
    const QString question = QString::fromUtf8("确认要删除文件:a.jpg?\r\n按'确定'删除!");
    EXPECT_EQ(PitchedLineCount(QString(question).remove('\r').remove('\n'), font, 400), 1);
    EXPECT_EQ(PitchedLineCount(question, font, 400), 2);
    EXPECT_EQ(PitchedLineCount(QStringLiteral("a\nb\rc"), font, 400), 3);
    // Both lines are drawn, the second one pitch below the first.
    QImage image(400, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::black);
    PitchedText how;
    how.maxLines = 2;
    how.pitch = 20;
    DrawPitchedText(p, image.rect(), question, font, how);
    p.end();
    auto inked = [&](int top) {
        for (int y = top; y < top + 20; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128) return true;
        return false;
    };
    EXPECT_TRUE(inked(0));
    EXPECT_TRUE(inked(20));
}

// Regression: without a display a message box waited for an answer nobody
// could give (a screenshot run of an empty folder never ended).
TEST(ModalRunner, WithoutADisplayTheDefaultAnswerIsTaken) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    ShowMessage(nullptr, "Orelle", "没有图片文件");  // returns at once
    EXPECT_TRUE(AskYesNo(nullptr, "确认", "仅打开选择的图片吗?"));
    EXPECT_EQ(ShowNotice("提示", "确认?", 1, true), 0);
    QDialog plain;
    EXPECT_EQ(RunModal(plain), QDialog::Rejected);
}

}  // namespace
}  // namespace orelle
