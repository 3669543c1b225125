#include "local_http_server.h"
#include "startup_fixture.h"

#include "startup/raw_infos.h"
#include "startup/update_form.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QTimer>

namespace {

using startup_tests::LocalHttpServer;
using startup_tests::Reply;
using startup_tests::Scheme;
using startup_tests::str;

// A package that is a program of the machine: when it runs it leaves a note in the machine folder.
QByteArray package_program(int size)
{
    QByteArray script = "#!/bin/sh\necho ran > \"$GATRISK_MACHINE/package-ran\"\n";
    script += '#';
    while (script.size() < size - 1)
        script += 'x';
    script += '\n';
    return script;
}

QByteArray read_file(const QString& host_path)
{
    QFile f(host_path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

struct UpdateDialog : testing::Test {
    testsupport::TestProgram program;
    LocalHttpServer german;
    LocalHttpServer english;
    startup::Update update{program.context(), {german.site(), english.site()}};

    scripted_ui::ScriptedUi& ui() { return program.ui(); }
    QString package_host() { return program.host(program.context().program.folder + QStringLiteral("\\g2002up.exe")); }
    QStringList program_folder_files() { return QDir(QFileInfo(package_host()).path()).entryList(QDir::Files); }

    void check_finds(const QByteArray& served)
    {
        english.serve("/update/gatr.txt", Reply{200, served});
        update.show();
        update.cmd1.userClick();
    }
    // Install after a check that found another version; true when the program ended.
    bool install()
    {
        check_finds("9.9.9");
        return scripted_ui::endsProgram([this] { update.cmd2.userClick(); });
    }
};

TEST_F(UpdateDialog, LoadShowsTheOwnVersionAndKeepsInstallDisabled)
{
    update.show();
    EXPECT_EQ(str(update.lbl1.caption()), "Online Update Check");
    EXPECT_EQ(str(update.lbl3.caption()), "This Version: \r\nLatest Version:");
    EXPECT_EQ(str(update.lbl4.caption()), "5.3.5\r\n??? <check>");
    EXPECT_EQ(str(update.cmd1.caption()), "C&heck");
    EXPECT_EQ(str(update.cmd2.caption()), "&Install");
    EXPECT_EQ(str(update.cmd3.caption()), "C&lose");
    EXPECT_EQ(str(update.cmd_abbruch.caption()), "&Cancel");
    EXPECT_FALSE(update.cmd2.enabled());
    EXPECT_TRUE(update.cmd_abbruch.enabled());
    EXPECT_EQ(update.lbl5.caption(), QString());
    EXPECT_TRUE(update.lbl2.caption().startsWith(QStringLiteral("You need an active Internet Connection to do this !\r\n\r\nIf you")));
}

struct CheckCase {
    const char* name;
    QByteArray served;
    bool newer;
};

class Check : public UpdateDialog, public testing::WithParamInterface<CheckCase> {};

TEST_P(Check, ComparesTheWholeTextWithTheOwnVersion)
{
    check_finds(GetParam().served);
    EXPECT_EQ(update.lbl4.caption(), QStringLiteral("5.3.5\r\n") + QString::fromLatin1(GetParam().served));
    EXPECT_EQ(str(update.lbl5.caption()),
              GetParam().newer ? "A newer version is ready to be downloaded..." : "You own the latest version.");
    EXPECT_EQ(update.cmd2.enabled(), GetParam().newer);
    EXPECT_TRUE(ui().messages().empty());
    // The English site is asked; the German one is not.
    ASSERT_EQ(english.requests().size(), 1u);
    EXPECT_EQ(english.requests()[0].line, "GET /update/gatr.txt HTTP/1.1");
    EXPECT_TRUE(german.requests().empty());
}

INSTANTIATE_TEST_SUITE_P(Answers, Check,
                         testing::Values(CheckCase{"same_version", "5.3.5", false},
                                         CheckCase{"same_with_line_end", "5.3.5\r\n", true},
                                         CheckCase{"lower_version", "5.3.4", true},
                                         CheckCase{"empty_answer", "", true}),
                         startup_tests::RowName());

// A site that has moved its information file elsewhere, another host included, still answers the check.
TEST_F(UpdateDialog, CheckFollowsTheSiteToWhereItsFileMoved)
{
    LocalHttpServer moved_to;
    moved_to.serve("/new/gatr.txt", Reply{200, "5.3.5"});
    Reply moved{302, "<html><body>Moved</body></html>"};
    moved.location = moved_to.site().toStdString() + "/new/gatr.txt";
    english.serve("/update/gatr.txt", moved);
    update.show();
    update.cmd1.userClick();
    EXPECT_TRUE(ui().messages().empty());
    EXPECT_EQ(str(update.lbl4.caption()), "5.3.5\r\n5.3.5");
    EXPECT_EQ(str(update.lbl5.caption()), "You own the latest version.");
    EXPECT_EQ(moved_to.requests().size(), 1u);
}

TEST_F(UpdateDialog, CheckThatFailsShowsTheErrorAndStays)
{
    update.show();
    update.cmd1.userClick(); // nothing served: the site answers 404
    startup::Update unreachable(program.context(),
                                {german.site(), QStringLiteral("http://127.0.0.1:%1").arg(LocalHttpServer::unused_port())});
    unreachable.show();
    unreachable.cmd1.userClick();
    ASSERT_EQ(ui().messages().size(), 2u);
    EXPECT_EQ(ui().messages()[0].style, 16);
    EXPECT_EQ(str(ui().messages()[0].title), "Gatrisk 2002");
    EXPECT_EQ(str(ui().messages()[0].text), "ERROR: The server answered 404");
    EXPECT_EQ(str(ui().messages()[1].text), "ERROR: Unable to connect to remote host");
    EXPECT_TRUE(update.isVisible());
    EXPECT_FALSE(update.cmd2.enabled());
    EXPECT_EQ(str(update.lbl4.caption()), "5.3.5\r\n??? <check>");
}

TEST_F(UpdateDialog, DownloadFromTheGermanSiteReplacesAnOldPackageAndStartsIt)
{
    german.serve("/update/g2002up.exe", Reply{200, package_program(1800)});
    QFile old(package_host());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'o'));
    old.close();
    QStringList progress;
    QStringList target;
    ui().onDoEvents = [&] {
        progress << update.lbl7.caption();
        target << update.lbl6.caption();
        EXPECT_FALSE(update.cmd1.enabled() || update.cmd2.enabled() || update.cmd3.enabled());
        EXPECT_TRUE(update.cmd_abbruch.enabled());
    };

    EXPECT_TRUE(install());
    EXPECT_EQ(read_file(package_host()), package_program(1800)) << "replaced whole, no old bytes behind";
    ASSERT_EQ(progress.size(), 10);
    EXPECT_EQ(str(progress[5]), "1 KB downgeloaded... Bitte warten...");
    EXPECT_EQ(str(progress[8]), "2 KB downgeloaded... Bitte warten...");
    EXPECT_EQ(target[0], QStringLiteral("Downlad nach: ") + program.context().program.folder + QStringLiteral("\\G2002UP.EXE"));
    EXPECT_EQ(str(update.lbl7.caption()), "1800 Byts wurden Downgeloadet     -  Fertig!");
    ASSERT_EQ(german.requests().size(), 1u);
    EXPECT_EQ(german.requests()[0].line, "GET /update/g2002up.exe HTTP/1.1");
    EXPECT_NE(german.requests()[0].headers.find("User-Agent: VB OpenUrl"), std::string::npos);
    EXPECT_EQ(english.requests().size(), 1u) << "only the check";

    const QString note = program.machine().folder() + QStringLiteral("/package-ran");
    for (int i = 0; i < 100 && !QFile::exists(note); ++i)
        QThread::msleep(50);
    EXPECT_TRUE(QFile::exists(note)) << "the package was started";
    EXPECT_TRUE(ui().messages().empty());
}

TEST_F(UpdateDialog, CancelDuringTheFirstChunkStopsAfterTheSecondAndKeepsTheOldPackage)
{
    german.serve("/update/g2002up.exe", Reply{200, package_program(1800)});
    QFile old(package_host());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("earlier package");
    old.close();
    int events = 0;
    ui().onDoEvents = [&] {
        if (++events == 1)
            update.cmd_abbruch.userClick();
    };

    EXPECT_FALSE(install());
    EXPECT_EQ(events, 1) << "the second chunk sees the cancel before events run again";
    ASSERT_EQ(ui().messages().size(), 1u);
    EXPECT_EQ(ui().messages()[0].style, 16);
    EXPECT_EQ(str(ui().messages()[0].title), "Cancel !");
    EXPECT_EQ(str(ui().messages()[0].text), "Download was canceled !");
    EXPECT_EQ(read_file(package_host()), "earlier package") << "no partial package";
    EXPECT_EQ(program_folder_files().filter(QStringLiteral("g2002up"), Qt::CaseInsensitive),
              QStringList{QStringLiteral("g2002up.exe")});
    EXPECT_TRUE(update.cmd1.enabled() && update.cmd2.enabled() && update.cmd3.enabled());
    EXPECT_EQ(update.lbl6.caption(), QString());
    EXPECT_EQ(update.lbl7.caption(), QString());
    EXPECT_FALSE(update.download_cancel());
    EXPECT_TRUE(update.isVisible());
}

TEST_F(UpdateDialog, CancelPressedBeforeTheDownloadStopsItAfterTheFirstChunk)
{
    german.serve("/update/g2002up.exe", Reply{200, package_program(1800)});
    update.show();
    update.cmd_abbruch.userClick();
    int events = 0;
    ui().onDoEvents = [&] { ++events; };
    EXPECT_FALSE(install());
    EXPECT_EQ(events, 0);
    EXPECT_EQ(str(ui().messages().at(0).text), "Download was canceled !");
    EXPECT_FALSE(QFile::exists(package_host()));
}

TEST_F(UpdateDialog, ClosingTheWindowDuringTheDownloadCancelsIt)
{
    german.serve("/update/g2002up.exe", Reply{200, package_program(1800)});
    ui().onDoEvents = [&] { EXPECT_FALSE(update.userClose()); };
    EXPECT_FALSE(install());
    EXPECT_EQ(str(ui().messages().at(0).text), "Download was canceled !");
    EXPECT_TRUE(update.isVisible());
    EXPECT_FALSE(QFile::exists(package_host()));
}

struct BrokenDownload {
    const char* name;
    Reply reply;
    bool reachable;
    const char* message;
};

class Broken : public UpdateDialog, public testing::WithParamInterface<BrokenDownload> {};

// A download that does not arrive whole is neither kept nor started, and the dialog stays for another try.
TEST_P(Broken, ShowsTheErrorKeepsNothingAndStartsNothing)
{
    if (GetParam().reachable)
        german.serve("/update/g2002up.exe", GetParam().reply);
    startup::Update dialog(program.context(),
                           {GetParam().reachable ? german.site()
                                                 : QStringLiteral("http://127.0.0.1:%1").arg(LocalHttpServer::unused_port()),
                            english.site()});
    english.serve("/update/gatr.txt", Reply{200, "9.9.9"});
    dialog.show();
    dialog.cmd1.userClick();
    EXPECT_FALSE(scripted_ui::endsProgram([&] { dialog.cmd2.userClick(); }));
    ASSERT_EQ(ui().messages().size(), 1u);
    EXPECT_EQ(ui().messages()[0].style, 0);
    EXPECT_EQ(str(ui().messages()[0].text), GetParam().message);
    EXPECT_FALSE(QFile::exists(package_host()));
    EXPECT_TRUE(program_folder_files().filter(QStringLiteral("g2002up"), Qt::CaseInsensitive).isEmpty());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.cmd1.enabled() && dialog.cmd2.enabled() && dialog.cmd3.enabled());
    EXPECT_EQ(dialog.lbl7.caption(), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Downloads, Broken,
    testing::Values(BrokenDownload{"cut_short", Reply{200, package_program(2000), 600}, true, "Error 12031"},
                    BrokenDownload{"error_page", Reply{404, "<html>Not Found</html>"}, true, "Error 404"},
                    BrokenDownload{"server_unreachable", Reply{}, false, "Error 12029"},
                    // Without a Content-Length a package cut short can't be told from a whole one.
                    BrokenDownload{"ended_by_close", Reply{200, package_program(2000), -1, false, false}, true,
                                   "Error 12150"},
                    BrokenDownload{"ended_by_close_cut_short", Reply{200, package_program(2000), 600, false, false},
                                   true, "Error 12150"},
                    BrokenDownload{"in_chunks", Reply{200, package_program(2000), -1, true}, true, "Error 12150"}),
    startup_tests::RowName());

// The window's events run while the download waits for a server that has stopped sending, and Cancel ends it.
TEST_F(UpdateDialog, CancelActsWhileTheServerHoldsThePackageBack)
{
    german.serve("/update/g2002up.exe", Reply{.body = package_program(1800), .stall_after = 100});
    check_finds("9.9.9");
    QTimer user;
    user.setInterval(10);
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (german.stalls() > 0) {
            user.stop();
            update.cmd_abbruch.userClick();
        }
    });
    user.start();
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(scripted_ui::endsProgram([this] { update.cmd2.userClick(); }));
    EXPECT_LT(clock.elapsed(), 20000) << "ended by the Cancel, not by a time-out";
    ASSERT_EQ(ui().messages().size(), 1u);
    EXPECT_EQ(str(ui().messages()[0].text), "Download was canceled !");
    EXPECT_FALSE(QFile::exists(package_host()));
    EXPECT_TRUE(update.cmd1.enabled() && update.cmd2.enabled() && update.cmd3.enabled());
    EXPECT_FALSE(update.download_cancel());
}

