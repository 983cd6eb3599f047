#include "phone/PhoneSession.h"

#include <QFile>
#include <cstdio>
#include <random>

#include "orderdata/CopyNames.h"
#include "orderdata/TextCase.h"
#include "platform/files/FileSystem.h"
#include "platform/paths/BackupDisk.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

constexpr const char* kJson = "application/json; charset=utf-8";

WebAnswer Json(int status, std::string body) { return WebAnswer{status, kJson, std::move(body)}; }

WebAnswer Refused(int status, const char* message) {
    return Json(status, std::string("{\"ok\":false,\"message\":\"") + message + "\"}");
}

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

}  // namespace

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
      lastSeen_(now_()) {}

PhoneSession::~PhoneSession() = default;

bool PhoneSession::Open() {
    return fs_.RemoveTree(folder_) && fs_.CreateDirectories(folder_);
}

std::string PhoneSession::PagePath() const { return "/" + token_ + "/"; }

std::string PhoneSession::Address(const std::string& host, int port) const {
    return "http://" + host + ":" + std::to_string(port) + PagePath();
}

void PhoneSession::SetStored(Stored stored) {
    std::lock_guard<std::mutex> lock(mutex_);
    stored_ = std::move(stored);
}

bool PhoneSession::Is(const std::string& path, const char* tail) const {
    return path == PagePath() + tail;
}

WebAnswer PhoneSession::CountAnswer(bool duplicate) const {
    return Json(200, "{\"ok\":true,\"count\":" + std::to_string(received_.size()) +
                         (duplicate ? ",\"duplicate\":true}" : "}"));
}

WebAnswer PhoneSession::Get(const WebRequest& request) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (state_ == State::Ended) return {};
    if (Is(request.path, "")) {
        lastSeen_ = now_();
        return WebAnswer{200, "text/html; charset=utf-8", PhonePage()};
    }
    if (Is(request.path, "status")) {
        lastSeen_ = now_();
        return CountAnswer();
    }
    return {};
}

WebAnswer PhoneSession::Post(const WebRequest& request, WebBody& body) {
    if (Is(request.path, "photo")) return Upload(request, body);
    std::lock_guard<std::mutex> lock(mutex_);
    if (state_ == State::Ended || !Is(request.path, "done")) return {};
    lastSeen_ = now_();
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
    // The photos received so far are on the disk already; each is copied
    // into the job once more, and the reserve stays free after that.
    DiskFacts disk;
    const std::uint64_t need = receivedBytes_ + 2 * (underWayBytes_ + bytes);
    if (!disks_.Query(backupRoot_, &disk) || disk.freeBytes < need ||
        disk.freeBytes - need < limits_.reserveBytes)
        return *status = 507, kPhoneNoSpace;
    return nullptr;
}

WebAnswer PhoneSession::Upload(const WebRequest& request, WebBody& body) {
    const auto name = request.params.find("name");
    if (!request.length || name == request.params.end()) return {};
    const std::string origName = CleanName(name->second);
    const std::uint64_t bytes = *request.length;
    const std::pair<std::string, std::uint64_t> key{origName, bytes};
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (state_ == State::Ended) return {};
        lastSeen_ = now_();
        if (state_ == State::Open && names_.count(key)) {
            // Sent again (a retry after a lost answer): not stored twice.
            body.Read([](std::string_view) { return true; });
            return CountAnswer(true);
        }
        int status = 400;
        if (const char* refusal = Refusal(bytes, &status))
            return Refused(status, refusal);
        names_.insert(key);
        ++underWay_;
        underWayBytes_ += bytes;
    }
    std::string data;
    data.reserve(static_cast<std::size_t>(bytes));
    const bool whole = body.Read([&data, bytes](std::string_view piece) {
        if (data.size() + piece.size() > bytes) return false;
        data.append(piece);
        return true;
    });
    const PhotoKind kind = PhotoKindOf(data);
    PhoneReceived photo;
    Stored stored;
    WebAnswer answer;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        --underWay_;
        underWayBytes_ -= bytes;
        lastSeen_ = now_();
        const bool ok = whole && data.size() == bytes && kind != PhotoKind::kUnknown &&
                        state_ == State::Open;
        if (ok) {
            char stem[16];
            std::snprintf(stem, sizeof stem, "p%04d", ++lastNumber_);
            const std::string file = stem + std::string(PhotoKindExtension(kind));
            photo = PhoneReceived{folder_ + file, origName, bytes, kind};
            // Written beside its name and renamed, under a temporary name
            // that a start's clean-up knows; not synced: the folder load
            // copies it into the job.
            if (fs_.WriteFile(photo.path, data)) {
                received_.push_back(photo);
                receivedBytes_ += bytes;
                stored = stored_;
                answer = CountAnswer();
            } else {
                names_.erase(key);
                return Refused(507, kPhoneNoSpace);
            }
        } else {
            names_.erase(key);
            if (state_ == State::Ended) return {};
            if (state_ != State::Open) return Refused(410, kPhoneOver);
            if (!whole || data.size() != bytes) return Refused(400, kPhoneBroken);
            return Refused(415, kPhoneNotPhoto);
        }
    }
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

bool PhoneSession::Finished() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return state_ == State::Finished;
}

void PhoneSession::Finish() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (state_ == State::Open) state_ = State::Finished;
}

void PhoneSession::End() {
    std::lock_guard<std::mutex> lock(mutex_);
    state_ = State::Ended;
    received_.clear();
    names_.clear();
    fs_.RemoveTree(folder_);
}

bool PhoneSession::IdleOver() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return now_() - lastSeen_ >= limits_.idleEnd;
}

}  // namespace orelle
