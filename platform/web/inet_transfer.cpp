#include "platform/web/inet_transfer.h"

#include "platform/codepage.h"
#include "platform/system_queries.h"
#include "platform/web/internet_errors.h"
#include "platform/web/wininet.h"

namespace platform::web {

namespace {

constexpr qsizetype max_document = 1 << 20;

} // namespace

QString internet_error_text(std::uint32_t error, int language)
{
    const bool german = language == 0;
    const auto text = [german](const char* de, const char* en) { return QString::fromUtf8(german ? de : en); };
    switch (error) {
    case internet_timeout: return text("Die Zeit für den Vorgang ist abgelaufen", "The operation timed out");
    case internet_internal_error: return text("Ein interner Fehler ist aufgetreten", "An internal error occurred");
    case internet_invalid_url: return text("Die URL ist ungültig", "The URL is invalid");
    case internet_unrecognized_scheme:
        return text("Die URL verwendet kein bekanntes Protokoll", "The URL does not use a recognized protocol");
    case internet_name_not_resolved:
        return text("Der Servername konnte nicht aufgelöst werden", "The server name could not be resolved");
    case internet_operation_cancelled: return text("Der Vorgang wurde abgebrochen", "The operation was canceled");
    case internet_cannot_connect:
        return text("Es konnte keine Verbindung zum Server hergestellt werden", "Unable to connect to remote host");
    case internet_connection_aborted:
        return text("Die Verbindung zum Server wurde unerwartet beendet",
                    "The connection with the server was terminated abnormally");
    case internet_connection_reset:
        return text("Die Verbindung zum Server wurde zurückgesetzt", "The connection with the server was reset");
    case internet_cert_date_invalid:
        return text("Das Zertifikat des Servers ist abgelaufen oder noch nicht gültig",
                    "The server's certificate has expired or is not yet valid");
    case internet_cert_name_invalid:
        return text("Das Zertifikat des Servers gilt für einen anderen Namen",
                    "The server's certificate is for another name");
    case internet_invalid_ca:
        return text("Dem Zertifikat des Servers wird nicht vertraut", "The server's certificate is not trusted");
    case http_invalid_server_response:
        return text("Die Antwort des Servers konnte nicht gelesen werden", "The server response could not be parsed");
    case http_redirect_failed: return text("Die Umleitung ist fehlgeschlagen", "The redirection failed");
    case internet_security_channel_error:
        return text("Es konnte keine sichere Verbindung zum Server hergestellt werden",
                    "A secure connection to the server could not be made");
    default: return text("Internet-Fehler %1", "Internet error %1").arg(error);
    }
}

QString status_error_text(std::uint32_t status, int language)
{
    return (language == 0 ? QStringLiteral("Der Server antwortete %1") : QStringLiteral("The server answered %1"))
        .arg(status);
}

QString too_large_text(int language)
{
    return language == 0 ? QStringLiteral("Das Dokument ist zu groß") : QStringLiteral("The document is too large");
}

InetText InetTransfer::openUrl(const QString& url)
{
    WinInet inet;
    inet.set_deadline_ms(deadline_ms_); // for all of it, the redirects and the reads included
    const HINTERNET session = inet.InternetOpenA(QStringLiteral("Microsoft URL Control"),
                                                 INTERNET_OPEN_TYPE_PRECONFIG, {}, {}, 0);
    const HINTERNET file = inet.InternetOpenUrlA(session, url, {}, 0, INTERNET_FLAG_RELOAD, 0);
    // Described in the system's language, as the control does.
    const int language = platform::get_language();
    if (!file)
        return {{}, inet.GetLastError(), internet_error_text(inet.GetLastError(), language)};

    std::uint32_t status = 0;
    inet.HttpQueryStatusCode(file, status);
    if (status < 200 || status > 299)
        return {{}, http_invalid_server_response, status_error_text(status, language)};

    QByteArray document;
    char buffer[4096];
    for (;;) {
        std::uint32_t read = 0;
        if (!inet.InternetReadFile(file, buffer, sizeof buffer, read))
            return {{}, inet.GetLastError(), internet_error_text(inet.GetLastError(), language)};
        if (read == 0)
            break;
        document.append(buffer, read);
        if (document.size() > max_document)
            return {{}, http_invalid_server_response, too_large_text(language)};
    }
    return {from_cp1252(document), 0, {}};
}

} // namespace platform::web
