#pragma once
// A combo box: a list and a text. Choosing an entry (by the user, or from code through setListIndex) puts
// its text into the box and runs the click handler; setting the text from code runs only the change
// handler. A key press handler may discard the typed character.

#include "controls/control.h"
#include "controls/item_list.h"

namespace controls {

enum class ComboStyle { DropdownCombo = 0, SimpleCombo = 1, DropdownList = 2 };

class ComboBox : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::ComboBox; }
    bool canTakeFocus() const override { return true; }

    ComboStyle style() const { return style_; }
    void setStyle(ComboStyle s) { style_ = s; }

    int listCount() const { return items_.count(); }
    QString list(int index) const;
    const QStringList& entries() const { return items_.texts(); }
    // Returns the position taken, -1 when the list is full (32767 entries) or the index is out of range.
    int addItem(const QString& text, int index = -1);
    bool removeItem(int index);
    // Empties the list and the text.
    void clear();
    std::int32_t itemData(int index) const;
    bool setItemData(int index, std::int32_t value);

    const QString& text() const { return text_; }
    // Sets the text; the selected position follows an entry of equal text (without regard to case), else -1.
    // Runs onChange when the text changes; never onClick.
    void setText(const QString& text);

    // A locked text changes only when the user chooses an entry (or from code): no typing, pasting, cutting,
    // deleting, undoing or dropping reaches it. Typed keys still go to the key press handler.
    bool textLocked() const { return textLocked_; }
    void setTextLocked(bool locked);

    int listIndex() const { return items_.selected(); }
    // Chooses an entry from code: its text into the box, then onClick when the position changes.
    // -1 clears the selection (the text stays). false for an index out of range.
    bool setListIndex(int index);

    std::function<void()> onClick;
    std::function<void()> onChange;
    std::function<void(int& keyAscii)> onKeyPress;

    // The user chose entry `index` from the list: its text into the box, then onClick (also when it was
    // chosen already). Ignored while disabled.
    void userChoose(int index);
    // The user typed a character: runs onKeyPress and returns the code to apply, 0 when it is discarded.
    int userKeyPress(int keyAscii);
    // The user's edit left this text in the box (a drop-down list and a locked text take none).
    void userEdit(const QString& text);

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    void setTextOnly(const QString& text);

    ComboStyle style_ = ComboStyle::DropdownCombo;
    bool textLocked_ = false;
    ItemList items_;
    QString text_;
    ItemList designItems_;
    QString designText_;
};

} // namespace controls
