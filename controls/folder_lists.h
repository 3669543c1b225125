#pragma once
// The drive, folder and file lists: a drive chooser, the subfolders of one folder and the files of one
// folder matching a pattern. They read through a FolderSource; a failed listing leaves the list as it was
// and answers with the run-time error number.

#include "controls/control.h"
#include "controls/folder_source.h"

#include <QStringList>

namespace controls {

class FolderListControl : public Control {
public:
    using Control::Control;
    bool canTakeFocus() const override { return true; }

    void setSource(const FolderSource* source) { source_ = source; }
    const FolderSource* source() const { return source_; }

    int listCount() const { return static_cast<int>(entries_.size()); }
    // Entry `index` (0-based); empty out of range.
    QString list(int index) const { return index >= 0 && index < listCount() ? entries_[index] : QString(); }
    const QStringList& entries() const { return entries_; }

    int listIndex() const { return listIndex_; }
    void setListIndex(int index);

    std::function<void()> onChange;
    std::function<void()> onClick;
    void userSelect(int index);

protected:
    void setEntries(QStringList entries);
    void saveDesign() override;
    void restoreDesign() override;

private:
    const FolderSource* source_ = nullptr;
    QStringList entries_;
    int listIndex_ = -1;
    QStringList designEntries_;
    int designIndex_ = -1;
};

// Entries are the drive letters followed by ":" in lower case ("c:").
class DriveListBox : public FolderListControl {
public:
    using FolderListControl::FolderListControl;
    Kind kind() const override { return Kind::DriveListBox; }

    const QString& drive() const { return drive_; }
    // "C", "c:" or "c:\anything": chooses that drive. errorDeviceUnavailable when it is not present.
    int setDrive(const QString& drive);
    // Reads the present drives again.
    void refresh();

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    QString drive_;
    QString designDrive_;
};

// Entries are the full paths of the folder's direct subfolders, sorted without regard to case.
class DirListBox : public FolderListControl {
public:
    using FolderListControl::FolderListControl;
    Kind kind() const override { return Kind::DirListBox; }

    const QString& path() const { return path_; }
    // Lists `path` (a full Windows path); on success it becomes the path and onChange runs.
    int setPath(const QString& path);
    int refresh();

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    QString path_;
    QString designPath_;
};

// Entries are the names of the folder's files that match the pattern ("*.*" by default; several patterns
// joined by ";"), without regard to case. Hidden and system files are left out unless asked for.
class FileListBox : public FolderListControl {
public:
    FileListBox(Form& form, QString name);
    Kind kind() const override { return Kind::FileListBox; }

    const QString& path() const { return path_; }
    int setPath(const QString& path);
    const QString& pattern() const { return pattern_; }
    int setPattern(const QString& pattern);
    bool showHidden() const { return hidden_; }
    void setShowHidden(bool show) { hidden_ = show; }
    bool showSystem() const { return system_; }
    void setShowSystem(bool show) { system_ = show; }
    int refresh();

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    int read(const QString& path, const QString& pattern);

    QString path_;
    QString pattern_ = QStringLiteral("*.*");
    bool hidden_ = false;
    bool system_ = false;
    QString designPath_;
    QString designPattern_;
};

// Whether `name` matches a pattern with "*" and "?" as the platform matches them: without regard to case,
// and "*.*" matching every name, also one without a dot.
bool matchesFilePattern(const QString& name, const QString& pattern);

} // namespace controls
