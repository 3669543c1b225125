#include "controls/common_dialog.h"

namespace controls {

std::vector<FilterEntry> parseFilter(const QString& filter)
{
    std::vector<FilterEntry> out;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        FilterEntry e;
        e.label = parts[i];
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts))
            e.patterns << p.trimmed();
        out.push_back(e);
    }
    return out;
}

CommonDialog::CommonDialog(Form& form, QString name, platform::UiServices& ui)
    : Control(form, std::move(name)), ui_(ui)
{
    setVisible(false);
}

void CommonDialog::setFileName(const QString& f)
{
    request_.fileName = f;
    fileTitle_ = f.mid(f.lastIndexOf(QLatin1Char('\\')) + 1);
}

bool CommonDialog::showOpen()
{
    return finish(ui_.showOpenDialog(request_));
}

bool CommonDialog::showSave()
{
    return finish(ui_.showSaveDialog(request_));
}

void CommonDialog::showPrinter()
{
    ui_.showPrinterDialog();
}

bool CommonDialog::finish(const std::optional<platform::FileDialogAnswer>& answer)
{
    if (!answer) {
        setFileName({});
        return false;
    }
    setFileName(answer->fileName);
    request_.filterIndex = answer->filterIndex;
    return true;
}

} // namespace controls
