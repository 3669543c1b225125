#include "qtui/file_dialog.h"

#include "controls/common_dialog.h"
#include "controls/machine_folder.h"
#include "platform/in_language.h"
#include "platform/machine/windows_path.h"
#include "qtui/message_box.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace qtui {

namespace {

using platform::in_language;

constexpr int roleFolder = Qt::UserRole; // list entries: true for a folder
constexpr int rolePath = Qt::UserRole;   // "Look in" entries: the full path

bool isSeparator(QChar c) { return c == QLatin1Char('\\') || c == QLatin1Char('/'); }

// "C:\a\b.gtr" gives "C:\a", "C:\b.gtr" gives "C:\"; "" without a folder.
QString folderOf(const QString& path)
{
    qsizetype cut = path.size() - 1;
    while (cut >= 0 && !isSeparator(path[cut]))
        --cut;
    if (cut < 0)
        return {};
    return path.left(cut == 2 && path[1] == QLatin1Char(':') ? 3 : cut);
}

QString nameOf(const QString& path)
{
    qsizetype cut = path.size() - 1;
    while (cut >= 0 && !isSeparator(path[cut]))
        --cut;
    return path.mid(cut + 1);
}

// What the dialog tells the user, in the program's language.
QString notAvailable(int language, const QString& path)
{
    return in_language(language, QStringLiteral("%1\r\nDas Laufwerk oder der Ordner ist nicht verfügbar."),
                       QStringLiteral("%1\r\nThe drive or folder is not available."))
        .arg(path);
}

QString pathMissing(int language, const QString& path)
{
    return in_language(
               language,
               QStringLiteral("%1\r\nDer Pfad ist nicht vorhanden.\r\nÜberprüfen Sie, ob der Pfad richtig ist."),
               QStringLiteral("%1\r\nPath does not exist.\r\nPlease verify the correct path was given."))
        .arg(path);
}

QString fileMissing(int language, const QString& path)
{
    return in_language(
               language,
               QStringLiteral("%1\r\nDatei nicht gefunden.\r\nÜberprüfen Sie, ob der Dateiname richtig ist."),
               QStringLiteral("%1\r\nFile not found.\r\nPlease verify the correct file name was given."))
        .arg(path);
}

QString invalidName(int language, const QString& text)
{
    return in_language(language, QStringLiteral("%1\r\nDer Dateiname ist ungültig."),
                       QStringLiteral("%1\r\nThe file name is not valid."))
        .arg(text);
}

QString onTheDrives(int language)
{
    return in_language(language, QStringLiteral("Bitte wählen Sie eine Datei auf einem der Laufwerke des Computers."),
                       QStringLiteral("Please choose a file on one of the computer's drives."));
}

bool isRoot(const QString& path) { return path.size() == 3 && path.endsWith(QLatin1String(":\\")); }

struct Typed {
    enum class Kind { Path, NoDrive, Invalid } kind = Kind::Invalid;
    QString path; // normalised full path when kind is Path
};

// What a typed name stands for, seen from `folder`: a full path, a path from the current drive's root
// ("\x"), or one from the folder itself; ".." climbs, as far as the root.
Typed resolve(const QString& folder, QString text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2).trimmed();
    if (text.size() >= 2 && isSeparator(text[0]) && isSeparator(text[1]))
        return {Typed::Kind::NoDrive, {}}; // a network path: no drive of this machine

    QChar drive;
    QStringList names;
    QString rest = text;
    if (text.size() >= 2 && text[1] == QLatin1Char(':')) {
        drive = text[0].toUpper();
        if (drive < QLatin1Char('A') || drive > QLatin1Char('Z'))
            return {};
        rest = text.mid(2);
    } else {
        const auto current = platform::parse_windows_path(folder);
        if (!current)
            return {Typed::Kind::NoDrive, {}};
        drive = current->drive;
        if (rest.isEmpty() || !isSeparator(rest[0]))
            names = current->components;
    }
    for (const QString& name : rest.split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts)) {
        if (name == QLatin1String("."))
            continue;
        if (name == QLatin1String("..")) {
            if (!names.isEmpty())
                names.removeLast();
            continue;
        }
        names << name;
    }
    const QString path = platform::normalize_windows_path(QString(drive) + QLatin1String(":\\") + names.join('\\'));
    if (path.isEmpty())
        return {};
    return {Typed::Kind::Path, path};
}

std::vector<std::pair<QString, QStringList>> filtersOf(const QString& filter)
{
    std::vector<std::pair<QString, QStringList>> out;
    for (const controls::FilterEntry& e : controls::parseFilter(filter))
        out.emplace_back(e.label, e.patterns);
    return out;
}

} // namespace

