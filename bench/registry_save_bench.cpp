// The registry calls of one whole save of a restriction set into a mounted account hive, repeated, against the
// hivex tools merging the same calls into the same hive.
//
//   registry_save_bench <account hive> [--saves N] [--merges M]
//   registry_save_bench --make-hive <file> [--kilobytes K]     writes an account hive of about K KB (1300)
//
// The hive is copied into a temporary sample machine as pupil's NTUSER.DAT and mounted as HKEY_USERS\pupil
// through the hive helper program, as the program does before a save; the saves run; it is dismounted again.
// Printed: the median time per save, and the hive's size after the first and after the last save. Beside it, the
// median time of `hivexregedit --merge` applying the same calls to a fresh copy of the same hive.

#include "platform/hive/hive.h"
#include "platform/machine/sample_machine.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/registry/machine_registry.h"
#include "platform/registry/sample_hives.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

using namespace platform;

namespace {

const QString account = QStringLiteral("pupil");
const QString hive_path = QStringLiteral("C:\\Documents and Settings\\pupil\\NTUSER.DAT");

// --- the calls of one save -------------------------------------------------------------------------------------

const QString E = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer");
const QString S = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System");
const QString N = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network");
const QString IE = QStringLiteral("SOFTWARE\\Policies\\Microsoft\\Internet Explorer\\Restrictions");
const QString WSP = QStringLiteral("Software\\Policies\\Microsoft\\Windows\\System");
const QString sound = QStringLiteral("Control Panel\\Sound");
const QString hide = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Hide");
const QString restrict_run = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\RestrictRun");
const QString disallow_cpl = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\DisallowCpl");
const QString dont_load = QStringLiteral("Control Panel\\don't load");

struct Restriction {
    const char* value;
    const QString* key;
    bool ticked;
};

// The restriction values in the order the reset pass writes them, and which of them this set ticks.
const Restriction restrictions[] = {
    {"NoLogOff", &E, false}, {"NoRun", &E, true}, {"NoFind", &E, true}, {"NoHelp", &E, false},
    {"NoSetFolders", &E, true}, {"NoSetTaskbar", &E, true}, {"NoControlPanel", &E, true},
    {"NoRecentDocsMenu", &E, false}, {"NoFavoritesMenu", &E, true}, {"NoCommonGroups", &E, false},
    {"NoChangeStartMenu", &E, true}, {"NoSelectDownloadDir", &IE, true}, {"NoBrowserContextMenu", &IE, false},
    {"NoBrowserOptions", &IE, true}, {"NoViewSource", &IE, true}, {"NoFavorites", &IE, false},
    {"NoFileNew", &IE, false}, {"NoFileOpen", &IE, true}, {"NoBrowserSaveAs", &IE, false},
    {"NoPrinting", &IE, false}, {"NoBrowserClose", &IE, false}, {"NoSetTaskbar", &E, false},
    {"NoDispCpl", &S, true}, {"NoDesktop", &E, false}, {"NoNetHood", &E, true}, {"NoStartBanner", &E, false},
    {"NoSaveSettings", &E, false}, {"FixedWallpaper", &E, true}, {"DisableRegistryTools", &S, true},
    {"FixedLNK", &E, false},
};
const Restriction later_restrictions[] = {
    {"NoActiveDesktop", &E, true}, {"ClassicShell", &E, false}, {"NoNetSetup", &N, true},
    {"NoEntireNetwork", &N, false}, {"NoWorkgroupContents", &N, false}, {"NoPwdPage", &S, true},
    {"NoFileSharingControl", &N, true}, {"NoPrintSharingControl", &N, false},
};
const Restriction last_restrictions[] = {
    {"NoViewContextMenu", &E, true}, {"NoDesktop", &E, false}, {"NoTrayContextMenu", &E, true},
    {"DisableTaskMgr", &S, true}, {"NoWindowsUpdate", &E, true}, {"DisableCMD", &S, false},
    {"NoEntireNetwork", &N, false}, {"NoAddPrinter", &E, true}, {"NoDeletePrinter", &E, true},
};

// Control Panel applets hidden by this set (Windows XP names).
const char* const hidden_applets[] = {
    "DESK.CPL", "APPWIZ.CPL", "TIMEDATE.CPL", "INTL.CPL", "NCPA.CPL", "SYSDM.CPL", "INETCPL.CPL", "MMSYS.CPL",
    "POWERCFG.CPL", "NUSRMGR.CPL", "ACCESS.CPL", "HDWWIZ.CPL", "JOY.CPL", "MAIN.CPL", "TELEPHON.CPL",
    "FIREWALL.CPL", "WSCUI.CPL", "Microsoft.Fonts", "Microsoft.Printers", "Microsoft.ScheduledTasks",
};

// Registry calls of one save, counted, and recorded as a .reg script for hivexregedit.
class SaveCalls {
public:
    SaveCalls(Registry& registry, QString prefix) : registry_(registry), prefix_(std::move(prefix)) {}

