#pragma once
// A list view with a check box on every item, kept sorted ascending by item text. Positions are 1..n in
// that order: an item added lands at its sorted place and the items behind it move up one; its tick
// travels with it. Ticking from code does not run the item-check handler; a user's click does.

#include "controls/control.h"

#include <vector>

namespace controls {

struct ListViewItem {
    QString text;
    QString key;
    bool checked = false;
    bool operator==(const ListViewItem&) const = default;
};

// The order of the list: without regard to case, and with accented letters next to their plain letter
// (Ä with A), as the platform's list sorts; ties keep the order of adding.
bool listViewLess(const QString& a, const QString& b);

class ListView : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::ListView; }
    bool canTakeFocus() const override { return true; }

    int count() const { return static_cast<int>(items_.size()); }
    // Item at position 1..count(); asserts the range is the caller's job: use valid().
    bool valid(int position) const { return position >= 1 && position <= count(); }
    const ListViewItem& item(int position) const;
    QString text(int position) const;
    bool checked(int position) const;
    // false for a position out of range. Does not run onItemCheck.
    bool setChecked(int position, bool checked);
    // Position of the first item with this text (exact), or 0.
    int find(const QString& text) const;

    // Adds an item at its sorted place and returns its position.
    int add(const QString& text, const QString& key = {});
    bool remove(int position);
    void clear();

    // The user ticked or unticked item `position`.
    std::function<void(int position)> onItemCheck;
    void userSetChecked(int position, bool checked);

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    std::vector<ListViewItem> items_;
    std::vector<ListViewItem> design_;
};

} // namespace controls
