#include "local_http_server.h"

#include "platform/web/inet_transfer.h"
#include "platform/web/internet_errors.h"
#include "platform/web/wininet.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::web;
using startup_tests::LocalHttpServer;
using startup_tests::Reply;

QByteArray numbered_bytes(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.push_back(static_cast<char>('A' + i % 26));
    return bytes;
}

// Everything the URL handle gives, read in pieces of `piece` bytes; the error of a failed read, or 0.
std::uint32_t read_all(WinInet& inet, HINTERNET file, std::uint32_t piece, QByteArray& out)
{
    std::vector<char> buffer(piece);
    for (;;) {
        std::uint32_t n = 0;
        if (!inet.InternetReadFile(file, buffer.data(), piece, n))
            return inet.GetLastError();
        if (n == 0)
            return 0;
        out.append(buffer.data(), n);
    }
}

struct BodyCase {
    const char* name;
    Reply reply;
};

class Bodies : public testing::TestWithParam<BodyCase> {};

// However the server frames the body, the pieces are full 200 bytes but for the last one.
TEST_P(Bodies, ArriveWholeInFullPieces)
{
    LocalHttpServer server;
    server.serve("/f", GetParam().reply);
    WinInet inet;
    const HINTERNET session = inet.InternetOpenA(QStringLiteral("VB OpenUrl"), INTERNET_OPEN_TYPE_PRECONFIG, {}, {}, 0);
    const HINTERNET file = inet.InternetOpenUrlA(session, server.site() + QStringLiteral("/f"), {}, 0, 0, 0);
    ASSERT_NE(file, 0u) << inet.GetLastError();
    std::vector<std::uint32_t> sizes;
    QByteArray body;
    char buffer[200];
    for (;;) {
        std::uint32_t n = 0;
        ASSERT_TRUE(inet.InternetReadFile(file, buffer, sizeof buffer, n)) << inet.GetLastError();
        sizes.push_back(n);
        if (n == 0)
            break;
        body.append(buffer, n);
    }
    EXPECT_EQ(body, GetParam().reply.body);
    EXPECT_EQ(sizes, (std::vector<std::uint32_t>{200, 200, 200, 50, 0}));
    EXPECT_TRUE(inet.InternetCloseHandle(file));
    EXPECT_TRUE(inet.InternetCloseHandle(session));
}

INSTANTIATE_TEST_SUITE_P(
    Framings, Bodies,
    testing::Values(BodyCase{"sized", Reply{200, numbered_bytes(650)}},
                    BodyCase{"chunked", Reply{200, numbered_bytes(650), -1, true}},
                    BodyCase{"until_close", Reply{200, numbered_bytes(650), -1, false, false}}),
    [](const testing::TestParamInfo<BodyCase>& row) { return std::string(row.param.name); });

TEST(WinInet, BodyCutShortIsAFailedRead)
{
    for (const bool chunked : {false, true}) {
        LocalHttpServer server;
        server.serve("/f", Reply{200, numbered_bytes(2000), 600, chunked});
        WinInet inet;
        const HINTERNET session = inet.InternetOpenA(QStringLiteral("a"), 0, {}, {}, 0);
        const HINTERNET file = inet.InternetOpenUrlA(session, server.site() + QStringLiteral("/f"), {}, 0, 0, 0);
        ASSERT_NE(file, 0u);
        QByteArray body;
        EXPECT_EQ(read_all(inet, file, 200, body), internet_connection_reset) << "chunked " << chunked;
        EXPECT_EQ(body.size(), 600);
    }
}

TEST(WinInet, ErrorStatusOpensAndIsReported)
{
    LocalHttpServer server;
    WinInet inet;
    const HINTERNET session = inet.InternetOpenA(QStringLiteral("a"), 0, {}, {}, 0);
    const HINTERNET file = inet.InternetOpenUrlA(session, server.site() + QStringLiteral("/missing"), {}, 0, 0, 0);
    ASSERT_NE(file, 0u);
    std::uint32_t status = 0;
    ASSERT_TRUE(inet.HttpQueryStatusCode(file, status));
    EXPECT_EQ(status, 404u);
}

