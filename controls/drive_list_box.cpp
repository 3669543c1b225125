#include "controls/drive_list_box.h"

#include "controls/machine_folder.h"
#include "platform/machine/machine.h"

namespace controls {

DriveListBox::DriveListBox(Form& form, QString name, const platform::Machine& machine)
    : Control(form, std::move(name)), machine_(machine)
{
    refresh();
    const QChar start = startDrive(machine_);
    if (!start.isNull())
        items_.select(items_.findExact(QString(start) + QLatin1Char(':')));
}

QString DriveListBox::list(int index) const
{
    return items_.valid(index) ? items_.text(index) : QString();
}

QString DriveListBox::drive() const
{
    return list(items_.selected());
}

int DriveListBox::setDrive(const QString& drive)
{
    if (drive.isEmpty())
        return errorDeviceUnavailable;
    const int index = items_.findExact(drive.left(1) + QLatin1Char(':'));
    if (index < 0)
        return errorDeviceUnavailable;
    if (index != items_.selected()) {
        items_.select(index);
        changed(Property::Drive);
        if (onChange)
            onChange();
    }
    return 0;
}

void DriveListBox::refresh()
{
    const QString current = drive();
    items_.clear();
    for (const auto& d : machine_.facts().drives)
        items_.add(QString(d.letter.toLower()) + QLatin1Char(':'));
    items_.select(current.isEmpty() ? -1 : items_.findExact(current));
    changed(Property::Items);
}

void DriveListBox::userChoose(int index)
{
    if (enabled() && items_.valid(index))
        setDrive(items_.text(index));
}

void DriveListBox::saveDesign()
{
    Control::saveDesign();
    design_ = items_;
}

void DriveListBox::restoreDesign()
{
    Control::restoreDesign();
    items_ = design_;
}

} // namespace controls
