#pragma once
// The open and save dialogs of the common dialog, over a path mapping: they start where the request says
// (its folder, or the folder of its last file name), offer the mapping's places, filter by the request's
// "label|pattern" pairs and return the program's path of the chosen file. Built apart from being shown.

#include "platform/ui_services.h"
#include "qtui/path_mapping.h"

#include <QFileDialog>

#include <memory>
#include <optional>

namespace qtui {

enum class FileDialogMode { Open, Save };

// "label|*.a;*.b|label2|*.c" as Qt's name filters: "label (*.a *.b)", "label2 (*.c)".
QStringList qtNameFilters(const QString& filter);

std::unique_ptr<QFileDialog> buildFileDialog(const platform::FileDialogRequest& request, FileDialogMode mode,
                                             const PathMapping& paths, QWidget* parent = nullptr);

enum class FileChoice { Chosen, Cancelled, Outside };

struct FileDialogResult {
    FileChoice choice = FileChoice::Cancelled;
    platform::FileDialogAnswer answer; // when chosen
};

// The outcome of a dialog closed with `result`; Outside when the chosen file lies outside the mapping.
FileDialogResult fileDialogResult(const QFileDialog& dialog, int result, const PathMapping& paths);

} // namespace qtui
