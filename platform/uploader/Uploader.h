#pragma once
// The hand-off to the shop's uploader program, which sends a placed order's
// work folder to the lab. A running uploader is told of a new order with
// message 2028 and two values; when none runs, the program is started
// from the program folder. On POSIX the uploader listens on a local
// socket named after its window title, and the message travels as one
// line of text:
//
//   "2028 <wParam> <lParam>\n"   decimal numbers, ASCII
//
// The socket lies where Qt's local sockets lie (QDir::tempPath(), /tmp).

#include <cstdint>
#include <string>

namespace orelle {

inline constexpr int kMessageNewOrder = 2028;
inline constexpr const char* kUploaderWindowTitle = "Lumora-Order-Up-Load";
#ifdef _WIN32
inline constexpr const char* kUploaderProgram = "LumoraCUpLoad.exe";
#else
inline constexpr const char* kUploaderProgram = "LumoraCUpLoad";
#endif

enum class UploaderHandOff {
    kSent,     // a running uploader took the message
    kStarted,  // none ran: the program was started
    kFailed,   // none ran and the program could not be started
};

class Uploader {
  public:
    virtual ~Uploader() = default;
    // Tells the uploader of a new order. UI thread; returns within about a
    // second whatever the uploader does.
    virtual UploaderHandOff NewOrder(std::int64_t wParam, std::int64_t lParam) = 0;

    // The machine's uploader: the socket kUploaderWindowTitle and the
    // program of the program folder at the time of the call.
    static Uploader& Default();
};

// The line sent for a message.
std::string UploaderLine(int message, std::int64_t wParam, std::int64_t lParam);

// A local socket of the given name and the program file of a folder (with
// a trailing separator; empty: the program folder at the time of the call).
class LocalUploader : public Uploader {
  public:
    LocalUploader(std::string socketName, std::string programFolder);
    UploaderHandOff NewOrder(std::int64_t wParam, std::int64_t lParam) override;

  private:
    bool SendToRunning(const std::string& line);

    std::string socketName_;
    std::string programFolder_;
};

}  // namespace orelle
