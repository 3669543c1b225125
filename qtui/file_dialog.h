#pragma once
// The open and save dialogs of the common dialog, over the machine's drives and nothing else. Everything in
// them is a Windows path: the drives are the roots, a typed path may be full ("C:\Tools\winword.exe",
// "c:/tools/WINWORD.EXE"), from the current drive's root ("\Tools") or from the current folder ("..\x.gtr"),
// matched without regard to case. It answers with the chosen file's Windows path. Its texts are in the
// program's language.

#include "platform/ui_services.h"
#include "qtui/path_mapping.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;

namespace qtui {

enum class FileDialogMode { Open, Save };

// Child widgets by object name, for tests and tools: "lookIn" (the current folder, the folders above it and
// the drives), "up", "files", "fileName", "fileType", "accept", "cancel".
class FileDialog : public QDialog {
public:
    // Starts in the request's folder, else in the folder of its last file name, else at the mapping's start
    // folder; the last file name's name stands in the name field.
    FileDialog(const platform::FileDialogRequest& request, FileDialogMode mode, const PathMapping& paths,
               int language, QWidget* parent = nullptr);

    // The folder shown.
    const QString& folder() const { return folder_; }
    // Shows `path` when it is a folder that can be listed.
    bool setFolder(const QString& path);
    // The choice once the dialog was accepted.
    const std::optional<platform::FileDialogAnswer>& answer() const { return answer_; }

private:
    void showFolder();
    void showEntries(const std::vector<FolderEntry>& entries);
    void fillLookIn();
    QStringList patterns() const;
    void openItem(QListWidgetItem* item);
    void acceptPressed();
    void take(const QString& typed);
    void choose(const QString& path);
    void tell(const QString& text);

    const PathMapping& paths_;
    const FileDialogMode mode_;
    const int language_;
    const std::vector<std::pair<QString, QStringList>> filters_;
    QString folder_;
    QString typedPattern_; // a pattern typed into the name field ("*.txt"), until the type changes
    std::optional<platform::FileDialogAnswer> answer_;

    QComboBox* lookIn_;
    QToolButton* up_;
    QListWidget* files_;
    QLineEdit* fileName_;
    QComboBox* fileType_;
    QPushButton* accept_;
    QPushButton* cancel_;
};

} // namespace qtui
