#pragma once
// A temporary sample machine for the registry tests, with its hives and the hive helper program "regg.exe".

#include "platform/machine/machine.h"
#include "platform/registry/registry_layout.h"

#include <QTemporaryDir>

#include <cstdint>
#include <optional>
#include <vector>

namespace platform::test {

enum class System { win98, nt4, win2000, xp };

class TestMachine {
public:
    explicit TestMachine(System system = System::xp, bool admin = true);

    const Machine& machine() const { return *machine_; }
    const QString& folder() const { return folder_; }
    // The host path of a Windows path of the machine.
    QString host(const QString& windows_path) const;
    RegistryLayout layout() const;

private:
    QTemporaryDir dir_;
    QString folder_;
    std::optional<Machine> machine_;
};

std::vector<std::uint8_t> file_bytes(const QString& path);
void write_bytes(const QString& path, const std::vector<std::uint8_t>& bytes);

// The text of a REG_SZ as a fresh reader of the file finds it: "<damaged>", "<no key>" or "<no value>" if it
// can't.
QString value_in_file(const QString& path, const char16_t* key_path, const char16_t* name);

// The SIDs of the sample machine's accounts.
inline const char* const administrator_sid = "S-1-5-21-1844237615-1960408961-1801674531-500";
inline const char* const pupil_sid = "S-1-5-21-1844237615-1960408961-1801674531-1003";
inline const char* const schueler_sid = "S-1-5-21-1844237615-1960408961-1801674531-1004";

} // namespace platform::test