    void create(HKEY root, const QString& path)
    {
        ++counts.creates;
        REG_CreateKey(registry_, root, full(root, path));
        if (root == HKEY_USERS) {
            const QStringList names = path.split(QLatin1Char('\\'));
            for (qsizetype i = 1; i <= names.size(); ++i)
                section(names.mid(0, i).join(QLatin1Char('\\')));
        }
    }
    void dword(const QString& path, const char* name, const QString& text)
    {
        ++counts.dwords;
        if (REG_SetDWORD(registry_, HKEY_USERS, prefix_ + path, QLatin1String(name), text) == 0) {
            section(path);
            reg_ += QStringLiteral("\"%1\"=dword:%2\r\n").arg(escaped(QLatin1String(name))).arg(text.trimmed().toUInt(), 8, 16, QLatin1Char('0'));
        }
    }
    void string(const QString& path, const QString& name, const QString& text)
    {
        ++counts.strings;
        if (REG_SetString(registry_, HKEY_USERS, prefix_ + path, name, text) == 0) {
            section(path);
            reg_ += QStringLiteral("\"%1\"=\"%2\"\r\n").arg(escaped(name), escaped(text));
        }
    }
    void delete_key(const QString& path)
    {
        ++counts.key_deletes;
        REG_DeleteKey(registry_, HKEY_USERS, prefix_ + path);
        current_.clear();
        reg_ += QStringLiteral("\r\n[-HKEY_USERS\\%1%2]\r\n").arg(prefix_, path);
    }
    void delete_value(const QString& path, const char* name)
    {
        ++counts.value_deletes;
        if (REG_DeleteValue(registry_, HKEY_USERS, prefix_ + path, QLatin1String(name)) == 0) {
            section(path);
            reg_ += QStringLiteral("\"%1\"=-\r\n").arg(escaped(QLatin1String(name)));
        }
    }

    struct Counts {
        int creates = 0, dwords = 0, strings = 0, key_deletes = 0, value_deletes = 0;
        int total() const { return creates + dwords + strings + key_deletes + value_deletes; }
    };

    int total() const { return counts.total(); }
    QString reg_script() const { return QStringLiteral("Windows Registry Editor Version 5.00\r\n") + reg_; }

    Counts counts;

private:
    QString full(HKEY root, const QString& path) const { return root == HKEY_USERS ? prefix_ + path : path; }
    static QString escaped(QString text)
    {
        return text.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    }
    void section(const QString& path)
    {
        if (path.compare(current_, Qt::CaseInsensitive) == 0)
            return;
        current_ = path;
        reg_ += QStringLiteral("\r\n[HKEY_USERS\\%1%2]\r\n").arg(prefix_, path);
    }

