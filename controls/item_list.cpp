#include "controls/item_list.h"

namespace controls {

int ItemList::add(const QString& text, int index)
{
    if (full())
        return -1;
    if (index == -1)
        index = count();
    if (index < 0 || index > count())
        return -1;
    texts_.insert(index, text);
    data_.insert(data_.begin() + index, 0);
    if (selected_ >= index)
        ++selected_;
    return index;
}

bool ItemList::remove(int index)
{
    if (!valid(index))
        return false;
    texts_.removeAt(index);
    data_.erase(data_.begin() + index);
    if (selected_ == index)
        selected_ = -1;
    else if (selected_ > index)
        --selected_;
    return true;
}

void ItemList::clear()
{
    texts_.clear();
    data_.clear();
    selected_ = -1;
}

bool ItemList::setText(int index, const QString& text)
{
    if (!valid(index))
        return false;
    texts_[index] = text;
    return true;
}

bool ItemList::setData(int index, std::int32_t value)
{
    if (!valid(index))
        return false;
    data_[static_cast<std::size_t>(index)] = value;
    return true;
}

bool ItemList::select(int index)
{
    if (index != -1 && !valid(index))
        return false;
    selected_ = index;
    return true;
}

int ItemList::findExact(const QString& text) const
{
    for (int i = 0; i < count(); ++i)
        if (texts_[i].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace controls
