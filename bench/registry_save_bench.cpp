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

#include "account_hive.h"
#include "restriction_save.h"

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
using bench::SaveCalls;

namespace {

const QString account = QStringLiteral("pupil");
const QString hive_path = QStringLiteral("C:\\Documents and Settings\\pupil\\NTUSER.DAT");

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
    const std::vector<std::uint8_t> bytes = bench::account_hive(kilobytes * 1024);
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
        bench::save(calls_of_save, 72);
        // What the dismount after a save brings: the helper program's start flushes first.
        if (registry.flush_all() != platform::ERROR_SUCCESS) {
            std::fprintf(stderr, "the save could not be written\n");
            return 1;
        }
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
