#pragma once
// What the program asks of the screen, the speaker and the printer: message boxes, the input box, the file
// and printer dialogs, the printer as a surface in twips, the beep, letting pending events run, the mouse
// pointer and the end of the program. The Qt front end realises it for the program; a scripted realisation
// answers from a script in tests. Paths in and out are Windows paths of the machine.

#include <QString>

#include <array>
#include <optional>

namespace platform {

// The title of a message box or input box that has none of its own.
inline QString programTitle() { return QStringLiteral("Gatrisk 2002"); }

// The button a message box was closed with, numbered as the program compares them.
enum class Answer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

enum class MessageIcon { None, Critical, Question, Exclamation, Information };

// A message box style number: buttons in the low three bits, the icon in the next three, the default
// button in bits 8 and 9 (0 first, 256 second, 512 third). 52 is exclamation with Yes/No, 292 question with
// Yes/No and No the default, and so on.
struct MessageStyle {
    MessageIcon icon = MessageIcon::None;
    std::array<Answer, 3> buttons{};
    int buttonCount = 1;
    int defaultButton = 0; // index into buttons

    Answer defaultAnswer() const { return buttons[static_cast<std::size_t>(defaultButton)]; }
    bool offers(Answer a) const
    {
        for (int i = 0; i < buttonCount; ++i)
            if (buttons[static_cast<std::size_t>(i)] == a)
                return true;
        return false;
    }
};

inline MessageStyle decodeMessageStyle(int style)
{
    MessageStyle s;
    using A = Answer;
    switch (style & 7) {
    case 1: s.buttons = {A::Ok, A::Cancel, A::Ok}; s.buttonCount = 2; break;
    case 2: s.buttons = {A::Abort, A::Retry, A::Ignore}; s.buttonCount = 3; break;
    case 3: s.buttons = {A::Yes, A::No, A::Cancel}; s.buttonCount = 3; break;
    case 4: s.buttons = {A::Yes, A::No, A::Yes}; s.buttonCount = 2; break;
    case 5: s.buttons = {A::Retry, A::Cancel, A::Retry}; s.buttonCount = 2; break;
    default: s.buttons = {A::Ok, A::Ok, A::Ok}; s.buttonCount = 1; break;
    }
    switch (style & 0x70) {
    case 16: s.icon = MessageIcon::Critical; break;
    case 32: s.icon = MessageIcon::Question; break;
    case 48: s.icon = MessageIcon::Exclamation; break;
    case 64: s.icon = MessageIcon::Information; break;
    default: s.icon = MessageIcon::None; break;
    }
    const int wanted = (style >> 8) & 3;
    s.defaultButton = wanted < s.buttonCount ? wanted : 0;
    return s;
}

struct MessageBoxRequest {
    int style = 0;
    QString title; // never empty of meaning: the program's title when the caller gave none
    QString text;
};

struct InputBoxRequest {
    QString prompt;
    QString title;
    QString defaultText;
};

// Open and save dialogs. `filter` is "label|pattern" pairs joined by "|" ("*.GTR (Gatrisk)|*.gtr");
// a pattern may list several globs joined by ";". `filterIndex` is 1-based. An empty `initDir` means the
// dialog's own default folder; `fileName` is the name the dialog opens with (its last choice).
struct FileDialogRequest {
    QString title;
    QString filter;
    int filterIndex = 1;
    QString initDir;
    QString fileName;
};

struct FileDialogAnswer {
    QString fileName; // full Windows path
    int filterIndex = 1;
};

enum class MousePointer { Default = 0, Arrow = 1, Hourglass = 11 };

// The printer as the program prints on it: positions in twips from the scale origin, which is the printable
// area's top left corner until scaleLeft or scaleTop move it (a page point is at x - scaleLeft,
// y - scaleTop). A text is printed at (currentX, currentY); printing without ending the line leaves currentX
// after the text; ending the line moves to x 0 one line (of the current font) lower; a new page starts at
// (0, 0). So an origin moved in from an edge is a margin on every line and page. A line that would pass the
// foot of the page starts a new page first. Nothing is sent before endDoc.
class Printer {
public:
    virtual ~Printer() = default;

    virtual QString fontName() const = 0;
    virtual void setFontName(const QString& name) = 0;
    virtual double fontSize() const = 0; // points
    virtual void setFontSize(double points) = 0;
    virtual bool fontBold() const = 0;
    virtual void setFontBold(bool bold) = 0;

    // Print `text`; endLine false is the trailing ";" (stay on the line).
    virtual void print(const QString& text, bool endLine = true) = 0;
    // Move to print column `column` (1-based, in the font's average character width). A position already
    // past it goes to that column of the next line.
    virtual void tab(int column) = 0;

    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;

    // The coordinate of the printable area's left and top edge; setting -1000 puts the origin 1000 twips
    // in from that edge. currentX and currentY keep their values (so the print position moves along).
    virtual double scaleLeft() const = 0;
    virtual double scaleTop() const = 0;
    virtual void setScaleLeft(double v) = 0;
    virtual void setScaleTop(double v) = 0;

    // The printable area in twips.
    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;

    virtual void newPage() = 0;
    // Sends the document; the next print starts a new one.
    virtual void endDoc() = 0;
};

class UiServices {
public:
    virtual ~UiServices() = default;

    // A message box by style number; without a title the program's title shows.
    Answer msgBox(const QString& text, int style = 0, const std::optional<QString>& title = std::nullopt)
    {
        return showMessageBox({style, title.value_or(programTitle()), text});
    }
    // The typed text; empty when cancelled.
    QString inputBox(const QString& prompt, const std::optional<QString>& title = std::nullopt,
                     const QString& defaultText = {})
    {
        return showInputBox({prompt, title.value_or(programTitle()), defaultText});
    }

    virtual Answer showMessageBox(const MessageBoxRequest& request) = 0;
    virtual QString showInputBox(const InputBoxRequest& request) = 0;
    // std::nullopt when cancelled.
    virtual std::optional<FileDialogAnswer> showOpenDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<FileDialogAnswer> showSaveDialog(const FileDialogRequest& request) = 0;
    // Printer set-up; chooses the printer that printer() prints on.
    virtual void showPrinterDialog() = 0;
    virtual Printer& printer() = 0;

    virtual void beep() = 0;
    // Lets pending window events run (clicks, repaints, timers) and returns.
    virtual void doEvents() = 0;
    virtual MousePointer mousePointer() const = 0;
    virtual void setMousePointer(MousePointer pointer) = 0;

    // Ends the program at once: no further handler runs and nothing is saved. Does not return.
    [[noreturn]] virtual void endProgram() = 0;
};

} // namespace platform
