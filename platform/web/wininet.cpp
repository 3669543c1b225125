#include "platform/web/wininet.h"

#include "platform/web/internet_errors.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <chrono>
#include <optional>

namespace platform::web {

namespace {

// What Qt keeps of a body that the caller has not read yet; while it is full Qt reads no more from the server.
constexpr qint64 read_buffer_size = 64 * 1024;

bool is_url_char(QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7F; }

// 0 for an address that is fetched, with `url` set; otherwise why it is not.
std::uint32_t check_url(const QString& text, QUrl& url)
{
    if (!text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) &&
        !text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return text.contains(QLatin1String("://")) ? internet_unrecognized_scheme : internet_invalid_url;
    if (!std::all_of(text.begin(), text.end(), is_url_char))
        return internet_invalid_url;
    url = QUrl(text, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty() || url.port() == 0)
        return internet_invalid_url;
    return 0;
}

bool is_redirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

std::optional<int> status_of(const QNetworkReply& reply)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return std::nullopt;
    return status.toInt();
}

// Qt reports an error status (404, 500, ...) as an error of the reply; here it is an answer like any other.
bool is_status_error(QNetworkReply::NetworkError e)
{
    return (e >= QNetworkReply::ContentAccessDenied && e <= QNetworkReply::UnknownContentError) ||
           (e >= QNetworkReply::InternalServerError && e <= QNetworkReply::UnknownServerError);
}

std::uint32_t certificate_error(const QList<QSslError>& errors)
{
    if (errors.isEmpty())
        return internet_security_channel_error;
    switch (errors.front().error()) {
    case QSslError::HostNameMismatch: return internet_cert_name_invalid;
    case QSslError::CertificateExpired:
    case QSslError::CertificateNotYetValid: return internet_cert_date_invalid;
    default: return internet_invalid_ca;
    }
}

} // namespace

struct WinInet::File {
    HINTERNET session = 0;
    std::unique_ptr<QNetworkReply> reply;
    QDeadlineTimer deadline;
    std::uint32_t certificate = 0; // why the server's certificate was refused
    std::uint32_t failed = 0;      // a deadline or stop ended the transfer: every later read fails so
    std::optional<qint64> length;  // the Content-Length the answer announced
    qint64 delivered = 0;

    ~File()
    {
        if (reply)
            reply->abort();
    }

    // Why the transfer failed, once Qt has ended it; 0 when it did not.
    std::uint32_t transfer_error() const
    {
        const QNetworkReply::NetworkError e = reply->error();
        if (e == QNetworkReply::NoError || (is_status_error(e) && status_of(*reply)))
            return 0;
        switch (e) {
        case QNetworkReply::ConnectionRefusedError: return internet_cannot_connect;
        case QNetworkReply::RemoteHostClosedError: return internet_connection_reset;
        case QNetworkReply::HostNotFoundError: return internet_name_not_resolved;
        case QNetworkReply::TimeoutError: return internet_timeout;
        case QNetworkReply::OperationCanceledError: return internet_operation_cancelled;
        case QNetworkReply::SslHandshakeFailedError:
            return certificate != 0 ? certificate : internet_security_channel_error;
        case QNetworkReply::ProtocolUnknownError: return internet_unrecognized_scheme;
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::NetworkSessionFailedError:
        case QNetworkReply::UnknownNetworkError: return internet_cannot_connect;
        default: return http_invalid_server_response;
        }
    }

    // A body that stopped short of its announced length is not the body, whatever Qt made of the close.
    bool short_of_length() const
    {
        const int status = status_of(*reply).value_or(0);
        const bool has_body = status >= 200 && status != 204 && status != 304;
        return has_body && length && delivered != *length;
    }
};

WinInet::WinInet() = default;

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
    sessions_[h] = Session{agent};
    last_error_ = 0;
    return h;
}

