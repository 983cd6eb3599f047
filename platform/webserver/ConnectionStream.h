#pragma once
// One held connection as cpp-httplib reads and writes it. Unlike the
// library's own stream, it bounds the time to send a whole request (a
// client sending a byte now and then is cut off with a 408), tells the
// bookkeeping when the request line has come, and can say whether the
// client sent more than was read (a body longer than its length).
// POSIX sockets; one thread.

#include <httplib.h>

#include <chrono>
#include <string>

#include "platform/webserver/ClientConnections.h"

namespace orelle {

struct StreamTimes {
    std::chrono::seconds request;  // from arrival to the end of the headers
    std::chrono::seconds read;     // the longest silence after that
    std::chrono::seconds write;
};

class ConnectionStream : public httplib::Stream {
  public:
    ConnectionStream(HeldConnection& connection, ClientConnections& all, StreamTimes times);

    void RequestCame();
    // Bytes came beyond what was read.
    bool MoreThanRead() const;

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* ptr, size_t size) override;
    ssize_t write(const char* ptr, size_t size) override;
    void get_remote_ip_and_port(std::string& ip, int& port) const override;
    void get_local_ip_and_port(std::string& ip, int& port) const override;
    socket_t socket() const override { return connection_.sock; }

  private:
    // Waits for bytes to read; false when the time is up or the socket
    // failed (a late request is answered 408 first).
    bool WaitReadable() const;

    HeldConnection& connection_;
    ClientConnections& all_;
    const StreamTimes times_;
    bool lineCame_ = false, requestCame_ = false;
    std::string buffer_;
    std::size_t at_ = 0;
};

// The address of the client at the other end of a socket.
std::string ClientAddress(int sock);

// Writes a short answer without waiting; for a connection refused or cut.
void SendAnswer(int sock, const char* statusLine);

}  // namespace orelle