    Registry& registry_;
    QString prefix_;
    QString reg_;
    QString current_;
};

// One save of the restriction set into the account branch, in the order the writer makes its calls.
void save(SaveCalls& c, int censored_programs)
{
    // The policy keys.
    c.create(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Brekund"));
    c.create(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Brekund\\G2002"));
    for (const QString* key : {&E, &S, &N, &IE})
        c.create(HKEY_USERS, *key);
    for (const char* key : {"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Advanced",
                            "Control Panel\\Sound"})
        c.create(HKEY_USERS, QLatin1String(key));
    for (const QString* key : {&hide, &dont_load, &disallow_cpl, &restrict_run})
        c.create(HKEY_USERS, *key);

    // The probe, then every restriction off.
    c.dword(E, "NoClose", QStringLiteral("0"));
    for (const Restriction& r : restrictions)
        c.dword(*r.key, r.value, QStringLiteral("0"));
    c.dword(E, "RestrictRun", QStringLiteral("0"));
    c.dword(E, "NoDrives", QStringLiteral(" 0"));
    for (const Restriction& r : later_restrictions)
        c.dword(*r.key, r.value, QStringLiteral("0"));
    c.string(sound, QStringLiteral("Beep"), QStringLiteral("Yes"));
    for (const Restriction& r : last_restrictions)
        c.dword(*r.key, r.value, QStringLiteral("0"));

    // The command prompt.
    for (const char* key : {"Software", "Software\\Policies", "Software\\Policies\\Microsoft", "Software\\Policies\\Microsoft\\Windows"})
        c.create(HKEY_USERS, QLatin1String(key));
    c.create(HKEY_USERS, WSP);
    c.dword(WSP, "DisableCMD", QStringLiteral("0"));

    // The applets.
    c.delete_key(dont_load);
    c.create(HKEY_USERS, dont_load);
    c.delete_key(disallow_cpl);
    c.create(HKEY_USERS, disallow_cpl);
    int counter = 0;
    for (const char* applet : hidden_applets) {
        c.string(dont_load, QLatin1String(applet), QStringLiteral("No"));
        c.string(disallow_cpl, QLatin1Char(' ') + QString::number(++counter), QLatin1String(applet));
    }
    c.dword(E, "ForceClassicControlPanel", QStringLiteral("1"));

    // The ticked boxes.
    c.dword(E, "NoClose", QStringLiteral("1"));
    for (const Restriction& r : restrictions) {
        if (r.ticked)
            c.dword(*r.key, r.value, QStringLiteral("1"));
    }
    c.string(QStringLiteral("Control Panel\\Desktop"), QStringLiteral("Wallpaper"), QStringLiteral("C:\\WINDOWS\\Web\\Wallpaper\\Schule.bmp"));
    c.string(E, QStringLiteral("FixedLNKUrl"), QStringLiteral("\\\\SERVER\\Links"));
    c.delete_value(QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run"), "System");

    // The censor list.
    c.delete_key(restrict_run);
    c.create(HKEY_USERS, restrict_run);
    c.string(restrict_run, QStringLiteral(" 0"), QStringLiteral("GATR2002.EXE"));
    for (int i = 1; i < censored_programs; ++i)
        c.string(restrict_run, QLatin1Char(' ') + QString::number(i), QStringLiteral("PROGRAM%1.EXE").arg(i));
    c.dword(restrict_run, "Gesamt", QString::number(censored_programs));
    c.dword(E, "RestrictRun", QStringLiteral("1"));

    // The hidden drives: A, B and D.
    std::uint32_t mask = 0;
    for (int letter = 0; letter < 26; ++letter) {
        const bool hidden = letter == 0 || letter == 1 || letter == 3;
        if (hidden)
            mask |= 1u << letter;
        const std::string name(1, static_cast<char>('A' + letter));
        c.dword(hide, name.c_str(), hidden ? QStringLiteral("1") : QStringLiteral("0"));
    }
    c.dword(E, "NoDrives", QString::number(mask));

    for (const Restriction& r : later_restrictions) {
        if (r.ticked)
            c.dword(*r.key, r.value, QStringLiteral("1"));
    }
    c.dword(QStringLiteral("Software\\Brekund\\G2002"), "PWHide", QStringLiteral("1"));
    c.string(QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion"), QStringLiteral("RegisteredOrganization"), QStringLiteral("Musterschule"));
    c.string(QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion"), QStringLiteral("RegisteredOwner"), QStringLiteral("Administrator"));
    c.string(sound, QStringLiteral("Beep"), QStringLiteral("No"));
    for (const Restriction& r : last_restrictions) {
        if (r.ticked)
            c.dword(*r.key, r.value, QStringLiteral("1"));
    }
}

// --- the account hive generator --------------------------------------------------------------------------------

std::u16string units(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

std::vector<std::uint8_t> text_data(const QString& text)
{
    std::vector<std::uint8_t> bytes;
    for (char16_t unit : units(text) + u'\0') {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

hive::Key& key_at(hive::Hive& hive, const QString& path)
{
    hive::Key* key = &hive.root();
    for (const QString& name : path.split(QLatin1Char('\\'), Qt::SkipEmptyParts))
        key = key->add_subkey(units(name));
    return *key;
}

// A user's branch the way years of installed programs leave it: the shell's keys, then vendors' settings.
std::vector<std::uint8_t> account_hive(qint64 bytes_wanted)
{
    hive::Hive hive = hive::Hive::create(5, filetime_now());
    key_at(hive, QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"))
        .set_value(u"Desktop", 1, text_data(QStringLiteral("C:\\Documents and Settings\\pupil\\Desktop")));
    key_at(hive, QStringLiteral("Control Panel\\Desktop")).set_value(u"Wallpaper", 1, text_data(QStringLiteral("C:\\WINDOWS\\Web\\Wallpaper\\Bliss.bmp")));
    key_at(hive, E).set_value(u"NoDriveTypeAutoRun", 4, {0x91, 0, 0, 0});
    const char* const areas[] = {"Software", "Software\\Microsoft", "Software\\Classes", "AppEvents\\Schemes\\Apps", "Control Panel"};
    std::vector<std::uint8_t> bytes = hive.serialize(filetime_now());
    for (int n = 0; static_cast<qint64>(bytes.size()) < bytes_wanted; ++n) {
        const QString base = QStringLiteral("%1\\Vendor %2\\Product %3").arg(QLatin1String(areas[n % 5])).arg(n % 97).arg(n);
        for (int k = 0; k < 6; ++k) {
            hive::Key& key = key_at(hive, base + QStringLiteral("\\Settings %1").arg(k));
            key.set_value(u"Enabled", 4, {static_cast<std::uint8_t>(k & 1), 0, 0, 0});
            key.set_value(u"InstallPath", 1, text_data(QStringLiteral("C:\\Programme\\Vendor %1\\Product %2").arg(n % 97).arg(n)));
            key.set_value(u"MRU List", 1, text_data(QStringLiteral("abcdefghij").left(k + 3)));
            if (k == 0)
                key.set_value(u"WindowPlacement", 3, std::vector<std::uint8_t>(44, static_cast<std::uint8_t>(n)));
        }
        if (n % 50 == 49)
            bytes = hive.serialize(filetime_now());
    }
    return hive.serialize(filetime_now());
}

// --- running ---------------------------------------------------------------------------------------------------

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double ms_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

bool run_and_wait(Processes& processes, const QString& command_line)
{
    const auto pid = processes.shell(command_line, window_hidden);
    if (!pid.ok())
        return false;
    std::optional<std::uint32_t> code;
    while ((code = processes.exit_code(pid.value)) && *code == still_active)
        ::usleep(200);
    return code == 0u;
}

// hivexregedit --merge of the recorded calls into fresh copies of the hive; the median time of one merge.
std::optional<double> hivex_merge_ms(const QString& hive_file, const QString& reg_script, const QString& folder, int merges)
{
    const QString reg = folder + QStringLiteral("/save.reg");
    QFile file(reg);
    if (!file.open(QIODevice::WriteOnly) || file.write(reg_script.toUtf8()) < 0)
        return std::nullopt;
    file.close();
    std::vector<double> times;
    for (int i = 0; i < merges; ++i) {
        const QString copy = folder + QStringLiteral("/merge-%1.dat").arg(i);
        QFile::remove(copy);
        if (!QFile::copy(hive_file, copy))
            return std::nullopt;
        QProcess merge;
        const auto start = std::chrono::steady_clock::now();
        merge.start(QStringLiteral("hivexregedit"), {QStringLiteral("--merge"), QStringLiteral("--prefix"),
                                                     QStringLiteral("HKEY_USERS\\") + account, copy, reg});
        if (!merge.waitForFinished(60000) || merge.exitStatus() != QProcess::NormalExit || merge.exitCode() != 0) {
            std::fprintf(stderr, "hivexregedit: %s\n", merge.readAllStandardError().constData());
            return std::nullopt;
        }
        times.push_back(ms_since(start));
        QFile::remove(copy);
    }
    return median(times);
}

int make_hive(const QString& file, qint64 kilobytes)
{
    const std::vector<std::uint8_t> bytes = account_hive(kilobytes * 1024);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) < 0) {
        std::fprintf(stderr, "%s: can't be written\n", qPrintable(file));
        return 1;
    }
    std::printf("%s: account hive of %zu bytes\n", qPrintable(file), bytes.size());
    return 0;
}

int usage()
{
    std::fputs("usage: registry_save_bench <account hive> [--saves N] [--merges M]\n"
               "       registry_save_bench --make-hive <file> [--kilobytes K]\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const auto option = [&](const QString& name, int fallback) {
        const qsizetype at = args.indexOf(name);
        if (at < 0 || at + 1 >= args.size())
            return fallback;
        const int value = args[at + 1].toInt();
        args.remove(at, 2);
        return value;
    };
    if (!args.isEmpty() && args.front() == QLatin1String("--make-hive")) {
        const int kilobytes = option(QStringLiteral("--kilobytes"), 1300);
        return args.size() == 2 ? make_hive(args[1], kilobytes) : usage();
    }
    const int saves = option(QStringLiteral("--saves"), 100);
    const int merges = option(QStringLiteral("--merges"), 10);
    if (args.size() != 1 || saves < 2)
        return usage();
    const QString source = QFileInfo(args[0]).absoluteFilePath();
    if (!hive::Hive::parse([&] {
            QFile f(source);
            f.open(QIODevice::ReadOnly);
            const QByteArray b = f.readAll();
            return std::vector<std::uint8_t>(b.begin(), b.end());
        }())) {
        std::fprintf(stderr, "%s: not a readable hive\n", qPrintable(source));
        return 1;
    }

    QTemporaryDir dir;
    SampleOptions options;
    options.programs = {{QStringLiteral("regg.exe"), ProgramPlace::program_folder, QStringLiteral(REGG_PROGRAM)}};
    options.write_hives = [](const Machine& m, QString* error) { return populate_sample_hives(m, {}, error); };
    QString error;
    const auto machine = create_sample_machine(dir.path() + QStringLiteral("/machine"), options, &error);
    if (!machine) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const QString mounted = machine->to_host(hive_path).path;
    QFile::remove(mounted);
    if (!QFile::copy(source, mounted)) {
        std::fprintf(stderr, "%s: can't be copied into the machine\n", qPrintable(source));
        return 1;
    }

    Registry registry(registry_layout(*machine));
    Processes processes(*machine);
    flush_before_starts(registry, processes);
    const QString regg = QLatin1Char('"') + machine->facts().program_dir + QStringLiteral("\\regg.exe\"");
    if (!run_and_wait(processes, regg + QStringLiteral(" load \"") + hive_path + QStringLiteral("\" HKU\\") + account) ||
        REG_CreateKey(registry, HKEY_USERS, account + QStringLiteral("\\Software")) == 0) {
        std::fprintf(stderr, "the hive could not be mounted for writing\n");
        return 1;
    }

    std::vector<double> times;
    qint64 size_first = 0;
    QString reg_script;
    int calls = 0;
    SaveCalls::Counts first_counts;
    for (int i = 0; i < saves; ++i) {
        SaveCalls calls_of_save(registry, account + QLatin1Char('\\'));
        const auto start = std::chrono::steady_clock::now();
        save(calls_of_save, 72);
        // What the dismount after a save brings: the helper program's start flushes first.
        registry.flush_all();
        times.push_back(ms_since(start));
        if (i == 0) {
            size_first = QFileInfo(mounted).size();
            reg_script = calls_of_save.reg_script();
            calls = calls_of_save.total();
            first_counts = calls_of_save.counts;
        }
    }
    const qint64 size_last = QFileInfo(mounted).size();
    run_and_wait(processes, regg + QStringLiteral(" unload HKU\\") + account);

    const double save_ms = median(times);
    std::printf("hive: %s, %lld bytes\n", qPrintable(source), static_cast<long long>(QFileInfo(source).size()));
    std::printf("one save: %d registry calls (%d REG_CreateKey, %d REG_SetDWORD, %d REG_SetString, %d REG_DeleteKey, "
                "%d REG_DeleteValue)\n",
                calls, first_counts.creates, first_counts.dwords, first_counts.strings, first_counts.key_deletes,
                first_counts.value_deletes);
    std::printf("saves: %d, median %.2f ms per save (fastest %.2f, slowest %.2f)\n", saves, save_ms,
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()));
    std::printf("hive size: %lld bytes after the first save, %lld after the last: %s\n", static_cast<long long>(size_first),
                static_cast<long long>(size_last), size_last > size_first ? "GROWS" : "does not grow");
    const auto merge_ms = hivex_merge_ms(source, reg_script, dir.path(), merges);
    if (!merge_ms) {
        std::printf("hivexregedit --merge: not measured (is hivexregedit installed? Debian package libwin-hivex-perl)\n");
        return size_last > size_first ? 1 : 0;
    }
    std::printf("hivexregedit --merge of the same calls into the same hive: median %.2f ms over %d merges\n", *merge_ms, merges);
    std::printf("one save %s the hivex merge\n", save_ms <= *merge_ms ? "takes no longer than" : "takes LONGER than");
    return size_last > size_first || save_ms > *merge_ms ? 1 : 0;
}
