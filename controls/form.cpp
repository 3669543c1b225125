#include "controls/form.h"

#include "controls/menu.h"

#include <algorithm>

namespace controls {

Form::Form(QString name) : name_(std::move(name)) {}

Form::~Form() = default;

void Form::setCaption(const QString& caption)
{
    if (props_.caption == caption)
        return;
    props_.caption = caption;
    notify(FormEvent::Caption);
}

void Form::setClientSize(int width, int height)
{
    if (props_.clientWidth == width && props_.clientHeight == height)
        return;
    props_.clientWidth = width;
    props_.clientHeight = height;
    notify(FormEvent::ClientSize);
}

void Form::setHelpContextId(int id)
{
    if (props_.helpContextId == id)
        return;
    props_.helpContextId = id;
    notify(FormEvent::HelpContext);
}

void Form::setMousePointer(platform::MousePointer pointer)
{
    if (props_.mousePointer == pointer)
        return;
    props_.mousePointer = pointer;
    notify(FormEvent::MousePointer);
}

void Form::setIcon(const Picture& icon)
{
    if (props_.icon == icon)
        return;
    props_.icon = icon;
    notify(FormEvent::Icon);
}

void Form::load()
{
    if (loaded_)
        return;
    if (!designSaved_) {
        // What the form class set up before its first load is its design.
        design_ = props_;
        for (Control* c : controls_)
            c->saveDesign();
        designSaved_ = true;
    }
    // Loaded from here on: the load handler may show, hide or unload the form itself.
    loaded_ = true;
    notify(FormEvent::Loaded);
    Form_Load();
}

void Form::show()
{
    load();
    if (!loaded_)
        return; // unloaded during its own load
    if (visible_) {
        notify(FormEvent::Raised);
        return;
    }
    visible_ = true;
    notify(FormEvent::Shown);
}

void Form::hide()
{
    load();
    if (!loaded_ || !visible_)
        return;
    visible_ = false;
    notify(FormEvent::Hidden);
}

bool Form::unload(UnloadMode mode)
{
    if (!loaded_)
        return true;
    bool cancel = false;
    Form_QueryUnload(cancel, mode);
    if (cancel)
        return false;
    Form_Unload(cancel);
    if (cancel)
        return false;
    if (!loaded_)
        return true; // the unload handler unloaded the form already
    if (visible_) {
        visible_ = false;
        notify(FormEvent::Hidden);
    }
    loaded_ = false;
    focus_ = nullptr;
    props_ = design_;
    for (Control* c : controls_)
        c->restoreDesign();
    notify(FormEvent::Unloaded);
    for (Control* c : controls_)
        c->changed(Property::All);
    return true;
}

Control* Form::find(const QString& name) const
{
    for (Control* c : controls_)
        if (c->name().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

std::vector<Menu*> Form::menus() const
{
    std::vector<Menu*> out;
    for (Control* c : controls_)
        if (c->kind() == Kind::Menu && c->container() == nullptr)
            out.push_back(static_cast<Menu*>(c));
    return out;
}

std::vector<Control*> Form::childrenOf(const Control* container) const
{
    std::vector<Control*> out;
    for (Control* c : controls_)
        if (c->container() == container)
            out.push_back(c);
    return out;
}

bool Form::userShortcut(const QString& shortcut)
{
    for (Control* c : controls_) {
        if (c->kind() != Kind::Menu)
            continue;
        auto* m = static_cast<Menu*>(c);
        if (!m->shortcut().isEmpty() && m->shortcut().compare(shortcut, Qt::CaseInsensitive) == 0
            && m->canBeChosen()) {
            m->userClick();
            return true;
        }
    }
    return false;
}

int Form::observe(Observer observer)
{
    const int id = nextObserverId_++;
    observers_.emplace_back(id, std::move(observer));
    return id;
}

void Form::unobserve(int id)
{
    std::erase_if(observers_, [id](const auto& o) { return o.first == id; });
}

void Form::add(Control* c)
{
    controls_.push_back(c);
}

void Form::remove(Control* c)
{
    std::erase(controls_, c);
    if (focus_ == c)
        focus_ = nullptr;
}

void Form::moveFocus(Control* to)
{
    if (focus_ == to)
        return;
    Control* from = focus_;
    focus_ = to;
    notify(FormEvent::Focus);
    if (from && from->onLostFocus)
        from->onLostFocus();
    // The lost-focus handler may have moved the focus on; then this control never got it.
    if (focus_ == to && to && to->onGotFocus)
        to->onGotFocus();
}

void Form::notify(FormEvent e)
{
    const auto observers = observers_;
    for (const auto& o : observers)
        o.second(e);
}

} // namespace controls
