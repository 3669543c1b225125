#include "controls/combo_box.h"

namespace controls {

QString ComboBox::list(int index) const
{
    return items_.valid(index) ? items_.text(index) : QString();
}

int ComboBox::addItem(const QString& text, int index)
{
    const int at = items_.add(text, index);
    if (at >= 0)
        changed(Property::Items, at);
    return at;
}

bool ComboBox::removeItem(int index)
{
    const int before = items_.selected();
    if (!items_.remove(index))
        return false;
    changed(Property::Items, index);
    if (items_.selected() != before)
        changed(Property::ListIndex);
    return true;
}

void ComboBox::clear()
{
    items_.clear();
    changed(Property::Items);
    setTextOnly({});
}

std::int32_t ComboBox::itemData(int index) const
{
    return items_.valid(index) ? items_.data(index) : 0;
}

bool ComboBox::setItemData(int index, std::int32_t value)
{
    return items_.setData(index, value);
}

void ComboBox::setText(const QString& text)
{
    const int match = items_.findExact(text);
    if (match != items_.selected()) {
        items_.select(match);
        changed(Property::ListIndex);
    }
    setTextOnly(text);
}

void ComboBox::setTextOnly(const QString& text)
{
    if (text_ == text)
        return;
    text_ = text;
    changed(Property::Text);
    if (onChange)
        onChange();
}

void ComboBox::setTextLocked(bool locked)
{
    if (textLocked_ == locked)
        return;
    textLocked_ = locked;
    changed(Property::Locked);
}

bool ComboBox::setListIndex(int index)
{
    if (index != -1 && !items_.valid(index))
        return false;
    if (index == items_.selected())
        return true;
    items_.select(index);
    changed(Property::ListIndex);
    if (index >= 0) {
        setTextOnly(items_.text(index));
        if (onClick)
            onClick();
    }
    return true;
}

void ComboBox::userChoose(int index)
{
    if (!enabled() || !items_.valid(index))
        return;
    if (index != items_.selected()) {
        items_.select(index);
        changed(Property::ListIndex);
    }
    setTextOnly(items_.text(index));
    if (onClick)
        onClick();
}

int ComboBox::userKeyPress(int keyAscii)
{
    if (!enabled())
        return 0;
    if (onKeyPress)
        onKeyPress(keyAscii);
    return keyAscii;
}

void ComboBox::userEdit(const QString& text)
{
    if (!enabled() || style_ == ComboStyle::DropdownList || textLocked_)
        return;
    setText(text);
}

void ComboBox::saveDesign()
{
    Control::saveDesign();
    designItems_ = items_;
    designText_ = text_;
}

void ComboBox::restoreDesign()
{
    Control::restoreDesign();
    items_ = designItems_;
    text_ = designText_;
}

} // namespace controls
