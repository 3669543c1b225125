#include "mainform/censor_entries.h"

namespace mainwindow::censor {

bool contains(const controls::ListBox& list, const QString& name)
{
    return list.entries().contains(name, Qt::CaseSensitive);
}

bool add_if_missing(controls::ListBox& list, const QString& name)
{
    if (contains(list, name))
        return true;
    return list.addItem(name) >= 0;
}

} // namespace mainwindow::censor
