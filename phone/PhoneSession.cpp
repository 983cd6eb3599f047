#include "phone/PhoneSession.h"

#include <QByteArray>
#include <QFile>
#include <cstdio>
#include <algorithm>
#include <optional>
#include <random>

#include "orderdata/CopyNames.h"
#include "orderdata/TextCase.h"
#include "phone/PhoneConversions.h"
#include "platform/files/FileSystem.h"
#include "platform/imaging/PictureFile.h"
#include "platform/paths/BackupDisk.h"
#include "platform/paths/Paths.h"
#include "platform/text/JsonString.h"

namespace orelle {
namespace {

constexpr const char* kJson = "application/json; charset=utf-8";

WebAnswer Json(int status, std::string body) { return WebAnswer{status, kJson, std::move(body)}; }

std::string StateName(bool open) { return open ? "open" : "over"; }

// The file name as a card's would be kept: its last part, readable,
// lower-cased; never empty.
std::string CleanName(const std::string& sent) {
    const std::size_t slash = sent.find_last_of("/\\");
    std::string name = ToLowerAscii(
        ReadableName(slash == std::string::npos ? sent : sent.substr(slash + 1)));
    if (name.size() > 200) name.resize(200);  // cut bytes may leave a broken character
    name = ReadableName(name);
    return name.empty() ? std::string("photo") : name;
}

// Whether the folder load will read the photo: a JPEG's frame header, read
// as the load reads it, in the head the load looks at.
bool LoadReads(PhotoKind kind, std::string_view bytes) {
    if (kind != PhotoKind::kJpeg) return kind != PhotoKind::kUnknown;
    return PixelSizeFromBytes(bytes.substr(0, kPhotoHeadLimit)).has_value();
}

}  // namespace

// What an upload under way holds of its session: its name and its share of
// the bounds, given back on every way out, an exception included.
class PhoneSession::Claim {
  public:
    // Under the session's lock.
    Claim(PhoneSession& session, std::pair<std::string, std::uint64_t> key)
        : session_(session), key_(std::move(key)) {
        session_.names_.insert(key_);
        session_.broken_.erase(key_);
        ++session_.underWay_;
        session_.underWayBytes_ += key_.second;
    }
    ~Claim() {
        if (kept_) return;
        std::lock_guard<std::mutex> lock(session_.mutex_);
        session_.names_.erase(key_);
        Release();
    }
    Claim(const Claim&) = delete;
    Claim& operator=(const Claim&) = delete;
    // Under the session's lock: the photo is stored, its name stays taken.
    void Keep() {
        kept_ = true;
        Release();
    }

  private:
    void Release() {
        --session_.underWay_;
        session_.underWayBytes_ -= key_.second;
    }

    PhoneSession& session_;
    const std::pair<std::string, std::uint64_t> key_;
    bool kept_ = false;
};

std::string NewPhoneToken() {
    std::random_device random;
    std::string token;
    for (int i = 0; i < 4; ++i) {
        char hex[9];
        std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(random()));
        token += hex;
    }
    return token;
}

