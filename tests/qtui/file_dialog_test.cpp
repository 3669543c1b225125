// The file dialogs of the real front end, driven as a user drives them: the censor list's Add, the wallpaper
// chooser and File > Open and Save as open the Qt dialog over a temporary machine; keys are typed into it
// and its entries clicked. Everything shown and handed back is a Windows path of the machine's drives.

#include "qtui/file_dialog.h"
#include "qtui/qt_ui_services.h"

#include "mainform/main_form.h"
#include "mainwindow/censor_commands.h"
#include "mainwindow/desktop_commands.h"
#include "platform/shell/system_parameters.h"
#include "settingsfile/file_menu.h"
#include "testsupport/context/test_program.h"

#include "tests/qtui/qt_app.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Closes `window` should it still be up after a generous while, so that a test fails instead of hanging.
void closeIfLeftOpen(QWidget* window)
{
    QTimer::singleShot(10000, window, [window] { window->close(); });
}

// Runs `act` on the next modal window of type T once it is up, while the returned watch lives (so that an
// act that was not needed can't run in a later test). Should none come, whatever modal window is up at the
// deadline is closed.
template <class T>
[[nodiscard]] std::unique_ptr<QTimer> whenShown(std::function<void(T*)> act)
{
    auto timer = std::make_unique<QTimer>();
    const QDeadlineTimer deadline(10000);
    QObject::connect(timer.get(), &QTimer::timeout, [watch = timer.get(), deadline, act] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* wanted = dynamic_cast<T*>(modal);
        if (!wanted && !deadline.hasExpired())
            return;
        watch->stop();
        if (!wanted) {
            if (modal)
                modal->close();
            return;
        }
        closeIfLeftOpen(wanted);
        if (QTest::qWaitForWindowExposed(wanted))
            act(wanted);
    });
    timer->start(5);
    return timer;
}

