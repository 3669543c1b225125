#pragma once
// VB's file statements over the machine: files by file number (Open, Close, LOF, EOF, Print #, Input #, Get, Put)
// and by path (Kill, GetAttr, SetAttr, FileLen). Paths are Windows paths; a relative one is taken from the current
// folder (the program folder at first). Errors are VB error numbers (vb_errors.h), never exceptions.

#include "platform/held_files.h"
#include "platform/machine/machine.h"
#include "platform/vb_errors.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <map>
#include <memory>


namespace platform {

enum class FileMode { input, output, append, binary };

class VbFiles {
public:
    explicit VbFiles(const Machine& machine);
    ~VbFiles();
    VbFiles(const VbFiles&) = delete;
    VbFiles& operator=(const VbFiles&) = delete;

    static constexpr int max_file_number = 511;

    // Open path For mode As #number. Binary and Append create a missing file, Output creates or empties it, Input
    // needs it (53). Binary on a read-only file opens it for reading only. Errors: 52 number out of range, 55 number
    // in use (or the file is open for Output/Append here already), 53 missing for Input, 70 held by another process,
    // 75 a folder, a read-only file for Output/Append, or access refused, 76 path not found.
    int open(const QString& path, FileMode mode, int number);
    // Close #number; closing a number that is not open does nothing.
    void close(int number);
    void close_all();
    bool is_open(int number) const;
    // FreeFile: the lowest number not in use (1 to 255), 0 when none is free.
    int free_file() const;

    VbResult<std::int64_t> length(int number) const; // LOF
    VbResult<bool> eof(int number) const;            // EOF

    // Print #number, text (Output, Append): the text in Windows-1252, then CR LF unless line_end is false.
    int print(int number, const QString& text, bool line_end = true);
    // Input #number, item (Input, Binary): leading blanks skipped, the item ends at a comma or a line end (CR LF,
    // CR or LF; a blank line is an empty item); a quoted item is taken without its quotes and may hold commas.
    // 62 at the end of the file, and for a quoted item whose closing quote the end of the file cuts off.
    VbResult<QString> input_item(int number);
    // Line Input #number: the rest of the line without its line end. 62 at the end of the file.
    VbResult<QString> line_input(int number);
    // Get / Put of bytes in Binary mode; position counts from 1. Get past the end gives fewer bytes.
    VbResult<QByteArray> get(int number, std::int64_t position, std::int64_t count);
    int put(int number, std::int64_t position, const QByteArray& bytes);

    // Kill: 53 missing (or a folder), 70 held by another process, 75 read-only or open here, 76 path not found.
    int kill(const QString& path);
    // GetAttr: read-only 1, hidden 2, system 4, folder 16, archive 32; 0 for a plain file. 53 missing.
    VbResult<std::uint32_t> get_attr(const QString& path) const;
    // SetAttr with read-only, hidden, system, archive (0 normal). 53 missing, 75 refused.
    int set_attr(const QString& path, std::uint32_t attributes);
    VbResult<std::int64_t> file_len(const QString& path) const;

    // The folder that relative paths start from (a full Windows path).
    const QString& current_dir() const { return current_dir_; }
    void set_current_dir(const QString& windows_path) { current_dir_ = windows_path; }
    // A path as the calls above take it: full, drive-rooted ("\x" on the current drive) or relative.
    QString full_path(const QString& path) const;
    enum class Access { read, write };
    // The host path of such a path, or the VB error of one that can't be mapped (for writing: see
    // Machine::to_host_for_write).
    VbResult<QString> host_path(const QString& path, Access access = Access::read) const;

private:
    struct OpenFile;
    OpenFile* file(int number) const;

    Machine machine_;
    HeldFiles held_;
    QString current_dir_;
    std::map<int, std::unique_ptr<OpenFile>> files_;
};

} // namespace platform
