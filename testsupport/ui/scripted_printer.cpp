#include "testsupport/ui/scripted_printer.h"

#include <cmath>

namespace scripted_ui {

QStringList PrintedDocument::pageText(int page) const
{
    QStringList out;
    for (const PrintedLine& l : lines)
        if (l.page == page)
            out << l.text;
    return out;
}

void ScriptedPrinter::print(const QString& text, bool endLine)
{
    place(text);
    if (endLine)
        lineBreak();
}

void ScriptedPrinter::tab(int column)
{
    const double target = (std::max(column, 1) - 1) * charWidth(fontSize_);
    if (x_ > target) {
        place({});
        lineBreak();
    }
    x_ = target;
}

void ScriptedPrinter::setScaleLeft(double v)
{
    scaleLeft_ = v;
}

void ScriptedPrinter::setScaleTop(double v)
{
    scaleTop_ = v;
}

void ScriptedPrinter::newPage()
{
    ++current_.pages;
    x_ = 0;
    y_ = 0;
    lineOpen_ = false;
}

void ScriptedPrinter::endDoc()
{
    documents_.push_back(current_);
    current_ = PrintedDocument{};
    x_ = 0;
    y_ = 0;
    lineOpen_ = false;
}

void ScriptedPrinter::place(const QString& text)
{
    if (!lineOpen_) {
        // The foot of the page is at scaleTop + pageHeight in the program's coordinates.
        if (y_ + lineHeight(fontSize_) > scaleTop_ + pageHeight() && y_ > 0)
            newPage();
        current_.lines.push_back({current_.pages, y_, fontName_, fontSize_, bold_, {}});
        lineOpen_ = true;
    }
    PrintedLine& line = current_.lines.back();
    const auto column = static_cast<qsizetype>(std::lround(x_ / charWidth(fontSize_)));
    if (column > line.text.size())
        line.text += QString(column - line.text.size(), QLatin1Char(' '));
    line.text += text;
    if (!text.isEmpty())
        current_.runs.push_back({current_.pages, x_, y_, fontName_, fontSize_, bold_, text});
    x_ += text.size() * charWidth(fontSize_);
}

void ScriptedPrinter::lineBreak()
{
    if (!lineOpen_)
        place({}); // an empty line still takes its height
    lineOpen_ = false;
    x_ = 0;
    y_ += lineHeight(fontSize_);
}

} // namespace scripted_ui
