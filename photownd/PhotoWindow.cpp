#include "photownd/PhotoWindow.h"

#include <QKeyEvent>
#include <QPainter>

#include "cell/PhotoCell.h"
#include "orderdata/ProcessState.h"
#include "orelle/KeyMessage.h"
#include "phone/PhoneDialog.h"
#include "photownd/Paging.h"
#include "photownd/PhotoCommands.h"
#include "photownd/ToolBarWnd.h"
#include "photownd/WebPages.h"
#include "platform/imaging/FaceDetector.h"
#include "platform/messages/HostMessage.h"
#include "platform/shell/Shell.h"
#include "skin/ModalRunner.h"
#include "skin/ProgressBarWnd.h"
#include "skin/RectLtrb.h"
#include "skin/SkinLook.h"
#include "skin/SystemTranslations.h"

namespace orelle {
namespace {

const QColor kBackground(73, 147, 234);
const QRect kWindowRect = RectLtrb(0, 30, 1023, 768);
const QRect kIndexRect = RectLtrb(60, 660, 400, 700);
// The order's price, on the index line's right.
const QRect kPriceRect = RectLtrb(410, 660, 1010, 700);
// Beside the index line while a folder loads.
const QRect kProgressRect(640, 670, 326, 20);
// Under the index line while the rest of a load is copied behind the page.
const QRect kBehindLineRect = RectLtrb(60, 703, 1010, 707);
const QColor kBehindLineTrack(47, 105, 178);
const QRect kCellRects[6] = {RectLtrb(10, 62, 336, 357),   RectLtrb(347, 62, 673, 357),
                             RectLtrb(684, 62, 1010, 357), RectLtrb(10, 359, 336, 654),
                             RectLtrb(347, 359, 673, 654), RectLtrb(684, 359, 1010, 654)};

// Commands whose dialogs are modal: the host keeps passing keys meanwhile.
bool KeysOffWhileRunning(int id) {
    return id == kCommandDelete || id == kCommandRequirement || id == kCommandOrder ||
           id == kCommandApply || id == kCommandCount;
}

}  // namespace

PhotoWindow::PhotoWindow(ProcessState& state, const Services& services)
    : state_(state),
      services_(services),
      prefetch_(services_.files),
      faceFinder_(
          state.faces, [] { return MakeCascadeFaceDetector(); }, [this] { prefetch_.WaitIdle(); }),
      cellContext_(StationCellContext(*this, state, services_.files, prefetch_)),
      font_(GdiFont(skin::kLiShu, 28, 100)),
      job_(state, services_, *this, [this](const PhotoRecord& record) {
          PhotoCell::Prefetch(cellContext_, record, false);
      }) {
    setObjectName(QStringLiteral("CPhotoWnd"));
    cellContext_.faceFinder = &faceFinder_;
}

PhotoWindow::~PhotoWindow() { ClosePhoneScreen(); }

QWidget* PhotoWindow::HostWindow() const { return parent_ ? parent_->window() : nullptr; }

bool PhotoWindow::Init(QWidget* parent, int id) {
    if (!parent) return false;
    InstallSkinFonts();
    InstallSystemTranslations();
    parent_ = parent;
    setParent(parent);
    setObjectName(QString::number(id));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);
    setGeometry(kWindowRect);
    setFocusPolicy(Qt::StrongFocus);

    toolBar_ = new ToolBarWnd;
    toolBar_->Create(this, kToolBarId);
    for (int i = 0; i < 6; ++i) {
        auto* cell = new PhotoCell(cellContext_);
        cell->cellIndex = i;
        cell->cellRect = kCellRects[i];
        cell->Create(this);
        cells_[static_cast<std::size_t>(i)] = cell;
    }
    Emptying();
    progress_ = new ProgressBarWnd(this);
    progress_->setObjectName(QStringLiteral("1300"));
    progress_->setGeometry(kProgressRect);
    progress_->hide();
    StartIdleGuard();
    return true;
}

void PhotoWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    state_.session.bOrderPlaced = false;
    browse.bAdding = false;
    browse.nFirstIndex = 0;
    if (state_.photoList.GetSize() > 0) StartPageRefresh();
}

void PhotoWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(kIndexRect, kBackground);
    p.setFont(font_);
    p.setPen(Qt::black);
    p.drawText(kIndexRect, Qt::AlignCenter | Qt::TextSingleLine,
               QString::fromStdString(GetIndexStr()));
    // A load's progress bar takes that place while the job changes.
    if (!progress_ || !progress_->isVisible())
        p.drawText(kPriceRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   QString::fromStdString(job_.PriceLine()));
    if (copyingBehind_ && progress_) {
        p.fillRect(kBehindLineRect, kBehindLineTrack);
        QRect done = kBehindLineRect;
        done.setWidth(
            ProgressBarWnd::Filled(done.width(), progress_->Position(), progress_->Steps()));
        p.fillRect(done, Qt::white);
    }
}

void PhotoWindow::PriceChanged() { update(kIndexRect.united(kPriceRect)); }

void PhotoWindow::LoadStarted(int photos) {
    progress_->SetSteps(photos);
    progress_->show();
}

void PhotoWindow::LoadStep() {
    progress_->StepIt();
    if (copyingBehind_) update(kBehindLineRect);
}

void PhotoWindow::CopyingBehind() {
    // The bar would cover the price; the page stays the customer's.
    progress_->hide();
    copyingBehind_ = true;
    update(kBehindLineRect);
}

void PhotoWindow::LoadOver(bool joined) {
    progress_->hide();
    copyingBehind_ = false;
    update(kBehindLineRect);
    if (!joined) return;
    browse.bAdding = false;
    progress_->SetSteps(1);
}

// The index line's count, and the host's, grow with a load copied behind
// its first page.
void PhotoWindow::Grew() {
    update(kIndexRect);
    SendHostMessage(HostWindow(), kMessageIndexChanged);
}

std::string PhotoWindow::GetIndexStr() const {
    return IndexText(browse, state_.photoList.GetSize());
}

std::int32_t PhotoWindow::RecordIndex(int cellIndex, bool bigView) const {
    return bigView ? browse.nBigIndex : browse.nFirstIndex + cellIndex;
}

void PhotoWindow::ToggleBigView(int cellIndex) {
    PhotoCell* cell = Cell(cellIndex);
    if (!cell) return;
    BrowseState& b = browse;
    b.bBigView = !cell->bigView;
    // However the view changes (button, double click, a new job), the
    // button offers the other one.
    if (toolBar_) toolBar_->ShowView(b.bBigView);
    if (b.bBigView) {
        for (PhotoCell* c : cells_) c->hide();
        b.nBigIndex = b.nFirstIndex + b.nActiveCell;
        cell->SetBigView(true);
        return;
    }
    cell->SetBigView(false);
    for (PhotoCell* c : cells_) c->show();
    const PhotoCell* neighbour = Cell(b.nActiveCell == 0 ? 1 : 0);
    if (b.nBigIndex == b.nFirstIndex + b.nActiveCell && !neighbour->nameText.empty()) return;
    // The big view moved to another photo: show its page.
    b.nFirstIndex = b.nBigIndex / b.nCellsPerPage * b.nCellsPerPage;
    StartPageRefresh();
}

void PhotoWindow::ActiveWin(int i) {
    BrowseState& b = browse;
    if (!b.bBigView) {
        if (i < 0 || i >= b.nCellsPerPage) return;
        if (b.nActiveCell >= 0 && b.nActiveCell < b.nCellsPerPage && Cell(b.nActiveCell)) {
            Cell(b.nActiveCell)->SetActive(false);
        }
        if (Cell(i)) Cell(i)->SetActive(true);
        b.nActiveCell = i;
    }
    update(kIndexRect);
    SendHostMessage(HostWindow(), kMessageIndexChanged);
}

