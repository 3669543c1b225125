#include "platform/web/wininet.h"

#include "platform/web/internet_errors.h"

#include <QUrl>

#include <cstring>

namespace platform::web {

namespace {

bool is_redirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

WinInet::~WinInet() = default;

HINTERNET WinInet::InternetOpenA(const QString& agent, std::uint32_t access_type, const QString& proxy,
                                 const QString& proxy_bypass, std::uint32_t flags)
{
    (void)access_type;
    (void)proxy;
    (void)proxy_bypass;
    (void)flags;
    const HINTERNET h = next_;
    next_ += 4;
    sessions_[h] = Session{agent.toLatin1().toStdString()};
    last_error_ = 0;
    return h;
}

HINTERNET WinInet::InternetOpenUrlA(HINTERNET session, const QString& url, const QString& headers,
                                    std::uint32_t headers_length, std::uint32_t flags, std::uintptr_t context)
{
    (void)headers;
    (void)headers_length;
    (void)context;
    const auto s = sessions_.find(session);
    if (s == sessions_.end()) {
        last_error_ = error_invalid_handle;
        return 0;
    }
    HttpOptions options;
    options.agent = s->second.agent;
    options.no_cache = (flags & INTERNET_FLAG_RELOAD) != 0;
    options.timeout_ms = timeout_ms_;
    QString address = url;
    std::unique_ptr<HttpGet> get;
    for (int redirects = 0;; ++redirects) {
        if (const std::uint32_t bad = check_http_url(address); bad != 0) {
            last_error_ = redirects == 0 ? bad : http_redirect_failed;
            return 0;
        }
        get = std::make_unique<HttpGet>(*parse_http_url(address), options);
        if (get->error() != 0) {
            last_error_ = get->error();
            return 0;
        }
        if (!is_redirect(get->status()) || get->location().empty())
            break;
        if (redirects == max_redirects) {
            last_error_ = http_redirect_failed;
            return 0;
        }
        // A relative Location counts from the address that answered; a malformed one gives an empty address.
        const QUrl next = QUrl(address).resolved(QUrl(QString::fromLatin1(get->location()), QUrl::StrictMode));
        address = next.isValid() ? next.toString(QUrl::FullyEncoded) : QString();
    }
    const HINTERNET h = next_;
    next_ += 4;
    files_[h] = File{session, std::move(get)};
    last_error_ = 0;
    return h;
}

bool WinInet::InternetReadFile(HINTERNET file, char* buffer, std::uint32_t to_read, std::uint32_t& read)
{
    read = 0;
    const auto f = files_.find(file);
    if (f == files_.end()) {
        last_error_ = error_invalid_handle;
        return false;
    }
    QByteArray piece;
    const std::uint32_t error = f->second.get->read(to_read, piece);
    if (error != 0) {
        last_error_ = error;
        return false;
    }
    std::memcpy(buffer, piece.constData(), static_cast<std::size_t>(piece.size()));
    read = static_cast<std::uint32_t>(piece.size());
    last_error_ = 0;
    return true;
}

bool WinInet::InternetCloseHandle(HINTERNET handle)
{
    if (files_.erase(handle) > 0)
        return true;
    if (sessions_.erase(handle) > 0) {
        for (auto it = files_.begin(); it != files_.end();)
            it = it->second.session == handle ? files_.erase(it) : std::next(it);
        return true;
    }
    last_error_ = error_invalid_handle;
    return false;
}

bool WinInet::HttpQueryStatusCode(HINTERNET file, std::uint32_t& status)
{
    const auto f = files_.find(file);
    if (f == files_.end()) {
        last_error_ = error_invalid_handle;
        return false;
    }
    status = static_cast<std::uint32_t>(f->second.get->status());
    return true;
}

} // namespace platform::web
