#include "qtui/file_dialog.h"

#include "controls/common_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace qtui {

namespace {

// The folder part of a program path ("C:\a\b.gtr" gives "C:\a").
QString folderOf(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return cut < 0 ? QString() : path.left(cut == 2 && path[1] == QLatin1Char(':') ? 3 : cut);
}

QString nameOf(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(cut + 1);
}

std::optional<QString> existingFolder(const PathMapping& paths, const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    const auto host = paths.toHost(path);
    if (!host || !QFileInfo(*host).isDir())
        return std::nullopt;
    return host;
}

} // namespace

QStringList qtNameFilters(const QString& filter)
{
    QStringList out;
    for (const controls::FilterEntry& e : controls::parseFilter(filter))
        out << QStringLiteral("%1 (%2)").arg(e.label, e.patterns.join(QLatin1Char(' ')));
    return out;
}

std::unique_ptr<QFileDialog> buildFileDialog(const platform::FileDialogRequest& request, FileDialogMode mode,
                                             const PathMapping& paths, QWidget* parent)
{
    auto dialog = std::make_unique<QFileDialog>(parent);
    // Qt's own dialog: the platform's would not keep to the mapping's places.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setWindowTitle(request.title);
    if (mode == FileDialogMode::Save) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        // The program asks about an existing file itself.
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
    }

    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        dialog->selectNameFilter(filters.value(std::clamp(request.filterIndex, 1, int(filters.size())) - 1));
    }

    QList<QUrl> sidebar;
    for (const Place& p : paths.places())
        sidebar << QUrl::fromLocalFile(p.hostFolder);
    dialog->setSidebarUrls(sidebar);

    // Start in the requested folder, else in the folder of the last choice, else at the first place.
    std::optional<QString> start = existingFolder(paths, request.initDir);
    if (!start)
        start = existingFolder(paths, folderOf(request.fileName));
    if (!start && !paths.places().empty())
        start = paths.places().front().hostFolder;
    if (start)
        dialog->setDirectory(*start);
    if (!request.fileName.isEmpty())
        dialog->selectFile(nameOf(request.fileName));
    return dialog;
}

FileDialogResult fileDialogResult(const QFileDialog& dialog, int result, const PathMapping& paths)
{
    FileDialogResult out;
    const QStringList files = dialog.selectedFiles();
    if (result != QDialog::Accepted || files.isEmpty())
        return out;
    const std::optional<QString> path = paths.toWindows(files.front());
    if (!path) {
        out.choice = FileChoice::Outside;
        return out;
    }
    out.choice = FileChoice::Chosen;
    out.answer.fileName = *path;
    out.answer.filterIndex = std::max(1, int(dialog.nameFilters().indexOf(dialog.selectedNameFilter())) + 1);
    return out;
}

} // namespace qtui