struct CheckFailure {
    const char* name;
    Reply reply;
    Scheme scheme;
    const char* message;
};

class FailedCheck : public UpdateDialog, public testing::WithParamInterface<CheckFailure> {};

TEST_P(FailedCheck, ShowsWhyAndKeepsInstallDisabled)
{
    LocalHttpServer site(GetParam().scheme);
    site.serve("/update/gatr.txt", GetParam().reply);
    startup::Update dialog(program.context(), {german.site(), site.site()});
    dialog.Inet1.set_deadline_ms(500);
    dialog.show();
    QElapsedTimer clock;
    clock.start();
    dialog.cmd1.userClick();
    EXPECT_LT(clock.elapsed(), 3000) << "the check is bounded by its deadline";
    ASSERT_EQ(ui().messages().size(), 1u);
    EXPECT_EQ(ui().messages()[0].style, 16);
    EXPECT_EQ(str(ui().messages()[0].text), GetParam().message);
    EXPECT_FALSE(dialog.cmd2.enabled());
    EXPECT_EQ(str(dialog.lbl4.caption()), "5.3.5\r\n??? <check>");
}

INSTANTIATE_TEST_SUITE_P(
    Sites, FailedCheck,
    testing::Values(CheckFailure{"trickling_server", Reply{.body = "5.3.6 and more to come", .drip_ms = 200},
                                 Scheme::http, "ERROR: The operation timed out"},
                    CheckFailure{"untrusted_certificate", Reply{200, "5.3.6"}, Scheme::https_untrusted,
                                 "ERROR: The server's certificate is not trusted"}),
    startup_tests::RowName());

