#pragma once
// One customer's photos sent from a phone: the rules of the upload page's
// session, without windows and without a network. The station's web
// server hands it every request; it serves the page under a one-time
// address, stores each photo it receives into its own folder under a name
// it chooses, converts the HEIF and PNG ones behind the uploads
// (PhoneConversions), and refuses what breaks its bounds. The window shows what
// arrived and, once the customer is done, loads the folder as a card's.
// The address lives for one visit: once the photos are taken only the
// open page's status is answered (the photo count, then the placed
// order's last answer), and a fixed time after it was shown nothing is.
//
// Thread use: the web service's calls come on the server's threads, the
// rest on any thread (the window's); all of it is safe at once.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/imaging/PhotoKind.h"
#include "platform/imaging/StationCopy.h"
#include "platform/webserver/WebServer.h"

namespace orelle {

class DiskInfo;
class FileSystem;
class PhoneConversions;

struct PhoneLimits {
    std::uint64_t maxPhotoBytes = std::uint64_t{50} << 20;
    int maxPhotos = 2000;
    // Left free on the backup disk after the photos are received and
    // copied into the job.
    std::uint64_t reserveBytes = std::uint64_t{1000} << 20;
    int uploadsAtOnce = 3;
    // From the QR code's showing, whatever the phone does.
    std::chrono::steady_clock::duration linkLife = std::chrono::minutes(30);
};

struct PhoneReceived {
    std::string path;      // in the session's folder, named by the station
    std::string origName;  // the phone's file name, readable and lower-cased
    std::uint64_t bytes = 0;
    PhotoKind kind = PhotoKind::kUnknown;
};

// The texts the page shows for a refused photo.
inline constexpr const char* kPhoneNotPhoto = "只能上传照片(JPEG、HEIC、PNG)";
inline constexpr const char* kPhoneUnreadable = "照片已损坏,无法读取";
inline constexpr const char* kPhoneTooLarge = "照片太大,每张最多 50 MB";
inline constexpr const char* kPhoneTooMany = "照片数量已达上限";
inline constexpr const char* kPhoneNoSpace = "电脑磁盘空间不足";
inline constexpr const char* kPhoneOver = "本次上传已经结束";
inline constexpr const char* kPhoneBusy = "请稍候再传";
inline constexpr const char* kPhoneBroken = "上传中断";
inline constexpr const char* kPhoneNothingSent = "还没有上传照片";

// The page's last answer once the job its photos went into is placed.
// Nothing else of the order goes to the phone.
struct PhoneOrderAnswer {
    std::string orderNumber;
    long long prints = 0;
    std::string pickupLine;  // "预计 ... 可取件"; empty: no line
    std::string qrPng;       // a PNG of the number's QR code; empty: none
};

// A fresh token of 128 random bits, as 32 lower-case hex digits.
std::string NewPhoneToken();

class PhoneSession : public WebService {
  public:
    using Now = std::function<std::chrono::steady_clock::time_point()>;
    // Called after a photo is stored, on the thread that stored it, with
    // its bytes, outside the session's lock and before the phone hears of
    // it: it should be quick.
    using Stored = std::function<void(const PhoneReceived&, std::string bytes)>;

    // folder: the session's own folder, which no other session shares
    // (NewPhoneSessionFolder; emptied and made by Open, removed by End),
    // and the folder of its made copies beside it; backupRoot: the backup
    // root, whose disk bounds the session.
    PhoneSession(std::string folder, std::string backupRoot, FileSystem& fs, DiskInfo& disks,
                 PhoneLimits limits = {}, Now now = std::chrono::steady_clock::now);
    ~PhoneSession() override;

    // Empties and makes its own folder; false when it cannot be made.
    bool Open();
    const std::string& Token() const { return token_; }
    const std::string& Folder() const { return folder_; }
    // The page's path, "/<token>/", and its full address on host:port.
    std::string PagePath() const;
    std::string Address(const std::string& host, int port) const;
    void SetStored(Stored stored);
    // The station's copies of the HEIF and PNG photos, converted as they
    // arrive (PhoneConversions) until the end or the hand-over; usable
    // after either.
    MadeStationCopies MadeCopies() const;

    WebAnswer Get(const WebRequest& request) override;
    WebAnswer Post(const WebRequest& request, WebBody& body) override;

    std::vector<PhoneReceived> Received() const;
    std::size_t Count() const;
    // Photos on their way: uploads begun or broken off (the page sends
    // them again), and those the page said it still holds.
    int Pending() const;
    // The page's "完成" came, or Finish was called: no more photos.
    bool Finished() const;
    void Finish();
    // The photos are in the job: the folder goes; the open page hears the
    // count until the order's answer or the end.
    void Handed();
    // The order is placed: the next status is the page's last answer.
    void Placed(const PhoneOrderAnswer& answer);
    // No more requests of any kind (a placed order's answer apart); the
    // folder goes with what it holds.
    void End();
    // The link's life is over: it answers nothing any more.
    bool LinkOver() const;
    // The placed order's answer is not taken yet, and the link lives.
    bool AnswerWaiting() const;

  private:
    enum class State { Open, Finished, Placed, Ended };
    class Claim;
    WebAnswer Upload(const WebRequest& request, WebBody& body);
    // Under the lock: why a photo of that size is refused, or null.
    const char* Refusal(std::uint64_t bytes, int* status) const;
    // Under the lock: the backup disk keeps its reserve after `more` bytes
    // besides the photos' copies into the job.
    bool HasRoom(std::uint64_t more) const;
    WebAnswer CountAnswer(bool duplicate = false) const;
    WebAnswer Refused(int status, const char* message) const;
    WebAnswer Status();
    bool Is(const std::string& path, const char* tail) const;
    // Under the lock: the link still answers.
    bool Live() const;
    // Under the lock: the photos and their folder go. Their made copies go
    // after it, outside it, as the conversions' worker asks it for room.
    void DropPhotos();

    const std::string folder_, backupRoot_;
    FileSystem& fs_;
    DiskInfo& disks_;
    const PhoneLimits limits_;
    const Now now_;
    const std::string token_;
    mutable std::mutex mutex_;
    State state_ = State::Open;
    std::vector<PhoneReceived> received_;
    std::set<std::pair<std::string, std::uint64_t>> names_;   // stored and under way
    std::set<std::pair<std::string, std::uint64_t>> broken_;  // broken off, to come again
    int underWay_ = 0, left_ = 0;
    std::size_t handed_ = 0;  // photos taken into the job
    std::uint64_t underWayBytes_ = 0, receivedBytes_ = 0;
    int lastNumber_ = 0;
    const std::chrono::steady_clock::time_point shown_;
    std::string lastAnswer_;
    Stored stored_;
    const std::shared_ptr<PhoneConversions> conversions_;
};

// The upload page (HTML, CSS and JavaScript in one file).
const std::string& PhonePage();

}  // namespace orelle
