#pragma once
// The machine: a folder that stands for the administered Windows PC. Its configuration file gives the system's
// facts and the drives; Windows paths are mapped onto the drives' host folders.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// Platform ids of the version record.
inline constexpr std::uint32_t platform_win32s = 0;
inline constexpr std::uint32_t platform_windows = 1; // Windows 95, 98, ME
inline constexpr std::uint32_t platform_nt = 2;

// The well-known SID of the local administrators group.
inline constexpr const char* administrators_sid = "S-1-5-32-544";

struct Drive {
    QChar letter;        // upper case, A to Z
    QString host_folder; // absolute host path (a relative one in the configuration is taken from the machine folder)
};

struct Account {
    QString name; // account and profile folder name
    QString sid;  // "S-1-5-21-...", or a well-known SID for the service accounts
};

struct MachineFacts {
    std::uint32_t platform_id = platform_nt;
    std::uint32_t major = 5;
    std::uint32_t minor = 1;
    std::uint32_t build = 2600;
    QString csd;                  // service-pack text, at most 127 characters
    QString user;                 // the logged-on account
    QStringList groups;           // that account's group SIDs, in token order
    QString windows_dir;          // Windows paths without a trailing backslash ("C:\WINDOWS", a root stays "C:\")
    QString system_dir;
    QString profiles_dir;         // "" on a system that has no profiles folder (Windows 95/98/ME)
    QString program_dir;          // where GATR2002.EXE and its helpers are installed
    std::vector<Account> accounts; // the machine's accounts with a profile folder; may be empty
    std::vector<Drive> drives;    // ordered by letter, no letter twice
};

enum class PathError {
    none,
    invalid,  // not a full path, "..", NUL or a character Windows refuses in a name
    no_drive, // the drive letter is not mapped
    escapes,  // a link would lead out of the drive's folder
};

struct HostPath {
    QString path; // the host path when error is none
    PathError error = PathError::none;
    // The last component is a link to a host program outside the drive (an installed program): it may be read
    // and started, never written through.
    bool outside_link = false;
    bool ok() const { return error == PathError::none; }
};

// The hive files of the registry roots, as Windows paths. On Windows 95/98/ME SYSTEM.DAT holds the whole of
// HKEY_LOCAL_MACHINE (software and system name the same file) and USER.DAT the user's branch.
struct HiveFiles {
    QString software;     // HKEY_LOCAL_MACHINE\SOFTWARE
    QString system;       // HKEY_LOCAL_MACHINE\SYSTEM
    QString default_user; // HKEY_USERS\.DEFAULT
    QString current_user; // HKEY_CURRENT_USER: the logged-on user's NTUSER.DAT, USER.DAT on 9x
};

class Machine {
public:
    // The configuration file's name inside the machine folder.
    static QString config_file_name();

    // Reads the machine in `folder`. A missing or malformed configuration gives std::nullopt and one message
    // naming the file, the line and what is wrong. Reading changes nothing on disk.
    static std::optional<Machine> open(const QString& folder, QString* error = nullptr);

    // Builds a machine from facts without reading a configuration (the facts are checked as a configuration is).
    static std::optional<Machine> from_facts(const QString& folder, MachineFacts facts, QString* error = nullptr);

    const QString& folder() const { return folder_; } // absolute host path
    QString config_path() const;
    const MachineFacts& facts() const { return facts_; }
    bool is_nt_family() const { return facts_.platform_id == platform_nt; }

    // Bit 0 for A, bit 1 for B, ...: the mapped letters, as GetLogicalDrives reports them.
    std::uint32_t logical_drives() const;
    // The host folder of a drive letter (either case); "" when the letter is not mapped.
    QString drive_folder(QChar letter) const;

    // Maps a full Windows path ("C:\x\y", "c:/x/y"; "/" and "\" both separate, repeated separators count once,
    // "." is skipped) onto the host, component by component and without regard to case: an existing host entry
    // that matches without regard to case is taken, a missing component keeps the given spelling. Refuses "..",
    // NUL, the characters Windows refuses in names, and a link inside the drive that leads out of its folder (the
    // drive's own folder may itself be a link).
    HostPath to_host(const QString& windows_path) const;
    // Maps a path that is to be written: created, replaced, its attributes changed. As to_host, but every link
    // out of the drive is refused (an installed program's too), and a link inside the drive gives the file it
    // leads to, so that file is written and a temporary file beside it stays inside the drive. Every writer of
    // the machine's files maps its path here.
    HostPath to_host_for_write(const QString& windows_path) const;
    // The Windows path of a host path that lies inside a drive's folder; std::nullopt otherwise.
    std::optional<QString> to_windows(const QString& host_path) const;

    // The profile folder of an account: profiles folder & "\" & name; "" on a system without profiles folder.
    QString profile_dir(const QString& account) const;
    HiveFiles hive_files() const;

    // Shared by every process of this machine: the mount table and the lock that guards it (host paths).
    QString mount_table_path() const;
    QString mount_lock_path() const;

private:
    Machine() = default;
    QString folder_;
    MachineFacts facts_;
};

} // namespace platform
