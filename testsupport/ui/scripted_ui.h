#pragma once
// The UI services for tests: answers from a script, a record of everything shown.
//
// Message boxes with only an OK button answer OK by themselves; every box with a choice, every input box
// and every file dialog takes the next entry of the script. A prompt that finds no fitting entry fails the
// running test with the prompt's text and gets the default answer (the box's default button, Cancel for an
// input box or dialog). Entries left over when the object is destroyed fail the test too.
//
// endProgram() throws ProgramEnded. It is the one exception that crosses module boundaries, and only under
// this test realisation: it stands for the end of the process and unwinds through the program's handlers
// to the test. Use endsProgram() to run a step and learn whether the program ended.

#include "platform/ui_services.h"
#include "testsupport/ui/scripted_printer.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <exception>
#include <functional>
#include <optional>
#include <vector>

namespace scripted_ui {

class ProgramEnded : public std::exception {
public:
    const char* what() const noexcept override { return "the program ended"; }
};

// Runs `step`; true when it ended the program.
template <class F>
bool endsProgram(F&& step)
{
    try {
        step();
    } catch (const ProgramEnded&) {
        return true;
    }
    return false;
}

struct ShownMessage {
    int style = 0;
    QString title;
    QString text;
    platform::Answer answer = platform::Answer::Ok;
};

struct ShownInput {
    QString prompt;
    QString title;
    QString defaultText;
    QString answer;
};

enum class DialogKind { Open, Save, Printer };

struct ShownDialog {
    DialogKind kind = DialogKind::Open;
    platform::FileDialogRequest request; // empty for the printer set-up
    std::optional<QString> answer;       // the chosen file; nullopt: cancelled
};

class ScriptedUi : public platform::UiServices {
public:
    ScriptedUi() = default;
    ~ScriptedUi() override;
    ScriptedUi(const ScriptedUi&) = delete;
    ScriptedUi& operator=(const ScriptedUi&) = delete;

    // The script, in the order the prompts will come. `expect` (optional) is a piece of the prompt's title
    // or text that the prompt must contain; a prompt without it fails the test.
    void answer(platform::Answer answer, const QString& expect = {}); // a message box with a choice
    void type(const QString& text, const QString& expect = {});        // an input box, OK
    void cancelInput(const QString& expect = {});                      // an input box, Cancel
    void choose(const QString& windowsPath, const QString& expect = {}); // an open or save dialog
    void cancelDialog(const QString& expect = {});                       // an open or save dialog
    // Every box, OK-only ones too, must then be scripted with answer(Answer::Ok).
    void setStrict(bool strict) { strict_ = strict; }
    // Entries not used yet.
    int pending() const { return static_cast<int>(script_.size()); }

    // Runs at every doEvents() (not again while it runs): a test presses a button "while events run".
    std::function<void()> onDoEvents;

    // The record.
    const std::vector<ShownMessage>& messages() const { return messages_; }
    const std::vector<ShownInput>& inputs() const { return inputs_; }
    const std::vector<ShownDialog>& dialogs() const { return dialogs_; }
    // Everything shown, one line each, in order: "message 16 |title| text", "input |title| prompt",
    // "open |title| ...", "save |title| ...", "printer setup", "end of program".
    const QStringList& transcript() const { return transcript_; }
    int beeps() const { return beeps_; }
    int doEventsCalls() const { return doEvents_; }
    bool ended() const { return ended_; }
    int printerSetups() const { return printerSetups_; }
    ScriptedPrinter& scriptedPrinter() { return printer_; }

    // platform::UiServices
    platform::Answer showMessageBox(const platform::MessageBoxRequest& request) override;
    QString showInputBox(const platform::InputBoxRequest& request) override;
    std::optional<platform::FileDialogAnswer> showOpenDialog(const platform::FileDialogRequest& r) override;
    std::optional<platform::FileDialogAnswer> showSaveDialog(const platform::FileDialogRequest& r) override;
    void showPrinterDialog() override;
    platform::Printer& printer() override { return printer_; }
    void beep() override { ++beeps_; }
    void doEvents() override;
    platform::MousePointer mousePointer() const override { return pointer_; }
    void setMousePointer(platform::MousePointer pointer) override { pointer_ = pointer; }
    [[noreturn]] void endProgram() override;

private:
    enum class EntryKind { Message, Input, Dialog };
    struct Entry {
        EntryKind kind;
        platform::Answer answer = platform::Answer::Ok;
        std::optional<QString> text; // input text or chosen path; nullopt: cancel
        QString expect;
    };
    // The next entry if it is of `kind` and its expectation holds for `shown`; reports a failure otherwise.
    std::optional<Entry> take(EntryKind kind, const QString& shown);
    std::optional<platform::FileDialogAnswer> fileDialog(DialogKind kind, const platform::FileDialogRequest& r);

    std::deque<Entry> script_;
    bool strict_ = false;
    std::vector<ShownMessage> messages_;
    std::vector<ShownInput> inputs_;
    std::vector<ShownDialog> dialogs_;
    QStringList transcript_;
    int beeps_ = 0;
    int doEvents_ = 0;
    int printerSetups_ = 0;
    bool ended_ = false;
    bool inDoEvents_ = false;
    platform::MousePointer pointer_ = platform::MousePointer::Default;
    ScriptedPrinter printer_;
};

} // namespace scripted_ui
