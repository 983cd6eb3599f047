#pragma once
// The one door to printers: a page device that draws lines of text, in the
// device's own units (dots), and the place that opens one. The receipt's
// layout is worked out above this layer; a device only reports its
// resolution and page size, measures and draws. Every call that can fail
// says so; a device that failed once stays failed. UI thread only: the
// machine's printing service belongs to the user-interface thread.

#include <memory>
#include <string>

#include "platform/print/PrinterQueue.h"

namespace orelle {

struct PrintFont {
    std::string face;  // a family name as the station names it ("宋体")
    int height = 0;    // character height in dots
    int weight = 400;  // 100 .. 900, 400 normal, 700 bold
};

class PrintDevice {
  public:
    virtual ~PrintDevice() = default;

    // Dots per inch across and down, and the printable page in dots; known
    // once the document has started.
    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;

    virtual bool StartDocument(const std::string& title) = 0;
    virtual bool StartPage() = 0;
    virtual bool EndPage() = 0;
    // Hands the document to the printer; false when it did not take it.
    virtual bool EndDocument() = 0;

    virtual void SetFont(const PrintFont& font) = 0;
    // The height of a line of text in the current font.
    virtual int TextHeight(const std::string& text) = 0;
    // Draws text with its top left corner at (x, y).
    virtual bool DrawText(int x, int y, const std::string& text) = 0;
    // A black rectangle (the bars and squares of a printed code).
    virtual bool FillRect(int x, int y, int width, int height) = 0;
};

class Printers {
  public:
    virtual ~Printers() = default;
    // The system's default printer with its default settings; nullptr when
    // there is none.
    virtual std::unique_ptr<PrintDevice> OpenDefault() = 0;
    // A PDF file at path instead of paper.
    virtual std::unique_ptr<PrintDevice> OpenFile(const std::string& path) = 0;
    // The default printer's queue as the printing service tells it; an
    // unknown state (no service to ask) counts as ready.
    virtual PrinterQueue DefaultQueue() = 0;
};

}  // namespace orelle
