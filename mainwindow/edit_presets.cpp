#include "mainwindow/edit_presets.h"

#include "mainwindow/desktop_commands.h"
#include "platform/ui_services.h"

#include <span>

namespace mainwindow {

namespace {

using Box = controls::CheckBox MainForm::*;

void set(MainForm& form, std::span<const Box> boxes, int value)
{
    for (Box box : boxes)
        (form.*box).setValue(value);
}

// The groups of the presets, each in the order the boxes are set.
constexpr Box start_menu[] = {&MainForm::c11, &MainForm::c12, &MainForm::c13, &MainForm::c14,
                                                   &MainForm::c15, &MainForm::c16, &MainForm::c17, &MainForm::c18,
                                                   &MainForm::c19, &MainForm::c110};
constexpr Box explorer[] = {&MainForm::c21, &MainForm::c22, &MainForm::c23, &MainForm::c24,
                                                 &MainForm::c25, &MainForm::c26, &MainForm::c27, &MainForm::c28,
                                                 &MainForm::c29, &MainForm::c210};
constexpr Box desktop[] = {&MainForm::c31, &MainForm::c32, &MainForm::c33, &MainForm::c34,
                                                &MainForm::c35, &MainForm::c36, &MainForm::c37, &MainForm::c38};
constexpr Box system_boxes[] = {&MainForm::c61, &MainForm::c62, &MainForm::c63,
                                                     &MainForm::c64, &MainForm::c65, &MainForm::c66,
                                                     &MainForm::c67, &MainForm::c68, &MainForm::c69,
                                                     &MainForm::c610};
constexpr Box others[] = {&MainForm::c90, &MainForm::c91, &MainForm::c93, &MainForm::c94,
                                               &MainForm::c95, &MainForm::c96, &MainForm::c98, &MainForm::c99};
constexpr Box suggested[] = {
    &MainForm::c16, &MainForm::c17, &MainForm::c18, &MainForm::c110, &MainForm::c31, &MainForm::c32,
    &MainForm::c35, &MainForm::c36, &MainForm::c66, &MainForm::c67, &MainForm::c68, &MainForm::c98,
    &MainForm::c99, &MainForm::c23, &MainForm::c90, &MainForm::c91, &MainForm::c93};

// Unmark all up to the group c61 to c610.
void unmark_first_groups(MainForm& form)
{
    set(form, start_menu, 0);
    set(form, explorer, 0);
    cmd22_Click(form);
    set(form, desktop, 0);
    form.c41.setValue(0);
    cm52_Click(form);
    set(form, system_boxes, 0);
}

} // namespace

void mm21_Click(MainForm& form)
{
    set(form, start_menu, 1);
    set(form, explorer, 1);
    cmd21_Click(form);
    set(form, desktop, 1);
    cm51_Click(form);
    set(form, system_boxes, 1);
    set(form, others, 1);
    form.context().ui.msgBox(form.msg_mark_all, 64);
}

void mm22_Click(MainForm& form)
{
    unmark_first_groups(form);
    set(form, others, 0);
}

void mm23_Click(const CommandLinks& links)
{
    if (links.show_setpass)
        links.show_setpass();
}

void mm24_Click(MainForm& form, int language)
{
    set(form, suggested, 1);
    if (language == 1)
        form.context().ui.msgBox(QStringLiteral("Suggestions by the author are set..."), 64,
                                 QStringLiteral("Suggestions..."));
    else
        form.context().ui.msgBox(QStringLiteral("Vorschläge des Autors wurden gesetzt."), 64,
                                 QStringLiteral("Vorschläge..."));
}

void unmark_all(MainForm& form) { unmark_first_groups(form); }

void attach_edit_commands(MainForm& form, CommandLinks& links, int language)
{
    form.mm21.onClick = [&form] { mm21_Click(form); };
    form.mm22.onClick = [&form] { mm22_Click(form); };
    form.mm23.onClick = [&links] { mm23_Click(links); };
    form.mm24.onClick = [&form, language] { mm24_Click(form, language); };
}

} // namespace mainwindow
