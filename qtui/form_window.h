#pragma once
// The window of a form: a menu bar made of the form's menus and a client area holding one widget per
// control at its design position (twips; 15 to a pixel at the design size). A sizable form scales its
// design with the window: positions and sizes grow in proportion, fonts stay. The window follows the
// form (shown, hidden, caption, mouse pointer, icon) and reports the user's doings to the controls:
// clicks, typing, choices, focus, the close box (an unload that the form may cancel).
//
// The form must outlive its window.

#include "controls/form.h"

#include <QHash>
#include <QWidget>

#include <memory>
#include <vector>

class QMenuBar;

namespace qtui {

class Binding;
class MenuBinding;

class FormWindow : public QWidget {
public:
    explicit FormWindow(controls::Form& form, QWidget* parent = nullptr);
    ~FormWindow() override;

    controls::Form& form() const { return form_; }

    // The widget that stands for a control; nullptr for menus and for controls without a widget.
    QWidget* widgetFor(const controls::Control& control) const;
    // The Qt object of any control: its widget, its QAction or QMenu, its QTimer.
    QObject* objectFor(const controls::Control& control) const;
    QMenuBar* menuBar() const { return menuBar_; }
    QWidget* clientArea() const { return client_; }

    // Pixels per design pixel, across and down (1 at the design size).
    double scaleX() const { return scaleX_; }
    double scaleY() const { return scaleY_; }
    // The client area's size at the design size, in pixels.
    QSize designClientSize() const;

    // Puts a control's widget into its container and at its position (and so its contents, if it holds any).
    void place(Binding& binding);
    void placeChildrenOf(const controls::Control* container);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onFormEvent(controls::FormEvent event);
    void buildMenus();
    void rescale();
    QWidget* placeOne(Binding& binding);
    void stack(QWidget* area);
    void followFocus();
    Binding* bindingOf(const controls::Control* control) const;
    Binding* bindingOfWidget(QWidget* widget) const;

    controls::Form& form_;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    std::vector<std::unique_ptr<Binding>> bindings_;
    std::vector<std::unique_ptr<MenuBinding>> menus_;
    QHash<const controls::Control*, Binding*> byControl_;
    QHash<const QWidget*, Binding*> byWidget_;
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
    int observer_ = 0;
    bool closingFromForm_ = false;
};

} // namespace qtui
