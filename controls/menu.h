#pragma once
// A menu or menu item. Items nest: an item's container is the menu that holds it (nullptr for the menus
// of the menu bar). The caption carries its access key after "&"; "-" is a separator line.

#include "controls/control.h"

#include <vector>

namespace controls {

class Menu : public Control {
public:
    Menu(Form& form, QString name, Menu* parent = nullptr);
    Kind kind() const override { return Kind::Menu; }

    Menu* parentMenu() const;
    // The items of this menu, in declaration order.
    std::vector<Menu*> items() const;
    bool isSeparator() const { return caption() == QStringLiteral("-"); }

    bool checked() const { return checked_; }
    void setChecked(bool checked);
    // A key such as "F1" or "Ctrl+P" (portable key text); empty: none.
    const QString& shortcut() const { return shortcut_; }
    void setShortcut(const QString& shortcut);

    // Visible and enabled, and so are all the menus that hold it.
    bool canBeChosen() const;

    std::function<void()> onClick;
    // The user chose the item (or its shortcut); ignored unless it can be chosen.
    void userClick();

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    bool checked_ = false;
    QString shortcut_;
    bool designChecked_ = false;
    QString designShortcut_;
};

} // namespace controls
