#include "controls/list_box.h"

namespace controls {

QString ListBox::list(int index) const
{
    return items_.valid(index) ? items_.text(index) : QString();
}

bool ListBox::setList(int index, const QString& text)
{
    if (!items_.setText(index, text))
        return false;
    changed(Property::Items, index);
    return true;
}

int ListBox::addItem(const QString& text, int index)
{
    const int at = items_.add(text, index);
    if (at >= 0)
        changed(Property::Items, at);
    return at;
}

bool ListBox::removeItem(int index)
{
    const int before = items_.selected();
    if (!items_.remove(index))
        return false;
    changed(Property::Items, index);
    if (items_.selected() != before)
        changed(Property::ListIndex);
    return true;
}

void ListBox::clear()
{
    items_.clear();
    changed(Property::Items);
}

std::int32_t ListBox::itemData(int index) const
{
    return items_.valid(index) ? items_.data(index) : 0;
}

bool ListBox::setItemData(int index, std::int32_t value)
{
    return items_.setData(index, value);
}

bool ListBox::setListIndex(int index)
{
    if (index == items_.selected())
        return index == -1 || items_.valid(index);
    if (!items_.select(index))
        return false;
    changed(Property::ListIndex);
    if (onClick)
        onClick();
    return true;
}

QString ListBox::text() const
{
    return list(items_.selected());
}

void ListBox::userSelect(int index)
{
    if (enabled())
        setListIndex(index);
}

void ListBox::userDoubleClick()
{
    if (enabled() && onDblClick)
        onDblClick();
}

void ListBox::saveDesign()
{
    Control::saveDesign();
    design_ = items_;
}

void ListBox::restoreDesign()
{
    Control::restoreDesign();
    items_ = design_;
}

} // namespace controls
