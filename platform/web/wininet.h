#pragma once
// The system's Internet calls (InternetOpenA, InternetOpenUrlA, InternetReadFile, InternetCloseHandle, and
// HttpQueryInfoA for the status code) over HTTP GET. Only "http://" addresses are fetched; proxies and caches
// play no part (access type and proxy arguments are taken and ignored; every fetch goes to the server).
// Each object keeps its own handles and last error; nothing is shared between objects.

#include "platform/web/http_get.h"

#include <QString>

#include <cstdint>
#include <map>
#include <memory>

namespace platform::web {

using HINTERNET = std::uintptr_t; // 0: no handle

inline constexpr std::uint32_t INTERNET_OPEN_TYPE_PRECONFIG = 0;
inline constexpr std::uint32_t INTERNET_OPEN_TYPE_DIRECT = 1;
inline constexpr std::uint32_t INTERNET_FLAG_RELOAD = 0x80000000u;

class WinInet {
public:
    static constexpr int max_redirects = 5;

    WinInet() = default;
    WinInet(const WinInet&) = delete;
    WinInet& operator=(const WinInet&) = delete;
    ~WinInet();

    // A session handle; its agent goes with every request made through it.
    HINTERNET InternetOpenA(const QString& agent, std::uint32_t access_type, const QString& proxy,
                            const QString& proxy_bypass, std::uint32_t flags);
    // Connects, sends the GET and reads the answer's head, following redirects (301, 302, 303, 307, 308 with a
    // Location) as the system does, up to max_redirects of them. 0 on failure, with the reason in GetLastError:
    // 6 for an unknown session, 12005/12006 for an address that is not "http://...", 12007, 12029, 12002 when
    // the server can't be reached, 12156 for one redirect too many or one to an address that can't be fetched.
    // Any other answer opens, whatever its status (HttpQueryStatusCode tells which).
    HINTERNET InternetOpenUrlA(HINTERNET session, const QString& url, const QString& headers,
                               std::uint32_t headers_length, std::uint32_t flags, std::uintptr_t context);
    // Up to `to_read` bytes of the body; `read` 0 with true is the end. False when the connection broke or
    // ended before the body did (12031), or on a wait longer than the timeout (12002).
    bool InternetReadFile(HINTERNET file, char* buffer, std::uint32_t to_read, std::uint32_t& read);
    // Closing a session closes the URL handles opened through it.
    bool InternetCloseHandle(HINTERNET handle);
    // HttpQueryInfoA(file, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, ...).
    bool HttpQueryStatusCode(HINTERNET file, std::uint32_t& status);
    std::uint32_t GetLastError() const { return last_error_; }

    // How long connecting and each wait for data may take.
    void set_timeout_ms(int ms) { timeout_ms_ = ms; }

private:
    struct Session {
        std::string agent;
    };
    struct File {
        HINTERNET session = 0;
        std::unique_ptr<HttpGet> get;
    };

    std::map<HINTERNET, Session> sessions_;
    std::map<HINTERNET, File> files_;
    HINTERNET next_ = 0xCC0004;
    std::uint32_t last_error_ = 0;
    int timeout_ms_ = 30000;
};

} // namespace platform::web
