#include "controls/tab_control.h"

namespace controls {

void TabControl::setTabs(int count)
{
    count = std::max(count, 0);
    if (count == tabs())
        return;
    captions_.resize(count);
    changed(Property::Tabs);
    if (current_ >= count && count > 0)
        setTab(count - 1);
}

QString TabControl::tabCaption(int tab) const
{
    return tab >= 0 && tab < tabs() ? captions_[tab] : QString();
}

bool TabControl::setTabCaption(int tab, const QString& caption)
{
    if (tab < 0 || tab >= tabs())
        return false;
    if (captions_[tab] != caption) {
        captions_[tab] = caption;
        changed(Property::Tabs, tab);
    }
    return true;
}

bool TabControl::setTab(int tab)
{
    if (tab < 0 || tab >= tabs())
        return false;
    if (tab == current_)
        return true;
    const int previous = current_;
    current_ = tab;
    changed(Property::CurrentTab);
    if (onClick)
        onClick(previous);
    return true;
}

void TabControl::userSelect(int tab)
{
    if (enabled())
        setTab(tab);
}

void TabControl::saveDesign()
{
    Control::saveDesign();
    designCaptions_ = captions_;
    designCurrent_ = current_;
}

void TabControl::restoreDesign()
{
    Control::restoreDesign();
    captions_ = designCaptions_;
    current_ = designCurrent_;
}

} // namespace controls
