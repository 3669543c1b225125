#include "controls/control.h"

#include "controls/form.h"

namespace controls {

Control::Control(Form& form, QString name) : form_(form), name_(std::move(name))
{
    form_.add(this);
}

Control::~Control()
{
    form_.remove(this);
}

void Control::setCaption(const QString& caption)
{
    if (common_.caption == caption)
        return;
    common_.caption = caption;
    changed(Property::Caption);
}

void Control::setEnabled(bool enabled)
{
    if (common_.enabled == enabled)
        return;
    common_.enabled = enabled;
    changed(Property::Enabled);
}

void Control::setVisible(bool visible)
{
    if (common_.visible == visible)
        return;
    common_.visible = visible;
    changed(Property::Visible);
}

void Control::setGeometry(const Rect& r)
{
    if (common_.geometry == r)
        return;
    common_.geometry = r;
    changed(Property::Geometry);
}

void Control::setLeft(int v)
{
    Rect r = common_.geometry;
    r.left = v;
    setGeometry(r);
}

void Control::setTop(int v)
{
    Rect r = common_.geometry;
    r.top = v;
    setGeometry(r);
}

void Control::setWidth(int v)
{
    Rect r = common_.geometry;
    r.width = v;
    setGeometry(r);
}

void Control::setHeight(int v)
{
    Rect r = common_.geometry;
    r.height = v;
    setGeometry(r);
}

void Control::setFont(const controls::Font& f)
{
    if (common_.font == f)
        return;
    common_.font = f;
    changed(Property::Font);
}

void Control::setTabIndex(int i)
{
    if (common_.tabIndex == i)
        return;
    common_.tabIndex = i;
    changed(Property::TabIndex);
}

void Control::setContainer(Control* container, int tab)
{
    if (container == this)
        return;
    if (common_.container == container && common_.containerTab == tab)
        return;
    common_.container = container;
    common_.containerTab = tab;
    changed(Property::Container);
}

bool Control::hasFocus() const
{
    return form_.activeControl() == this;
}

void Control::setFocus()
{
    if (!canTakeFocus())
        return;
    form_.moveFocus(this);
}

int Control::observe(Observer observer)
{
    const int id = nextObserverId_++;
    observers_.emplace_back(id, std::move(observer));
    return id;
}

void Control::unobserve(int id)
{
    std::erase_if(observers_, [id](const auto& o) { return o.first == id; });
}

void Control::changed(Property what, int index)
{
    // A copy: an observer may add or remove observers while it is told.
    const auto observers = observers_;
    for (const auto& o : observers)
        o.second(what, index);
}

void Control::saveDesign()
{
    design_ = common_;
}

void Control::restoreDesign()
{
    common_ = design_;
}

} // namespace controls
