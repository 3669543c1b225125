#include "qtui/menu_binding.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace qtui {

void MenuBinding::build(controls::Menu& menu, QMenuBar* bar, QMenu* parent, QWidget* owner,
                        std::vector<std::unique_ptr<MenuBinding>>& out)
{
    const std::vector<controls::Menu*> items = menu.items();
    QAction* action = nullptr;
    QMenu* qmenu = nullptr;
    if (!items.empty() || !parent) {
        qmenu = new QMenu(owner);
        qmenu->setObjectName(menu.name());
        action = bar && !parent ? bar->addMenu(qmenu) : parent->addMenu(qmenu);
        QObject::connect(qmenu, &QMenu::aboutToShow, qmenu, [&menu] { menu.userClick(); });
    } else {
        action = new QAction(parent);
        action->setObjectName(menu.name());
        parent->addAction(action);
        QObject::connect(action, &QAction::triggered, action, [&menu] { menu.userClick(); });
    }
    out.push_back(std::unique_ptr<MenuBinding>(new MenuBinding(menu, action, qmenu)));
    for (controls::Menu* item : items)
        build(*item, bar, qmenu, owner, out);
}

MenuBinding::MenuBinding(controls::Menu& menu, QAction* action, QMenu* qmenu) : menu_(menu), action_(action), qmenu_(qmenu)
{
    observer_ = menu_.observe([this](controls::Property, int) { update(); });
    update();
}

MenuBinding::~MenuBinding()
{
    menu_.unobserve(observer_);
}

QObject* MenuBinding::object() const
{
    return qmenu_ ? static_cast<QObject*>(qmenu_.data()) : static_cast<QObject*>(action_.data());
}

void MenuBinding::update()
{
    if (!action_)
        return;
    action_->setSeparator(menu_.isSeparator());
    // A separator with a text is drawn as a heading that shows it; the line alone is wanted.
    QString text = menu_.isSeparator() ? QString() : menu_.caption();
    // The shortcut is shown beside the caption; the window's own shortcuts choose the item, so that the
    // form decides whether it can be chosen.
    if (!menu_.shortcut().isEmpty())
        text += QLatin1Char('\t')
              + QKeySequence::fromString(menu_.shortcut(), QKeySequence::PortableText).toString(QKeySequence::NativeText);
    action_->setText(text);
    if (qmenu_)
        qmenu_->setTitle(menu_.caption());
    action_->setVisible(menu_.visible());
    action_->setEnabled(menu_.enabled());
    action_->setCheckable(menu_.checked());
    action_->setChecked(menu_.checked());
}

} // namespace qtui
