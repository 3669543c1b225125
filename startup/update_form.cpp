#include "startup/update_form.h"

#include "platform/in_language.h"
#include "platform/machine/machine.h"
#include "platform/process.h"
#include "platform/program_info.h"
#include "platform/web/internet_errors.h"
#include "platform/web/wininet.h"

#include <QFile>
#include <QSaveFile>

namespace startup {

namespace {

const QString crlf = QStringLiteral("\r\n");

// Set while a download runs, whatever way it ends.
struct Running {
    explicit Running(bool& flag) : flag_(flag) { flag_ = true; }
    ~Running() { flag_ = false; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
    bool& flag_;
};

// Both handles closed on every way out of the download.
struct Handles {
    platform::web::WinInet& inet;
    platform::web::HINTERNET session = 0;
    platform::web::HINTERNET url = 0;
    ~Handles()
    {
        if (url)
            inet.InternetCloseHandle(url);
        if (session)
            inet.InternetCloseHandle(session);
    }
};

} // namespace

qint64 whole_kilobytes(qint64 bytes)
{
    qint64 whole = bytes / 1000;
    const qint64 rest = bytes % 1000;
    if (rest > 500 || (rest == 500 && whole % 2 == 1))
        ++whole;
    return whole;
}

Update::Update(platform::Context& context, UpdateSites sites, int language)
    : Form(QStringLiteral("Update")), context_(context), sites_(std::move(sites)), language_(language)
{
    setCaption(QStringLiteral("Update"));
    setClientSize(6255, 4455);
    lbl1.move(240, 180, 5775, 375);
    lbl1.setFont({QStringLiteral("MS Sans Serif"), 12, true});
    lbl2.move(240, 660, 5775, 1215);
    lbl3.move(240, 1980, 1455, 435);
    lbl4.move(1800, 1980, 4215, 435);
    lbl5.move(240, 2520, 5775, 255);
    lbl6.move(240, 2880, 5775, 255);
    lbl7.move(240, 3180, 5775, 255);
    cmd1.move(240, 3720, 1335, 375);
    cmd2.move(1680, 3720, 1335, 375);
    cmd_abbruch.move(3120, 3720, 1335, 375);
    cmd3.move(4680, 3720, 1335, 375);
    cmd3.setCancel(true);

    cmd1.onClick = [this] { cmd1_Click(); };
    cmd2.onClick = [this] { cmd2_Click(); };
    cmd_abbruch.onClick = [this] { cmd_abbruch_Click(); };
    cmd3.onClick = [this] { cmd3_Click(); };
}

void Update::Form_Load()
{
    const QString own = platform::version_text(context_.program);
    lbl1.setCaption(
        platform::in_language(language_, QStringLiteral("Update-Prüfung"), QStringLiteral("Online Update Check")));
    lbl2.setCaption(platform::in_language(
        language_,
        QStringLiteral("Für diese Aktion muss eine aktive Internet-Verbindung bestehen !") + crlf + crlf +
            QStringLiteral("Wenn Sie jetzt über eine Internet-Verbindung verfügen, können Sie hier überprüfen, ob es "
                           "inzwischen eine neuere Version von diesem Programm gibt. Sollte eine neuere Version "
                           "vorliegen können Sie diese direkt hier herunterladen und installieren. Wählen Sie zuerst "
                           "die Schaltfläche 'Prüfen'."),
        QStringLiteral("You need an active Internet Connection to do this !") + crlf + crlf +
            QStringLiteral("If you are connected to the Internet right now, you can check, if there is a newer version "
                           "of this program. If there is one, you can download the latest version for free. Please "
                           "press the button CHECK first.")));
    lbl3.setCaption(
        platform::in_language(language_, QStringLiteral("Diese Version: ") + crlf + QStringLiteral("Aktuelle Version:"),
                              QStringLiteral("This Version: ") + crlf + QStringLiteral("Latest Version:")));
    lbl4.setCaption(own + crlf +
                    platform::in_language(language_, QStringLiteral("??? <prüfen>"), QStringLiteral("??? <check>")));
    cmd1.setCaption(platform::in_language(language_, QStringLiteral("&Prüfen"), QStringLiteral("C&heck")));
    cmd2.setCaption(platform::in_language(language_, QStringLiteral("&Installieren"), QStringLiteral("&Install")));
    cmd3.setCaption(platform::in_language(language_, QStringLiteral("&Schliessen"), QStringLiteral("C&lose")));
    cmd_abbruch.setCaption(platform::in_language(language_, QStringLiteral("&Abbruch"), QStringLiteral("&Cancel")));
    lbl5.setCaption(QString());
    lbl6.setCaption(QString());
    lbl7.setCaption(QString());
    cmd2.setEnabled(false);
}

void Update::Form_QueryUnload(bool& cancel, controls::UnloadMode mode)
{
    if (downloading_ && mode == controls::UnloadMode::ControlMenu) {
        download_cancel_ = true;
        cancel = true;
    }
}

void Update::set_buttons(bool enabled)
{
    cmd1.setEnabled(enabled);
    cmd2.setEnabled(enabled);
    cmd3.setEnabled(enabled);
}

void Update::cmd1_Click()
{
    Inet1.cancel();
    Inet1.setProtocol(platform::web::protocol_http);
    const QString site = language_ == platform::german ? sites_.german : sites_.english;
    const platform::web::InetText answer = Inet1.openUrl(site + information_path());
    if (!answer.ok()) {
        Inet1.cancel();
        context_.ui.msgBox(QStringLiteral("ERROR: ") + answer.description, 16);
        return;
    }
    const QString own = platform::version_text(context_.program);
    lbl4.setCaption(own + crlf + answer.text);
    if (answer.text != own) {
        lbl5.setCaption(platform::in_language(language_,
                                              QStringLiteral("Eine neuere Version steht zum Download bereit."),
                                              QStringLiteral("A newer version is ready to be downloaded...")));
        cmd2.setEnabled(true);
    } else {
        lbl5.setCaption(platform::in_language(language_, QStringLiteral("Sie besitzen die aktuelle Version."),
                                              QStringLiteral("You own the latest version.")));
    }
}

void Update::cmd2_Click()
{
    if (downloading_)
        return;
    Running running(downloading_);
    download();
}

void Update::install_failed()
{
    context_.ui.msgBox(
        platform::in_language(
            language_,
            QStringLiteral("Das Update konnte nicht durchgeführt werden, bitte versuchen Sie es zu einem "
                           "späteren Zeitpunkt noch einmal."),
            QStringLiteral("Sorry, the update file could not be loaded, cause there are problems on the "
                           "homepage of brekund computer. Please try again later.")),
        16,
        platform::in_language(language_, QStringLiteral("Fehler auf Brekund Update Page"),
                              QStringLiteral("Error while connecting...")));
    downloading_ = false;
    unload();
}

void Update::download()
{
    platform::UiServices& ui = context_.ui;
    const QString package = context_.program.folder + QStringLiteral("\\g2002up.exe");
    lbl6.setCaption(QStringLiteral("Downlad nach: ") + context_.program.folder + QStringLiteral("\\G2002UP.EXE"));
    set_buttons(false);

    // Back to the state after the check, the package as it was before.
    const auto stopped = [this] {
        lbl6.setCaption(QString());
        lbl7.setCaption(QString());
        set_buttons(true);
    };

    const platform::HostPath host = context_.machine.to_host_for_write(package);
    if (!host.ok()) {
        install_failed();
        return;
    }
    QSaveFile file(host.path);
    if (!file.open(QIODevice::WriteOnly)) {
        install_failed();
        return;
    }

    const auto cancelled = [&] {
        file.cancelWriting();
        ui.msgBox(platform::in_language(language_, QStringLiteral("Download wurde abgebrochen !"),
                                        QStringLiteral("Download was canceled !")),
                  16, platform::in_language(language_, QStringLiteral("Abbruch"), QStringLiteral("Cancel !")));
        stopped();
        download_cancel_ = false;
    };

    platform::web::WinInet inet;
    inet.set_deadline_ms(package_deadline_ms);
    // While the server is waited for, the window runs its events, and a Cancel pressed then ends the wait; one
    // pressed before the download began is seen after the first chunk, as between chunks.
    inet.set_stop_check([this, pressed_before = download_cancel_] { return download_cancel_ && !pressed_before; });
    Handles handles{inet};
    handles.session = inet.InternetOpenA(QStringLiteral("VB OpenUrl"), platform::web::INTERNET_OPEN_TYPE_PRECONFIG,
                                         QString(), QString(), 0);
    handles.url = inet.InternetOpenUrlA(handles.session, sites_.german + package_path(), QString(), 0,
                                        platform::web::INTERNET_FLAG_RELOAD, 0);
    if (!handles.url && inet.GetLastError() == platform::web::internet_operation_cancelled) {
        cancelled();
        return;
    }
    // A server that can't be reached, or that answers with an error page instead of the package.
    std::uint32_t status = 0;
    if (!handles.url || !inet.HttpQueryStatusCode(handles.url, status) || status < 200 || status > 299) {
        const std::uint32_t code = handles.url ? status : inet.GetLastError();
        ui.msgBox(QStringLiteral("Error ") + QString::number(code), 0);
        stopped();
        return;
    }
    // A package can be told from one cut short only by the length its server announced: without one it is
    // not taken.
    if (!inet.length_announced(handles.url)) {
        ui.msgBox(QStringLiteral("Error ") + QString::number(platform::web::http_header_not_found), 0);
        stopped();
        return;
    }

    qint64 position = 0;
    for (;;) {
        char buffer[chunk_size];
        std::uint32_t arrived = 0;
        const bool read = inet.InternetReadFile(handles.url, buffer, chunk_size, arrived);
        if (arrived > 0 && file.write(buffer, arrived) != static_cast<qint64>(arrived)) {
            install_failed();
            return;
        }
        position += arrived;
        lbl7.setCaption(QString::number(whole_kilobytes(position)) + QStringLiteral(" KB downgeloaded... Bitte warten..."));
        const bool last = arrived == 0;
        if (download_cancel_) {
            cancelled();
            return;
        }
        ui.doEvents();
        if (!read) {
            // What arrived is not the package: it is neither kept nor started.
            file.cancelWriting();
            ui.msgBox(QStringLiteral("Error ") + QString::number(inet.GetLastError()), 0);
            stopped();
            return;
        }
        if (last)
            break;
    }

    if (handles.url)
        inet.InternetCloseHandle(std::exchange(handles.url, 0));
    if (handles.session)
        inet.InternetCloseHandle(std::exchange(handles.session, 0));
    if (!file.commit()) {
        install_failed();
        return;
    }
    // The package is a program: on the machine a program is a file that may be run.
    QFile::setPermissions(host.path, QFile::permissions(host.path) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    lbl7.setCaption(QString::number(position) + QStringLiteral(" Byts wurden Downgeloadet     -  Fertig!"));
    set_buttons(true);
    // Quoted, so that a blank in the program folder can't make another program of its first part.
    const auto started = context_.processes.shell(QLatin1Char('"') + package + QLatin1Char('"'), platform::window_normal);
    if (!started.ok()) {
        install_failed();
        return;
    }
    ui.endProgram();
}

} // namespace startup