template <class W>
W* child(QWidget* dialog, const char* name)
{
    W* w = dialog->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QStringList entries(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QStringList lookIn(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// Every text the dialog shows.
QStringList shownTexts(QWidget* dialog)
{
    QStringList out{dialog->windowTitle()};
    for (const QLabel* l : dialog->findChildren<QLabel*>())
        out << l->text();
    for (const QLineEdit* e : dialog->findChildren<QLineEdit*>())
        out << e->text();
    for (const QComboBox* c : dialog->findChildren<QComboBox*>())
        out << lookIn(c);
    for (const QListWidget* l : dialog->findChildren<QListWidget*>())
        out << entries(l);
    return out;
}

void type(QWidget* dialog, const QString& text)
{
    auto* name = child<QLineEdit>(dialog, "fileName");
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Delete);
    QTest::keyClicks(name, text);
    QTest::keyClick(name, Qt::Key_Return);
}

void doubleClick(QListWidget* list, const QString& text)
{
    const auto found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << qPrintable(text);
    // As a mouse does it: the view takes the double click only on the entry the press before it was on.
    const QPoint at = list->visualItemRect(found.front()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

// Waits for the list to show `text`: a double click opens its folder once the view is done with the click.
bool waitFor(QListWidget* list, const QString& text)
{
    return QTest::qWaitFor([&] { return !list->findItems(text, Qt::MatchExactly).isEmpty(); }, 5000);
}

// The program's context over a sample machine, with the real front end in place of the scripted one.
// Drive C holds C:\Tools with two programs and a text file, and C:\Out, a link to a host folder outside
// the drive that holds a program too.
struct FrontEnd {
    explicit FrontEnd(int language = 1)
        : ui(qtui::machinePathMapping(program.machine()), language),
          context{program.context().machine, program.context().registry,       program.context().files,
                  program.context().processes, program.context().profile_strings, ui,
                  program.context().clock, program.context().tray, program.context().program}
    {
        for (const char* file : {"C:\\Tools\\winword.exe", "C:\\Tools\\Calc.EXE", "C:\\Tools\\liesmich.txt",
                                 "C:\\WINDOWS\\Wolken.bmp", "C:\\Programme\\Gatrisk 2002\\GATR2002.EXE"})
            write(program.host(file));
        QDir().mkpath(program.host("C:\\Dokumente"));
        write(outside.filePath("secret.exe"));
        QFile::link(outside.path(), program.host("C:\\Out"));
    }
    static void write(const QString& host)
    {
        QDir().mkpath(QFileInfo(host).path());
        QFile f(host);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(host);
        f.write("MZ");
    }
    QStringList censorList() const
    {
        QStringList out;
        for (int i = 0; i < form.List1.listCount(); ++i)
            out << form.List1.list(i);
        return out;
    }

    QApplication& application = qt_app::app(); // before the printer and any widget
    testsupport::TestProgram program;
    QTemporaryDir outside;
    qtui::QtUiServices ui;
    platform::Context context;
    mainwindow::MainForm form{context};
};

struct TypedRow {
    const char* name;
    const char* typed;
    const char* added;   // the name Add puts into the censor list; "" for none
    const char* message; // what the message the dialog shows says; "" for none
};

class TypedIntoAdd : public ::testing::TestWithParam<TypedRow> {};

// Add starts in the process's folder, C:\Programme\Gatrisk 2002.
TEST_P(TypedIntoAdd, TakesWindowsPathsOfTheDrivesOnly)
{
    const TypedRow& row = GetParam();
    FrontEnd fe;
    QString typed = QString::fromUtf8(row.typed);
    typed.replace(QLatin1String("<host C:>"), fe.program.machine().drive_folder(QLatin1Char('C')));
    QString told;
    const auto robot = whenShown<qtui::FileDialog>([&](qtui::FileDialog* dialog) {
        const auto answer = whenShown<QMessageBox>([&](QMessageBox* box) {
            told = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        type(dialog, typed);
        if (dialog->isVisible())
            child<QPushButton>(dialog, "cancel")->click();
    });
    const QStringList before = fe.censorList();
    mainwindow::cm41_Click(fe.form);

    QStringList expected = before;
    if (*row.added)
        expected << QString::fromUtf8(row.added);
    EXPECT_EQ(fe.censorList(), expected);
    EXPECT_TRUE(told.contains(QString::fromUtf8(row.message))) << qPrintable(told);
    EXPECT_EQ(told.isEmpty(), !*row.message) << qPrintable(told);
}

const TypedRow typedRows[] = {
    {"fullPath", "C:\\Tools\\winword.exe", "WINWORD.EXE", ""},
    {"otherCaseAndSlashes", "c:/TOOLS/WINWORD.exe", "WINWORD.EXE", ""},
    {"quoted", "\"C:\\Tools\\Calc.EXE\"", "CALC.EXE", ""},
    {"fromTheDriveRoot", "\\tools\\calc.exe", "CALC.EXE", ""},
    {"fromTheFolder", "..\\..\\Tools\\winword.exe", "WINWORD.EXE", ""},
    {"nameInTheFolder", "GATR2002.EXE", "GATR2002.EXE", ""},
    {"missingFile", "C:\\Tools\\excel.exe", "", "C:\\Tools\\excel.exe\nFile not found."},
    {"missingFolder", "C:\\Nirgends\\x.exe", "", "C:\\Nirgends\\x.exe\nPath does not exist."},
    {"hostPath", "<host C:>/Tools/winword.exe", "", "\nPath does not exist."},
    {"driveTheMachineLacks", "Q:\\Tools\\winword.exe", "", "Please choose a file on one of the computer's drives."},
    {"networkPath", "\\\\server\\share\\winword.exe", "", "Please choose a file on one of the computer's drives."},
    {"refusedName", "C:\\Tools\\a|b.exe", "", "C:\\Tools\\a|b.exe\nThe file name is not valid."},
    {"linkOutOfTheDrive", "C:\\Out\\secret.exe", "", "C:\\Out\\secret.exe\nPath does not exist."},
};

INSTANTIATE_TEST_SUITE_P(Typed, TypedIntoAdd, ::testing::ValuesIn(typedRows),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(FileDialogs, ShowWindowsPathsAndChooseByClicks)
{
    FrontEnd fe;
    const QString hostRoot = QDir(fe.program.machine().folder()).canonicalPath();
    QStringList shownAtStart, shownInTools, lookInTools, listedAtRoot, listedInTools;
    const auto robot = whenShown<qtui::FileDialog>([&](qtui::FileDialog* dialog) {
        auto* list = child<QListWidget>(dialog, "files");
        shownAtStart = shownTexts(dialog);
        EXPECT_EQ(dialog->windowTitle(), "Anwendung auswählen");
        EXPECT_EQ(dialog->folder(), "C:\\Programme\\Gatrisk 2002");
        EXPECT_EQ(child<QComboBox>(dialog, "lookIn")->currentText(), "C:\\Programme\\Gatrisk 2002");

        // Up twice to the root: the link out of the drive is not there.
        QTest::mouseClick(child<QToolButton>(dialog, "up"), Qt::LeftButton);
        QTest::mouseClick(child<QToolButton>(dialog, "up"), Qt::LeftButton);
        EXPECT_EQ(dialog->folder(), "C:\\");
        listedAtRoot = entries(list);
        EXPECT_FALSE(child<QToolButton>(dialog, "up")->isEnabled());

        doubleClick(list, "Tools");
        ASSERT_TRUE(waitFor(list, "winword.exe"));
        EXPECT_EQ(dialog->folder(), "C:\\Tools");
        shownInTools = shownTexts(dialog);
        listedInTools = entries(list);
        lookInTools = lookIn(child<QComboBox>(dialog, "lookIn"));
        doubleClick(list, "winword.exe");
    });
    mainwindow::cm41_Click(fe.form);

    EXPECT_EQ(fe.censorList().value(fe.censorList().size() - 1), "WINWORD.EXE");
    EXPECT_EQ(fe.form.dialog.fileName(), "C:\\Tools\\winword.exe");
    EXPECT_TRUE(listedAtRoot.contains("Tools"));
    EXPECT_TRUE(listedAtRoot.contains("WINDOWS"));
    EXPECT_FALSE(listedAtRoot.contains("Out")) << "a link out of the drive";
    EXPECT_EQ(lookInTools, (QStringList{"C:\\", "C:\\Tools", "D:\\"})) << "the drives and the way down";
    EXPECT_EQ(listedInTools, (QStringList{"Calc.EXE", "winword.exe"})) << "the filter is *.exe";
    for (const QString& text : shownAtStart + shownInTools) {
        EXPECT_FALSE(text.contains(hostRoot)) << qPrintable(text);
        EXPECT_FALSE(text.contains(QLatin1Char('/'))) << qPrintable(text);
        EXPECT_FALSE(text.contains(QLatin1String("drive_"))) << qPrintable(text);
    }
}

TEST(FileDialogs, ATypedFolderOpensAndAPatternFilters)
{
    FrontEnd fe;
    QStringList listed;
    const auto robot = whenShown<qtui::FileDialog>([&](qtui::FileDialog* dialog) {
        type(dialog, "c:\\tools");
        EXPECT_EQ(dialog->folder(), "C:\\Tools") << "the folder's own spelling";
        EXPECT_EQ(child<QLineEdit>(dialog, "fileName")->text(), "");
        type(dialog, "*.txt");
        listed = entries(child<QListWidget>(dialog, "files"));
        type(dialog, "winword.exe");
    });
    mainwindow::cm41_Click(fe.form);
    EXPECT_EQ(listed, QStringList{"liesmich.txt"});
    EXPECT_EQ(fe.form.dialog.fileName(), "C:\\Tools\\winword.exe");
}

TEST(FileDialogs, TheWallpaperChooserStartsInTheWindowsFolder)
{
    FrontEnd fe;
    platform::SystemParameters parameters(fe.program.registry());
    const auto robot = whenShown<qtui::FileDialog>([&](qtui::FileDialog* dialog) {
        EXPECT_EQ(dialog->folder(), "C:\\WINDOWS");
        EXPECT_EQ(dialog->windowTitle(), "Select fixed Wallpaper");
        auto* list = child<QListWidget>(dialog, "files");
        doubleClick(list, "Wolken.bmp");
    });
    mainwindow::cm31_Click(fe.form, parameters, 1);
    EXPECT_EQ(fe.form.t31.text(), "C:\\WINDOWS\\Wolken.bmp");
    EXPECT_EQ(fe.form.c37.value(), 1);
}

TEST(FileDialogs, SaveAsAndOpenTakeTypedWindowsPaths)
{
    FrontEnd fe;
    settingsfile::FileMenuState state;
    fe.form.c11.setValue(1);
    const auto robot = whenShown<qtui::FileDialog>([&](qtui::FileDialog* dialog) {
        EXPECT_EQ(child<QPushButton>(dialog, "accept")->text(), "&Save");
        type(dialog, "c:\\dokumente\\Schule");
    });
    settingsfile::mm13_Click(fe.form, state, 1);
    EXPECT_EQ(state.current_settings_file, "C:\\Dokumente\\Schule") << "as typed, in the folder's spelling";
    ASSERT_TRUE(QFileInfo(fe.program.host("C:\\Dokumente\\Schule")).size() > 0);

    fe.form.c11.setValue(0);
    const auto openRobot = whenShown<qtui::FileDialog>([&](qtui::FileDialog* dialog) {
        EXPECT_EQ(dialog->folder(), "C:\\Dokumente") << "where the last choice was";
        EXPECT_EQ(child<QLineEdit>(dialog, "fileName")->text(), "Schule");
        type(dialog, "C:\\DOKUMENTE\\SCHULE");
    });
    settingsfile::mm11_Click(fe.form, 1);
    EXPECT_EQ(fe.form.c11.value(), 1) << "the file was read";
}

TEST(FileDialogs, SaveIntoAMissingFolderIsRefused)
{
    FrontEnd fe;
    settingsfile::FileMenuState state;
    QString told;
    const auto robot = whenShown<qtui::FileDialog>([&](qtui::FileDialog* dialog) {
        const auto answer = whenShown<QMessageBox>([&](QMessageBox* box) {
            told = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        type(dialog, "C:\\Nirgends\\neu.gtr");
        child<QPushButton>(dialog, "cancel")->click();
    });
    settingsfile::mm13_Click(fe.form, state, 1);
    EXPECT_TRUE(told.startsWith("C:\\Nirgends\\neu.gtr\nPath does not exist.")) << qPrintable(told);
    EXPECT_EQ(state.current_settings_file, "");
    EXPECT_EQ(fe.form.dialog.fileName(), "") << "cancelled";
}

TEST(FileDialogs, ADriveThatIsNotReadyKeepsTheFolder)
{
    FrontEnd fe;
    ASSERT_TRUE(QDir(fe.program.machine().drive_folder(QLatin1Char('D'))).removeRecursively());
    QString told;
    const auto robot = whenShown<qtui::FileDialog>([&](qtui::FileDialog* dialog) {
        const auto answer = whenShown<QMessageBox>([&](QMessageBox* box) {
            told = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        auto* drives = child<QComboBox>(dialog, "lookIn");
        ASSERT_EQ(drives->itemText(drives->currentIndex() + 1), "D:\\");
        drives->setFocus();
        QTest::keyClick(drives, Qt::Key_Down);
        EXPECT_EQ(dialog->folder(), "C:\\Programme\\Gatrisk 2002");
        EXPECT_EQ(drives->currentText(), "C:\\Programme\\Gatrisk 2002");
        child<QPushButton>(dialog, "cancel")->click();
    });
    mainwindow::cm41_Click(fe.form);
    EXPECT_TRUE(told.startsWith("D:\\\n")) << qPrintable(told);
}

struct LanguageRow {
    const char* name;
    int language;
    const char* accept;
    const char* nameLabel;
    const char* hint;
};

class FileDialogLanguage : public ::testing::TestWithParam<LanguageRow> {};

TEST_P(FileDialogLanguage, TextsAndTheHintFollowTheLanguageCode)
{
    const LanguageRow& row = GetParam();
    FrontEnd fe(row.language);
    QString told, accept, label;
    const auto robot = whenShown<qtui::FileDialog>([&](qtui::FileDialog* dialog) {
        accept = child<QPushButton>(dialog, "accept")->text();
        for (const QLabel* l : dialog->findChildren<QLabel*>())
            if (l->buddy() == child<QLineEdit>(dialog, "fileName"))
                label = l->text();
        const auto answer = whenShown<QMessageBox>([&](QMessageBox* box) {
            told = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        type(dialog, "Q:\\winword.exe");
        child<QPushButton>(dialog, "cancel")->click();
    });
    mainwindow::cm41_Click(fe.form);
    EXPECT_EQ(accept, QString::fromUtf8(row.accept));
    EXPECT_EQ(label, QString::fromUtf8(row.nameLabel));
    EXPECT_EQ(told, QString::fromUtf8(row.hint));
}

const LanguageRow languageRows[] = {
    {"german", 0, "Ö&ffnen", "Datei&name:", "Bitte wählen Sie eine Datei auf einem der Laufwerke des Computers."},
    {"english", 1, "&Open", "File &name:", "Please choose a file on one of the computer's drives."},
};

INSTANTIATE_TEST_SUITE_P(Languages, FileDialogLanguage, ::testing::ValuesIn(languageRows),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
