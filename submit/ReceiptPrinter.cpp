#include "submit/ReceiptPrinter.h"

namespace orelle {
namespace {

int PointsToDots(int points, int dpi) {
    return static_cast<int>((static_cast<long long>(points) * dpi + 36) / 72);
}

}  // namespace

ReceiptPrinter::ReceiptPrinter(std::unique_ptr<PrintDevice> device)
    : device_(std::move(device)), failed_(device_ == nullptr) {}

bool ReceiptPrinter::Check(bool ok) {
    if (!ok) failed_ = true;
    return !failed_;
}

int ReceiptPrinter::DotsX(int points) const { return PointsToDots(points, device_->DpiX()); }

int ReceiptPrinter::DotsY(int points) const { return PointsToDots(points, device_->DpiY()); }

bool ReceiptPrinter::StartDocument(const std::string& title) {
    if (failed_) return false;
    if (!Check(device_->StartDocument(title))) return false;
    pageWidth_ = device_->PageWidth();
    pageHeight_ = device_->PageHeight();
    return true;
}

int ReceiptPrinter::AddFontSet(const std::string& face, int sizeA, int sizeB, bool heavy) {
    if (failed_ || static_cast<int>(fontSets_.size()) >= kMaxFontSets) return -1;
    const int a = DotsY(sizeA), b = DotsY(sizeB);
    fontSets_.push_back(FontSet{PrintFont{face, a, heavy ? 900 : 400}, PrintFont{face, a, 700},
                                PrintFont{face, b, 400}, PrintFont{face, b, 700}});
    current_ = static_cast<int>(fontSets_.size()) - 1;
    device_->SetFont(fontSets_.back()[0]);
    return current_;
}

void ReceiptPrinter::SetMargins(int top, int bottom, int left, int right) {
    top_ = top;
    bottom_ = bottom;
    left_ = left;
    right_ = right;
}

void ReceiptPrinter::SetLineGap(int points) { lineGap_ = points; }

bool ReceiptPrinter::StartPage() {
    if (failed_) return false;
    pageStarted_ = Check(device_->StartPage());
    y_ = DotsY(top_);
    return pageStarted_;
}

bool ReceiptPrinter::PrintLine(int set, const std::string& text, int xOffset) {
    if (failed_ || !pageStarted_ || set < 0 || set >= static_cast<int>(fontSets_.size()))
        return Check(false);
    if (set != current_) {
        current_ = set;
        device_->SetFont(fontSets_[static_cast<std::size_t>(set)][0]);
    }
    const int height = device_->TextHeight(text);
    if (!MakeRoom(height)) return false;
    if (!Check(device_->DrawText(DotsX(left_ + xOffset), y_, text))) return false;
    y_ += height + DotsY(lineGap_);
    return true;
}

bool ReceiptPrinter::MakeRoom(int height) {
    // Something taller than a whole page is drawn on a page of its own
    // rather than breaking pages for ever.
    if (y_ + height > pageHeight_ - DotsY(bottom_) && y_ > DotsY(top_))
        return EndPage() && StartPage();
    return true;
}

bool ReceiptPrinter::PrintModules(const ModuleGrid& grid, int moduleWidth, int moduleHeight,
                                  int quiet) {
    if (failed_ || !pageStarted_ || grid.Empty() || moduleWidth <= 0 || moduleHeight <= 0)
        return Check(false);
    const int white = quiet * moduleWidth;
    const int height = grid.rows * moduleHeight + 2 * white;
    if (!MakeRoom(height)) return false;
    const int left = DotsX(left_) + white;
    const int top = y_ + white;
    for (int r = 0; r < grid.rows; ++r) {
        // One rectangle per run of dark modules.
        for (int c = 0; c < grid.columns;) {
            if (!grid.Dark(c, r)) {
                ++c;
                continue;
            }
            const int start = c;
            while (c < grid.columns && grid.Dark(c, r)) ++c;
            if (!Check(device_->FillRect(left + start * moduleWidth, top + r * moduleHeight,
                                         (c - start) * moduleWidth, moduleHeight)))
                return false;
        }
    }
    y_ += height + DotsY(lineGap_);
    return true;
}

bool ReceiptPrinter::EndPage() {
    if (failed_) return false;
    pageStarted_ = false;
    return Check(device_->EndPage());
}

bool ReceiptPrinter::EndDocument() {
    if (failed_) return false;
    if (pageStarted_ && !EndPage()) return false;
    return Check(device_->EndDocument());
}

}  // namespace orelle
