#include "controls/menu.h"

#include "controls/form.h"

namespace controls {

Menu::Menu(Form& form, QString name, Menu* parent) : Control(form, std::move(name))
{
    setContainer(parent);
}

Menu* Menu::parentMenu() const
{
    Control* c = container();
    return c && c->kind() == Kind::Menu ? static_cast<Menu*>(c) : nullptr;
}

std::vector<Menu*> Menu::items() const
{
    std::vector<Menu*> out;
    for (Control* c : form().childrenOf(this))
        if (c->kind() == Kind::Menu)
            out.push_back(static_cast<Menu*>(c));
    return out;
}

void Menu::setChecked(bool checked)
{
    if (checked_ == checked)
        return;
    checked_ = checked;
    changed(Property::Checked);
}

void Menu::setShortcut(const QString& shortcut)
{
    if (shortcut_ == shortcut)
        return;
    shortcut_ = shortcut;
    changed(Property::Shortcut);
}

bool Menu::canBeChosen() const
{
    for (const Menu* m = this; m; m = m->parentMenu())
        if (!m->visible() || !m->enabled())
            return false;
    return !isSeparator();
}

void Menu::userClick()
{
    if (canBeChosen() && onClick)
        onClick();
}

void Menu::saveDesign()
{
    Control::saveDesign();
    designChecked_ = checked_;
    designShortcut_ = shortcut_;
}

void Menu::restoreDesign()
{
    Control::restoreDesign();
    checked_ = designChecked_;
    shortcut_ = designShortcut_;
}

} // namespace controls
