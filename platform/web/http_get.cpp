#include "platform/web/http_get.h"

#include "platform/web/internet_errors.h"

#include <cerrno>
#include <charconv>
#include <cstring>

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>

namespace platform::web {

namespace {

// What a server may send before its body; more is not an answer this client takes.
constexpr std::size_t max_line = 8 * 1024;
constexpr std::size_t max_head = 64 * 1024;
constexpr std::size_t receive_block = 16 * 1024;

bool is_url_char(char16_t c) { return c > 0x20 && c < 0x7F; }

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equals_nocase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::optional<std::uint64_t> decimal(std::string_view s)
{
    std::uint64_t v = 0;
    if (s.empty())
        return std::nullopt;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, 10);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return v;
}

bool wait_for(int fd, short events, int timeout_ms)
{
    pollfd p{fd, events, 0};
    for (;;) {
        const int r = ::poll(&p, 1, timeout_ms);
        if (r < 0 && errno == EINTR)
            continue;
        return r > 0;
    }
}

} // namespace

struct HttpGet::Connection {
    int fd = -1;
    ~Connection()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

std::uint32_t check_http_url(const QString& url)
{
    if (!url.startsWith(QLatin1String("http://"), Qt::CaseInsensitive))
        return url.contains(QLatin1String("://")) ? internet_unrecognized_scheme : internet_invalid_url;
    return parse_http_url(url) ? 0 : internet_invalid_url;
}

std::optional<HttpUrl> parse_http_url(const QString& url)
{
    if (!url.startsWith(QLatin1String("http://"), Qt::CaseInsensitive))
        return std::nullopt;
    for (const QChar c : url)
        if (!is_url_char(c.unicode()))
            return std::nullopt;
    const std::string s = url.mid(7).toStdString();
    const std::size_t slash = s.find('/');
    const std::string authority = s.substr(0, slash);
    HttpUrl result;
    result.target = slash == std::string::npos ? std::string("/") : s.substr(slash);
    if (authority.find('@') != std::string::npos || authority.empty())
        return std::nullopt;

    std::string port_text;
    if (authority.front() == '[') {
        const std::size_t close = authority.find(']');
        if (close == std::string::npos)
            return std::nullopt;
        result.host = authority.substr(1, close - 1);
        const std::string rest = authority.substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':')
                return std::nullopt;
            port_text = rest.substr(1);
        }
    } else {
        const std::size_t colon = authority.find(':');
        result.host = authority.substr(0, colon);
        if (colon != std::string::npos)
            port_text = authority.substr(colon + 1);
    }
    if (result.host.empty())
        return std::nullopt;
    if (!port_text.empty() || authority.back() == ':') {
        const auto port = decimal(port_text);
        if (!port || *port == 0 || *port > 65535)
            return std::nullopt;
        result.port = static_cast<std::uint16_t>(*port);
    }
    return result;
}

HttpGet::HttpGet(const HttpUrl& url, const HttpOptions& options) : timeout_ms_(options.timeout_ms)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string port = std::to_string(url.port);
    if (::getaddrinfo(url.host.c_str(), port.c_str(), &hints, &found) != 0 || !found) {
        error_ = internet_name_not_resolved;
        return;
    }
    std::unique_ptr<addrinfo, void (*)(addrinfo*)> addresses(found, ::freeaddrinfo);

    error_ = internet_cannot_connect;
    for (const addrinfo* a = found; a; a = a->ai_next) {
        auto c = std::make_unique<Connection>();
        c->fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
        if (c->fd < 0)
            continue;
        if (::connect(c->fd, a->ai_addr, a->ai_addrlen) != 0) {
            if (errno != EINPROGRESS)
                continue;
            if (!wait_for(c->fd, POLLOUT, timeout_ms_)) {
                error_ = internet_timeout;
                continue;
            }
            int so_error = 0;
            socklen_t len = sizeof so_error;
            if (::getsockopt(c->fd, SOL_SOCKET, SO_ERROR, &so_error, &len) != 0 || so_error != 0)
                continue;
        }
        connection_ = std::move(c);
        error_ = 0;
        break;
    }
    if (!connection_)
        return;

    std::string host = url.host.find(':') != std::string::npos ? "[" + url.host + "]" : url.host;
    if (url.port != 80)
        host += ":" + port;
    // HTTP/1.0, so the answer comes without chunks as a rule and the connection ends with it.
    std::string request = "GET " + url.target + " HTTP/1.0\r\nHost: " + host + "\r\nAccept: */*\r\n";
    if (!options.agent.empty())
        request += "User-Agent: " + options.agent + "\r\n";
    if (options.no_cache)
        request += "Pragma: no-cache\r\nCache-Control: no-cache\r\n";
    request += "\r\n";
    std::size_t sent = 0;
    while (sent < request.size()) {
        const ssize_t n = ::send(connection_->fd, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!wait_for(connection_->fd, POLLOUT, timeout_ms_)) {
                error_ = internet_timeout;
                connection_.reset();
                return;
            }
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error_ = internet_connection_aborted;
            connection_.reset();
            return;
        }
        sent += static_cast<std::size_t>(n);
    }
    if (!read_head()) {
        if (error_ == 0)
            error_ = http_invalid_server_response;
        connection_.reset();
    }
}

HttpGet::~HttpGet() = default;

