#pragma once
// The base of every control object: a named piece of a form's state, placed in twips, with hooks through
// which a renderer keeps its widget in step. No toolkit here; a renderer reads the state and calls the
// user-action methods (user...) of the concrete controls when the person at the screen acts.

#include <QString>

#include <functional>
#include <vector>

namespace controls {

class Form;

// Design position and size in twips, relative to the container's client area.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct Font {
    QString name = QStringLiteral("MS Sans Serif");
    double size = 8.25; // points
    bool bold = false;
    bool operator==(const Font&) const = default;
};

enum class Kind {
    CheckBox, TextBox, Label, CommandButton, Frame, ListBox, ListView, ComboBox, PictureBox, Image, Menu,
    StatusBar, TabControl, ListBar, Timer, CommonDialog, DriveListBox, DirListBox, FileListBox
};

// What changed, for observers. `index` in the observer call names the item, panel or tab where that matters
// (1-based for list views, panels and list-bar groups, 0-based for list boxes and tabs), otherwise -1.
enum class Property {
    All, // the whole state was replaced (the form was unloaded and its controls went back to design)
    Caption, Enabled, Visible, Geometry, Font, TabIndex, Container,
    Text, Value, Items, ListIndex, ItemChecked, Picture, PasswordChar, MaxLength, Locked,
    Checked, Shortcut, Alignment, Panels, CurrentTab, Tabs, Groups, Interval,
    Drive, Path, Pattern
};

class Control {
public:
    using Observer = std::function<void(Property what, int index)>;

    // Registers the control with its form under `name`; the form finds it by that name. A control lives
    // no longer than its form (form classes hold their controls as members).
    Control(Form& form, QString name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    const QString& name() const { return name_; }
    virtual Kind kind() const = 0;

    const QString& caption() const { return common_.caption; }
    void setCaption(const QString& caption);

    bool enabled() const { return common_.enabled; }
    void setEnabled(bool enabled);
    bool visible() const { return common_.visible; }
    void setVisible(bool visible);

    const Rect& geometry() const { return common_.geometry; }
    void setGeometry(const Rect& r);
    void move(int left, int top, int width, int height) { setGeometry({left, top, width, height}); }
    int left() const { return common_.geometry.left; }
    int top() const { return common_.geometry.top; }
    int width() const { return common_.geometry.width; }
    int height() const { return common_.geometry.height; }
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);

    const controls::Font& font() const { return common_.font; }
    void setFont(const controls::Font& f);

    int tabIndex() const { return common_.tabIndex; }
    void setTabIndex(int i);

    // The frame, picture box, tab control or menu that holds this control; nullptr: the form itself.
    // `tab` is the page of a tab control (0-based), -1 for any other container.
    Control* container() const { return common_.container; }
    int containerTab() const { return common_.containerTab; }
    void setContainer(Control* container, int tab = -1);

    // Focus. Moving the focus runs the lost-focus handler of the control that had it, then the got-focus
    // handler of this one. Controls that cannot take the focus (labels, frames, timers) ignore it.
    virtual bool canTakeFocus() const { return false; }
    bool hasFocus() const;
    void setFocus();
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

    // Observers: a renderer keeps its widget in step with these calls. Returns an id for unobserve.
    int observe(Observer observer);
    void unobserve(int id);

protected:
    // Tell every observer that `what` changed.
    void changed(Property what, int index = -1);

    // The form keeps the design state of its controls when it first loads and puts it back when it is
    // unloaded, so a form that loads again starts from its designed state. Subclasses with state of their
    // own extend both (and call the base).
    virtual void saveDesign();
    virtual void restoreDesign();

private:
    friend class Form;

    struct Common {
        QString caption;
        bool enabled = true;
        bool visible = true;
        Rect geometry;
        controls::Font font;
        int tabIndex = 0;
        Control* container = nullptr;
        int containerTab = -1;
    };

    Form& form_;
    QString name_;
    Common common_;
    Common design_;
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserverId_ = 1;
};

} // namespace controls
