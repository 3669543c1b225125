#pragma once
// The Internet transfer control as the program uses it: OpenURL fetches a whole document as text. Failures
// come back as an error number and a description in the system's language, as the control raises them;
// nothing is thrown.

#include <QString>

#include <cstdint>

namespace platform::web {

inline constexpr int protocol_default = 0;
inline constexpr int protocol_http = 4;

struct InetText {
    QString text;        // the document, its bytes read in the system code page
    std::uint32_t error = 0;
    QString description; // what went wrong, for the user
    bool ok() const { return error == 0; }
};

class InetTransfer {
public:
    // Only HTTP is fetched; the setting is kept for the caller that sets it.
    int protocol() const { return protocol_; }
    void setProtocol(int protocol) { protocol_ = protocol; }
    // Stops what is under way; the control keeps no connection between requests, so there is nothing to stop.
    void cancel() {}

    // A GET of `url`; an answer whose status is not 2xx is an error. Documents above a megabyte are refused.
    // It waits for the server as the control does, without letting the user act meanwhile, and gives up when
    // the whole request has taken longer than its deadline.
    InetText openUrl(const QString& url);

    void set_deadline_ms(int ms) { deadline_ms_ = ms; }

private:
    int protocol_ = protocol_default;
    int deadline_ms_ = 60000;
};

// The descriptions of the failures, in German for language code 0, in English otherwise.
QString internet_error_text(std::uint32_t error, int language);
// An answer whose status is not 2xx.
QString status_error_text(std::uint32_t status, int language);
// A document above the size the control takes.
QString too_large_text(int language);

} // namespace platform::web
