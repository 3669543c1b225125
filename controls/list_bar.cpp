#include "controls/list_bar.h"

namespace controls {

bool ListBar::validItem(int g, int i) const
{
    return validGroup(g) && i >= 1 && i <= static_cast<int>(group(g).items.size());
}

const ListBarGroup& ListBar::group(int g) const
{
    return groups_.at(static_cast<std::size_t>(g - 1));
}

const ListBarItem& ListBar::item(int g, int i) const
{
    return group(g).items.at(static_cast<std::size_t>(i - 1));
}

int ListBar::addGroup(const QString& key, const QString& caption)
{
    groups_.push_back({key, caption, {}});
    changed(Property::Groups, groupCount());
    return groupCount();
}

bool ListBar::setGroupCaption(int g, const QString& caption)
{
    if (!validGroup(g))
        return false;
    auto& grp = groups_[static_cast<std::size_t>(g - 1)];
    if (grp.caption != caption) {
        grp.caption = caption;
        changed(Property::Groups, g);
    }
    return true;
}

int ListBar::addItem(int g, int position, const QString& key, const QString& text)
{
    if (!validGroup(g))
        return 0;
    auto& items = groups_[static_cast<std::size_t>(g - 1)].items;
    const int size = static_cast<int>(items.size());
    const int at = position >= 1 && position <= size ? position - 1 : size;
    items.insert(items.begin() + at, ListBarItem{key, text, {}});
    changed(Property::Groups, g);
    return at + 1;
}

bool ListBar::setItemText(int g, int i, const QString& text)
{
    if (!validItem(g, i))
        return false;
    auto& it = groups_[static_cast<std::size_t>(g - 1)].items[static_cast<std::size_t>(i - 1)];
    if (it.text != text) {
        it.text = text;
        changed(Property::Groups, g);
    }
    return true;
}

bool ListBar::setItemPicture(int g, int i, const QString& pictureKey)
{
    if (!validItem(g, i))
        return false;
    auto& it = groups_[static_cast<std::size_t>(g - 1)].items[static_cast<std::size_t>(i - 1)];
    if (it.pictureKey != pictureKey) {
        it.pictureKey = pictureKey;
        changed(Property::Groups, g);
    }
    return true;
}

int ListBar::findItem(int g, const QString& key) const
{
    if (!validGroup(g))
        return 0;
    const auto& items = group(g).items;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].key == key)
            return static_cast<int>(i) + 1;
    return 0;
}

void ListBar::clear()
{
    groups_.clear();
    changed(Property::Groups);
}

void ListBar::addPicture(const QString& key, const Picture& picture)
{
    for (auto& p : pictures_) {
        if (p.key == key) {
            p.picture = picture;
            changed(Property::Picture);
            return;
        }
    }
    pictures_.push_back({key, picture});
    changed(Property::Picture);
}

const Picture* ListBar::picture(const QString& key) const
{
    for (const auto& p : pictures_)
        if (p.key == key)
            return &p.picture;
    return nullptr;
}

void ListBar::userClickItem(int g, int i)
{
    if (enabled() && validItem(g, i) && onItemClick)
        onItemClick(g, i);
}

void ListBar::saveDesign()
{
    Control::saveDesign();
    designGroups_ = groups_;
    designPictures_ = pictures_;
}

void ListBar::restoreDesign()
{
    Control::restoreDesign();
    groups_ = designGroups_;
    pictures_ = designPictures_;
}

} // namespace controls
