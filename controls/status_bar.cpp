#include "controls/status_bar.h"

namespace controls {

StatusBar::StatusBar(Form& form, QString name) : Control(form, std::move(name)), panels_(1) {}

const Panel& StatusBar::panel(int index) const
{
    return panels_.at(static_cast<std::size_t>(index - 1));
}

int StatusBar::addPanel()
{
    panels_.emplace_back();
    changed(Property::Panels, panelCount());
    return panelCount();
}

namespace {

template <class T>
bool assign(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

bool StatusBar::setPanelText(int index, const QString& text)
{
    if (!valid(index))
        return false;
    if (assign(panels_[static_cast<std::size_t>(index - 1)].text, text))
        changed(Property::Panels, index);
    return true;
}

bool StatusBar::setPanelWidth(int index, int twips)
{
    if (!valid(index))
        return false;
    if (assign(panels_[static_cast<std::size_t>(index - 1)].width, twips))
        changed(Property::Panels, index);
    return true;
}

bool StatusBar::setPanelMinWidth(int index, int twips)
{
    if (!valid(index))
        return false;
    if (assign(panels_[static_cast<std::size_t>(index - 1)].minWidth, twips))
        changed(Property::Panels, index);
    return true;
}

bool StatusBar::setPanelAlignment(int index, Alignment alignment)
{
    if (!valid(index))
        return false;
    if (assign(panels_[static_cast<std::size_t>(index - 1)].alignment, alignment))
        changed(Property::Panels, index);
    return true;
}

bool StatusBar::setPanelAutoSize(int index, PanelAutoSize autoSize)
{
    if (!valid(index))
        return false;
    if (assign(panels_[static_cast<std::size_t>(index - 1)].autoSize, autoSize))
        changed(Property::Panels, index);
    return true;
}

void StatusBar::userMouseDown(int button, int shift, double x, double y)
{
    if (enabled() && onMouseDown)
        onMouseDown(button, shift, x, y);
}

void StatusBar::userPanelClick(int panel)
{
    if (enabled() && valid(panel) && onPanelClick)
        onPanelClick(panel);
}

void StatusBar::saveDesign()
{
    Control::saveDesign();
    design_ = panels_;
}

void StatusBar::restoreDesign()
{
    Control::restoreDesign();
    panels_ = design_;
}

} // namespace controls
