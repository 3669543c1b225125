#include "mainwindow/censor_commands.h"

#include "mainwindow/censor_list.h"
#include "platform/system_queries.h"
#include "platform/ui_services.h"
#include "platform/vb_ucase.h"

#include <QSet>

namespace mainwindow {

namespace {

constexpr int device_unavailable = 68;

// The walk's state: the censor list's entries upper-cased, kept in step with List1, so that the case-blind
// duplicate test does not upper-case the whole list again for every file.
class Scan {
public:
    explicit Scan(MainForm& form) : form_(form)
    {
        for (const QString& entry : form_.List1.entries())
            upper_.insert(platform::vb_ucase(entry));
    }

    // Opens `folder` in the folder list and its files in the file list; the list's error number or 0.
    int open(const QString& folder)
    {
        if (const int error = form_.Dir1.setPath(folder))
            return error;
        return form_.File1.setPath(form_.Dir1.path());
    }

    // The names of the file list ending in "EXE" (dot or not), upper-cased, unless the list has them in any
    // case. false once the censor list is full.
    bool collect()
    {
        const controls::FileListBox& files = form_.File1;
        for (int i = 0; i < files.listCount(); ++i) {
            const QString name = files.list(i);
            if (platform::vb_ucase(name.right(3)) != QLatin1String("EXE"))
                continue;
            const QString upper = platform::vb_ucase(name);
            if (upper_.contains(upper))
                continue;
            if (form_.List1.addItem(upper) < 0)
                return false;
            upper_.insert(upper);
        }
        return true;
    }

    // The current folder's direct subfolders to the end of the queue; false once the queue is full.
    bool enqueue_subfolders()
    {
        const controls::DirListBox& folders = form_.Dir1;
        for (int i = 0; i < folders.listCount(); ++i)
            if (form_.list0.addItem(folders.list(i)) < 0)
                return false;
        return true;
    }

private:
    MainForm& form_;
    QSet<QString> upper_;
};

QString scan_prompt()
{
    return QStringLiteral("Von welchem Laufwerk/Pfad sollen die *.EXE-Dateien übernommen werden ? "
                          "(z.B. 'C:\\WINDOWS')") +
           QStringLiteral("\r\r") +
           QStringLiteral("ACHTUNG: Es werden auch alle Unterverzeichnisse mit untersucht, wenn Sie z.B. 'C:\\' "
                          "wählen, kann diese Aktion einige Minuten dauern...");
}

// A folder that cannot be read ends the walk; only a missing or unready drive is reported.
void report(MainForm& form, int error, int language)
{
    if (error != device_unavailable)
        return;
    if (language == 1)
        form.context().ui.msgBox(QStringLiteral("File/Path not found."), 16, QStringLiteral("Error"));
    else
        form.context().ui.msgBox(QStringLiteral("Gewünschtes Laufwerk/Pfad nicht gefunden."), 16,
                                 QStringLiteral("Fehler"));
}

} // namespace

void cm45_Click(MainForm& form, int language)
{
    const QString start = form.context().ui.inputBox(scan_prompt(), QStringLiteral("ALLE *.EXE auflisten..."));
    if (start.isEmpty())
        return;

    Scan scan(form);
    form.list0.clear();
    if (const int error = scan.open(start)) {
        report(form, error, language);
        return;
    }
    // A full censor list or queue (32767 entries) ends the walk early; what was added stays and is counted.
    if (scan.collect() && scan.enqueue_subfolders()) {
        // Breadth first: the queue grows behind the position and is never shortened.
        for (int k = 0; k < form.list0.listCount(); ++k) {
            if (const int error = scan.open(form.list0.list(k))) {
                report(form, error, language);
                return;
            }
            if (!scan.enqueue_subfolders() || !scan.collect())
                break;
        }
    }
    censor::show_count(form);
}

} // namespace mainwindow
