#pragma once
// A window of the program. A form class declares its controls as named members (constructed with the form
// and a name) and overrides the load and unload events it handles:
//
//     class Verzeichnis : public controls::Form {
//     public:
//         Verzeichnis() : Form("verzeichnis") { Command1.onClick = [this] { Command1_Click(); }; }
//         controls::CommandButton Command1{*this, "Command1"};
//     protected:
//         void Form_Load() override;
//     };
//
// show() loads an unloaded form first (running Form_Load), then makes it visible; unload() asks
// Form_QueryUnload and Form_Unload, hides the form and puts every control back to its design state, so the
// next show() loads it afresh.

#include "controls/control.h"
#include "controls/picture.h"
#include "platform/ui_services.h"

#include <QString>

#include <functional>
#include <vector>

namespace controls {

class Menu;

enum class UnloadMode { ControlMenu = 0, Code = 1 }; // the window's close box; an unload from code

enum class FormEvent {
    Loaded, Unloaded, Shown, Hidden, Raised, // Raised: show() on a visible form brings it forward
    Caption, ClientSize, HelpContext, MousePointer, Icon, Focus
};

class Form {
public:
    using Observer = std::function<void(FormEvent)>;

    explicit Form(QString name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& name() const { return name_; }

    const QString& caption() const { return props_.caption; }
    void setCaption(const QString& caption);
    // Client area in twips.
    int clientWidth() const { return props_.clientWidth; }
    int clientHeight() const { return props_.clientHeight; }
    void setClientSize(int width, int height);
    // Whether the user may resize the window (a renderer may then scale the design).
    bool sizable() const { return props_.sizable; }
    void setSizable(bool sizable) { props_.sizable = sizable; }
    int helpContextId() const { return props_.helpContextId; }
    void setHelpContextId(int id);
    platform::MousePointer mousePointer() const { return props_.mousePointer; }
    void setMousePointer(platform::MousePointer pointer);
    const Picture& icon() const { return props_.icon; }
    void setIcon(const Picture& icon);

    bool isLoaded() const { return loaded_; }
    bool isVisible() const { return visible_; }
    // Loads the form if it is not loaded (runs Form_Load once per loading).
    void load();
    // Loads if needed, then shows modeless; a visible form is brought forward. A form that unloads itself
    // during its own load stays unloaded.
    void show();
    void hide();
    // Unloads; false when Form_QueryUnload or Form_Unload cancelled. Unloading an unloaded form does nothing.
    bool unload(UnloadMode mode = UnloadMode::Code);
    // The window's close box.
    bool userClose() { return unload(UnloadMode::ControlMenu); }

    // Controls in declaration order, and a lookup by name (without regard to case, as the program's
    // names are).
    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(const QString& name) const;
    template <class T>
    T* find(const QString& name) const { return dynamic_cast<T*>(find(name)); }
    // Top-level menus of the menu bar, in declaration order.
    std::vector<Menu*> menus() const;
    // Controls whose container is `container` (nullptr: placed on the form itself), in declaration order.
    std::vector<Control*> childrenOf(const Control* container) const;
    // A key such as "F1": clicks the menu item that has it as shortcut, when it can be chosen; false
    // when no such item is there.
    bool userShortcut(const QString& shortcut);

    Control* activeControl() const { return focus_; }

    int observe(Observer observer);
    void unobserve(int id);

protected:
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(bool& cancel, UnloadMode mode) { (void)cancel; (void)mode; }
    virtual void Form_Unload(bool& cancel) { (void)cancel; }

private:
    friend class Control;
    void add(Control* c);
    void remove(Control* c);
    void moveFocus(Control* to);
    void notify(FormEvent e);

    struct Props {
        QString caption;
        int clientWidth = 4800;
        int clientHeight = 3600;
        bool sizable = false;
        int helpContextId = 0;
        platform::MousePointer mousePointer = platform::MousePointer::Default;
        Picture icon;
    };

    QString name_;
    Props props_;
    Props design_;
    bool designSaved_ = false;
    bool loaded_ = false;
    bool visible_ = false;
    std::vector<Control*> controls_;
    Control* focus_ = nullptr;
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserverId_ = 1;
};

} // namespace controls
