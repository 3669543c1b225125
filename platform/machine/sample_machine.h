#pragma once
// Sample machines of every supported system, for first start, tests and demonstrations.
//
// Layout (Windows paths; NT 4 has its profiles under %windir%\Profiles, 2000 and XP under
// "C:\Documents and Settings"; 95/98/ME have no profiles folder):
//   %windir%, %windir%\system32 (NT) or %windir%\SYSTEM (9x), %windir%\Temp, %windir%\Fonts
//   profiles: Administrator (logged on), pupil, Schueler, All Users, Default User, LocalService, NetworkService
//   C:\MSDOS.SYS on 95/98/ME (read-only, hidden, system), CONTROL.INI in %windir% on 95/98/ME
//   C:\Programme\Gatrisk 2002 with GATR2002.EXE, a link to the built program, and the help file gatr2002.hlp
// Registry hives are not written here; their places are reserved (sample_hive_files) and filled by the hive
// writer passed in, after the folders and files exist and before the configuration is written:
//   NT: %windir%\system32\config\SOFTWARE, SYSTEM, DEFAULT, and each profile's NTUSER.DAT (not All Users)
//   9x: %windir%\SYSTEM.DAT and %windir%\USER.DAT

#include "platform/machine/machine.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace platform {

enum class SampleSystem { win95, win98, win98se, winme, nt4, win2000, winxp };

// "95", "98", "98se", "me", "nt4", "2000", "xp" (without regard to case); std::nullopt for anything else.
std::optional<SampleSystem> sample_system(const QString& name);
QString sample_system_name(SampleSystem system);
QStringList sample_system_names();

enum class ProgramPlace { program_folder, windows_folder, system_folder };

// A built program that the machine has as a link, e.g. GATR2002.EXE in the program folder.
struct BuiltProgram {
    QString file_name;    // the machine's name for it, e.g. "GATR2002.EXE", "regg.exe"
    ProgramPlace place = ProgramPlace::program_folder;
    QString host_program; // the host executable the link leads to
};

// Fills the reserved hive files of a new machine; false and a message stop the creation.
using HiveWriter = std::function<bool(const Machine& machine, QString* error)>;

struct SampleOptions {
    SampleSystem system = SampleSystem::winxp;
    std::vector<BuiltProgram> programs;
    HiveWriter write_hives; // may be empty: the hive places stay empty
};

// The facts of a sample machine whose drive C lies in folder/drive_c and drive D in folder/drive_d.
MachineFacts sample_facts(SampleSystem system, const QString& folder);

// The Windows paths where the machine's hive files belong.
QStringList sample_hive_files(const Machine& machine);

// Creates a sample machine in `folder` (created when missing; refused when it holds a machine already).
std::optional<Machine> create_sample_machine(const QString& folder, const SampleOptions& options,
                                             QString* error = nullptr);

} // namespace platform
