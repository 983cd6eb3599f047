#pragma once
// The photo print ordering station as a window that a kiosk host embeds.
// The host creates it below its own 30-pixel strip with init, shows it,
// passes its keys to Qkey and receives two messages on its main window
// (see HostMessage.h): 4027 when the station hands control back, 4029 when
// the current photo changed. One CPhotoWnd per process.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "orelle/CUpFileWnd.h"
#include "orelle/Export.h"
#include "orelle/HostMessage.h"
#include "orelle/KeyMessage.h"

namespace orelle {

class DirList;
class PhotoList;
class PhotoWindow;

// Registry roots for GetRegKey, with their Windows values.
inline constexpr unsigned kHkeyClassesRoot = 0x80000000u;
inline constexpr unsigned kHkeyCurrentUser = 0x80000001u;
inline constexpr unsigned kHkeyLocalMachine = 0x80000002u;

class ORELLE_EXPORT CPhotoWnd {
  public:
    // Reads the edition switches and builds the station on the machine's
    // services; the settings are read once per process, before.
    CPhotoWnd();
    ~CPhotoWnd();
    CPhotoWnd(const CPhotoWnd&) = delete;
    CPhotoWnd& operator=(const CPhotoWnd&) = delete;

    // Creates the window, hidden, at (0, 30)-(1023, 768) of parent, with
    // its toolbar and six cells; false when it cannot be created.
    bool init(QWidget* parent, int id);
    // The window itself (null before init); the host shows and hides it.
    QWidget* window() const;

    void Qkey(const KeyMessage* message);
    // 3: the folder-wide settings; 5: append photos; other ids nothing.
    void hotkey(int id);
    void ActiveWin(int cell);
    std::string GetIndexStr() const;
    int GetSize() const;
    void OnFristPage();
    void OnDelete();
    void SetImageDlgToNormal();
    void SetOrderType(int type);
    void SetUploadWnd(CUpFileWnd* upload);
    void SetOpenNumber(int number);
    void SetStoreid(const std::string& store, const std::string& account,
                    const std::string& password);
    PhotoList* GetPhotoListPoint() const;
    DirList* GetDirListPoint() const;
    std::string GetRealName(const std::string& path) const;
    // A key's default value, cut to 259 GBK bytes: 0, or the error code.
    long GetRegKey(unsigned root, const std::string& subkey, std::string& value) const;
    void OnOpenDir();
    // Starts a job from the whole folder, as OnOpenDir does once its
    // dialog has chosen it (hosts that pick the folder themselves).
    void OpenFolder(const std::string& folder);
    // Starts a job from photos sent by a phone, as the folder picker's
    // "手机传照片" does: the station serves its upload page (param.ini
    // [phone]) and shows a QR code of the page's one-time address; when
    // the customer is done the photos load as a folder's. Returns at once;
    // message 4027 follows the load, or the session's end without photos.
    // False, after a message, when the page cannot be served.
    struct PhoneOptions {
        // Hears the page's address once it is served.
        std::function<void(const std::string& address)> served;
        // "完成" after this many seconds (0: only at the link's end): the
        // photos come so far, and those then on their way, are loaded.
        int waitSeconds = 0;
        // Hears whether photos came.
        std::function<void(bool photos)> ended;
        // While "完成" waits for photos still on their way: how many.
        std::function<void(int onTheirWay)> waiting;
    };
    bool OpenPhone(const PhoneOptions& options);
    bool OpenPhone() { return OpenPhone(PhoneOptions{}); }
    // The shop offers photos from phones (param.ini [phone] enabled).
    bool PhonesEnabled() const;
    // Ends the customer's job on screen, as the home command does: a load
    // under way is given up, the photos and the order header are
    // forgotten (their files stay on the disk). For a host going back to
    // its home page, so that the next customer starts afresh.
    void CloseJob();
    // At the start, before the first job: the job this station held when
    // it stopped without the job's end (a crash, a power cut), changed at
    // most [recovery] minutes ago, is offered to the customer. "继续"
    // gives true: the host shows the window, then calls ResumeLeftJob.
    // "放弃" removes the job. False at once when there is none.
    bool AskLeftJob();
    // Opens the job that AskLeftJob offered, as it was, on the page it was
    // on; false when there is none or its files no longer read.
    bool ResumeLeftJob();
    // Puts photos into an empty job as they are, without copying them (a
    // host that has its own copies). Nothing while busy.
    void UsePhotos(const std::vector<std::string>& paths);
    // True while a worker owns the job (a load, a page refresh): commands
    // and keys do nothing meanwhile; also while a phone session is open,
    // whose photos are yet to become the job, and while a load copies the
    // rest of a card behind its first page (the customer browses, but no
    // order is taken yet).
    bool IsBusy() const;
    // Prints the receipt slip of the job under that order number, finish 0
    // glossy or 1 matte: on the default printer, or into the PDF file
    // pdfFile when one is named. A missing or failing printer is reported
    // to the shop (not while a file is written); the order is not touched.
    // True when the slip was printed; false before init.
    bool PrintLocalOrder(const std::string& orderNumber, int finish,
                         const std::string& pdfFile = {});
    // The order command (the toolbar's order button, the key O) and the
    // album order: from the order's dialogs to its files, the receipt and
    // message 4027 to the host.
    void OnOrderOk();
    void OnToxc();
    // The host opens a new order: its local order id and order tag. A host
    // started again on an order it was placing gives the same id: an order
    // the back office already took for it is completed, not booked again.
    void SetOrderID(const std::string& id, int tag);
    // Hands the placed order to the shop's uploader program.
    void SendNewOrder();

    // The web edition (the order web server): the one where the album
    // order (OnToxc) can be placed.
    bool IsWebEdition() const;

    // Reads the settings, the catalogue and the order date again from
    // another folder (the folder with a host's settings). Only before any
    // CPhotoWnd exists.
    static void UseSettingsFolder(const std::string& folder);
    // The settings folder in use, with a trailing separator.
    static std::string SettingsFolder();

  private:
    // Our own programs' tools (orelle/StationTools.h), beyond a host's needs.
    friend class StationTools;
    struct Station;
    PhotoWindow* Window() const;

    std::unique_ptr<Station> station_;
    QPointer<QWidget> window_;  // owned by its parent too
    int openNumber_ = 0;
};

}  // namespace orelle
