#include "cell/PrintSizeChooser.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>

#include "orderdata/PrintCatalogue.h"
#include "support/CommandRecorder.h"
#include "support/ModalAnswer.h"

namespace orelle {
namespace {

using testing::CommandRecorder;
using testing::ModalAnswer;

PrintCatalogue Sizes(int count) {
    PrintCatalogue c;
    for (int i = 0; i < count; ++i) {
        PrintSpec s;
        s.pcode = i % 2 ? "P" + std::to_string(i) : "PHOTO" + std::to_string(i);
        s.name = std::to_string(i + 3) + "寸";
        s.x = 3.5f + i;
        s.y = 5;
        c.Append(s);
    }
    return c;
}

QPoint CellCentre(int row, int column) { return QPoint(77 * column + 38, 55 * row + 27); }

TEST(PrintSizeChooser, PlacedAtTheAnchorAndSized) {
    CommandRecorder owner;
    const PrintCatalogue sizes = Sizes(14);
    struct Case {
        int placement;
        QPoint at;
    };
    for (const Case& c :
         {Case{0, {500, 400}}, Case{1, {192, 400}}, Case{2, {500, 180}}, Case{3, {192, 180}}}) {
        QPointer<PrintSizeChooser> chooser =
            new PrintSizeChooser(500, 400, &owner, c.placement, sizes, 0);
        EXPECT_TRUE(chooser->isVisible());
        EXPECT_EQ(chooser->pos(), c.at) << c.placement;  // the corner at the anchor
        QTest::mouseClick(chooser, Qt::RightButton, {}, CellCentre(0, 0));
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(chooser.isNull()) << "a right click closes it for good";
    }
    EXPECT_TRUE(owner.ids.empty());
}

TEST(PrintSizeChooser, HoveredCellIsDrawnHighlightedAndAClickSendsTheSizeAndCloses) {
    CommandRecorder owner;
    const PrintCatalogue sizes = Sizes(14);
    auto* chooser = new PrintSizeChooser(0, 0, &owner, 0, sizes, 1);
    chooser->setAttribute(Qt::WA_DeleteOnClose, false);  // read it after it closes
    const QImage before = chooser->grab().toImage();
    QTest::mouseMove(chooser, CellCentre(1, 2));
    EXPECT_EQ(chooser->hoverRow, 1);
    EXPECT_EQ(chooser->hoverColumn, 2);
    const QImage after = chooser->grab().toImage();
    const QPoint corner(2 * 77 + 3, 55 + 3);
    EXPECT_NE(before.pixel(corner), after.pixel(corner));
    EXPECT_EQ(before.pixel(3, 3), after.pixel(3, 3));
    QTest::mouseClick(chooser, Qt::LeftButton, {}, CellCentre(1, 2));
    EXPECT_EQ(owner.ids, std::vector<int>{10009});
    EXPECT_EQ(chooser->chosenIndex, 9);
    EXPECT_FALSE(chooser->isVisible());
    delete chooser;
}

TEST(PrintSizeChooser, ModalRunAnswersOneForASizeAndTwoOtherwiseEvenWithoutSizes) {
    CommandRecorder owner;
    const PrintCatalogue sizes = Sizes(46);
    PrintSizeChooser chooser(0, 0, &owner, PrintSizeChooser::kModalPlacement, sizes, 0);
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(chooser.pos(), QPoint((1024 - 616) / 2, (748 - 330) / 2));

    QPoint click = CellCentre(5, 7);  // index 47: past the 46 sizes
    ModalAnswer answer([&](QDialog& d) {
        d.show();
        QTest::mouseClick(&d, Qt::LeftButton, {}, click);
        return d.result();
    });
    EXPECT_EQ(chooser.RunModal(), PrintSizeChooser::kNotPicked);
    EXPECT_EQ(chooser.chosenIndex, -1);
    click = CellCentre(0, 7);
    EXPECT_EQ(chooser.RunModal(), PrintSizeChooser::kPicked);
    EXPECT_EQ(chooser.chosenIndex, 42);
    EXPECT_EQ(owner.ids, (std::vector<int>{10047, 10042}));

    // An empty catalogue opens, and a right click closes it quietly.
    CommandRecorder quiet;
    const PrintCatalogue none;
    PrintSizeChooser empty(0, 0, &quiet, PrintSizeChooser::kModalPlacement, none, 0);
    ModalAnswer right([](QDialog& d) {
        d.show();
        QTest::mouseClick(&d, Qt::RightButton);
        return d.result();
    });
    EXPECT_EQ(empty.RunModal(), PrintSizeChooser::kNotPicked);
    EXPECT_TRUE(quiet.ids.empty());
}

}  // namespace
}  // namespace orelle