bool HttpGet::fill()
{
    if (!connection_)
        return false;
    if (pos_ > 0 && pos_ == buffer_.size()) {
        buffer_.clear();
        pos_ = 0;
    }
    char block[receive_block];
    for (;;) {
        const ssize_t n = ::recv(connection_->fd, block, sizeof block, 0);
        if (n > 0) {
            buffer_.append(block, static_cast<std::size_t>(n));
            return true;
        }
        if (n == 0)
            return false;
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!wait_for(connection_->fd, POLLIN, timeout_ms_)) {
                error_ = internet_timeout;
                return false;
            }
            continue;
        }
        error_ = internet_connection_reset;
        return false;
    }
}

std::optional<std::string> HttpGet::line()
{
    for (;;) {
        const std::size_t end = buffer_.find('\n', pos_);
        if (end != std::string::npos) {
            if (end - pos_ > max_line)
                return std::nullopt;
            std::string text = buffer_.substr(pos_, end - pos_);
            pos_ = end + 1;
            if (!text.empty() && text.back() == '\r')
                text.pop_back();
            return text;
        }
        if (buffer_.size() - pos_ > max_line || !fill())
            return std::nullopt;
    }
}

bool HttpGet::read_head()
{
    const auto status_line = line();
    if (!status_line)
        return false;
    // "HTTP/1.1 200 OK"
    std::string_view s = *status_line;
    if (s.size() < 12 || s.substr(0, 5) != "HTTP/" || s.find(' ') == std::string_view::npos)
        return false;
    s.remove_prefix(s.find(' ') + 1);
    const auto code = decimal(s.substr(0, 3));
    if (!code || *code < 100 || *code > 999 || (s.size() > 3 && s[3] != ' '))
        return false;
    status_ = static_cast<int>(*code);
    reason_ = QString::fromLatin1(s.size() > 4 ? s.substr(4) : std::string_view());

    std::optional<std::uint64_t> length;
    bool chunked = false;
    std::size_t head = status_line->size();
    for (;;) {
        const auto header = line();
        if (!header)
            return false;
        head += header->size();
        if (head > max_head)
            return false;
        if (header->empty())
            break;
        const std::size_t colon = header->find(':');
        if (colon == std::string::npos)
            return false;
        const std::string_view name = trim(std::string_view(*header).substr(0, colon));
        const std::string_view value = trim(std::string_view(*header).substr(colon + 1));
        if (equals_nocase(name, "Content-Length")) {
            const auto v = decimal(value);
            if (!v || (length && *length != *v))
                return false;
            length = v;
        } else if (equals_nocase(name, "Transfer-Encoding")) {
            chunked = !equals_nocase(value, "identity");
        } else if (equals_nocase(name, "Location")) {
            location_ = std::string(value);
        }
    }
    remaining_ = 0;
    if (status_ == 204 || status_ == 304 || (status_ >= 100 && status_ < 200)) {
        body_ = Body::done;
    } else if (chunked) {
        body_ = Body::chunked;
    } else if (length) {
        body_ = *length > 0 ? Body::sized : Body::done;
        remaining_ = *length;
    } else {
        body_ = Body::until_close;
    }
    return true;
}

// Reads the size line of the next chunk (after the CR LF of the one before); 0 at the last one.
std::uint32_t HttpGet::next_chunk()
{
    auto size_line = line();
    if (size_line && size_line->empty() && remaining_ == 0)
        size_line = line(); // the CR LF that ended the previous chunk
    if (!size_line)
        return error_ ? error_ : internet_connection_reset;
    std::string_view s = *size_line;
    s = trim(s.substr(0, s.find(';')));
    std::uint64_t size = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), size, 16);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return http_invalid_server_response;
    remaining_ = size;
    if (size == 0) {
        // Trailers up to the empty line.
        for (std::size_t n = 0;; ++n) {
            const auto trailer = line();
            if (!trailer || n > 100)
                return http_invalid_server_response;
            if (trailer->empty())
                break;
        }
        body_ = Body::done;
    }
    return 0;
}

std::uint32_t HttpGet::read(std::size_t max, QByteArray& out)
{
    out.clear();
    if (error_ && !connection_)
        return error_;
    while (out.size() < static_cast<qsizetype>(max) && body_ != Body::done) {
        if (body_ == Body::chunked && remaining_ == 0) {
            if (const std::uint32_t e = next_chunk(); e != 0) {
                error_ = e;
                connection_.reset();
                return e;
            }
            continue;
        }
        if (pos_ == buffer_.size()) {
            // As the system's call does, wait until the piece asked for is there or the body has ended.
            if (!fill()) {
                if (body_ == Body::until_close && error_ == 0) {
                    body_ = Body::done;
                    break;
                }
                if (error_ == 0)
                    error_ = internet_connection_reset; // the server ended before the body did
                connection_.reset();
                return error_;
            }
        }
        std::size_t take = std::min(buffer_.size() - pos_, max - static_cast<std::size_t>(out.size()));
        if (body_ != Body::until_close)
            take = static_cast<std::size_t>(std::min<std::uint64_t>(take, remaining_));
        out.append(buffer_.data() + pos_, static_cast<qsizetype>(take));
        pos_ += take;
        if (body_ != Body::until_close) {
            remaining_ -= take;
            if (body_ == Body::sized && remaining_ == 0)
                body_ = Body::done;
        }
    }
    if (body_ == Body::done)
        connection_.reset();
    return 0;
}

} // namespace platform::web
