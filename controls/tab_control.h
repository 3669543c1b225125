#pragma once
// A tab control: tabs 0..tabs()-1 with captions; controls sit on a page through setContainer(this, page).
// Selecting another tab, from code or by a click, runs the click handler with the tab selected before.

#include "controls/control.h"

#include <QStringList>

namespace controls {

class TabControl : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::TabControl; }
    bool canTakeFocus() const override { return true; }

    int tabs() const { return static_cast<int>(captions_.size()); }
    // Sets the number of tabs; new tabs have empty captions. The current tab stays within range.
    void setTabs(int count);
    QString tabCaption(int tab) const;
    bool setTabCaption(int tab, const QString& caption);

    int tab() const { return current_; }
    // false for a tab out of range. Runs onClick(previous) when the tab changes.
    bool setTab(int tab);

    std::function<void(int previousTab)> onClick;
    void userSelect(int tab);

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    QStringList captions_;
    int current_ = 0;
    QStringList designCaptions_;
    int designCurrent_ = 0;
};

} // namespace controls
