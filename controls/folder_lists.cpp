#include "controls/folder_lists.h"

#include <QRegularExpression>

#include <algorithm>

namespace controls {

namespace {

// "c:\a\" gives "c:\a"; a drive's root keeps its backslash ("C:" gives "C:\").
QString folderPath(const QString& path)
{
    QString p = path.trimmed();
    p.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (p.size() > 3 && p.endsWith(QLatin1Char('\\')))
        p.chop(1);
    if (p.size() == 2 && p[1] == QLatin1Char(':'))
        p += QLatin1Char('\\');
    return p;
}

QString childPath(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('\\')) ? folder + name : folder + QLatin1Char('\\') + name;
}

bool caseLess(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

} // namespace

bool matchesFilePattern(const QString& name, const QString& pattern)
{
    const QString p = pattern.trimmed();
    if (p == QLatin1String("*.*") || p == QLatin1String("*"))
        return true;
    // Only "*" and "?" are wild; every other character stands for itself ("[" too).
    QString re;
    for (QChar c : p) {
        if (c == QLatin1Char('*'))
            re += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            re += QLatin1Char('.');
        else
            re += QRegularExpression::escape(QString(c));
    }
    const QRegularExpression anchored(QRegularExpression::anchoredPattern(re), QRegularExpression::CaseInsensitiveOption);
    return anchored.match(name).hasMatch();
}

void FolderListControl::setListIndex(int index)
{
    if (index < -1 || index >= listCount() || index == listIndex_)
        return;
    listIndex_ = index;
    changed(Property::ListIndex);
    if (onClick)
        onClick();
}

void FolderListControl::userSelect(int index)
{
    if (enabled())
        setListIndex(index);
}

void FolderListControl::setEntries(QStringList entries)
{
    entries_ = std::move(entries);
    listIndex_ = -1;
    changed(Property::Items);
}

void FolderListControl::saveDesign()
{
    Control::saveDesign();
    designEntries_ = entries_;
    designIndex_ = listIndex_;
}

void FolderListControl::restoreDesign()
{
    Control::restoreDesign();
    entries_ = designEntries_;
    listIndex_ = designIndex_;
}

int DriveListBox::setDrive(const QString& drive)
{
    const QChar letter = drive.isEmpty() ? QChar() : drive[0].toUpper();
    if (!source() || !source()->drives().contains(letter))
        return errorDeviceUnavailable;
    const QString d = QString(letter.toLower()) + QLatin1Char(':');
    refresh();
    if (d != drive_) {
        drive_ = d;
        changed(Property::Drive);
        if (onChange)
            onChange();
    }
    return 0;
}

void DriveListBox::refresh()
{
    QStringList out;
    if (source())
        for (QChar c : source()->drives())
            out << QString(c.toLower()) + QLatin1Char(':');
    setEntries(out);
}

void DriveListBox::saveDesign()
{
    FolderListControl::saveDesign();
    designDrive_ = drive_;
}

void DriveListBox::restoreDesign()
{
    FolderListControl::restoreDesign();
    drive_ = designDrive_;
}

int DirListBox::setPath(const QString& path)
{
    if (!source())
        return errorPathNotFound;
    const QString folder = folderPath(path);
    std::vector<FolderEntry> found;
    if (const int error = source()->list(folder, found))
        return error;
    QStringList out;
    for (const FolderEntry& e : found)
        if (e.isFolder())
            out << childPath(folder, e.name);
    std::stable_sort(out.begin(), out.end(), caseLess);
    setEntries(out);
    if (folder != path_) {
        path_ = folder;
        changed(Property::Path);
        if (onChange)
            onChange();
    }
    return 0;
}

int DirListBox::refresh()
{
    return path_.isEmpty() ? 0 : setPath(path_);
}

void DirListBox::saveDesign()
{
    FolderListControl::saveDesign();
    designPath_ = path_;
}

void DirListBox::restoreDesign()
{
    FolderListControl::restoreDesign();
    path_ = designPath_;
}

FileListBox::FileListBox(Form& form, QString name) : FolderListControl(form, std::move(name)) {}

int FileListBox::setPath(const QString& path)
{
    const QString folder = folderPath(path);
    if (const int error = read(folder, pattern_))
        return error;
    if (folder != path_) {
        path_ = folder;
        changed(Property::Path);
    }
    return 0;
}

int FileListBox::setPattern(const QString& pattern)
{
    if (pattern == pattern_)
        return 0;
    pattern_ = pattern;
    changed(Property::Pattern);
    return path_.isEmpty() ? 0 : read(path_, pattern_);
}

int FileListBox::refresh()
{
    return path_.isEmpty() ? 0 : read(path_, pattern_);
}

int FileListBox::read(const QString& folder, const QString& pattern)
{
    if (!source())
        return errorPathNotFound;
    std::vector<FolderEntry> found;
    if (const int error = source()->list(folder, found))
        return error;
    const QStringList patterns = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QStringList out;
    for (const FolderEntry& e : found) {
        if (e.isFolder())
            continue;
        if ((e.attributes & attributeHidden) && !hidden_)
            continue;
        if ((e.attributes & attributeSystem) && !system_)
            continue;
        if (std::any_of(patterns.begin(), patterns.end(), [&](const QString& p) { return matchesFilePattern(e.name, p); }))
            out << e.name;
    }
    std::stable_sort(out.begin(), out.end(), caseLess);
    setEntries(out);
    return 0;
}

void FileListBox::saveDesign()
{
    FolderListControl::saveDesign();
    designPath_ = path_;
    designPattern_ = pattern_;
}

void FileListBox::restoreDesign()
{
    FolderListControl::restoreDesign();
    path_ = designPath_;
    pattern_ = designPattern_;
}

} // namespace controls
