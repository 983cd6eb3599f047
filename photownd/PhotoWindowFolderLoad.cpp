// Starting and ending a job: what the customer's job shows on the window.
#include "cell/PhotoCell.h"
#include "orderdata/ProcessState.h"
#include "photownd/PhotoWindow.h"
#include "platform/messages/HostMessage.h"
#include "skin/ModalRunner.h"

namespace orelle {

void PhotoWindow::LoadFolder() { job_.Open(currentFolder, selectedFiles, browse.bAdding); }

void PhotoWindow::EndJob(JobEnd how) {
    ClosePhoneScreen();
    SetImageDlgToNormal();
    job_.End(how);
    currentFolder.clear();
    selectedFiles.clear();
    browse.bAdding = false;
    // The next customer starts on the first photo, as after a fresh start.
    for (PhotoCell* c : cells_) c->SetActive(false);
    browse.nActiveCell = 0;
    update();
}

void PhotoWindow::Emptying() {
    // Hidden until a page fills them: no empty cell is drawn while a job is
    // loaded, nor behind the next customer's folder picker.
    for (PhotoCell* c : cells_) {
        c->ClearCell();
        c->hide();
    }
    browse.nFirstIndex = 0;
    browse.nBigIndex = 0;
}

void PhotoWindow::PageLeaving() {
    // The pictures stay on show, so that the next page replaces this one
    // without an empty interim.
    for (PhotoCell* c : cells_) c->ForgetRecord();
}

void PhotoWindow::HandBack() { SendHostMessage(HostWindow(), kMessageHandBack); }

void PhotoWindow::Message(const char* text) { ShowMessage(this, "Orelle", text); }

bool PhotoWindow::Ask(const char* question) { return AskYesNo(this, "Orelle", question); }

}  // namespace orelle
