#include "controls/dir_list_box.h"

#include "controls/machine_folder.h"
#include "platform/file_attributes.h"
#include "platform/machine/machine.h"

#include <algorithm>

namespace controls {

namespace {

bool isRootPath(const QString& path) { return path.size() == 3 && path.endsWith(QLatin1String(":\\")); }

} // namespace

DirListBox::DirListBox(Form& form, QString name, const platform::Machine& machine)
    : Control(form, std::move(name)), machine_(machine)
{
    const QChar start = startDrive(machine_);
    if (!start.isNull() && read(QString(start) + QStringLiteral(":\\")) != 0)
        path_ = QString(start) + QStringLiteral(":\\");
}

int DirListBox::read(const QString& path)
{
    const FolderListing listing = listFolder(machine_, path);
    if (listing.error != 0)
        return listing.error;
    QStringList names;
    for (const auto& e : listing.entries)
        if (e.attributes & platform::attr_directory)
            names << e.name;
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    subfolders_.clear();
    for (const QString& n : names)
        if (subfolders_.add(childPath(listing.path, n)) < 0)
            break; // a list holds 32767 entries at most
    path_ = listing.path;
    listIndex_ = -1;
    return 0;
}

int DirListBox::setPath(const QString& path)
{
    if (const int error = read(path))
        return error;
    changed(Property::Path);
    if (onChange)
        onChange();
    return 0;
}

QString DirListBox::list(int index) const
{
    if (index >= 0)
        return subfolders_.valid(index) ? subfolders_.text(index) : QString();
    // -1 is the folder itself, each step further down one folder up.
    QString p = path_;
    for (int up = -1; up > index; --up) {
        const qsizetype cut = p.lastIndexOf(QLatin1Char('\\'));
        if (p.size() <= 3 || cut < 0)
            return {};
        p = cut == 2 ? p.left(3) : p.left(cut);
    }
    return p;
}

int DirListBox::levels() const
{
    if (path_.isEmpty())
        return 0;
    // "C:" is one level, "C:" two, "C:" three.
    return isRootPath(path_) ? 1 : int(path_.count(QLatin1Char('\\'))) + 1;
}

bool DirListBox::setListIndex(int index)
{
    if (index < -std::max(1, levels()) || (index >= 0 && !subfolders_.valid(index)))
        return false;
    if (index != listIndex_) {
        listIndex_ = index;
        changed(Property::ListIndex);
    }
    return true;
}

int DirListBox::userOpen(int index)
{
    if (!enabled())
        return 0;
    const QString target = list(index);
    if (target.isEmpty())
        return errorPathNotFound;
    return setPath(target);
}

void DirListBox::saveDesign()
{
    Control::saveDesign();
    designPath_ = path_;
}

void DirListBox::restoreDesign()
{
    Control::restoreDesign();
    // Loaded again, the list starts where it was designed, read afresh.
    if (read(designPath_) != 0) {
        path_ = designPath_;
        subfolders_.clear();
        listIndex_ = -1;
    }
}

} // namespace controls
