#pragma once
// A small HTTP or HTTPS server on 127.0.0.1 for the update tests, on a thread of its own so that the program's
// blocking calls can talk to it. Each path answers as configured; every request is recorded.

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace startup_tests {

struct Reply {
    int status = 200;
    QByteArray body;
    // Content-Length announces the whole body, but the connection ends after this many of its bytes (-1: all).
    int cut_after = -1;
    bool chunked = false;      // sent in chunks of 100 bytes with Transfer-Encoding: chunked
    bool with_length = true;   // without Content-Length (and not chunked) the body ends with the connection
    std::string location = {}; // sent as a Location header when not empty
    int drip_ms = 0;           // the body sent one byte at a time, this many milliseconds apart
    int stall_after = -1;      // after this many bytes of the body nothing more is sent until the client leaves
};

enum class Scheme {
    http,
    https,           // with the certificate that the tests trust
    https_untrusted, // with one that nobody vouches for
};

struct Request {
    std::string line;    // "GET /update/gatr.txt HTTP/1.1"
    std::string headers; // the rest of the head
};

class LocalHttpServer {
public:
    explicit LocalHttpServer(Scheme scheme = Scheme::http);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    // "http://127.0.0.1:<port>" (or "https://...")
    QString site() const;
    void serve(const std::string& path, Reply reply);
    std::vector<Request> requests() const;
    // How many answers have stopped sending to wait for their client to leave (Reply::stall_after).
    int stalls() const { return stalls_; }

    // A port on 127.0.0.1 where nothing listens.
    static std::uint16_t unused_port();

private:
    class Connection;

    void run();
    void answer(Connection& client);

    Scheme scheme_;
    int listener_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> stalls_{0};
    mutable std::mutex mutex_;
    std::map<std::string, Reply> replies_;
    std::vector<Request> requests_;
    std::thread thread_;
};

} // namespace startup_tests
