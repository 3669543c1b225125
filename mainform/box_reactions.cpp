#include "mainform/box_reactions.h"

#include "mainform/censor_entries.h"

namespace mainwindow {

void c16_Click(MainForm& form)
{
    if (form.c16.value() == 1)
        form.c31.setValue(1);
}

void c41_Click(MainForm& form)
{
    if (form.c41.value() != 1)
        return;
    censor::add_if_missing(form.List1, own_program_file);
}

} // namespace mainwindow
