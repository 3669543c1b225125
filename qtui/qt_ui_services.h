#pragma once
// The UI services of the program on Qt: message and input boxes, the common dialogs over the machine's
// drives, the printer, the beep, event pumping, the busy pointer and the end of the program.

#include "platform/system_queries.h"
#include "platform/ui_services.h"
#include "qtui/path_mapping.h"
#include "qtui/qt_printer.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace qtui {

class QtUiServices : public platform::UiServices {
public:
    // File dialogs browse `paths` (no drives at all when none is given); the texts the front end adds to the
    // program's own are in `language` (0 German, 1 English).
    explicit QtUiServices(std::unique_ptr<PathMapping> paths = nullptr, int language = platform::get_language());
    ~QtUiServices() override;
    QtUiServices(const QtUiServices&) = delete;
    QtUiServices& operator=(const QtUiServices&) = delete;

    // The window that owns the boxes and dialogs (the program's active one when none is set).
    void setOwner(QWidget* owner) { owner_ = owner; }
    void setPathMapping(std::unique_ptr<PathMapping> paths);
    const PathMapping& paths() const { return *paths_; }
    QtPrinter& qtPrinter() { return printer_; }

    // Work to do when the program ends, however it ends (endProgram, or the normal end through
    // runEndHooks): flushing what is held in memory. Hooks run once each, the last registered first.
    void atProgramEnd(std::function<void()> hook);
    void runEndHooks();

    platform::Answer showMessageBox(const platform::MessageBoxRequest& request) override;
    QString showInputBox(const platform::InputBoxRequest& request) override;
    std::optional<platform::FileDialogAnswer> showOpenDialog(const platform::FileDialogRequest& request) override;
    std::optional<platform::FileDialogAnswer> showSaveDialog(const platform::FileDialogRequest& request) override;
    void showPrinterDialog() override;
    platform::Printer& printer() override { return printer_; }

    void beep() override;
    void doEvents() override;
    platform::MousePointer mousePointer() const override { return pointer_; }
    void setMousePointer(platform::MousePointer pointer) override;

    // Runs the end hooks and ends the process with exit code 0 (exit handlers run; nothing unwinds).
    [[noreturn]] void endProgram() override;

private:
    QWidget* owner() const;
    std::optional<platform::FileDialogAnswer> fileDialog(const platform::FileDialogRequest& request, bool save);

    std::unique_ptr<PathMapping> paths_;
    int language_;
    QtPrinter printer_;
    QPointer<QWidget> owner_;
    platform::MousePointer pointer_ = platform::MousePointer::Default;
    bool cursorOverridden_ = false;
    std::vector<std::function<void()>> endHooks_;
};

} // namespace qtui