// Most sites now send a visitor on to https: the check follows, and the package comes over https too.
TEST_F(UpdateDialog, ChecksAndDownloadsOverHttps)
{
    LocalHttpServer secure(Scheme::https);
    secure.serve("/update/gatr.txt", Reply{200, "9.9.9"});
    secure.serve("/update/g2002up.exe", Reply{200, package_program(1800)});
    Reply to_secure{301, "<html>Moved</html>"};
    to_secure.location = secure.site().toStdString() + "/update/gatr.txt";
    english.serve("/update/gatr.txt", to_secure);
    startup::Update dialog(program.context(), {secure.site(), english.site()});
    dialog.show();
    dialog.cmd1.userClick();
    EXPECT_TRUE(ui().messages().empty());
    EXPECT_EQ(str(dialog.lbl4.caption()), "5.3.5\r\n9.9.9");
    ASSERT_TRUE(dialog.cmd2.enabled());
    EXPECT_TRUE(scripted_ui::endsProgram([&] { dialog.cmd2.userClick(); }));
    EXPECT_TRUE(ui().messages().empty());
    EXPECT_EQ(read_file(package_host()), package_program(1800));
    EXPECT_EQ(str(dialog.lbl7.caption()), "1800 Byts wurden Downgeloadet     -  Fertig!");
}

