#pragma once
// The file list: the names (without folder) of a folder's files that match the pattern, sorted without
// regard to case. As designed it lists every file but hidden and system files. Setting the path or the
// pattern reads the folder afresh.

#include "controls/control.h"
#include "controls/item_list.h"

namespace platform {
class Machine;
}

namespace controls {

class FileListBox : public Control {
public:
    // Starts at the root of drive C when the machine has it, else of its first drive.
    FileListBox(Form& form, QString name, const platform::Machine& machine);
    Kind kind() const override { return Kind::FileListBox; }
    bool canTakeFocus() const override { return true; }

    const QString& path() const { return path_; }
    // As the folder list's path: 0, 68 (device unavailable) or 76 (path not found); on failure nothing
    // changes. Runs onPathChange when the path is set successfully.
    int setPath(const QString& path);
    // Globs joined by ";" ("*.exe;*.com"), matched without regard to case; "*.*" matches every name.
    const QString& pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    int refresh();

    // Which files show, by their attributes: a file shows when it has no hidden or system bit that is
    // switched off here, and passes the read-only, archive and normal switches.
    bool archive() const { return attrs_.archive; }
    bool hidden() const { return attrs_.hidden; }
    bool normal() const { return attrs_.normal; }
    bool readOnly() const { return attrs_.readOnly; }
    bool system() const { return attrs_.system; }
    void setArchive(bool on);
    void setHidden(bool on);
    void setNormal(bool on);
    void setReadOnly(bool on);
    void setSystem(bool on);

    int listCount() const { return files_.count(); }
    QString list(int index) const;
    int listIndex() const { return files_.selected(); }
    bool setListIndex(int index);
    // The selected name; empty when none is selected.
    QString fileName() const;

    std::function<void()> onPathChange;
    std::function<void()> onPatternChange;
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    void userSelect(int index);
    void userDoubleClick();

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    struct Attributes {
        bool archive = true;
        bool hidden = false;
        bool normal = true;
        bool readOnly = true;
        bool system = false;
    };
    int read(const QString& path);

    const platform::Machine& machine_;
    QString path_;
    QString pattern_ = QStringLiteral("*.*");
    Attributes attrs_;
    ItemList files_;
    QString designPath_;
    QString designPattern_;
    Attributes designAttrs_;
};

} // namespace controls
