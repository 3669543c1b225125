#include "app/form_renderers.h"

#include <QTimer>

namespace app {

FormRenderers::FormRenderers(std::function<void()> end) : end_(std::move(end)) {}

FormRenderers::~FormRenderers()
{
    for (const auto& [form, id] : followed_)
        form->unobserve(id);
    windows_.clear();
}

void FormRenderers::follow(controls::Form& form)
{
    const int id = form.observe([this, &form](controls::FormEvent e) { formEvent(form, e); });
    followed_.emplace_back(&form, id);
}

qtui::FormWindow* FormRenderers::windowOf(const controls::Form& form) const
{
    const auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second.get();
}

void FormRenderers::formEvent(controls::Form& form, controls::FormEvent event)
{
    if (event == controls::FormEvent::Shown && !windowOf(form))
        windows_[&form] = std::make_unique<qtui::FormWindow>(form); // shows itself: the form is visible
    if (event == controls::FormEvent::Hidden && !checkPending_) {
        checkPending_ = true;
        QTimer::singleShot(0, &timers_, [this] { endIfNoneVisible(); });
    }
}

void FormRenderers::endIfNoneVisible()
{
    checkPending_ = false;
    for (const auto& [form, id] : followed_)
        if (form->isVisible())
            return;
    if (end_)
        end_();
}

} // namespace app
