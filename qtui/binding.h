#pragma once
// One control and the Qt object that stands for it on screen, kept in step both ways: the control's
// observer calls sync() whenever its state changes; the widget's signals and events call the control's
// user-action methods. A binding never owns its widget (the window's widget tree does).

#include "controls/control.h"

#include <QMetaObject>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace qtui {

class FormWindow;

class Binding {
public:
    Binding(controls::Control& control, FormWindow& window);
    virtual ~Binding();
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    controls::Control& control() const { return control_; }
    // The widget that stands for the control; nullptr for those that have none of their own (menus,
    // which the menu bar shows, and the invisible ones).
    QWidget* widget() const { return widget_; }
    // What tests and tools find by the control's name: the widget, or the object that works for it.
    QObject* object() const;

    // Where the controls that this one contains are placed (page `tab` of a tab control) and where this
    // control's design origin lies in that area, in pixels.
    virtual QWidget* area(int tab);
    virtual QPoint areaOrigin(int tab);
    // The widget takes the keyboard focus when the control gets it.
    virtual QWidget* focusWidget() const { return widget_; }

    // Brings the widget in line with the control after `what` changed.
    void update(controls::Property what, int index);
    // All of the state, as after creation.
    void updateAll() { update(controls::Property::All, -1); }

protected:
    // Set up in the constructor of the concrete binding; names the object after the control.
    void setWidget(QWidget* widget);
    void setObject(QObject* object);
    // The concrete part of update(); `All` asks for everything.
    virtual void sync(controls::Property what, int index) = 0;
    static bool is(controls::Property what, controls::Property p)
    {
        return what == p || what == controls::Property::All;
    }

    // Connects a widget signal for the life of this binding.
    template <class Sender, class Signal, class F>
    void on(Sender* sender, Signal signal, F&& f)
    {
        connections_.push_back(QObject::connect(sender, signal, std::forward<F>(f)));
    }
    // Events of `target` (and, returning true, swallows them).
    void filter(QObject* target, std::function<bool(QObject*, QEvent*)> handler);
    // Marks the widget itself as the focus taker and reports focus changes to the control.
    void trackFocus(QWidget* w);

    // True while the widget is being set from the control: its signals then are echoes, not user actions.
    bool updating() const { return updating_; }

    FormWindow& window() const { return window_; }

private:
    controls::Control& control_;
    FormWindow& window_;
    QWidget* widget_ = nullptr;
    QPointer<QObject> object_;
    int observer_ = 0;
    bool updating_ = false;
    std::vector<QMetaObject::Connection> connections_;
    std::vector<std::unique_ptr<QObject>> filters_;
};

// The binding for any control kind; menus get none (the window's menu bar binds them).
std::unique_ptr<Binding> makeBinding(controls::Control& control, FormWindow& window);

} // namespace qtui
