#include "skin/ModalRunner.h"

#include <QDialog>
#include <QMessageBox>

namespace orelle {
namespace {

ModalHook& Hook() {
    static ModalHook hook;
    return hook;
}

}  // namespace

int RunModal(QDialog& dialog) {
    if (Hook()) return Hook()(dialog);
    return dialog.exec();
}

void ShowMessage(QWidget* parent, const char* caption, const char* text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(caption), QString::fromUtf8(text),
                    QMessageBox::Ok, parent);
    RunModal(box);
}

bool AskYesNo(QWidget* parent, const char* caption, const char* text) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(caption), QString::fromUtf8(text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    return RunModal(box) == QMessageBox::Yes;
}

void SetModalHook(ModalHook hook) { Hook() = std::move(hook); }

}  // namespace orelle