const std::string& PhonePage() {
    static const std::string page = [] {
        QFile file(QStringLiteral(":/phone/upload.html"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }();
    return page;
}

PhoneSession::PhoneSession(std::string folder, std::string backupRoot, FileSystem& fs,
                           DiskInfo& disks, PhoneLimits limits, Now now)
    : folder_(paths::WithTrailingSeparator(folder)),
      backupRoot_(std::move(backupRoot)),
      fs_(fs),
      disks_(disks),
      limits_(limits),
      now_(std::move(now)),
      token_(NewPhoneToken()),
      shown_(now_()),
      conversions_(std::make_shared<PhoneConversions>(
          fs, paths::WithTrailingSeparator(paths::WithoutTrailingSeparator(folder_) + "-made"),
          [this](std::uint64_t bytes) {
              std::lock_guard<std::mutex> lock(mutex_);
              return HasRoom(bytes);
          })) {}

// Its worker asks this session for room until it ends.
PhoneSession::~PhoneSession() { conversions_->End(); }

bool PhoneSession::Open() {
    return fs_.RemoveTree(folder_) && fs_.CreateDirectories(folder_);
}

WebAnswer PhoneSession::Refused(int status, const char* message) const {
    return Json(status, "{\"ok\":false,\"state\":\"" + StateName(state_ == State::Open) +
                            "\",\"count\":" + std::to_string(received_.size() + handed_) +
                            ",\"message\":" + text::JsonString(message) + "}");
}

std::string PhoneSession::PagePath() const { return "/" + token_ + "/"; }

std::string PhoneSession::Address(const std::string& host, int port) const {
    return "http://" + host + ":" + std::to_string(port) + PagePath();
}

void PhoneSession::SetStored(Stored stored) {
    std::lock_guard<std::mutex> lock(mutex_);
    stored_ = std::move(stored);
}

MadeStationCopies PhoneSession::MadeCopies() const {
    return
        [conversions = conversions_](const std::string& path) { return conversions->Take(path); };
}

bool PhoneSession::Is(const std::string& path, const char* tail) const {
    return path == PagePath() + tail;
}

bool PhoneSession::Live() const {
    return state_ != State::Ended && now_() - shown_ < limits_.linkLife;
}

WebAnswer PhoneSession::CountAnswer(bool duplicate) const {
    return Json(200, "{\"ok\":true,\"state\":\"" + StateName(state_ == State::Open) +
                         "\",\"count\":" + std::to_string(received_.size() + handed_) +
                         (duplicate ? ",\"duplicate\":true}" : "}"));
}

// Under the lock. The placed order's answer is given once, and the link
// ends with it.
WebAnswer PhoneSession::Status() {
    if (state_ != State::Placed) return CountAnswer();
    state_ = State::Ended;
    return Json(200, std::exchange(lastAnswer_, {}));
}

WebAnswer PhoneSession::Get(const WebRequest& request) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!Live()) return {};
    // Once the photos are taken, a refresh finds the link ended.
    if (Is(request.path, "") && state_ == State::Open)
        return WebAnswer{200, "text/html; charset=utf-8", PhonePage()};
    if (Is(request.path, "status")) return Status();
    return {};
}

WebAnswer PhoneSession::Post(const WebRequest& request, WebBody& body) {
    if (Is(request.path, "photo")) return Upload(request, body);
    std::lock_guard<std::mutex> lock(mutex_);
    if (!Live() || state_ == State::Placed || !Is(request.path, "done")) return {};
    // An empty "done" is a tap too early, not the end of the visit.
    if (state_ == State::Open && received_.empty()) return Refused(409, kPhoneNothingSent);
    state_ = State::Finished;
    return CountAnswer();
}

const char* PhoneSession::Refusal(std::uint64_t bytes, int* status) const {
    if (state_ != State::Open) return *status = 410, kPhoneOver;
    if (bytes > limits_.maxPhotoBytes) return *status = 413, kPhoneTooLarge;
    if (received_.size() + static_cast<std::size_t>(underWay_) >=
        static_cast<std::size_t>(limits_.maxPhotos))
        return *status = 403, kPhoneTooMany;
    if (underWay_ >= limits_.uploadsAtOnce) return *status = 503, kPhoneBusy;
    if (!HasRoom(2 * bytes)) return *status = 507, kPhoneNoSpace;
    return nullptr;
}

bool PhoneSession::HasRoom(std::uint64_t more) const {
    // The photos received so far are on the disk already; each is copied
    // into the job once more, one under way twice, and the reserve stays
    // free after that.
    DiskFacts disk;
    const std::uint64_t need = receivedBytes_ + 2 * underWayBytes_ + more;
    return disks_.Query(backupRoot_, &disk) && disk.freeBytes >= need &&
           disk.freeBytes - need >= limits_.reserveBytes;
}

