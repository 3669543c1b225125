#include "testsupport/ui/scripted_ui.h"

#include <gtest/gtest.h>

namespace scripted_ui {

using platform::Answer;

namespace {

const char* kindName(int k)
{
    switch (k) {
    case 0: return "a message box with a choice";
    case 1: return "an input box";
    default: return "a file dialog";
    }
}

std::string str(const QString& s)
{
    return s.toStdString();
}

} // namespace

ScriptedUi::~ScriptedUi()
{
    if (script_.empty())
        return;
    std::string left;
    for (const Entry& e : script_)
        left += std::string("\n  ") + kindName(static_cast<int>(e.kind))
                + (e.expect.isEmpty() ? std::string() : " expecting \"" + str(e.expect) + "\"");
    ADD_FAILURE() << "scripted answers never asked for:" << left;
}

void ScriptedUi::answer(Answer a, const QString& expect)
{
    script_.push_back({EntryKind::Message, a, std::nullopt, expect});
}

void ScriptedUi::type(const QString& text, const QString& expect)
{
    script_.push_back({EntryKind::Input, Answer::Ok, text, expect});
}

void ScriptedUi::cancelInput(const QString& expect)
{
    script_.push_back({EntryKind::Input, Answer::Cancel, std::nullopt, expect});
}

void ScriptedUi::choose(const QString& windowsPath, const QString& expect)
{
    script_.push_back({EntryKind::Dialog, Answer::Ok, windowsPath, expect});
}

void ScriptedUi::cancelDialog(const QString& expect)
{
    script_.push_back({EntryKind::Dialog, Answer::Cancel, std::nullopt, expect});
}

std::optional<ScriptedUi::Entry> ScriptedUi::take(EntryKind kind, const QString& shown)
{
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected prompt, the script has no answer left for it:\n  " << str(shown);
        return std::nullopt;
    }
    if (script_.front().kind != kind) {
        ADD_FAILURE() << "the script expected " << kindName(static_cast<int>(script_.front().kind))
                      << " next, but the program showed:\n  " << str(shown);
        return std::nullopt;
    }
    Entry e = script_.front();
    script_.pop_front();
    if (!e.expect.isEmpty() && !shown.contains(e.expect))
        ADD_FAILURE() << "the prompt does not contain \"" << str(e.expect) << "\":\n  " << str(shown);
    return e;
}

Answer ScriptedUi::showMessageBox(const platform::MessageBoxRequest& r)
{
    const platform::MessageStyle style = platform::decodeMessageStyle(r.style);
    const QString shown = QStringLiteral("message %1 |%2| %3").arg(r.style).arg(r.title, r.text);
    transcript_ << shown;
    Answer answer = style.defaultAnswer();
    if (strict_ || style.buttonCount > 1) {
        if (auto e = take(EntryKind::Message, shown)) {
            if (style.offers(e->answer))
                answer = e->answer;
            else
                ADD_FAILURE() << "the scripted answer " << static_cast<int>(e->answer)
                              << " is not a button of this box:\n  " << str(shown);
        }
    }
    messages_.push_back({r.style, r.title, r.text, answer});
    return answer;
}

QString ScriptedUi::showInputBox(const platform::InputBoxRequest& r)
{
    const QString shown = QStringLiteral("input |%1| %2").arg(r.title, r.prompt);
    transcript_ << shown;
    QString answer;
    if (auto e = take(EntryKind::Input, shown))
        answer = e->text.value_or(QString());
    inputs_.push_back({r.prompt, r.title, r.defaultText, answer});
    return answer;
}

std::optional<platform::FileDialogAnswer> ScriptedUi::fileDialog(DialogKind kind, const platform::FileDialogRequest& r)
{
    const QString shown = QStringLiteral("%1 |%2| filter %3, folder %4, file %5")
                              .arg(kind == DialogKind::Open ? QStringLiteral("open") : QStringLiteral("save"),
                                   r.title, r.filter, r.initDir, r.fileName);
    transcript_ << shown;
    std::optional<QString> chosen;
    if (auto e = take(EntryKind::Dialog, shown))
        chosen = e->text;
    dialogs_.push_back({kind, r, chosen});
    if (!chosen)
        return std::nullopt;
    return platform::FileDialogAnswer{*chosen, r.filterIndex};
}

std::optional<platform::FileDialogAnswer> ScriptedUi::showOpenDialog(const platform::FileDialogRequest& r)
{
    return fileDialog(DialogKind::Open, r);
}

std::optional<platform::FileDialogAnswer> ScriptedUi::showSaveDialog(const platform::FileDialogRequest& r)
{
    return fileDialog(DialogKind::Save, r);
}

void ScriptedUi::showPrinterDialog()
{
    transcript_ << QStringLiteral("printer setup");
    ++printerSetups_;
    dialogs_.push_back({DialogKind::Printer, {}, std::nullopt});
}

void ScriptedUi::doEvents()
{
    ++doEvents_;
    if (onDoEvents && !inDoEvents_) {
        inDoEvents_ = true;
        try {
            onDoEvents();
        } catch (...) {
            inDoEvents_ = false;
            throw;
        }
        inDoEvents_ = false;
    }
}

void ScriptedUi::endProgram()
{
    ended_ = true;
    transcript_ << QStringLiteral("end of program");
    throw ProgramEnded{};
}

} // namespace scripted_ui
