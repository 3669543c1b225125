#pragma once
// A list box: unsorted entries in insertion order, one selected position (ListIndex), at most 32767 entries.
// Selecting from code runs the click handler when the selection changes, as a click does.

#include "controls/control.h"
#include "controls/item_list.h"

namespace controls {

class ListBox : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::ListBox; }
    bool canTakeFocus() const override { return true; }

    int listCount() const { return items_.count(); }
    // The entry at `index` (0-based); empty for an index out of range.
    QString list(int index) const;
    bool setList(int index, const QString& text);
    const QStringList& entries() const { return items_.texts(); }

    // Returns the position taken, -1 when the list is full (32767 entries) or the index is out of range.
    int addItem(const QString& text, int index = -1);
    bool removeItem(int index);
    void clear();

    std::int32_t itemData(int index) const;
    bool setItemData(int index, std::int32_t value);

    int listIndex() const { return items_.selected(); }
    // -1 selects nothing. false for an index out of range. Runs onClick when the selection changes.
    bool setListIndex(int index);
    // The selected entry's text; empty when nothing is selected.
    QString text() const;

    std::function<void()> onClick;
    std::function<void()> onDblClick;

    void userSelect(int index);
    void userDoubleClick();

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    ItemList items_;
    ItemList design_;
};

} // namespace controls
