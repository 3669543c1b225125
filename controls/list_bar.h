#pragma once
// A list bar: groups of items down the window's edge, each item with a key, a text and the key of a
// picture in the bar's picture collection. Groups and items are numbered from 1.

#include "controls/control.h"
#include "controls/picture.h"

#include <vector>

namespace controls {

struct ListBarItem {
    QString key;
    QString text;
    QString pictureKey;
    bool operator==(const ListBarItem&) const = default;
};

struct ListBarGroup {
    QString key;
    QString caption;
    std::vector<ListBarItem> items;
    bool operator==(const ListBarGroup&) const = default;
};

struct ListBarPicture {
    QString key;
    Picture picture;
    bool operator==(const ListBarPicture&) const = default;
};

class ListBar : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::ListBar; }

    int groupCount() const { return static_cast<int>(groups_.size()); }
    bool validGroup(int group) const { return group >= 1 && group <= groupCount(); }
    bool validItem(int group, int item) const;
    // The caller checks validGroup() / validItem().
    const ListBarGroup& group(int group) const;
    const ListBarItem& item(int group, int item) const;

    // Appends a group and returns its number.
    int addGroup(const QString& key, const QString& caption);
    bool setGroupCaption(int group, const QString& caption);
    // Inserts an item at `position` (1-based; 0 or past the end appends); returns its number, or 0 when
    // the group does not exist.
    int addItem(int group, int position, const QString& key, const QString& text);
    bool setItemText(int group, int item, const QString& text);
    bool setItemPicture(int group, int item, const QString& pictureKey);
    // Item number of `key` in `group`, or 0.
    int findItem(int group, const QString& key) const;
    void clear();

    // The picture collection, by key.
    void addPicture(const QString& key, const Picture& picture);
    // nullptr when no picture has this key.
    const Picture* picture(const QString& key) const;
    const std::vector<ListBarPicture>& pictures() const { return pictures_; }

    std::function<void(int group, int item)> onItemClick;
    void userClickItem(int group, int item);

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    std::vector<ListBarGroup> groups_;
    std::vector<ListBarPicture> pictures_;
    std::vector<ListBarGroup> designGroups_;
    std::vector<ListBarPicture> designPictures_;
};

} // namespace controls
