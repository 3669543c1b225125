#pragma once
// One HTTP GET over a plain TCP connection, its body read in pieces as it arrives. Only "http://" addresses;
// one request only: a 3xx answer is an answer like any other, its Location kept for a caller that follows it.
// Every byte from the server is checked here before use: a status line or header that is malformed or too long
// fails the request.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace platform::web {

struct HttpUrl {
    std::string host;   // a name or an IPv4/IPv6 address (without brackets)
    std::uint16_t port = 80;
    std::string target; // the path and query, "/" at least
};

// std::nullopt for anything but a well-formed "http://host[:port][/path]" address.
std::optional<HttpUrl> parse_http_url(const QString& url);
// 12006 for another scheme, 12005 for a malformed address, 0 for a good one.
std::uint32_t check_http_url(const QString& url);

struct HttpOptions {
    std::string agent;
    bool no_cache = false;  // ask every cache on the way to fetch afresh
    int timeout_ms = 30000; // for connecting and for each wait for data
};

class HttpGet {
public:
    // Connects, sends the request and reads the answer's status line and headers. On failure `error` (one of
    // internet_errors.h) is set and the object is closed.
    HttpGet(const HttpUrl& url, const HttpOptions& options);
    ~HttpGet();
    HttpGet(const HttpGet&) = delete;
    HttpGet& operator=(const HttpGet&) = delete;

    std::uint32_t error() const { return error_; }
    int status() const { return status_; }
    const QString& reason() const { return reason_; }
    // The Location header's value as sent (empty without one).
    const std::string& location() const { return location_; }

    // Up to `max` bytes of the body into `out` (emptied first). An empty `out` with 0 is the end of the body;
    // an error code when the connection failed or ended before the body did.
    std::uint32_t read(std::size_t max, QByteArray& out);

private:
    struct Connection;
    enum class Body { sized, chunked, until_close, done };

    bool fill();                       // more bytes into the buffer; false at the end of the connection
    std::optional<std::string> line(); // one line without its CR LF
    bool read_head();
    std::uint32_t next_chunk();

    std::unique_ptr<Connection> connection_;
    std::uint32_t error_ = 0;
    int status_ = 0;
    QString reason_;
    std::string location_;
    std::string buffer_;
    std::size_t pos_ = 0;
    Body body_ = Body::done;
    std::uint64_t remaining_ = 0; // of the body (sized) or of the current chunk (chunked)
    int timeout_ms_ = 30000;
};

} // namespace platform::web
