#pragma once
// The drive list: one entry per drive of the machine ("c:"), in letter order. Changing the drive, from
// code or by the user, runs the change handler. A drive that is listed may still not be ready; the folder
// list finds that out when it is set to it.

#include "controls/control.h"
#include "controls/item_list.h"

namespace platform {
class Machine;
}

namespace controls {

class DriveListBox : public Control {
public:
    // Starts on drive C when the machine has it, else on its first drive.
    DriveListBox(Form& form, QString name, const platform::Machine& machine);
    Kind kind() const override { return Kind::DriveListBox; }
    bool canTakeFocus() const override { return true; }

    int listCount() const { return items_.count(); }
    QString list(int index) const;
    int listIndex() const { return items_.selected(); }

    // "c:"; empty on a machine without drives.
    QString drive() const;
    // Only the first character counts ("C:\WINDOWS" is drive c:). Returns 0, or 68 (device unavailable)
    // when the machine has no such drive; then nothing changes. Runs onChange when the drive changes.
    int setDrive(const QString& drive);
    // Reads the machine's drives again; the current drive stays when it is still there.
    void refresh();

    std::function<void()> onChange;
    void userChoose(int index);

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    const platform::Machine& machine_;
    ItemList items_;
    ItemList design_;
};

} // namespace controls