FileDialog::FileDialog(const platform::FileDialogRequest& request, FileDialogMode mode, const PathMapping& paths,
                       int language, QWidget* parent)
    : QDialog(parent), paths_(paths), mode_(mode), language_(language), filters_(filtersOf(request.filter))
{
    const bool save = mode == FileDialogMode::Save;
    const QString defaultTitle = save
        ? in_language(language, QStringLiteral("Speichern unter"), QStringLiteral("Save As"))
        : in_language(language, QStringLiteral("Öffnen"), QStringLiteral("Open"));
    setWindowTitle(request.title.isEmpty() ? defaultTitle : request.title);

    auto* lookInLabel = new QLabel(
        save ? in_language(language, QStringLiteral("Speichern &in:"), QStringLiteral("Save &in:"))
             : in_language(language, QStringLiteral("Suchen &in:"), QStringLiteral("Look &in:")));
    lookIn_ = new QComboBox;
    lookIn_->setObjectName(QStringLiteral("lookIn"));
    lookInLabel->setBuddy(lookIn_);
    up_ = new QToolButton;
    up_->setObjectName(QStringLiteral("up"));
    up_->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    up_->setToolTip(in_language(language, QStringLiteral("Übergeordneter Ordner"), QStringLiteral("Up One Level")));

    files_ = new QListWidget;
    files_->setObjectName(QStringLiteral("files"));
    files_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    files_->setUniformItemSizes(true);

    auto* nameLabel = new QLabel(in_language(language, QStringLiteral("Datei&name:"), QStringLiteral("File &name:")));
    fileName_ = new QLineEdit;
    fileName_->setObjectName(QStringLiteral("fileName"));
    nameLabel->setBuddy(fileName_);
    auto* typeLabel =
        new QLabel(in_language(language, QStringLiteral("Datei&typ:"), QStringLiteral("Files of &type:")));
    fileType_ = new QComboBox;
    fileType_->setObjectName(QStringLiteral("fileType"));
    typeLabel->setBuddy(fileType_);
    for (const auto& [label, patterns] : filters_)
        fileType_->addItem(label);
    if (!filters_.empty())
        fileType_->setCurrentIndex(std::clamp(request.filterIndex, 1, int(filters_.size())) - 1);

    accept_ = new QPushButton(save ? in_language(language, QStringLiteral("&Speichern"), QStringLiteral("&Save"))
                                   : in_language(language, QStringLiteral("Ö&ffnen"), QStringLiteral("&Open")));
    accept_->setObjectName(QStringLiteral("accept"));
    accept_->setDefault(true);
    cancel_ = new QPushButton(in_language(language, QStringLiteral("Abbrechen"), QStringLiteral("Cancel")));
    cancel_->setObjectName(QStringLiteral("cancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(lookInLabel, 0, 0);
    grid->addWidget(lookIn_, 0, 1);
    grid->addWidget(up_, 0, 2);
    grid->addWidget(files_, 1, 0, 1, 3);
    grid->addWidget(nameLabel, 2, 0);
    grid->addWidget(fileName_, 2, 1);
    grid->addWidget(accept_, 2, 2);
    grid->addWidget(typeLabel, 3, 0);
    grid->addWidget(fileType_, 3, 1);
    grid->addWidget(cancel_, 3, 2);
    grid->setColumnStretch(1, 1);
    resize(500, 330);

    connect(lookIn_, &QComboBox::activated, this, [this](int index) {
        const QString target = lookIn_->itemData(index, rolePath).toString();
        if (!setFolder(target)) {
            tell(notAvailable(language_, target));
            fillLookIn();
        }
    });
    connect(up_, &QToolButton::clicked, this, [this] { setFolder(folderOf(folder_)); });
    connect(fileType_, &QComboBox::currentIndexChanged, this, [this] {
        typedPattern_.clear();
        showFolder();
    });
    connect(files_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && !item->data(roleFolder).toBool())
            fileName_->setText(item->text());
    });
    // Opening a folder fills the list anew, so it waits until the view is done with the double click.
    connect(files_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const QString name = item->text();
        const bool folder = item->data(roleFolder).toBool();
        QMetaObject::invokeMethod(
            this, [this, name, folder] {
                if (folder)
                    setFolder(controls::childPath(folder_, name));
                else
                    choose(controls::childPath(folder_, name));
            },
            Qt::QueuedConnection);
    });
    connect(accept_, &QPushButton::clicked, this, [this] { acceptPressed(); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    const QString starts[] = {request.initDir, folderOf(request.fileName), paths_.startFolder()};
    if (std::none_of(std::begin(starts), std::end(starts), [this](const QString& s) { return setFolder(s); }))
        showFolder();
    fileName_->setText(nameOf(request.fileName));
    fileName_->selectAll();
    fileName_->setFocus();
}

bool FileDialog::setFolder(const QString& path)
{
    if (path.isEmpty() || paths_.kind(path) != PathKind::Folder)
        return false;
    const QString spelled = paths_.spelled(path);
    const auto entries = paths_.list(spelled, patterns());
    if (!entries)
        return false;
    folder_ = spelled;
    showEntries(*entries);
    return true;
}

QStringList FileDialog::patterns() const
{
    if (!typedPattern_.isEmpty())
        return {typedPattern_};
    const int index = fileType_->currentIndex();
    return index >= 0 && index < int(filters_.size()) ? filters_[std::size_t(index)].second : QStringList();
}

void FileDialog::showFolder()
{
    const auto entries = folder_.isEmpty() ? std::nullopt : paths_.list(folder_, patterns());
    showEntries(entries.value_or(std::vector<FolderEntry>{}));
}

void FileDialog::showEntries(const std::vector<FolderEntry>& entries)
{
    const QSignalBlocker block(files_);
    files_->clear();
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const FolderEntry& e : entries) {
        auto* item = new QListWidgetItem(e.folder ? folderIcon : fileIcon, e.name, files_);
        item->setData(roleFolder, e.folder);
    }
    files_->setCurrentRow(-1);
    up_->setEnabled(!folder_.isEmpty() && !isRoot(folder_));
    fillLookIn();
}