void PhotoWindow::OnCommand(int id) {
    BrowseState& b = browse;
    const bool keysOff = KeysOffWhileRunning(id);
    if (keysOff) b.bKeysEnabled = false;
    QPointer<PhotoWindow> alive(this);
    RunCommand(id);
    if (keysOff && alive) b.bKeysEnabled = true;
}

void PhotoWindow::RunCommand(int id) {
    BrowseState& b = browse;
    switch (id) {
        case kCommandHome:
            if (!HomeConfirmed()) break;
            SendHostMessage(HostWindow(), kMessageHandBack);
            state_.session.OrderRequirement.clear();
            // Back to the home page ends the customer's job: the next one
            // never sees these photos.
            EndJob();
            break;
        case kCommandCopy:
            OnCopy();
            break;
        case kCommandDelete:
            OnDelete();
            break;
        case kCommandView:
            if (!state_.bRefreshing && Cell(b.nActiveCell)) Cell(b.nActiveCell)->ToggleBigView();
            break;
        case kCommandPrevPage:
            OnUpPage();
            break;
        case kCommandLastPage:
            OnLastPage();
            break;
        case kCommandFirstPage:
            OnFristPage();
            break;
        case kCommandNextPage:
            OnDownPage();
            break;
        case kCommandRequirement:
            OnRequir();
            break;
        case kCommandApply:
            OnApply();
            break;
        case kCommandDirApply:
            OnDirApply();
            break;
        case kCommandCount:
            OnStat();
            break;
        case kCommandOrder:
            OnOrderOk();
            break;
        case kCommandRecharge:
            OnCharge();
            break;
        case kCommandAlbumOrder:
            OnToxc();
            break;
        case kCommandAddPhotos:
            OnAddDir();
            break;
        case kCommandHelp:
            OnVantorHelp();
            break;
        default:
            break;
    }
}

void PhotoWindow::keyPressEvent(QKeyEvent* event) {
    const KeyMessage key = KeyMessageFromQt(*event);
    Qkey(key);
}

void PhotoWindow::Qkey(const KeyMessage& key) {
    BrowseState& b = browse;
    if (state_.bRefreshing || !b.bKeysEnabled || key.message != kWmKeyDown) return;
    switch (key.virtualKey) {
        case kVkReturn:
        case kVkNext:
            OnCommand(kCommandNextPage);
            break;
        case kVkPrior:
            OnCommand(kCommandPrevPage);
            break;
        case kVkLeft:
        case kVkUp:
        case kVkRight:
        case kVkDown: {
            if (b.bBigView) break;
            const bool back = key.virtualKey == kVkLeft || key.virtualKey == kVkUp;
            ActiveWin(NeighbourCell(b.nActiveCell, back ? -1 : 1, b.nCellsPerPage));
            if (parent_) parent_->setFocus();
            break;
        }
        case kVkDelete:
            OnCommand(kCommandDelete);
            break;
        case kVkO:
            OnCommand(kCommandOrder);
            break;
        case kVkF3:
            OnDirApply();
            break;
        case kVkF5:
            OnAddDir();
            break;
        default:
            break;
    }
}

void PhotoWindow::hotkey(int id) {
    if (id == 3) OnDirApply();
    if (id == 5) OnAddDir();
}

// The web pages exist only outside the database edition.
void PhotoWindow::OpenWebPage(const std::string& address) {
    if (state_.flags.IsDatabaseEdition()) return;
    if (!PageShown(GotoURL(address, kShowNormal, services_.shell, services_.registry)))
        ShowMessage(this, "提示", kNoBrowserMessage);
}

void PhotoWindow::OnVantorHelp() { OpenWebPage(HelpPageAddress(state_.startup.config)); }

void PhotoWindow::OnCharge() { OpenWebPage(TopUpPageAddress(state_.startup.config)); }

void PhotoWindow::SetImageDlgToNormal() {
    for (PhotoCell* c : cells_) {
        if (c && c->bigView) {
            c->ToggleBigView();
            return;
        }
    }
}

}  // namespace orelle
