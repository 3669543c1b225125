#pragma once
// The system's Internet calls (InternetOpenA, InternetOpenUrlA, InternetReadFile, InternetCloseHandle, and
// HttpQueryInfoA for the status code) over Qt Network: HTTP/1.1 GET of "http://" and "https://" addresses.
// Proxies and caches play no part (access type and proxy arguments are taken and ignored; every fetch goes to
// the server). Each object keeps its own handles and last error; nothing is shared between objects.
//
// The calls block as the system's do, but Qt's events run while they wait, so they need a QCoreApplication
// on this thread. Every URL handle has one deadline for everything it does, from the open to the end of its
// body: a server that trickles its answer can hold a caller no longer than that.

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

class QNetworkAccessManager;

namespace platform::web {

using HINTERNET = std::uintptr_t; // 0: no handle

inline constexpr std::uint32_t INTERNET_OPEN_TYPE_PRECONFIG = 0;
inline constexpr std::uint32_t INTERNET_OPEN_TYPE_DIRECT = 1;
inline constexpr std::uint32_t INTERNET_FLAG_RELOAD = 0x80000000u;

class WinInet {
public:
    static constexpr int max_redirects = 5;
    static constexpr int default_deadline_ms = 60000;

    WinInet();
    WinInet(const WinInet&) = delete;
    WinInet& operator=(const WinInet&) = delete;
    ~WinInet();

    // A session handle; its agent goes with every request made through it.
    HINTERNET InternetOpenA(const QString& agent, std::uint32_t access_type, const QString& proxy,
                            const QString& proxy_bypass, std::uint32_t flags);
    // Connects, sends the GET and waits for the answer's head, following redirects (301, 302, 303, 307, 308
    // with a Location) as the system does, up to max_redirects of them, from http to https too but never back.
    // 0 on failure, with the reason in GetLastError: 6 for an unknown session, 12005/12006 for an address that
    // is not "http://..." or "https://...", 12007, 12029, 12002 when the server can't be reached, 12045,
    // 12157 when its certificate or TLS fails, 12156 for one redirect too many or one that can't be followed,
    // 12017 when the stop check said so. Any other answer opens, whatever its status (HttpQueryStatusCode).
    HINTERNET InternetOpenUrlA(HINTERNET session, const QString& url, const QString& headers,
                               std::uint32_t headers_length, std::uint32_t flags, std::uintptr_t context);
    // Waits until `to_read` bytes of the body are there or the body has ended; `read` 0 with true is the end.
    // False when the connection broke or ended before the length the answer announced (12031), at the deadline
    // (12002), or when the stop check said so (12017).
    bool InternetReadFile(HINTERNET file, char* buffer, std::uint32_t to_read, std::uint32_t& read);
    // Closing a session closes the URL handles opened through it.
    bool InternetCloseHandle(HINTERNET handle);
    // HttpQueryInfoA(file, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, ...).
    bool HttpQueryStatusCode(HINTERNET file, std::uint32_t& status);
    std::uint32_t GetLastError() const { return last_error_; }

    // Whether the answer said how long its body is (Content-Length): only then do the reads tell a whole body
    // from one cut short for certain, counting its bytes. A body without one ends with the connection's close,
    // and a broken connection looks the same; a body in chunks ends with its last chunk, but Qt Network (6.4)
    // takes a close that comes with the data for the end now and then, so a cut in chunks may pass unseen.
    bool length_announced(HINTERNET file) const;

    // How long each URL handle may take in all, from its open to the end of its body.
    void set_deadline_ms(int ms) { deadline_ms_ = ms; }
    // Without a stop check, only the events that are not user input run while a call waits: the windows are
    // painted, but what the user does waits for the call's end. With one, every event runs, and after each
    // round of them `stop` is asked: true ends the waiting call with 12017.
    void set_stop_check(std::function<bool()> stop) { stop_ = std::move(stop); }

private:
    struct Session {
        QString agent;
    };
    struct File;

    // Runs events until `ready` holds; false with the last error set at the deadline or a stop.
    bool wait(File& file, const std::function<bool()>& ready);

    std::unique_ptr<QNetworkAccessManager> network_;
    std::map<HINTERNET, Session> sessions_;
    std::map<HINTERNET, std::unique_ptr<File>> files_;
    HINTERNET next_ = 0xCC0004;
    std::uint32_t last_error_ = 0;
    int deadline_ms_ = default_deadline_ms;
    std::function<bool()> stop_;
};

} // namespace platform::web