TEST_F(UpdateDialog, PackageThatCannotBeStartedShowsTheUpdateErrorAndCloses)
{
    german.serve("/update/g2002up.exe", Reply{200, QByteArray(600, '\x01')});
    EXPECT_FALSE(install());
    ASSERT_EQ(ui().messages().size(), 1u);
    EXPECT_EQ(ui().messages()[0].style, 16);
    EXPECT_EQ(str(ui().messages()[0].title), "Error while connecting...");
    EXPECT_EQ(str(ui().messages()[0].text), "Sorry, the update file could not be loaded, cause there are problems on "
                                            "the homepage of brekund computer. Please try again later.");
    EXPECT_FALSE(update.isLoaded());
    EXPECT_EQ(read_file(package_host()).size(), 600) << "the whole package arrived";
}

TEST_F(UpdateDialog, CloseUnloadsAndTheNextOpeningStartsAfresh)
{
    check_finds("9.9.9");
    update.cmd3.userClick();
    EXPECT_FALSE(update.isLoaded());
    update.show();
    EXPECT_FALSE(update.cmd2.enabled());
    EXPECT_EQ(update.lbl5.caption(), QString());
}

TEST(Progress, KilobytesRoundHalvesToEven)
{
    const std::vector<std::pair<qint64, qint64>> rows{{0, 0},    {200, 0},    {500, 0},    {501, 1},    {1200, 1},
                                                      {1500, 2}, {1800, 2},   {2500, 2},   {3500, 4},   {2499, 2}};
    for (const auto& [bytes, kb] : rows)
        EXPECT_EQ(startup::whole_kilobytes(bytes), kb) << bytes;
}

struct RawCase {
    const char* name;
    QString text;
    QString raw;
};

class RawInfos : public testing::TestWithParam<RawCase> {};

TEST_P(RawInfos, RemovesTagsInPlace)
{
    QString text = GetParam().text;
    EXPECT_EQ(startup::GetRawInfos(text), GetParam().raw);
    EXPECT_EQ(text, GetParam().raw);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RawInfos,
    testing::Values(RawCase{"two_tags_between_three_letters", QStringLiteral("a<b>b<i>c"), QStringLiteral("abc")},
                    RawCase{"lone_closing_bracket_stays", QStringLiteral("a>b<x>c"), QStringLiteral("a>bc")},
                    RawCase{"unclosed_tag_stays", QStringLiteral("<p>5.3.6<br"), QStringLiteral("5.3.6<br")},
                    RawCase{"nested_opening", QStringLiteral("a<<b>c"), QStringLiteral("ac")},
                    RawCase{"longer_than_16_bits", QString(40000, QLatin1Char('x')) + QStringLiteral("<t>y"),
                            QString(40000, QLatin1Char('x')) + QStringLiteral("y")}),
    startup_tests::RowName());

} // namespace
