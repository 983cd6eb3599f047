#pragma once
// Puts lines of text on a receipt printer: sizes in points turned into the
// device's dots, margins, a gap between lines, and a new page when the next
// line would run into the bottom margin. One per print run; the device is
// opened by the caller (the default printer or a PDF file). Once a call
// failed every later call fails too, so a run reports the first failure at
// its end.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/imaging/ModuleGrid.h"
#include "platform/print/PrintDevice.h"

namespace orelle {

class ReceiptPrinter {
  public:
    static constexpr int kMaxFontSets = 10;

    explicit ReceiptPrinter(std::unique_ptr<PrintDevice> device);

    bool StartDocument(const std::string& title);
    // Four fonts: size A at weight 900 for a heavy set (400 otherwise),
    // size A at 700, size B at 400, size B at 700. The set's first font
    // becomes the current one. -1 once ten sets are made.
    int AddFontSet(const std::string& face, int sizeA, int sizeB, bool heavy);
    void SetMargins(int top, int bottom, int left, int right);  // points
    void SetLineGap(int points);
    bool StartPage();
    // Draws text left-aligned at the left margin plus xOffset points, in
    // the first font of the set, and moves down by its height and the gap.
    bool PrintLine(int set, const std::string& text, int xOffset);
    // Draws a printed code at the left margin, each module moduleWidth by
    // moduleHeight dots, with quiet modules' widths of white around it, and
    // moves down below it.
    bool PrintModules(const ModuleGrid& grid, int moduleWidth, int moduleHeight, int quiet);
    // Dots across and down for points, in the device's resolution.
    int DotsX(int points) const;
    int DotsY(int points) const;
    bool EndPage();
    bool EndDocument();

    bool Failed() const { return failed_; }

  private:
    using FontSet = std::array<PrintFont, 4>;

    bool Check(bool ok);
    // Starts a new page when height dots no longer fit on this one.
    bool MakeRoom(int height);

    std::unique_ptr<PrintDevice> device_;
    std::vector<FontSet> fontSets_;
    int pageWidth_ = 0, pageHeight_ = 0;
    int top_ = 0, bottom_ = 0, left_ = 0, right_ = 0;  // points
    int lineGap_ = 0;
    int y_ = 0;
    int current_ = -1;  // the set whose first font is selected
    bool pageStarted_ = false;
    bool failed_ = false;
};

}  // namespace orelle
