#pragma once
// One of the six photo panels of the main window: the photo of one record
// on an ImageSurface and the buttons that set its print size, quantity,
// framing, date imprint, zoom and rotation. Every edit goes straight into
// the current record (found afresh each time: the record at nBigIndex in
// the big view, else at its place on the page, as the window says); the
// cell keeps copies for its texts and frame colours only. UI thread only.

#include <QWidget>
#include <cstdint>
#include <array>
#include <optional>
#include <string>

#include "cell/CellHost.h"
#include "cell/CellLayout.h"
#include "cell/ImageSurface.h"
#include "skin/CommandTarget.h"

class QLabel;

namespace orelle {

class BitmapButton;
class CaptionLabel;
struct PhotoRecord;

class PhotoCell : public QWidget, public CommandTarget {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1019;

    explicit PhotoCell(const CellContext& context);

    // Set before Create.
    QRect cellRect;
    int cellIndex = 0;

    // Creates the cell as a child of the main window and lays it out small.
    bool Create(QWidget* mainWindow);

    // Has the record's photo decoded ahead for the small view, or the big.
    static void Prefetch(const CellContext& context, const PhotoRecord& record, bool forBigView);

    void ShowRecord(PhotoRecord* record);
    void ClearCell();
    // The record may go away: the cell keeps showing what it shows until
    // it is filled or cleared.
    void ForgetRecord() { surface.ForgetRecord(); }
    void SetActive(bool active);
    // Asks the window to enter or leave the single-photo view with this cell.
    void ToggleBigView();
    // The window's half of that: lays the cell out for the view.
    void SetBigView(bool big);
    void OnCommand(int id) override;

    std::string nameText;
    std::string pathName;
    bool active = false;
    std::int32_t number = 0;
    std::int32_t scale = 100;
    std::int32_t angle = 0;
    std::int32_t specIndex = 4;
    bool bigView = false;
    ImageSurface surface;

    // 1251, 1252, 1250, 1249; 1253 to 1256; 1244 to 1248.
    std::array<BitmapButton*, 4> toolButtons{};
    std::array<BitmapButton*, 4> padButtons{};
    std::array<BitmapButton*, 5> rowButtons{};
    BitmapButton* dateButton = nullptr;
    CaptionLabel* sizeLabel = nullptr;  // never shown
    CaptionLabel* nameLabel = nullptr;
    QLabel* unreadableLabel = nullptr;  // over a photo that cannot be read

    // Any of the cell's buttons by id; nullptr for another id.
    BitmapButton* Button(int id) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // What an edit changes on the surface; the photo is framed anew.
    struct Reframing {
        std::optional<std::int32_t> spec{};
        std::optional<std::int32_t> scale{};
        std::optional<std::int32_t> mode{};
        std::optional<std::int32_t> angle{};
    };

    struct PixelSize {
        std::int32_t width, height;
    };
    // The name label's text, elided to the label's width.
    std::string FittedName(const std::string& origName, std::optional<PixelSize> size) const;
    PhotoRecord* CurrentRecord() const;
    // The record's photo cannot be read: no prints of it.
    void ShowUnreadable(PhotoRecord* record);
    void Reframe(const Reframing& f);
    void ShowFramingTexts();
    // The active photo is the one the customer may enlarge next.
    void PrefetchBigView() const;
    void SetNumber(std::int32_t n);
    void ChooseSize(std::int32_t i);
    void SwitchToFill();
    void SwitchToCrop();
    void OpenZoomPad();
    void ZoomCommand(std::int32_t v);
    void SetAngle(std::int32_t a);
    void ToggleDate();
    // A tap on the mark of a cut face: the frame moves to keep the faces,
    // or the white-border fill is offered where no frame holds them.
    void KeepFaces();
    void OpenPrintSizeChooser();
    void OpenQuantityPad();
    void OpenRotationStrip();
    void ButtonCommand(int id);
    void SetButtonText(int id, const std::string& text);
    void ApplyLayout();
    void FilterChildren();
    Ltrb ScreenRect(const BitmapButton* b) const;

    CellContext context_;
    bool holdsPhoto_ = false;  // a record is shown, readable or not
    std::array<BitmapButton*, kCellButtons.size()> buttons_{};  // as kCellButtons
};

}  // namespace orelle
