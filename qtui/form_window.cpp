#include "qtui/form_window.h"

#include "qtui/binding.h"
#include "qtui/look.h"
#include "qtui/menu_binding.h"

#include "controls/command_button.h"
#include "controls/menu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace qtui {

FormWindow::FormWindow(controls::Form& form, QWidget* parent) : QWidget(parent, Qt::Window), form_(form)
{
    setObjectName(form_.name());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar_ = new QMenuBar(this);
    layout->setMenuBar(menuBar_);
    client_ = new QWidget(this);
    client_->setObjectName(form_.name() + QStringLiteral(".client"));
    layout->addWidget(client_);
    client_->installEventFilter(this);

    for (controls::Control* c : form_.controls())
        if (auto b = makeBinding(*c, *this)) {
            byControl_.insert(c, b.get());
            if (b->widget())
                byWidget_.insert(b->widget(), b.get());
            bindings_.push_back(std::move(b));
        }
    for (const auto& b : bindings_)
        b->updateAll();
    buildMenus();

    const QSize design = designClientSize();
    if (form_.sizable())
        client_->setMinimumSize(design);
    else
        client_->setFixedSize(design);
    client_->resize(design);
    placeChildrenOf(nullptr);
    adjustSize();

    observer_ = form_.observe([this](controls::FormEvent e) { onFormEvent(e); });
    for (controls::FormEvent e : {controls::FormEvent::Caption, controls::FormEvent::MousePointer, controls::FormEvent::Icon})
        onFormEvent(e);
    if (form_.isVisible())
        show();
}

FormWindow::~FormWindow()
{
    form_.unobserve(observer_);
    // Bindings first: the widgets they point at go with this window's widget tree afterwards.
    menus_.clear();
    bindings_.clear();
}

QWidget* FormWindow::widgetFor(const controls::Control& control) const
{
    Binding* b = bindingOf(&control);
    return b ? b->widget() : nullptr;
}

QObject* FormWindow::objectFor(const controls::Control& control) const
{
    if (Binding* b = bindingOf(&control))
        return b->object();
    for (const auto& m : menus_)
        if (&m->control() == &control)
            return m->object();
    return nullptr;
}

QSize FormWindow::designClientSize() const
{
    return {toPixels(form_.clientWidth()), toPixels(form_.clientHeight())};
}

Binding* FormWindow::bindingOf(const controls::Control* control) const
{
    return control ? byControl_.value(control, nullptr) : nullptr;
}

void FormWindow::place(Binding& binding)
{
    if (QWidget* area = placeOne(binding))
        stack(area);
}

void FormWindow::placeChildrenOf(const controls::Control* container)
{
    std::set<QWidget*> areas;
    for (controls::Control* c : form_.childrenOf(container))
        if (Binding* b = bindingOf(c))
            if (QWidget* area = placeOne(*b))
                areas.insert(area);
    for (QWidget* area : areas)
        stack(area);
}

QWidget* FormWindow::placeOne(Binding& binding)
{
    QWidget* w = binding.widget();
    if (!w)
        return nullptr;
    const controls::Control& c = binding.control();
    QWidget* area = client_;
    QPoint origin(0, 0);
    if (Binding* holder = bindingOf(c.container()); holder && holder->area(c.containerTab())) {
        area = holder->area(c.containerTab());
        origin = holder->areaOrigin(c.containerTab());
    }
    if (w->parentWidget() != area) {
        w->setParent(area);
        w->setVisible(c.visible());
    }
    // Each edge rounded on its own, so neighbours that touch in the design touch on screen.
    const controls::Rect& r = c.geometry();
    const int x1 = toPixels(r.left, scaleX_);
    const int y1 = toPixels(r.top, scaleY_);
    const int x2 = toPixels(r.left + r.width, scaleX_);
    const int y2 = toPixels(r.top + r.height, scaleY_);
    w->setGeometry(origin.x() + x1, origin.y() + y1, std::max(x2 - x1, 0), std::max(y2 - y1, 0));
    placeChildrenOf(&c);
    return area;
}

