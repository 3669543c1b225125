#pragma once
// The folder list: a folder of the machine and its direct subfolders. list(-1) is the folder itself,
// list(-2), list(-3), ... the folders above it up to the drive's root; list(0) to list(listCount() - 1) are
// the subfolders as full paths, sorted by name without regard to case. Setting the path reads the folder
// afresh and runs the change handler whenever the path is set successfully.

#include "controls/control.h"
#include "controls/item_list.h"

namespace platform {
class Machine;
}

namespace controls {

class DirListBox : public Control {
public:
    // Starts at the root of drive C when the machine has it, else of its first drive.
    DirListBox(Form& form, QString name, const platform::Machine& machine);
    Kind kind() const override { return Kind::DirListBox; }
    bool canTakeFocus() const override { return true; }

    // A full Windows path without trailing backslash, the root with it ("C:\WINDOWS", "C:\").
    const QString& path() const { return path_; }
    // A full path, or a drive alone ("c:": that drive's root). Returns 0; 68 (device unavailable) for a
    // drive the machine lacks or whose folder is not there (not ready); 76 (path not found) for a folder
    // that does not exist or cannot be listed, or a text that is no full path. On failure nothing changes.
    int setPath(const QString& path);
    // Reads the current folder again.
    int refresh() { return setPath(path_); }

    int listCount() const { return subfolders_.count(); }
    // How many entries stand at -1 and below: the folder itself and every folder above it (1 at a root).
    int levels() const;
    QString list(int index) const;
    // -1: the folder itself; -2, -3, ...: a folder above it, 0..: a subfolder, that the user has selected
    // without opening it.
    int listIndex() const { return listIndex_; }
    bool setListIndex(int index);

    std::function<void()> onChange;
    // The user opened entry `index` (as list() numbers them): the list moves there.
    int userOpen(int index);

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    int read(const QString& path);

    const platform::Machine& machine_;
    QString path_;
    ItemList subfolders_;
    int listIndex_ = -1;
    QString designPath_;
};

} // namespace controls
