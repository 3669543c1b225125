#pragma once
// GetPrivateProfileStringA and WritePrivateProfileStringA over the machine's files. Sections and entries are
// matched without regard to case; a file name that is not a full path lies in the Windows folder; the file is
// Windows-1252 text with CR LF lines and is created at the first write.

#include "platform/held_files.h"
#include "platform/machine/machine.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace platform {

class ProfileStrings {
public:
    explicit ProfileStrings(const Machine& machine);

    // As GetPrivateProfileStringA with a buffer of `size` characters: `out` gets what the buffer would hold without
    // its terminating NUL, the result is the number of characters copied. The entry's value loses surrounding
    // blanks and one pair of enclosing quotes. A missing entry, section or file gives the default (trailing
    // blanks removed; "" for none). No section: the section names; no entry: the section's entry names; each such
    // name ends in a NUL, the list in a second one. A cut value counts size - 1, a cut list size - 2.
    std::uint32_t get(const std::optional<QString>& section, const std::optional<QString>& entry,
                      const std::optional<QString>& default_value, QString* out, std::uint32_t size,
                      const QString& file) const;

    // As WritePrivateProfileStringA: sets the entry (a new one goes at the end of its section, a new section at the
    // end of the file), removes it for no value, removes the whole section for no entry. Lines it does not change
    // stay byte for byte. False when the file can't be written (read-only, held, path not found) or no section.
    bool write(const std::optional<QString>& section, const std::optional<QString>& entry,
               const std::optional<QString>& value, const QString& file);

    // The Windows path the calls use for `file`.
    QString full_path(const QString& file) const;

private:
    Machine machine_;
    HeldFiles held_;
};

} // namespace platform
