#include "mainwindow/desktop_commands.h"

namespace mainwindow {

void t31_Click(MainForm& form) { form.c37.setValue(1); }

void cm32_Click(const CommandLinks& links)
{
    if (links.show_verzeichnis)
        links.show_verzeichnis();
}

void attach_desktop_commands(MainForm& form, CommandLinks& links, int language)
{
    form.cm51.onClick = [&form] { cm51_Click(form); };
    form.cm52.onClick = [&form] { cm52_Click(form); };
    form.cmd21.onClick = [&form] { cmd21_Click(form); };
    form.cmd22.onClick = [&form] { cmd22_Click(form); };
    form.c16.onClick = [&form] { c16_Click(form); };
    form.t31.onClick = [&form] { t31_Click(form); };
    form.cm31.onClick = [&form, &links, language] { cm31_Click(form, links.system_parameters, language); };
    form.cm32.onClick = [&links] { cm32_Click(links); };
}

} // namespace mainwindow
