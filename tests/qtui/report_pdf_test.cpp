// The printed report through the Qt printer into a PDF, on the papers a printer set-up offers: three pages,
// each with its notice at the foot.

#include "mainwindow/localize.h"
#include "policy/click_reactions.h"
#include "policy/engine.h"
#include "policy/operations.h"
#include "qtui/qt_printer.h"
#include "settingsfile/printed_report.h"
#include "testsupport/context/test_program.h"

#include "tests/qtui/qt_app.h"

#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& path)
{
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const auto m = pages.match(run(QStringLiteral("pdfinfo"), {path}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

struct Paper {
    const char* name;
    QPageSize::PageSizeId size;
    int language;
};

class ReportOnPaper : public ::testing::TestWithParam<Paper> {};

TEST_P(ReportOnPaper, HasThreePagesEachWithItsNotice)
{
    qt_app::app();
    testsupport::TestProgram program;
    mainwindow::MainForm form(program.context());
    policy::Engine engine(program.context(), form);
    policy::attach_click_reactions(form);
    policy::Get_CR(engine);
    policy::CPL_All(engine);
    mainwindow::localize(form, GetParam().language);
    form.c41.setValue(1);
    for (const char* name : {"WINWORD.EXE", "EXCEL.EXE", "SOL.EXE"})
        form.List1.addItem(QString::fromLatin1(name));
    form.d_c.setValue(1);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    qtui::QtPrinter printer;
    printer.setPdfFile(pdf);
    ASSERT_TRUE(printer.device().setPageSize(QPageSize(GetParam().size)));
    settingsfile::print_report(form, printer, GetParam().language);

    EXPECT_EQ(pdfPages(pdf), 3);
    const QString notice = GetParam().language == 0 ? QStringLiteral("Bericht der Einschränkungen")
                                                    : QStringLiteral("report of the restriction settings");
    const QStringList pages = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                                  .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 3);
    for (const QString& page : pages)
        EXPECT_TRUE(page.trimmed().endsWith(notice)) << page.toStdString();
    EXPECT_TRUE(pages[2].contains(form.l82.caption()));
}

INSTANTIATE_TEST_SUITE_P(Papers, ReportOnPaper,
                         ::testing::Values(Paper{"A4", QPageSize::A4, 1}, Paper{"Letter", QPageSize::Letter, 1},
                                           Paper{"Legal", QPageSize::Legal, 1},
                                           Paper{"Letter_German", QPageSize::Letter, 0}),
                         [](const ::testing::TestParamInfo<Paper>& row) { return std::string(row.param.name); });

} // namespace
