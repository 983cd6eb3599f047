#pragma once
// A printer that writes down what it is asked to do, one entry a call, at
// the resolution and page size a test chooses. A text's height is its
// font's height, so layouts come out without any font question. It can
// fail from its nth drawn line on, or be missing altogether.

#include <memory>
#include <string>
#include <vector>

#include "platform/print/PrintDevice.h"

namespace orelle::testing {

struct PrintLog {
    std::vector<std::string> calls;  // "doc T", "page", "font F H W", "text X Y S", ...
    std::vector<std::string> texts;  // every drawn text in order
    int documents = 0;               // ended whole
    int opened = 0;
    int rects = 0;                      // filled rectangles (printed codes)
    std::vector<std::string> pdfPaths;  // OpenFile's paths
};

class RecordingDevice final : public PrintDevice {
  public:
    RecordingDevice(PrintLog& log, int dpi, int pageHeight, int failFromText)
        : log_(log), dpi_(dpi), pageHeight_(pageHeight), failFromText_(failFromText) {}

    int DpiX() const override { return dpi_; }
    int DpiY() const override { return dpi_; }
    int PageWidth() const override { return dpi_ * 3; }
    int PageHeight() const override { return pageHeight_; }
    bool StartDocument(const std::string& title) override { return Log("doc " + title); }
    bool StartPage() override { return Log("page"); }
    bool EndPage() override { return Log("endpage"); }
    bool EndDocument() override {
        if (!Log("enddoc")) return false;
        ++log_.documents;
        return true;
    }
    void SetFont(const PrintFont& f) override {
        height_ = f.height;
        Log("font " + f.face + " " + std::to_string(f.height) + " " + std::to_string(f.weight));
    }
    int TextHeight(const std::string&) override { return height_; }
    // Counted only: the calls stay the texts' layout.
    bool FillRect(int, int, int, int) override {
        ++log_.rects;
        return !failed_;
    }
    bool DrawText(int x, int y, const std::string& text) override {
        if (failFromText_ >= 0 && drawn_++ >= failFromText_) failed_ = true;
        if (failed_) return false;
        log_.texts.push_back(text);
        return Log("text " + std::to_string(x) + " " + std::to_string(y) + " " + text);
    }

  private:
    bool Log(std::string call) {
        if (failed_) return false;
        log_.calls.push_back(std::move(call));
        return true;
    }

    PrintLog& log_;
    int dpi_, pageHeight_, failFromText_;
    int height_ = 0;
    int drawn_ = 0;
    bool failed_ = false;
};

class RecordingPrinters final : public Printers {
  public:
    PrintLog log;
    bool present = true;  // false: the machine has no printer
    int dpi = 72;
    int pageHeight = 100000;
    int failFromText = -1;  // the index of the first drawn line that fails
    PrinterQueue queue;     // the default printer's queue state

    PrinterQueue DefaultQueue() override { return queue; }
    std::unique_ptr<PrintDevice> OpenDefault() override {
        if (!present) return nullptr;
        ++log.opened;
        return std::make_unique<RecordingDevice>(log, dpi, pageHeight, failFromText);
    }
    std::unique_ptr<PrintDevice> OpenFile(const std::string& path) override {
        log.pdfPaths.push_back(path);
        ++log.opened;
        return std::make_unique<RecordingDevice>(log, dpi, pageHeight, failFromText);
    }
};

}  // namespace orelle::testing
