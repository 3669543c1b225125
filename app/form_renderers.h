#pragma once
// The windows of the program's forms: each form gets its window the first time it is shown, and keeps that
// one window for the rest of the program (a form that unloads and shows again comes back in it). When no
// form is visible any more once pending events have run, the program ends, as it does when its last form
// goes away; a hand-over from one form to the next (hide one, show the other) is not an end.

#include "controls/form.h"
#include "qtui/form_window.h"

#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace app {

class FormRenderers {
public:
    // `end` runs when the last visible form has gone.
    explicit FormRenderers(std::function<void()> end);
    ~FormRenderers();
    FormRenderers(const FormRenderers&) = delete;
    FormRenderers& operator=(const FormRenderers&) = delete;

    // Renders `form` from its first showing on. The form must outlive this object.
    void follow(controls::Form& form);

    // The form's window; nullptr until it was first shown.
    qtui::FormWindow* windowOf(const controls::Form& form) const;

private:
    void formEvent(controls::Form& form, controls::FormEvent event);
    void endIfNoneVisible();

    std::function<void()> end_;
    std::vector<std::pair<controls::Form*, int>> followed_;
    std::map<const controls::Form*, std::unique_ptr<qtui::FormWindow>> windows_;
    bool checkPending_ = false;
    QObject timers_; // the pending check goes with this object
};

} // namespace app