// Smaller controls lie on top of larger ones they overlap: the user row and the information panel over
// the tab control, the button panels over the frames.
void FormWindow::stack(QWidget* area)
{
    std::vector<std::pair<long long, QWidget*>> bySize;
    for (QWidget* child : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (Binding* b = bindingOfWidget(child)) {
            const controls::Rect& r = b->control().geometry();
            bySize.emplace_back(static_cast<long long>(r.width) * r.height, child);
        }
    std::stable_sort(bySize.begin(), bySize.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [size, w] : bySize)
        w->raise();
}

Binding* FormWindow::bindingOfWidget(QWidget* widget) const
{
    return byWidget_.value(widget, nullptr);
}

void FormWindow::rescale()
{
    const QSize design = designClientSize();
    scaleX_ = design.width() > 0 ? double(client_->width()) / design.width() : 1.0;
    scaleY_ = design.height() > 0 ? double(client_->height()) / design.height() : 1.0;
    placeChildrenOf(nullptr);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client_ && event->type() == QEvent::Resize)
        rescale();
    return QWidget::eventFilter(watched, event);
}

void FormWindow::buildMenus()
{
    for (controls::Menu* m : form_.menus())
        MenuBinding::build(*m, menuBar_, nullptr, this, menus_);
    // Shortcut keys go to the form, which clicks the item that has the key when it can be chosen.
    std::set<QString> keys;
    for (const auto& m : menus_)
        if (!m->control().shortcut().isEmpty())
            keys.insert(m->control().shortcut());
    for (const QString& key : keys) {
        auto* s = new QShortcut(QKeySequence::fromString(key, QKeySequence::PortableText), this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, [this, key] { form_.userShortcut(key); });
    }
    menuBar_->setVisible(!menus_.empty());
}

void FormWindow::onFormEvent(controls::FormEvent event)
{
    using E = controls::FormEvent;
    switch (event) {
    case E::Shown:
        show();
        activateWindow();
        break;
    case E::Hidden:
        closingFromForm_ = true;
        hide();
        closingFromForm_ = false;
        break;
    case E::Raised:
        show();
        raise();
        activateWindow();
        break;
    case E::Caption:
        setWindowTitle(form_.caption());
        break;
    case E::MousePointer:
        if (form_.mousePointer() == platform::MousePointer::Hourglass)
            setCursor(Qt::WaitCursor);
        else
            unsetCursor();
        break;
    case E::Icon:
        setWindowIcon(QIcon(toPixmap(form_.icon())));
        break;
    case E::Loaded:
        // Timers run only while their form is loaded.
        for (const auto& b : bindings_)
            if (b->control().kind() == controls::Kind::Timer)
                b->updateAll();
        break;
    case E::Focus:
        followFocus();
        break;
    case E::ClientSize:
        if (form_.sizable())
            client_->setMinimumSize(designClientSize());
        else
            client_->setFixedSize(designClientSize());
        rescale();
        adjustSize();
        break;
    case E::Unloaded:
    case E::HelpContext:
        break;
    }
}

void FormWindow::followFocus()
{
    Binding* b = bindingOf(form_.activeControl());
    QWidget* w = b ? b->focusWidget() : nullptr;
    if (w && !w->hasFocus())
        w->setFocus(Qt::OtherFocusReason);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    if (closingFromForm_ || !form_.isLoaded()) {
        event->accept();
        return;
    }
    // The close box asks the form; it may refuse. An unload hides the window through the form's events.
    if (form_.userClose())
        event->accept();
    else
        event->ignore();
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    if ((enter || escape) && event->modifiers() == Qt::NoModifier) {
        for (controls::Control* c : form_.controls()) {
            if (c->kind() != controls::Kind::CommandButton)
                continue;
            auto* button = static_cast<controls::CommandButton*>(c);
            if ((enter && button->isDefault()) || (escape && button->isCancel())) {
                button->userClick();
                event->accept();
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

} // namespace qtui