TEST(WinInet, RequestCarriesTheAgentAndReloadAsksPastCaches)
{
    LocalHttpServer server;
    server.serve("/f", Reply{200, "x"});
    WinInet inet;
    const HINTERNET session = inet.InternetOpenA(QStringLiteral("VB OpenUrl"), 0, {}, {}, 0);
    inet.InternetCloseHandle(inet.InternetOpenUrlA(session, server.site() + QStringLiteral("/f"), {}, 0,
                                                   INTERNET_FLAG_RELOAD, 0));
    inet.InternetCloseHandle(inet.InternetOpenUrlA(session, server.site() + QStringLiteral("/f"), {}, 0, 0, 0));
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].line, "GET /f HTTP/1.0");
    EXPECT_NE(requests[0].headers.find("User-Agent: VB OpenUrl\r\n"), std::string::npos);
    EXPECT_NE(requests[0].headers.find("Cache-Control: no-cache\r\n"), std::string::npos);
    EXPECT_EQ(requests[1].headers.find("no-cache"), std::string::npos);
    EXPECT_NE(requests[0].headers.find("Host: 127.0.0.1:"), std::string::npos);
}

struct BadOpen {
    const char* name;
    QString url;
    std::uint32_t error;
};

class FailedOpen : public testing::TestWithParam<BadOpen> {};

