#include "controls/list_view.h"

#include <algorithm>

namespace controls {

namespace {

// Letters folded to plain lower case: accents dropped (Ä sorts with A), ß as "ss".
QString sortKey(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QChar(0x00DF))
            key += QStringLiteral("ss");
        else
            key += c.toCaseFolded();
    }
    return key;
}

} // namespace

bool listViewLess(const QString& a, const QString& b)
{
    const int byKey = sortKey(a).compare(sortKey(b));
    if (byKey != 0)
        return byKey < 0;
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

const ListViewItem& ListView::item(int position) const
{
    return items_.at(static_cast<std::size_t>(position - 1));
}

QString ListView::text(int position) const
{
    return valid(position) ? item(position).text : QString();
}

bool ListView::checked(int position) const
{
    return valid(position) && item(position).checked;
}

bool ListView::setChecked(int position, bool checked)
{
    if (!valid(position))
        return false;
    auto& it = items_[static_cast<std::size_t>(position - 1)];
    if (it.checked != checked) {
        it.checked = checked;
        changed(Property::ItemChecked, position);
    }
    return true;
}

int ListView::find(const QString& text) const
{
    for (int i = 0; i < count(); ++i)
        if (items_[static_cast<std::size_t>(i)].text == text)
            return i + 1;
    return 0;
}

int ListView::add(const QString& text, const QString& key)
{
    // After every item that does not sort behind the new one: equal texts keep the order of adding.
    const auto at = std::upper_bound(items_.begin(), items_.end(), text,
                                     [](const QString& t, const ListViewItem& it) { return listViewLess(t, it.text); });
    const auto inserted = items_.insert(at, ListViewItem{text, key, false});
    const int position = static_cast<int>(inserted - items_.begin()) + 1;
    changed(Property::Items, position);
    return position;
}

bool ListView::remove(int position)
{
    if (!valid(position))
        return false;
    items_.erase(items_.begin() + (position - 1));
    changed(Property::Items, position);
    return true;
}

void ListView::clear()
{
    items_.clear();
    changed(Property::Items);
}

void ListView::userSetChecked(int position, bool checked)
{
    if (!enabled() || !valid(position) || item(position).checked == checked)
        return;
    setChecked(position, checked);
    if (onItemCheck)
        onItemCheck(position);
}

void ListView::saveDesign()
{
    Control::saveDesign();
    design_ = items_;
}

void ListView::restoreDesign()
{
    Control::restoreDesign();
    items_ = design_;
}

} // namespace controls
