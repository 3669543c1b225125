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
