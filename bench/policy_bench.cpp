// One save (REG_Save32, with the flush that the dismount does) and one read (REG_Load32) of a fully ticked
// restriction set, on a Windows XP sample machine whose account pupil has a lived-in hive of about 1 MB,
// mounted under HKEY_USERS as the program mounts it. Usage: policy_bench [runs] [kilobytes]

#include "account_hive.h"

#include "mainform/main_form.h"
#include "policy/click_reactions.h"
#include "policy/engine.h"
#include "policy/operations.h"
#include "policy/restriction_boxes.h"
#include "testsupport/context/test_program.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const QString account = QStringLiteral("pupil");

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double ms_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void tick_everything(mainwindow::MainForm& form)
{
    for (int n : {11, 12, 13, 14, 15, 16, 17, 18, 19, 110, 21, 22, 23, 24, 25, 26, 27, 28, 29, 210, 31, 32, 33, 34,
                  35, 36, 37, 38, 39, 41, 61, 62, 63, 64, 65, 66, 67, 68, 69, 610, 90, 91, 93, 94, 95, 96, 98, 99})
        policy::restriction_box(form, n)->setValue(1);
    for (controls::CheckBox* box : form.driveBoxes())
        box->setValue(1);
    for (int i = 1; i <= form.lv1.count(); ++i)
        form.lv1.setChecked(i, true);
    for (const char* program : {"CALC.EXE", "NOTEPAD.EXE", "MSPAINT.EXE", "WORDPAD.EXE", "WINWORD.EXE"})
        form.List1.addItem(QString::fromLatin1(program));
    form.t31.setText(QStringLiteral("C:\\WINDOWS\\Web\\Wallpaper\\Bliss.bmp"));
    form.t32.setText(QStringLiteral("C:\\Links"));
    form.t81.setText(QStringLiteral("Gymnasium"));
    form.t82.setText(QStringLiteral("Hausmeister"));
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const int kilobytes = argc > 2 ? std::max(8, std::atoi(argv[2])) : 1024;

    testsupport::TestProgram program;
    const QString hive_file = program.account_hive(account);
    const std::vector<std::uint8_t> bytes = bench::account_hive(static_cast<long long>(kilobytes) * 1024);
    {
        QFile out(hive_file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) < 0) {
            std::fprintf(stderr, "%s: can't be written\n", qPrintable(hive_file));
            return 1;
        }
    }

    mainwindow::MainForm form(program.context());
    policy::Engine engine(program.context(), form);
    policy::attach_click_reactions(form);
    policy::Get_CR(engine);
    policy::CPL_All(engine);
    form.Combo_user.setText(account);
    tick_everything(form);

    std::vector<double> saves, loads;
    for (int i = 0; i < runs; ++i) {
        if (!program.mount(account)) {
            std::fprintf(stderr, "can't mount %s\n", qPrintable(hive_file));
            return 1;
        }
        auto start = std::chrono::steady_clock::now();
        policy::REG_Save32(engine);
        if (program.registry().flush_all() != platform::ERROR_SUCCESS) {
            std::fprintf(stderr, "the save could not be written\n");
            return 1;
        }
        saves.push_back(ms_since(start));
        program.unmount(account);

        program.mount(account);
        start = std::chrono::steady_clock::now();
        policy::REG_Load32(engine);
        loads.push_back(ms_since(start));
        program.unmount(account);
    }
    if (!program.ui().messages().empty() || form.c11.value() != 1 || form.List1.listCount() != 6) {
        std::fprintf(stderr, "the save or the read went wrong\n");
        return 1;
    }
    std::printf("account hive: %zu bytes before, %lld bytes after\n", bytes.size(),
                static_cast<long long>(QFileInfo(hive_file).size()));
    std::printf("REG_Save32: %.2f ms (median of %d)\n", median(saves), runs);
    std::printf("REG_Load32: %.2f ms (median of %d)\n", median(loads), runs);
    return 0;
}
