#include "mainwindow/censor_list.h"

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

void show_count(MainForm& form)
{
    form.gesamtfiles.setCaption(QStringLiteral("Total: ") + QString::number(form.List1.listCount()));
}

} // namespace mainwindow::censor
