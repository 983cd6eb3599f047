#include "skin/ModalRunner.h"

#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

#include "skin/ShowNotice.h"
#include "skin/TouchSizes.h"

namespace orelle {
namespace {

ModalHook& Hook() {
    static ModalHook hook;
    return hook;
}

std::string& LastText() {
    static std::string text;
    return text;
}

// What a box or a notice says; nothing for other dialogs.
std::string ShownText(QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) return box->text().toStdString();
    if (auto* notice = qobject_cast<NoticeDialog*>(&dialog)) return notice->Text();
    return {};
}

bool WithoutDisplay() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

// Nobody can answer without a display: the dialog says what it would have
// said on the standard error and takes its default answer.
int DefaultAnswer(QDialog& dialog) {
    std::string text = dialog.windowTitle().toStdString();
    const std::string said = ShownText(dialog);
    if (!said.empty()) text += ": " + said;
    int answer = QDialog::Rejected;
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        QAbstractButton* chosen = box->defaultButton();
        for (QAbstractButton* b : box->buttons()) {
            const QMessageBox::ButtonRole role = box->buttonRole(b);
            if (!chosen && (role == QMessageBox::AcceptRole || role == QMessageBox::YesRole))
                chosen = b;
        }
        if (chosen) answer = box->standardButton(chosen);
    } else if (qobject_cast<NoticeDialog*>(&dialog)) {
        answer = QDialog::Accepted;
    }
    std::fprintf(stderr, "%s\n", text.c_str());
    return answer;
}

}  // namespace

int RunModal(QDialog& dialog) {
    if (std::string said = ShownText(dialog); !said.empty()) LastText() = std::move(said);
    if (Hook()) return Hook()(dialog);
    if (WithoutDisplay()) return DefaultAnswer(dialog);
    return dialog.exec();
}

void ShowMessage(QWidget* parent, const char* caption, const char* text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(caption), QString::fromUtf8(text),
                    QMessageBox::Ok, parent);
    MakeTouchable(&box);
    RunModal(box);
}

bool AskYesNo(QWidget* parent, const char* caption, const char* text) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(caption), QString::fromUtf8(text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    MakeTouchable(&box);
    return RunModal(box) == QMessageBox::Yes;
}

const std::string& LastShownText() { return LastText(); }

void SetModalHook(ModalHook hook) { Hook() = std::move(hook); }

}  // namespace orelle
