#include "platform/web/inet_transfer.h"

#include "platform/codepage.h"
#include "platform/web/internet_errors.h"
#include "platform/web/wininet.h"

namespace platform::web {

namespace {

constexpr qsizetype max_document = 1 << 20;

} // namespace

QString internet_error_text(std::uint32_t error)
{
    switch (error) {
    case internet_timeout: return QStringLiteral("The operation timed out");
    case internet_invalid_url: return QStringLiteral("The URL is invalid");
    case internet_unrecognized_scheme: return QStringLiteral("The URL does not use a recognized protocol");
    case internet_name_not_resolved: return QStringLiteral("The server name could not be resolved");
    case internet_cannot_connect: return QStringLiteral("Unable to connect to remote host");
    case internet_connection_aborted: return QStringLiteral("The connection with the server was terminated abnormally");
    case internet_connection_reset: return QStringLiteral("The connection with the server was reset");
    case http_invalid_server_response: return QStringLiteral("The server response could not be parsed");
    default: return QStringLiteral("Internet error %1").arg(error);
    }
}

InetText InetTransfer::openUrl(const QString& url)
{
    WinInet inet;
    inet.set_timeout_ms(timeout_ms_);
    const HINTERNET session = inet.InternetOpenA(QStringLiteral("Microsoft URL Control"),
                                                 INTERNET_OPEN_TYPE_PRECONFIG, {}, {}, 0);
    const HINTERNET file = inet.InternetOpenUrlA(session, url, {}, 0, INTERNET_FLAG_RELOAD, 0);
    if (!file)
        return {{}, inet.GetLastError(), internet_error_text(inet.GetLastError())};

    std::uint32_t status = 0;
    inet.HttpQueryStatusCode(file, status);
    if (status < 200 || status > 299)
        return {{}, http_invalid_server_response, QStringLiteral("The server answered %1").arg(status)};

    QByteArray document;
    char buffer[4096];
    for (;;) {
        std::uint32_t read = 0;
        if (!inet.InternetReadFile(file, buffer, sizeof buffer, read))
            return {{}, inet.GetLastError(), internet_error_text(inet.GetLastError())};
        if (read == 0)
            break;
        document.append(buffer, read);
        if (document.size() > max_document)
            return {{}, http_invalid_server_response, QStringLiteral("The document is too large")};
    }
    return {from_cp1252(document), 0, {}};
}

} // namespace platform::web