bool WinInet::wait(File& file, const std::function<bool()>& ready)
{
    const QEventLoop::ProcessEventsFlags events =
        (stop_ ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents) | QEventLoop::WaitForMoreEvents;
    // Wakes the wait at the deadline when nothing else does.
    QTimer alarm;
    alarm.setSingleShot(true);
    alarm.setTimerType(Qt::PreciseTimer);
    for (;;) {
        if (ready())
            return true;
        if (stop_ && stop_()) {
            last_error_ = internet_operation_cancelled;
            return false;
        }
        if (file.deadline.hasExpired()) {
            last_error_ = internet_timeout;
            return false;
        }
        if (!alarm.isActive())
            alarm.start(std::chrono::milliseconds(std::max<qint64>(1, file.deadline.remainingTime())));
        QCoreApplication::processEvents(events);
    }
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
    QUrl address;
    if (const std::uint32_t bad = check_url(url, address); bad != 0) {
        last_error_ = bad;
        return 0;
    }
    if (!QCoreApplication::instance()) {
        last_error_ = internet_internal_error; // no event loop to carry the transfer
        return 0;
    }
    if (!network_)
        network_ = std::make_unique<QNetworkAccessManager>();

    auto file = std::make_unique<File>();
    file->session = session;
    file->deadline = QDeadlineTimer(deadline_ms_);
    File* f = file.get();
    // Redirects are followed here, not by Qt: a 3xx without a Location is an answer like any other, and the
    // count of them is exact.
    for (int redirects = 0;; ++redirects) {
        QNetworkRequest request(address);
        if (!s->second.agent.isEmpty())
            request.setHeader(QNetworkRequest::UserAgentHeader, s->second.agent);
        // The bytes as the server holds them, so that their count is the one Content-Length announces.
        request.setRawHeader("Accept-Encoding", "identity");
        // HTTP/1.1 only, whose Content-Length is what tells a whole body from one cut short.
        request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        if ((flags & INTERNET_FLAG_RELOAD) != 0) {
            request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
            request.setRawHeader("Pragma", "no-cache");
            request.setRawHeader("Cache-Control", "no-cache");
        }
        f->certificate = 0;
        f->reply.reset(network_->get(request));
        f->reply->setParent(nullptr); // owned here, not by the manager
        f->reply->setReadBufferSize(read_buffer_size);
        QObject::connect(f->reply.get(), &QNetworkReply::sslErrors, f->reply.get(),
                         [f](const QList<QSslError>& errors) { f->certificate = certificate_error(errors); });

        if (!wait(*f, [f] { return f->reply->isFinished() || status_of(*f->reply); }))
            return 0;
        // An answer whose head arrived opens even if its body broke off: the reads give what came, then the error.
        if (f->reply->isFinished() && !status_of(*f->reply)) {
            if (const std::uint32_t e = f->transfer_error(); e != 0) {
                last_error_ = e;
                return 0;
            }
        }
        const QByteArray location = f->reply->rawHeader("Location");
        if (!is_redirect(status_of(*f->reply).value_or(0)) || location.isEmpty())
            break;
        if (redirects == max_redirects) {
            last_error_ = http_redirect_failed;
            return 0;
        }
        // A relative Location counts from the address that answered; from https it never leads back to http.
        const QUrl next = address.resolved(QUrl(QString::fromLatin1(location), QUrl::StrictMode));
        const bool less_safe = address.scheme() == QLatin1String("https") && next.scheme() != QLatin1String("https");
        if (!next.isValid() || less_safe || check_url(next.toString(QUrl::FullyEncoded), address) != 0) {
            last_error_ = http_redirect_failed;
            return 0;
        }
    }
    const QVariant length = f->reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid())
        f->length = length.toLongLong();

    const HINTERNET h = next_;
    next_ += 4;
    files_[h] = std::move(file);
    last_error_ = 0;
    return h;
}

bool WinInet::InternetReadFile(HINTERNET file, char* buffer, std::uint32_t to_read, std::uint32_t& read)
{
    read = 0;
    const auto it = files_.find(file);
    if (it == files_.end()) {
        last_error_ = error_invalid_handle;
        return false;
    }
    File& f = *it->second;
    if (f.failed != 0) {
        last_error_ = f.failed;
        return false;
    }
    QNetworkReply& reply = *f.reply;
    const qint64 wanted = std::min<qint64>(to_read, read_buffer_size);
    if (!wait(f, [&reply, wanted] { return reply.isFinished() || reply.bytesAvailable() >= wanted; })) {
        f.failed = last_error_;
        reply.abort();
        return false;
    }
    const qint64 n = to_read == 0 ? 0 : reply.read(buffer, to_read);
    if (n > 0) {
        f.delivered += n;
        read = static_cast<std::uint32_t>(n);
        last_error_ = 0;
        return true;
    }
    // The end of what arrived: the body's end only if the transfer ended well and reached its announced length.
    if (const std::uint32_t e = f.transfer_error(); e != 0) {
        last_error_ = e;
        return false;
    }
    if (f.short_of_length()) {
        last_error_ = internet_connection_reset;
        return false;
    }
    last_error_ = 0;
    return true;
}

bool WinInet::InternetCloseHandle(HINTERNET handle)
{
    if (files_.erase(handle) > 0)
        return true;
    if (sessions_.erase(handle) > 0) {
        for (auto it = files_.begin(); it != files_.end();)
            it = it->second->session == handle ? files_.erase(it) : std::next(it);
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
    status = static_cast<std::uint32_t>(status_of(*f->second->reply).value_or(0));
    return true;
}

bool WinInet::length_announced(HINTERNET file) const
{
    const auto f = files_.find(file);
    return f != files_.end() && f->second->length.has_value();
}

} // namespace platform::web
