#include "orelle/CPhotoWnd.h"

#include <cstdlib>

#include "orderdata/PhotoNames.h"
#include "orderdata/ProcessState.h"
#include "photownd/BrowseState.h"
#include "photownd/Paging.h"
#include "photownd/PhotoWindow.h"
#include "photownd/WebPages.h"
#include "platform/registry/Registry.h"

namespace orelle {

CPhotoWnd::CPhotoWnd() {
    Process().bRefreshing = false;
    Browse() = BrowseState{};
}

CPhotoWnd::~CPhotoWnd() { delete window_.data(); }

bool CPhotoWnd::init(QWidget* parent, int id) {
    auto* window = new PhotoWindow;
    if (!window->Init(parent, id)) {
        delete window;
        return false;
    }
    delete window_.data();
    window->openNumber = openNumber_;
    window_ = window;
    return true;
}

QWidget* CPhotoWnd::window() const { return window_; }

PhotoWindow* CPhotoWnd::Window() const { return static_cast<PhotoWindow*>(window_.data()); }

void CPhotoWnd::Qkey(const KeyMessage* message) {
    PhotoWindow* w = Window();
    if (w && message) w->Qkey(*message);
}

void CPhotoWnd::hotkey(int id) {
    if (PhotoWindow* w = Window()) w->hotkey(id);
}

void CPhotoWnd::ActiveWin(int cell) {
    if (PhotoWindow* w = Window()) w->ActiveWin(cell);
}

std::string CPhotoWnd::GetIndexStr() const {
    return IndexText(Browse(), Process().photoList.GetSize());
}

int CPhotoWnd::GetSize() const { return Process().photoList.GetSize(); }

void CPhotoWnd::OnFristPage() {
    if (PhotoWindow* w = Window()) w->OnFristPage();
}

void CPhotoWnd::OnDelete() {
    if (PhotoWindow* w = Window()) w->OnDelete();
}

void CPhotoWnd::SetImageDlgToNormal() {
    if (PhotoWindow* w = Window()) w->SetImageDlgToNormal();
}

void CPhotoWnd::SetOrderType(int type) { Browse().nOrderType = type; }

void CPhotoWnd::SetUploadWnd(CUpFileWnd* upload) { Browse().pUploadWnd = upload; }

void CPhotoWnd::SetOpenNumber(int number) {
    openNumber_ = number;
    if (PhotoWindow* w = Window()) w->openNumber = number;
    Browse().nOpenNumber = number;
    Process().orderInfo.albumid.clear();
}

void CPhotoWnd::SetStoreid(const std::string& store, const std::string& account,
                           const std::string& password) {
    BrowseState& b = Browse();
    if (!store.empty()) b.nStoreNumber = static_cast<std::int32_t>(std::atol(store.c_str()));
    if (!account.empty()) b.memberAccount = account;
    if (!password.empty()) b.memberPassword = password;
}

PhotoList* CPhotoWnd::GetPhotoListPoint() const { return &Process().photoList; }

DirList* CPhotoWnd::GetDirListPoint() const { return &Process().dirList; }

std::string CPhotoWnd::GetRealName(const std::string& path) const {
    return orelle::GetRealName(path, Process().photoList);
}

long CPhotoWnd::GetRegKey(unsigned root, const std::string& subkey, std::string& value) const {
    return orelle::GetRegKey(Registry::Default(), root, subkey, value);
}

void CPhotoWnd::OnOpenDir() {
    if (PhotoWindow* w = Window()) w->OnOpenDir();
}

void CPhotoWnd::OpenFolder(const std::string& folder) {
    PhotoWindow* w = Window();
    if (w && !Process().bRefreshing) w->OpenFolder(folder, {});
}

}  // namespace orelle