WebAnswer PhoneSession::Upload(const WebRequest& request, WebBody& body) {
    const auto name = request.params.find("name");
    if (!request.length || name == request.params.end()) return {};
    const auto left = request.params.find("left");
    const std::string origName = CleanName(name->second);
    const std::uint64_t bytes = *request.length;
    const std::pair<std::string, std::uint64_t> key{origName, bytes};
    std::optional<Claim> claim;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!Live() || state_ == State::Placed) return {};
        if (state_ == State::Open && left != request.params.end())
            left_ = std::clamp(std::atoi(left->second.c_str()), 0, limits_.maxPhotos);
        if (state_ == State::Open && names_.count(key)) {
            // Sent again (a retry after a lost answer): not stored twice.
            body.Read([](std::string_view) { return true; });
            return CountAnswer(true);
        }
        int status = 400;
        if (const char* refusal = Refusal(bytes, &status))
            return Refused(status, refusal);
        claim.emplace(*this, key);
    }
    std::string data;
    data.reserve(static_cast<std::size_t>(bytes));
    const bool whole = body.Read([&data, bytes](std::string_view piece) {
        if (data.size() + piece.size() > bytes) return false;
        data.append(piece);
        return true;
    });
    const PhotoKind kind = PhotoKindOf(data);
    const bool readable = LoadReads(kind, data);
    PhoneReceived photo;
    Stored stored;
    WebAnswer answer;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const bool ok = whole && data.size() == bytes && readable && state_ == State::Open;
        if (ok) {
            char stem[16];
            std::snprintf(stem, sizeof stem, "p%04d", ++lastNumber_);
            const std::string file = stem + std::string(PhotoKindExtension(kind));
            photo = PhoneReceived{folder_ + file, origName, bytes, kind};
            // Written beside its name and renamed, under a temporary name
            // that a start's clean-up knows; not synced: the folder load
            // copies it into the job.
            if (fs_.WriteFile(photo.path, data)) {
                claim->Keep();
                received_.push_back(photo);
                receivedBytes_ += bytes;
                stored = stored_;
                answer = CountAnswer();
            } else {
                return Refused(507, kPhoneNoSpace);
            }
        } else {
            if (state_ == State::Ended || state_ == State::Placed) return {};
            if (state_ != State::Open) return Refused(410, kPhoneOver);
            if (!whole || data.size() != bytes) {
                broken_.insert(key);  // the page sends it again
                return Refused(400, kPhoneBroken);
            }
            return Refused(415, kind == PhotoKind::kUnknown ? kPhoneNotPhoto : kPhoneUnreadable);
        }
    }
    conversions_->Add(photo.path, kind);
    if (stored) stored(photo, std::move(data));
    return answer;
}

std::vector<PhoneReceived> PhoneSession::Received() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return received_;
}

std::size_t PhoneSession::Count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return received_.size();
}

int PhoneSession::Pending() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return state_ == State::Open ? underWay_ + left_ + static_cast<int>(broken_.size()) : 0;
}

bool PhoneSession::Finished() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return state_ == State::Finished;
}

void PhoneSession::Finish() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (state_ == State::Open) state_ = State::Finished;
}

void PhoneSession::Handed() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (state_ == State::Open) state_ = State::Finished;
        handed_ += received_.size();
        DropPhotos();
    }
    conversions_->End();
}

void PhoneSession::Placed(const PhoneOrderAnswer& answer) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!Live()) return;
    state_ = State::Placed;
    const QByteArray png = QByteArray::fromStdString(answer.qrPng).toBase64();
    lastAnswer_ = "{\"ok\":true,\"state\":\"placed\",\"order\":" + text::JsonString(answer.orderNumber) +
                  ",\"prints\":" + std::to_string(answer.prints) +
                  ",\"pickup\":" + text::JsonString(answer.pickupLine) + ",\"qr\":" +
                  text::JsonString(png.isEmpty() ? std::string() : "data:image/png;base64," + png.toStdString()) +
                  "}";
}

void PhoneSession::End() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (state_ != State::Placed) state_ = State::Ended;
        DropPhotos();
    }
    conversions_->End();
}

void PhoneSession::DropPhotos() {
    received_.clear();
    names_.clear();
    broken_.clear();
    fs_.RemoveTree(folder_);
}

bool PhoneSession::AnswerWaiting() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return state_ == State::Placed && Live();
}

bool PhoneSession::LinkOver() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return !Live();
}

}  // namespace orelle
