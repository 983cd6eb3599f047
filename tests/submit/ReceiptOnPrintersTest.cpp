// The receipt on the machine's printing service: into a PDF file, on a real
// CUPS queue as the default printer (when the test command has set one up),
// and the shop's message when no printer is there.

#include <gtest/gtest.h>

#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <chrono>
#include <string>
#include <vector>
#include "orderdata/FeatureFlags.h"
#include "orderdata/ParamConfig.h"
#include "platform/print/QtPrinters.h"
#include "setup/BackOfficeCheck.h"
#include "setup/MachineProbes.h"
#include "submit/LocalOrderReceipt.h"
#include "submit/ReceiptNotice.h"

#include "support/CodeReader.h"
#include "support/ModalAnswer.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

const ReceiptLineList kLines{"  自助冲印订单",      " ",
                             "订单号:0026120701",   "会员号:000001",
                             std::string(36, '-'),  "产品规格      数量 门市价 会员价",
                             std::string(36, '-'),  "5寸(光面) 12   0.80   0.60  ",
                             std::string(36, '-'),  "门市总计:9.60,会员总计:7.20",
                             "纸型选择:光面",       "时间:2026-12-7 18:30:5",
                             "此小票为自助冲印订单"};

// Blanks squeezed to one and trimmed: the PDF's text keeps the words and
// their order, not the exact spacing of the columns.
std::string Squeezed(const std::string& line) {
    return QString::fromStdString(line).simplified().toStdString();
}

std::vector<std::string> Expected(int copies) {
    std::vector<std::string> out;
    for (int c = 0; c < copies; ++c) {
        for (const std::string& line : kLines) {
            const std::string s = Squeezed(line);
            if (!s.empty()) out.push_back(s);
        }
    }
    return out;
}

// The text of the PDF, line by line, as pdftotext reads it.
std::vector<std::string> PdfLines(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    std::vector<std::string> lines;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        const std::string s = line.simplified().toStdString();
        if (!s.empty()) lines.push_back(s);
    }
    return lines;
}

bool HavePdfToText() { return !QStandardPaths::findExecutable("pdftotext").isEmpty(); }

// A file that cannot be written is reported.
TEST(ReceiptOnPrinters, APdfFileHoldsBothCopiesAsText) {
    EXPECT_EQ(PrintReceipt(MachinePrinters(), kLines, 1, "/nonexistent-folder/receipt.pdf"),
              ReceiptOutcome::kFailed);
    if (!HavePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
    testing::TempFolder dir;
    const std::string path = dir / "receipt.pdf";
    ASSERT_EQ(PrintReceipt(MachinePrinters(), kLines, 2, path), ReceiptOutcome::kPrinted);
    EXPECT_EQ(PdfLines(QString::fromStdString(path)), Expected(2));
}

// The counter scans the slip's code: a QR code, or bars for a narrow slip.
TEST(ReceiptOnPrinters, TheNumbersCodeOnThePdfReadsBack) {
    if (!testing::HaveCodeTools()) GTEST_SKIP() << "zbarimg or pdftoppm is missing";
    testing::TempFolder dir;
    for (const ReceiptCodeKind kind : {ReceiptCodeKind::kQr, ReceiptCodeKind::kCode128}) {
        const std::string path = dir / "receipt.pdf";
        ASSERT_EQ(PrintReceipt(MachinePrinters(), kLines, 1, path, {kind, "0026120701"}),
                  ReceiptOutcome::kPrinted);
        EXPECT_EQ(testing::ReadPdfCodes(path), "0026120701");
    }
}

TEST(ReceiptOnPrinters, NoPrinterAsksForOneWithoutAnOwner) {
    std::string text, title;
    QWidget* owner = reinterpret_cast<QWidget*>(1);
    testing::ModalAnswer answer([&](QDialog& d) {
        text = testing::DialogText(d);
        title = d.windowTitle().toStdString();
        owner = d.parentWidget();
        return int(QMessageBox::Ok);
    });
    ReportReceipt(ReceiptOutcome::kNoPrinter);
    EXPECT_EQ(title + ": " + text, "提示!: 请确认打印机是否正确安装");
    EXPECT_EQ(owner, nullptr);
    text.clear();
    ReportReceipt(ReceiptOutcome::kPrinted);
    EXPECT_EQ(text, "");
}

// scripts/receipt-queue makes a CUPS queue that writes each job as a PDF
// file into ORELLE_RECEIPT_SPOOL, as the default printer.
TEST(ReceiptOnPrinters, TheDefaultCupsPrinterGetsTwoWholeCopies) {
    const QString spool = qEnvironmentVariable("ORELLE_RECEIPT_SPOOL");
    if (spool.isEmpty()) GTEST_SKIP() << "no receipt queue (scripts/receipt-queue start)";
    ASSERT_TRUE(HavePdfToText());
    QDir folder(spool);
    const QStringList before = folder.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    ASSERT_EQ(PrintReceipt(MachinePrinters(), kLines, 2), ReceiptOutcome::kPrinted);

    // The queue writes the files a little later, one per copy.
    QStringList added;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < until) {
        added.clear();
        for (const QString& f :
             folder.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name))
            if (!before.contains(f)) added.push_back(folder.filePath(f));
        if (added.size() >= 2 && !PdfLines(added.back()).empty()) break;
        QThread::msleep(100);
    }
    ASSERT_EQ(added.size(), 2) << "the queue wrote " << added.join(' ').toStdString();
    std::vector<std::string> lines;
    for (const QString& f : added) {
        const std::vector<std::string> copy = PdfLines(f);
        EXPECT_EQ(copy, Expected(1)) << f.toStdString();
        lines.insert(lines.end(), copy.begin(), copy.end());
        QFile::remove(f);
    }
    EXPECT_EQ(lines, Expected(2));
}

void RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    ASSERT_TRUE(p.waitForFinished(30000) && p.exitCode() == 0) << program.toStdString();
}

// A queue that would not print now gets no slip (the placement tells
// kNotReady) and the set-up check says what keeps it. Each case on a queue
// of its own beside the tests' receipt queue, as this process's default;
// the printer behind it fails as scripts/receipt-queue's does.
TEST(ReceiptOnPrinters, AQueueThatWouldNotPrintIsNamedAndGetsNoSlip) {
    if (qEnvironmentVariable("ORELLE_RECEIPT_SPOOL").isEmpty())
        GTEST_SKIP() << "no receipt queue (scripts/receipt-queue start)";
    testing::TempFolder dir;
    QFile::setPermissions(QString::fromStdString(dir.path()),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther);
    const QString queue = QStringLiteral("orelle-receipt-states");
    const QString job = QString::fromStdString(dir / "job.txt");
    testing::WriteBytes(job.toStdString(), "job\n");
    QDir().mkpath(QString::fromStdString(dir / "receipts"));  // the backend reads "receipts/.."
    const QByteArray before = qgetenv("LPDEST");
    qputenv("LPDEST", queue.toUtf8());
    const struct {
        const char *command, *printer, *named;
    } cases[] = {{"cupsdisable", "ok", "is paused: resume it (cupsenable"},
                 {"cupsreject", "ok", "does not accept jobs (disabled)"},
                 {"lp", "gone", "cannot reach its printer (offline"},
                 {"lp", "media-empty", "is paused after running out of paper: load paper, then"}};
    ParamConfig config;
    config.print = 1;
    MachineProbes probes;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named);
        testing::WriteBytes(dir / "device", c.printer);
        RunTool("lpadmin", {"-p", queue, "-E", "-m", "raw", "-v",
                            QString::fromStdString("orelle-spool:" + dir / "receipts")});
        RunTool(c.command, {c.command == std::string("lp") ? job : queue});
        // The printer's answer comes while cupsd runs the job.
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (QueueProblem(DefaultPrinterQueue()).find(c.named) == std::string::npos &&
               std::chrono::steady_clock::now() < until)
            QThread::msleep(50);
        const CheckLine check = CheckReceiptPrinter(config, FeatureFlags(), probes);
        EXPECT_NE(check.text.find(c.named), std::string::npos) << check.text;
        EXPECT_FALSE(check.ok);
        EXPECT_EQ(PrintReceipt(MachinePrinters(), kLines, 1), ReceiptOutcome::kNotReady);
        RunTool("lpadmin", {"-x", queue});
    }
    qputenv("LPDEST", before);
}

}  // namespace
}  // namespace orelle
