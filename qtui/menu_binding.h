#pragma once
// A menu of the form as Qt shows it: a menu with items becomes a QMenu (in the menu bar, or a submenu),
// an item without items a QAction, "-" a separator. Opening a menu runs its click handler, as choosing
// an item runs the item's.

#include "controls/menu.h"

#include <QPointer>

#include <memory>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace qtui {

class MenuBinding {
public:
    // Builds `menu` and all its items into `bar` (a top-level menu) or `parent` (an item).
    static void build(controls::Menu& menu, QMenuBar* bar, QMenu* parent, QWidget* owner,
                      std::vector<std::unique_ptr<MenuBinding>>& out);
    ~MenuBinding();
    MenuBinding(const MenuBinding&) = delete;
    MenuBinding& operator=(const MenuBinding&) = delete;

    controls::Menu& control() const { return menu_; }
    QAction* action() const { return action_; }
    QMenu* menu() const { return qmenu_; } // nullptr for an item without items
    // The QMenu of a menu with items, else its action.
    QObject* object() const;

private:
    MenuBinding(controls::Menu& menu, QAction* action, QMenu* qmenu);
    void update();

    controls::Menu& menu_;
    QPointer<QAction> action_;
    QPointer<QMenu> qmenu_;
    int observer_ = 0;
};

} // namespace qtui
