#pragma once
// The entries of a list box or combo box: texts with an optional number each (ItemData), and the selected
// position. Positions and counts are 16-bit signed on the platform, so a list holds at most 32767 entries.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace controls {

inline constexpr int maxListEntries = 32767;

class ItemList {
public:
    int count() const { return static_cast<int>(texts_.size()); }
    bool full() const { return count() >= maxListEntries; }
    bool valid(int index) const { return index >= 0 && index < count(); }

    // Inserts at `index` (0-based; -1 or the count appends). Returns the position taken, -1 when the list
    // is full or the index is out of range. The selection stays with its entry.
    int add(const QString& text, int index = -1);
    // false for an index out of range. Removing the selected entry leaves nothing selected.
    bool remove(int index);
    void clear();

    const QString& text(int index) const { return texts_.at(index); }
    bool setText(int index, const QString& text);
    const QStringList& texts() const { return texts_; }
    std::int32_t data(int index) const { return data_.at(static_cast<std::size_t>(index)); }
    bool setData(int index, std::int32_t value);

    int selected() const { return selected_; } // -1: none
    // -1 clears the selection; false for any other index out of range.
    bool select(int index);

    // First entry equal to `text` without regard to case, or -1.
    int findExact(const QString& text) const;

    bool operator==(const ItemList&) const = default;

private:
    QStringList texts_;
    std::vector<std::int32_t> data_;
    int selected_ = -1;
};

} // namespace controls
