#include "installation.h"

#include "platform/registry/sample_hives.h"

#include <QDir>
#include <QFileInfo>

namespace app {

namespace {

struct ProgramRow {
    const char* machine_name;
    platform::ProgramPlace place;
    const char* build_path; // relative to the app/ build folder
};

const ProgramRow program_rows[] = {
    {"GATR2002.EXE", platform::ProgramPlace::program_folder, "gatrisk"},
    {"regg.exe", platform::ProgramPlace::program_folder, "../regg/regg"},
    // Stand-ins that record how they were started.
    {"winhlp32.exe", platform::ProgramPlace::windows_folder, "../winhlp/standin_program"},
    {"explorer.exe", platform::ProgramPlace::windows_folder, "../winhlp/standin_program"},
};

} // namespace

std::vector<platform::BuiltProgram> built_programs(const QString& app_folder)
{
    std::vector<platform::BuiltProgram> programs;
    const QDir dir(app_folder);
    for (const ProgramRow& r : program_rows) {
        const QString host = QDir::cleanPath(dir.absoluteFilePath(QLatin1String(r.build_path)));
        if (QFileInfo(host).isExecutable())
            programs.push_back({QLatin1String(r.machine_name), r.place, host});
    }
    return programs;
}

platform::SampleOptions installation(platform::SampleSystem system, const QString& app_folder)
{
    platform::SampleOptions options;
    options.system = system;
    options.programs = built_programs(app_folder);
    options.write_hives = [](const platform::Machine& machine, QString* error) {
        return platform::populate_sample_hives(machine, {}, error);
    };
    return options;
}

} // namespace app