// The drives, and below the current one every folder down to the one shown.
void FileDialog::fillLookIn()
{
    const QSignalBlocker block(lookIn_);
    lookIn_->clear();
    const QIcon driveIcon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const auto current = platform::parse_windows_path(folder_);
    for (const QChar letter : paths_.drives()) {
        const QString root = QString(letter) + QLatin1String(":\\");
        lookIn_->addItem(driveIcon, root, root);
        if (!current || current->drive != letter)
            continue;
        if (current->components.isEmpty())
            lookIn_->setCurrentIndex(lookIn_->count() - 1);
        QString path = root;
        for (const QString& name : current->components) {
            path = controls::childPath(path, name);
            lookIn_->addItem(folderIcon, path, path);
        }
        if (!current->components.isEmpty())
            lookIn_->setCurrentIndex(lookIn_->count() - 1);
    }
}

void FileDialog::acceptPressed()
{
    // Enter in the list, or the button with nothing typed, opens the entry that is selected.
    QListWidgetItem* item = files_->currentItem();
    if (item && (files_->hasFocus() || fileName_->text().trimmed().isEmpty())) {
        if (item->data(roleFolder).toBool())
            setFolder(controls::childPath(folder_, item->text()));
        else
            choose(controls::childPath(folder_, item->text()));
        return;
    }
    take(fileName_->text());
}

void FileDialog::take(const QString& typed)
{
    QString text = typed.trimmed();
    if (text.isEmpty())
        return;

    // A pattern ("*.txt", "C:\Tools\*.exe") lists what matches it, in its folder.
    const QString last = nameOf(text);
    if (last.contains(QLatin1Char('*')) || last.contains(QLatin1Char('?'))) {
        const QString where = text.left(text.size() - last.size());
        if (!where.isEmpty()) {
            const Typed folder = resolve(folder_, where);
            if (folder.kind != Typed::Kind::Path || !setFolder(folder.path)) {
                tell(pathMissing(language_, where));
                return;
            }
        }
        typedPattern_ = last;
        fileName_->setText(last);
        showFolder();
        return;
    }

    const Typed r = resolve(folder_, text);
    if (r.kind == Typed::Kind::Invalid) {
        tell(invalidName(language_, text));
        return;
    }
    if (r.kind == Typed::Kind::NoDrive || !paths_.hasDrive(r.path[0])) {
        tell(onTheDrives(language_));
        return;
    }
    const PathKind kind = paths_.kind(r.path);
    if (kind == PathKind::Folder) {
        if (setFolder(r.path))
            fileName_->clear();
        else
            tell(notAvailable(language_, r.path));
        return;
    }
    if (paths_.kind(folderOf(r.path)) != PathKind::Folder) {
        tell(pathMissing(language_, r.path));
        return;
    }
    if (mode_ == FileDialogMode::Open && kind != PathKind::File) {
        tell(fileMissing(language_, r.path));
        return;
    }
    // Saving: the program asks itself about a file that is there already.
    choose(r.path);
}

void FileDialog::choose(const QString& path)
{
    answer_ = platform::FileDialogAnswer{paths_.spelled(path), std::max(1, fileType_->currentIndex() + 1)};
    accept();
}

void FileDialog::tell(const QString& text)
{
    buildMessageBox({48, windowTitle(), text}, this)->exec();
}

} // namespace qtui
