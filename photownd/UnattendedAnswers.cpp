#include "photownd/UnattendedAnswers.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include "skin/ModalRunner.h"
#include "skin/ShowNotice.h"
#include "skin/SkinDialog.h"
#include "submit/OrderDialog.h"

namespace orelle {
namespace {

int AnswerOrderDialog(OrderDialog& dialog, std::string& shown) {
    const auto failed = [&dialog, &shown] {
        shown = dialog.Status();
        dialog.reject();
    };
    QObject::connect(&dialog, &OrderDialog::ExchangeEnded, &dialog, [&dialog, failed](bool placed) {
        if (!placed) QTimer::singleShot(0, &dialog, failed);
    });
    // OK once it shows; an OK that starts nothing (a refused field) gives up.
    QTimer::singleShot(0, &dialog, [&dialog, failed] {
        if (dialog.Editing()) dialog.OnCommand(OrderDialog::kOkId);
        if (dialog.Editing() && dialog.isVisible()) failed();
    });
    return dialog.exec();
}

}  // namespace

UnattendedAnswers::UnattendedAnswers() {
    SetModalHook([this](QDialog& dialog) { return Answer(dialog); });
}

UnattendedAnswers::~UnattendedAnswers() { SetModalHook(nullptr); }

int UnattendedAnswers::Answer(QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        lastShown_ = box->text().toStdString();
        if (box->button(QMessageBox::Yes)) return QMessageBox::Yes;
        return QMessageBox::Ok;
    }
    if (auto* notice = qobject_cast<NoticeDialog*>(&dialog)) {
        lastShown_ = notice->Text();
        return QDialog::Accepted;
    }
    if (auto* order = qobject_cast<OrderDialog*>(&dialog))
        return AnswerOrderDialog(*order, lastShown_);
    if (auto* skin = qobject_cast<SkinDialog*>(&dialog)) {
        // Enter takes what the dialog opened with, as its OK does.
        skin->InitDialog();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(skin, &enter);
        return skin->result();
    }
    return QDialog::Rejected;
}

}  // namespace orelle
