#include "qtui/qt_ui_services.h"

#include "qtui/file_dialog.h"
#include "qtui/input_box.h"
#include "qtui/message_box.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

#include <cstdlib>

namespace qtui {

QtUiServices::QtUiServices(std::unique_ptr<PathMapping> paths, int language)
    : paths_(paths ? std::move(paths) : std::make_unique<PathMapping>()), language_(language)
{
    printer_.onPdfWritten = [this](const QString& path) {
        showMessageBox({64, platform::programTitle(),
                        QStringLiteral("No printer is set up, so the printout was saved as a PDF file:\r\n") + path});
    };
}

QtUiServices::~QtUiServices()
{
    runEndHooks();
    if (cursorOverridden_)
        QApplication::restoreOverrideCursor();
}

void QtUiServices::setPathMapping(std::unique_ptr<PathMapping> paths)
{
    if (paths)
        paths_ = std::move(paths);
}

void QtUiServices::atProgramEnd(std::function<void()> hook)
{
    endHooks_.push_back(std::move(hook));
}

void QtUiServices::runEndHooks()
{
    // Taken out first: a hook that ends the program again does not run the hooks twice.
    while (!endHooks_.empty()) {
        std::function<void()> hook = std::move(endHooks_.back());
        endHooks_.pop_back();
        if (hook)
            hook();
    }
}

QWidget* QtUiServices::owner() const
{
    return owner_ ? owner_.data() : QApplication::activeWindow();
}

platform::Answer QtUiServices::showMessageBox(const platform::MessageBoxRequest& request)
{
    const auto box = buildMessageBox(request, owner());
    box->exec();
    return answerOf(*box);
}

QString QtUiServices::showInputBox(const platform::InputBoxRequest& request)
{
    const auto box = buildInputBox(request, owner());
    const int result = box->exec();
    return inputBoxAnswer(*box, result);
}

std::optional<platform::FileDialogAnswer> QtUiServices::fileDialog(const platform::FileDialogRequest& request, bool save)
{
    FileDialog dialog(request, save ? FileDialogMode::Save : FileDialogMode::Open, *paths_, language_, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

std::optional<platform::FileDialogAnswer> QtUiServices::showOpenDialog(const platform::FileDialogRequest& request)
{
    return fileDialog(request, false);
}

std::optional<platform::FileDialogAnswer> QtUiServices::showSaveDialog(const platform::FileDialogRequest& request)
{
    return fileDialog(request, true);
}

void QtUiServices::showPrinterDialog()
{
    QPrintDialog dialog(&printer_.device(), owner());
    dialog.exec();
}

void QtUiServices::beep()
{
    QApplication::beep();
}

void QtUiServices::doEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtUiServices::setMousePointer(platform::MousePointer pointer)
{
    pointer_ = pointer;
    if (cursorOverridden_) {
        QApplication::restoreOverrideCursor();
        cursorOverridden_ = false;
    }
    if (pointer == platform::MousePointer::Default)
        return;
    QApplication::setOverrideCursor(pointer == platform::MousePointer::Hourglass ? Qt::WaitCursor : Qt::ArrowCursor);
    cursorOverridden_ = true;
}

void QtUiServices::endProgram()
{
    runEndHooks();
    // At once: no window closes and no handler runs; exit() still lets the process's exit handlers write
    // what they hold (the registry's hives).
    std::exit(0);
}

} // namespace qtui
