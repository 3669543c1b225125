#include "qtui/look.h"
#include "qtui/qt_printer.h"
#include "qtui/qt_ui_services.h"

#include "tests/qtui/qt_app.h"

#include <QFile>
#include <QFontMetricsF>
#include <QMap>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The text of a PDF as pdftotext lays it out; pages are separated by form feeds.
QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return QStringLiteral("<pdftotext failed: %1>").arg(QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The left edge (points) of the first occurrence of each word, as pdftotext finds it.
QMap<QString, double> wordPositions(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    p.waitForFinished(20000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    QMap<QString, double> out;
    static const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (!out.contains(m.captured(2)))
            out.insert(m.captured(2), m.captured(1).toDouble());
    }
    return out;
}

double averageWidthPoints(double size)
{
    QFont f = qtui::toQFont({QStringLiteral("Arial"), size, false});
    QPrinter printer(QPrinter::HighResolution);
    return QFontMetricsF(f, &printer).averageCharWidth() * 72.0 / printer.resolution();
}

struct PrinterTest : ::testing::Test {
    static void SetUpTestSuite() { qt_app::app(); }
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        printer.setPdfFile(pdf);
        printer.onPdfWritten = [this](const QString& path) { written << path; };
    }
    QTemporaryDir dir;
    QString pdf = dir.filePath("report.pdf");
    qtui::QtPrinter printer;
    QStringList written;
};

TEST_F(PrinterTest, LinesTabsAndPagesReachThePdf)
{
    printer.setScaleLeft(-1000);
    printer.setFontName("Arial");
    printer.setFontSize(14);
    printer.setFontBold(true);
    printer.print("");
    printer.print("Gatrisk 2002");
    printer.setFontSize(10);
    printer.setFontBold(false);
    printer.print("Disable ShutDown", false);
    printer.tab(50);
    printer.print(": YES");
    printer.print("Only", false);
    printer.print(" one line");
    printer.newPage();
    printer.print("Second page");
    EXPECT_TRUE(written.isEmpty()) << "nothing is sent before the end of the document";
    printer.endDoc();

    ASSERT_EQ(written, QStringList{pdf});
    const QString text = pdfText(pdf);
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2) << qPrintable(text);
    EXPECT_TRUE(pages[0].contains("Gatrisk 2002")) << qPrintable(text);
    EXPECT_TRUE(pages[0].contains("Only one line")) << qPrintable(text);
    EXPECT_TRUE(pages[1].contains("Second page")) << qPrintable(text);
    // Column 50 is 49 average character widths from the line's start, which is 1000 twips in.
    const QMap<QString, double> x = wordPositions(pdf);
    ASSERT_TRUE(x.contains("Disable") && x.contains(":")) << qPrintable(text);
    const double margin = QPrinter(QPrinter::HighResolution).pageLayout().paintRect(QPageLayout::Point).left();
    EXPECT_NEAR(x["Disable"], margin + 1000 / 20.0, 2) << "the origin moved 1000 twips into the printable area";
    EXPECT_NEAR(x[":"] - x["Disable"], 49 * averageWidthPoints(10), 3);
}

TEST_F(PrinterTest, PositionsFollowTheFont)
{
    printer.setFontSize(10);
    printer.print("abc", false);
    const double afterText = printer.currentX();
    EXPECT_GT(afterText, 0);
    printer.print("");
    EXPECT_EQ(printer.currentX(), 0);
    const double line10 = printer.currentY();
    printer.setFontSize(20);
    printer.print("");
    EXPECT_GT(printer.currentY() - line10, line10 * 1.5) << "a larger font takes a taller line";
    // A tab column already passed goes to that column of the next line.
    printer.setFontSize(10);
    printer.print("a long text that passes column three", false);
    const double y = printer.currentY();
    printer.tab(3);
    EXPECT_GT(printer.currentY(), y);
    EXPECT_GT(printer.currentX(), 0);
    printer.endDoc();
}

TEST_F(PrinterTest, ALineBelowTheFootStartsANewPage)
{
    printer.setFontSize(10);
    printer.print("on the first page");
    printer.setCurrentY(printer.pageHeight() - 10);
    printer.print("below the foot");
    EXPECT_LT(printer.currentY(), 1000) << "the line went to the top of a new page";
    printer.endDoc();
    const QStringList pages = pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[1].contains("below the foot"));
}

TEST_F(PrinterTest, EndingAnEmptyDocumentSendsNothing)
{
    printer.endDoc();
    EXPECT_TRUE(written.isEmpty());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(PrinterWithoutPrinter, WritesANewPdfPerDocumentAndSaysWhere)
{
    qt_app::app();
    qtui::QtPrinter printer;
    if (!printer.printsToFile())
        GTEST_SKIP() << "this system has a printer";
    QTemporaryDir dir;
    printer.setPdfFolder(dir.path());
    QStringList written;
    printer.onPdfWritten = [&](const QString& path) { written << path; };
    printer.print("first");
    printer.endDoc();
    printer.print("second");
    printer.endDoc();
    ASSERT_EQ(written.size(), 2);
    EXPECT_NE(written[0], written[1]);
    EXPECT_TRUE(written[0].startsWith(dir.path()));
    EXPECT_TRUE(pdfText(written[1]).contains("second"));
}

} // namespace

namespace {

TEST(PrinterSetup, ShowsTheDialogForThePrinterThatPrints)
{
    qt_app::app();
    qtui::QtUiServices ui;
    QPrinter* shownFor = nullptr;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shownFor = dialog->printer();
        dialog->reject();
    });
    ui.showPrinterDialog();
    EXPECT_EQ(shownFor, &ui.qtPrinter().device());
}

} // namespace