TEST_P(FailedOpen, GivesNoHandleAndTheReason)
{
    WinInet inet;
    const HINTERNET session = inet.InternetOpenA(QStringLiteral("a"), 0, {}, {}, 0);
    EXPECT_EQ(inet.InternetOpenUrlA(session, GetParam().url, {}, 0, 0, 0), 0u);
    EXPECT_EQ(inet.GetLastError(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, FailedOpen,
    testing::Values(
        BadOpen{"nobody_listens",
                QStringLiteral("http://127.0.0.1:%1/f").arg(LocalHttpServer::unused_port()), internet_cannot_connect},
        BadOpen{"other_scheme", QStringLiteral("https://127.0.0.1/f"), internet_unrecognized_scheme},
        BadOpen{"no_host", QStringLiteral("http:///f"), internet_invalid_url},
        BadOpen{"bad_port", QStringLiteral("http://127.0.0.1:99999/f"), internet_invalid_url},
        BadOpen{"blank_inside", QStringLiteral("http://127.0.0.1/a b"), internet_invalid_url}),
    [](const testing::TestParamInfo<BadOpen>& row) { return std::string(row.param.name); });

TEST(WinInet, ClosingTheSessionClosesItsFiles)
{
    LocalHttpServer server;
    server.serve("/f", Reply{200, "abc"});
    WinInet inet;
    const HINTERNET session = inet.InternetOpenA(QStringLiteral("a"), 0, {}, {}, 0);
    const HINTERNET file = inet.InternetOpenUrlA(session, server.site() + QStringLiteral("/f"), {}, 0, 0, 0);
    ASSERT_NE(file, 0u);
    EXPECT_TRUE(inet.InternetCloseHandle(session));
    char buffer[10];
    std::uint32_t n = 0;
    EXPECT_FALSE(inet.InternetReadFile(file, buffer, sizeof buffer, n));
    EXPECT_EQ(inet.GetLastError(), error_invalid_handle);
    EXPECT_FALSE(inet.InternetCloseHandle(file));
}

struct RedirectCase {
    const char* name;
    int status;
    const char* location; // "<site>" stands for the server's own address
};

class Redirects : public testing::TestWithParam<RedirectCase> {};

// A moved document is fetched from where the answer points, with the same request.
TEST_P(Redirects, AreFollowedToTheDocument)
{
    LocalHttpServer server;
    std::string location = GetParam().location;
    if (const auto at = location.find("<site>"); at != std::string::npos)
        location.replace(at, 6, server.site().toStdString());
    Reply moved{GetParam().status, "moved"};
    moved.location = location;
    server.serve("/update/old", moved);
    server.serve("/update/new", Reply{200, "arrived"});
    WinInet inet;
    const HINTERNET session = inet.InternetOpenA(QStringLiteral("VB OpenUrl"), 0, {}, {}, 0);
    const HINTERNET file = inet.InternetOpenUrlA(session, server.site() + QStringLiteral("/update/old"), {}, 0,
                                                 INTERNET_FLAG_RELOAD, 0);
    ASSERT_NE(file, 0u) << inet.GetLastError();
    std::uint32_t status = 0;
    ASSERT_TRUE(inet.HttpQueryStatusCode(file, status));
    EXPECT_EQ(status, 200u);
    QByteArray body;
    EXPECT_EQ(read_all(inet, file, 200, body), 0u);
    EXPECT_EQ(body, "arrived");
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].line, "GET /update/new HTTP/1.0");
    EXPECT_NE(requests[1].headers.find("User-Agent: VB OpenUrl\r\n"), std::string::npos);
    EXPECT_NE(requests[1].headers.find("Cache-Control: no-cache\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, Redirects,
    testing::Values(RedirectCase{"moved_permanently_to_a_path", 301, "/update/new"},
                    RedirectCase{"found_relative", 302, "new"},
                    RedirectCase{"see_other_whole_address", 303, "<site>/update/new"},
                    RedirectCase{"temporary", 307, "/update/new"},
                    RedirectCase{"permanent", 308, "../update/new"}),
    [](const testing::TestParamInfo<RedirectCase>& row) { return std::string(row.param.name); });

// A chain of redirects from /r<from> to /r<to>, which holds the document.
void serve_chain(LocalHttpServer& server, int to)
{
    for (int i = 0; i < to; ++i) {
        Reply moved{302, {}};
        moved.location = "/r" + std::to_string(i + 1);
        server.serve("/r" + std::to_string(i), moved);
    }
    server.serve("/r" + std::to_string(to), Reply{200, "end"});
}

TEST(WinInet, RedirectsEndAtTheLimit)
{
    struct Row {
        const char* name;
        int redirects;
        bool opens;
    };
    for (const Row row : {Row{"at_the_limit", WinInet::max_redirects, true},
                          Row{"one_too_many", WinInet::max_redirects + 1, false}}) {
        LocalHttpServer server;
        serve_chain(server, row.redirects);
        WinInet inet;
        const HINTERNET session = inet.InternetOpenA(QStringLiteral("a"), 0, {}, {}, 0);
        const HINTERNET file = inet.InternetOpenUrlA(session, server.site() + QStringLiteral("/r0"), {}, 0, 0, 0);
        EXPECT_EQ(file != 0, row.opens) << row.name;
        EXPECT_EQ(inet.GetLastError(), row.opens ? 0u : http_redirect_failed) << row.name;
        EXPECT_EQ(server.requests().size(), static_cast<std::size_t>(std::min(row.redirects, WinInet::max_redirects) + 1))
            << row.name;
    }
}

TEST(WinInet, RedirectThatCantBeFollowedFails)
{
    LocalHttpServer server;
    Reply loop{302, {}};
    loop.location = "/loop";
    server.serve("/loop", loop);
    Reply secure{301, {}};
    secure.location = "https://127.0.0.1/f";
    server.serve("/secure", secure);
    Reply nowhere{302, "no Location"};
    server.serve("/nowhere", nowhere);

    WinInet inet;
    const HINTERNET session = inet.InternetOpenA(QStringLiteral("a"), 0, {}, {}, 0);
    EXPECT_EQ(inet.InternetOpenUrlA(session, server.site() + QStringLiteral("/loop"), {}, 0, 0, 0), 0u);
    EXPECT_EQ(inet.GetLastError(), http_redirect_failed);
    EXPECT_EQ(server.requests().size(), static_cast<std::size_t>(WinInet::max_redirects + 1));
    EXPECT_EQ(inet.InternetOpenUrlA(session, server.site() + QStringLiteral("/secure"), {}, 0, 0, 0), 0u);
    EXPECT_EQ(inet.GetLastError(), http_redirect_failed);
    // Without a Location there is nowhere to go: the answer itself opens.
    const HINTERNET file = inet.InternetOpenUrlA(session, server.site() + QStringLiteral("/nowhere"), {}, 0, 0, 0);
    ASSERT_NE(file, 0u);
    std::uint32_t status = 0;
    ASSERT_TRUE(inet.HttpQueryStatusCode(file, status));
    EXPECT_EQ(status, 302u);
}

struct TextCase {
    const char* name;
    QString (*describe)(int language);
    const char* german;
    const char* english;
};

class FailureTexts : public testing::TestWithParam<TextCase> {};

TEST_P(FailureTexts, ExistInBothLanguages)
{
    EXPECT_EQ(GetParam().describe(0).toStdString(), GetParam().german);
    EXPECT_EQ(GetParam().describe(1).toStdString(), GetParam().english);
}

template <std::uint32_t code>
QString error_text(int language)
{
    return internet_error_text(code, language);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailureTexts,
    testing::Values(
        TextCase{"status", [](int l) { return status_error_text(404, l); }, "Der Server antwortete 404",
                 "The server answered 404"},
        TextCase{"too_large", too_large_text, "Das Dokument ist zu groß", "The document is too large"},
        TextCase{"timeout", error_text<internet_timeout>, "Die Zeit für den Vorgang ist abgelaufen",
                 "The operation timed out"},
        TextCase{"invalid_url", error_text<internet_invalid_url>, "Die URL ist ungültig", "The URL is invalid"},
        TextCase{"scheme", error_text<internet_unrecognized_scheme>, "Die URL verwendet kein bekanntes Protokoll",
                 "The URL does not use a recognized protocol"},
        TextCase{"name", error_text<internet_name_not_resolved>, "Der Servername konnte nicht aufgelöst werden",
                 "The server name could not be resolved"},
        TextCase{"connect", error_text<internet_cannot_connect>,
                 "Es konnte keine Verbindung zum Server hergestellt werden", "Unable to connect to remote host"},
        TextCase{"aborted", error_text<internet_connection_aborted>,
                 "Die Verbindung zum Server wurde unerwartet beendet",
                 "The connection with the server was terminated abnormally"},
        TextCase{"reset", error_text<internet_connection_reset>, "Die Verbindung zum Server wurde zurückgesetzt",
                 "The connection with the server was reset"},
        TextCase{"response", error_text<http_invalid_server_response>,
                 "Die Antwort des Servers konnte nicht gelesen werden", "The server response could not be parsed"},
        TextCase{"redirect", error_text<http_redirect_failed>, "Die Umleitung ist fehlgeschlagen",
                 "The redirection failed"},
        TextCase{"other", error_text<12345>, "Internet-Fehler 12345", "Internet error 12345"}),
    [](const testing::TestParamInfo<TextCase>& row) { return std::string(row.param.name); });

TEST(InetTransfer, TakesTheDocumentAsCodePageText)
{
    LocalHttpServer server;
    server.serve("/t", Reply{200, QByteArray("5.3.6 \xFC\x80", 8)});
    InetTransfer inet;
    const InetText got = inet.openUrl(server.site() + QStringLiteral("/t"));
    ASSERT_TRUE(got.ok()) << got.description.toStdString();
    EXPECT_EQ(got.text, QStringLiteral("5.3.6 ü€"));
}

TEST(InetTransfer, ErrorStatusAndUnreachableServerAreErrors)
{
    LocalHttpServer server;
    InetTransfer inet;
    const InetText missing = inet.openUrl(server.site() + QStringLiteral("/none"));
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(missing.description.toStdString(), "The server answered 404");
    const InetText refused = inet.openUrl(QStringLiteral("http://127.0.0.1:%1/").arg(LocalHttpServer::unused_port()));
    EXPECT_EQ(refused.error, internet_cannot_connect);
    EXPECT_EQ(refused.description.toStdString(), "Unable to connect to remote host");
}

} // namespace
