#include "platform/print/QtPrinters.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace orelle {
namespace {

// Faces whose PDF text copies back whole (digits included) come first;
// the screen's face is the last resort.
QStringList PrintFamilies(const std::string& face) {
    if (face == "宋体")
        return {QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei"),
                QStringLiteral("Noto Serif CJK SC")};
    return {QString::fromStdString(face), QStringLiteral("AR PL UMing CN")};
}

class QtPrintDevice final : public PrintDevice {
  public:
    explicit QtPrintDevice(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}
    ~QtPrintDevice() override {
        if (painter_.isActive()) {
            printer_->abort();
            painter_.end();
        }
    }

    int DpiX() const override { return printer_->resolution(); }
    int DpiY() const override { return printer_->resolution(); }
    int PageWidth() const override { return Paint().width(); }
    int PageHeight() const override { return Paint().height(); }

    bool StartDocument(const std::string& title) override {
        printer_->setDocName(QString::fromStdString(title));
        return painter_.begin(printer_.get()) && Fine();
    }
    // The painter opened the first page already.
    bool StartPage() override { return pages_++ == 0 ? Fine() : printer_->newPage() && Fine(); }
    bool EndPage() override { return Fine(); }
    bool EndDocument() override { return painter_.isActive() && painter_.end() && Fine(); }

    void SetFont(const PrintFont& font) override {
        QFont f;
        f.setFamilies(PrintFamilies(font.face));
        f.setPixelSize(font.height > 0 ? font.height : 1);
        f.setWeight(static_cast<QFont::Weight>(qBound(1, font.weight, 1000)));
        painter_.setFont(f);
    }
    int TextHeight(const std::string&) override {
        return QFontMetrics(painter_.font(), printer_.get()).height();
    }
    bool DrawText(int x, int y, const std::string& text) override {
        const QString t = QString::fromStdString(text);
        const QFontMetrics m(painter_.font(), printer_.get());
        painter_.drawText(QRect(x, y, m.horizontalAdvance(t) + 1, m.height()),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, t);
        return Fine();
    }
    bool FillRect(int x, int y, int width, int height) override {
        painter_.fillRect(x, y, width, height, Qt::black);
        return Fine();
    }

  private:
    QRect Paint() const { return printer_->pageLayout().paintRectPixels(printer_->resolution()); }
    bool Fine() const { return printer_->printerState() != QPrinter::Error; }

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    int pages_ = 0;
};

}  // namespace

std::unique_ptr<PrintDevice> QtPrinters::OpenDefault() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QtPrintDevice>(
        std::make_unique<QPrinter>(info, QPrinter::HighResolution));
}

std::unique_ptr<PrintDevice> QtPrinters::OpenFile(const std::string& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    return std::make_unique<QtPrintDevice>(std::move(printer));
}

PrinterQueue QtPrinters::DefaultQueue() { return DefaultPrinterQueue(); }

Printers& MachinePrinters() {
    static QtPrinters printers;
    return printers;
}

}  // namespace orelle
