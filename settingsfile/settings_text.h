#pragma once
// The settings file's text: sequential records as the program's Write # gives them (fields joined by commas,
// texts in double quotes, numbers bare, CR LF after each record, Windows-1252) and read back field by field
// as Input # takes them, so that the files of earlier versions of the program load.

#include "platform/vb_files.h"
#include "settingsfile/stored_set.h"

#include <QByteArray>
#include <QString>

namespace settingsfile {

inline constexpr const char* settings_magic = "G2002";
inline constexpr const char* settings_header = "NEVER EDIT THIS FILE!";

// The whole file. The format has no escape for a double quote inside a text, so one is written as an
// apostrophe: the text then reads back whole, and so does everything behind it.
QByteArray settings_bytes(const StoredSet& set);

enum class ReadStatus {
    ok,
    cannot_open,       // the file could not be opened (error holds the VB error)
    not_settings_file, // the first field is not the magic
    damaged,           // it ends early, or a field holds what its record can't take
};

struct ReadResult {
    ReadStatus status = ReadStatus::ok;
    int error = platform::vb::ok;
    StoredSet set; // complete only with status ok
};

// Reads every record before anything is handed out; the file is closed again whatever happens.
ReadResult read_settings(platform::VbFiles& files, const QString& path);

} // namespace settingsfile
