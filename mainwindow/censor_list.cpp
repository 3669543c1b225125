#include "mainwindow/censor_list.h"

namespace mainwindow::censor {

void show_count(MainForm& form)
{
    form.gesamtfiles.setCaption(QStringLiteral("Total: ") + QString::number(form.List1.listCount()));
}

} // namespace mainwindow::censor
