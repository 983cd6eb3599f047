#include "photownd/DirApplyDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "skin/ModalRunner.h"

namespace orelle {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 290;
constexpr int kTopOnScreen = 100;

template <typename W>
W* Control(W* w, int id, const QRect& rect) {
    w->setObjectName(QString::number(id));
    w->setGeometry(rect);
    return w;
}

void Label(QWidget* parent, const char* text, const QRect& rect) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setGeometry(rect);
}

}  // namespace

DirApplyDialog::DirApplyDialog(Mode mode, std::vector<std::string> folders,
                               std::vector<std::string> sizeNames, std::int32_t sizeIndex,
                               QWidget* parent)
    : SkinDialog(kResourceId, parent),
      sizeIndex(sizeIndex),
      mode_(mode),
      folders_(std::move(folders)),
      sizeNames_(std::move(sizeNames)) {}

bool DirApplyDialog::OnInitDialog() {
    SkinDialog::OnInitDialog();
    const bool append = mode_ == Mode::kAppend;
    SetTitle(append ? "请对追加的照片设置参数!" : "打开目录的图片参数应用!");
    setFixedSize(kWidth, kHeight);
    QRect screen(0, 0, 1024, 768);
    if (QScreen* s = QGuiApplication::primaryScreen()) screen = s->geometry();
    move(screen.left() + (screen.width() - kWidth) / 2, screen.top() + kTopOnScreen);

    Label(this, "目录:", QRect(20, 42, 45, 20));
    folderCombo_ = Control(new QComboBox(this), kFolderComboId, QRect(70, 40, 310, 24));
    folderCombo_->setEditable(true);
    folderCombo_->lineEdit()->setMaxLength(200);
    for (const std::string& f : folders_) folderCombo_->addItem(QString::fromStdString(f));
    folderEdit_ = Control(new QLineEdit(this), kFolderEditId, QRect(70, 40, 310, 24));
    folderEdit_->setReadOnly(true);
    folderEdit_->setMaxLength(250);
    folderEdit_->setText(QString::fromStdString(appendFolder));
    folderCombo_->setVisible(!append);
    folderEdit_->setVisible(append);

    Label(this, "尺寸:", QRect(20, 76, 45, 20));
    sizeList_ = Control(new QListWidget(this), kSizeListId, QRect(70, 74, 150, 150));
    for (const std::string& name : sizeNames_) sizeList_->addItem(QString::fromStdString(name));
    if (sizeIndex >= 0 && sizeIndex < sizeList_->count()) sizeList_->setCurrentRow(sizeIndex);

    Label(this, "模式:", QRect(235, 76, 45, 20));
    framingList_ = Control(new QListWidget(this), kFramingListId, QRect(280, 74, 100, 50));
    framingList_->addItems({QString::fromUtf8("裁切"), QString::fromUtf8("留白")});
    framingList_->setCurrentRow(0);

    Label(this, "数量:", QRect(235, 140, 45, 20));
    quantityEdit_ =
        Control(new QLineEdit(QStringLiteral("1"), this), kQuantityId, QRect(280, 138, 100, 24));
    matteCheck_ =
        Control(new QCheckBox(QString::fromUtf8("绒面"), this), kMatteId, QRect(280, 172, 100, 20));
    matteCheck_->hide();

    auto* ok =
        Control(new QPushButton(QString::fromUtf8("确定"), this), kOkId, QRect(110, 240, 80, 30));
    auto* cancel = Control(new QPushButton(QString::fromUtf8("取消"), this), kCancelId,
                           QRect(210, 240, 80, 30));
    connect(ok, &QPushButton::clicked, this, [this] { OnCommand(kOkId); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCommand(kCancelId); });
    return true;
}

void DirApplyDialog::OnCommand(int id) {
    if (id == kOkId) OnOK();
    if (id == kCancelId) OnCancel();
}

void DirApplyDialog::OnOK() {
    bool number = false;
    const long long typed = quantityEdit_->text().trimmed().toLongLong(&number);
    if (!number || typed < 1 || typed > kMaxQuantity) {
        ShowMessage(this, "Orelle", "请输入一个在 1 和 1000 之间的整数。");
        quantityEdit_->setFocus();
        quantityEdit_->selectAll();
        return;
    }
    const int row = sizeList_->currentRow();
    const std::string chosen = mode_ == Mode::kAppend ? folderEdit_->text().toStdString()
                                                      : folderCombo_->currentText().toStdString();
    if (row < 0) {
        ShowMessage(this, "提示!", "没有选择照片的规格尺寸!");
        return;
    }
    if (mode_ == Mode::kNormal && chosen.empty()) {
        ShowMessage(this, "提示!", "没有选择一个打开的目录名!");
        return;
    }
    folder = chosen;
    sizeIndex = row;
    framing = framingList_->currentRow();
    quantity = static_cast<std::int32_t>(typed);
    matte = matteCheck_->isChecked() ? 1 : 0;
    accept();
}

}  // namespace orelle
