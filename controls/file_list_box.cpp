#include "controls/file_list_box.h"

#include "controls/machine_folder.h"
#include "platform/file_attributes.h"
#include "platform/machine/machine.h"

#include <algorithm>

namespace controls {

FileListBox::FileListBox(Form& form, QString name, const platform::Machine& machine)
    : Control(form, std::move(name)), machine_(machine)
{
    const QChar start = startDrive(machine_);
    if (!start.isNull() && read(QString(start) + QStringLiteral(":\\")) != 0)
        path_ = QString(start) + QStringLiteral(":\\");
}

int FileListBox::read(const QString& path)
{
    using namespace platform;
    std::vector<win32::FindData> found;
    QString folder;
    for (const QString& glob : pattern_.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const FolderListing listing = listFolder(machine_, path, glob.trimmed());
        if (listing.error != 0)
            return listing.error;
        folder = listing.path;
        found.insert(found.end(), listing.entries.begin(), listing.entries.end());
    }
    if (folder.isEmpty()) {
        // No glob at all: the folder must still be there.
        const FolderListing listing = listFolder(machine_, path);
        if (listing.error != 0)
            return listing.error;
        folder = listing.path;
    }
    QStringList names;
    for (const auto& e : found) {
        const std::uint32_t a = e.attributes == attr_normal ? 0 : e.attributes;
        if (a & attr_directory)
            continue;
        const bool shown = (!(a & attr_hidden) || attrs_.hidden) && (!(a & attr_system) || attrs_.system)
                           && (!(a & attr_readonly) || attrs_.readOnly) && (!(a & attr_archive) || attrs_.archive)
                           && ((a & (attr_hidden | attr_system | attr_readonly | attr_archive)) != 0 || attrs_.normal);
        if (shown && !names.contains(e.name, Qt::CaseInsensitive))
            names << e.name;
    }
    std::sort(names.begin(), names.end(),
              [](const QString& x, const QString& y) { return x.compare(y, Qt::CaseInsensitive) < 0; });
    files_.clear();
    for (const QString& n : names)
        if (files_.add(n) < 0)
            break; // a list holds 32767 entries at most
    path_ = folder;
    return 0;
}

int FileListBox::setPath(const QString& path)
{
    if (const int error = read(path))
        return error;
    changed(Property::Path);
    changed(Property::Items);
    if (onPathChange)
        onPathChange();
    return 0;
}

void FileListBox::setPattern(const QString& pattern)
{
    pattern_ = pattern;
    read(path_);
    changed(Property::Pattern);
    changed(Property::Items);
    if (onPatternChange)
        onPatternChange();
}

int FileListBox::refresh()
{
    const int error = read(path_);
    changed(Property::Items);
    return error;
}

void FileListBox::setArchive(bool on)
{
    attrs_.archive = on;
    refresh();
}

void FileListBox::setHidden(bool on)
{
    attrs_.hidden = on;
    refresh();
}

void FileListBox::setNormal(bool on)
{
    attrs_.normal = on;
    refresh();
}

void FileListBox::setReadOnly(bool on)
{
    attrs_.readOnly = on;
    refresh();
}

void FileListBox::setSystem(bool on)
{
    attrs_.system = on;
    refresh();
}

QString FileListBox::list(int index) const
{
    return files_.valid(index) ? files_.text(index) : QString();
}

bool FileListBox::setListIndex(int index)
{
    if (index == files_.selected())
        return index == -1 || files_.valid(index);
    if (!files_.select(index))
        return false;
    changed(Property::ListIndex);
    if (onClick)
        onClick();
    return true;
}

QString FileListBox::fileName() const
{
    return list(files_.selected());
}

void FileListBox::userSelect(int index)
{
    if (enabled())
        setListIndex(index);
}

void FileListBox::userDoubleClick()
{
    if (enabled() && onDblClick)
        onDblClick();
}

void FileListBox::saveDesign()
{
    Control::saveDesign();
    designPath_ = path_;
    designPattern_ = pattern_;
    designAttrs_ = attrs_;
}

void FileListBox::restoreDesign()
{
    Control::restoreDesign();
    pattern_ = designPattern_;
    attrs_ = designAttrs_;
    if (read(designPath_) != 0) {
        path_ = designPath_;
        files_.clear();
    }
}

} // namespace controls
