#include "qtui/qt_printer.h"

#include "qtui/look.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace qtui {

namespace {

QString documentsFolder()
{
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return docs.isEmpty() ? QDir::homePath() : docs;
}

// A new file name in `folder` for a printout of now.
QString newPdfPath(const QString& folder)
{
    QDir().mkpath(folder);
    const QString stem = QStringLiteral("Gatrisk 2002 ") + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh-mm-ss"));
    QString path = QDir(folder).filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(stem + QStringLiteral(" (%1).pdf").arg(n));
    return path;
}

} // namespace

QtPrinter::QtPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)), pdfFolder_(documentsFolder()) {}

QtPrinter::~QtPrinter()
{
    if (painter_ && painter_->isActive())
        painter_->end();
}

bool QtPrinter::printsToFile() const
{
    return !pdfFile_.isEmpty() || printer_->outputFormat() == QPrinter::PdfFormat
        || QPrinterInfo::availablePrinterNames().isEmpty();
}

void QtPrinter::setPdfFile(const QString& path)
{
    if (pdfFile_ == path)
        return;
    if (!pdfFile_.isEmpty())
        printer_->setOutputFileName(QString());
    pdfFile_ = path;
}

QFont QtPrinter::font() const
{
    return toQFont({fontName_, fontSize_, bold_});
}

double QtPrinter::deviceUnitsPerTwip() const
{
    return printer_->resolution() / 1440.0;
}

double QtPrinter::lineHeight() const
{
    return QFontMetricsF(font(), printer_.get()).height() / deviceUnitsPerTwip();
}

double QtPrinter::averageWidth() const
{
    return QFontMetricsF(font(), printer_.get()).averageCharWidth() / deviceUnitsPerTwip();
}

double QtPrinter::textWidth(const QString& text) const
{
    return QFontMetricsF(font(), printer_.get()).horizontalAdvance(text) / deviceUnitsPerTwip();
}

double QtPrinter::pageWidth() const
{
    return printer_->pageLayout().paintRectPixels(printer_->resolution()).width() / deviceUnitsPerTwip();
}

double QtPrinter::pageHeight() const
{
    return printer_->pageLayout().paintRectPixels(printer_->resolution()).height() / deviceUnitsPerTwip();
}

bool QtPrinter::begin()
{
    if (painter_ && painter_->isActive())
        return true;
    writing_.clear();
    ownFile_ = false;
    if (!pdfFile_.isEmpty()) {
        writing_ = pdfFile_;
    } else if (QPrinterInfo::availablePrinterNames().isEmpty() && printer_->outputFileName().isEmpty()) {
        writing_ = newPdfPath(pdfFolder_);
        ownFile_ = true;
    }
    if (!writing_.isEmpty()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(writing_);
    } else if (printer_->outputFormat() == QPrinter::PdfFormat) {
        writing_ = printer_->outputFileName(); // printing to a file was chosen in the set-up
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        return false;
    }
    return true;
}

void QtPrinter::print(const QString& text, bool endLine)
{
    place(text);
    if (endLine)
        lineBreak();
}

void QtPrinter::tab(int column)
{
    const double target = (std::max(column, 1) - 1) * averageWidth();
    if (x_ > target)
        lineBreak();
    x_ = target;
}

void QtPrinter::place(const QString& text)
{
    if (!begin())
        return;
    // A line that would pass the foot of the page goes to the next one.
    if (!lineOpen_ && y_ > 0 && y_ + lineHeight() > scaleTop_ + pageHeight()) {
        printer_->newPage();
        x_ = 0;
        y_ = 0;
    }
    lineOpen_ = true;
    if (text.isEmpty())
        return;
    const QFont f = font();
    painter_->setFont(f);
    const double unit = deviceUnitsPerTwip();
    const double ascent = QFontMetricsF(f, printer_.get()).ascent();
    painter_->drawText(QPointF((x_ - scaleLeft_) * unit, (y_ - scaleTop_) * unit + ascent), text);
    x_ += textWidth(text);
}

void QtPrinter::lineBreak()
{
    if (!lineOpen_)
        place({});
    lineOpen_ = false;
    x_ = 0;
    y_ += lineHeight();
}

void QtPrinter::newPage()
{
    if (!begin())
        return;
    printer_->newPage();
    x_ = 0;
    y_ = 0;
    lineOpen_ = false;
}

void QtPrinter::endDoc()
{
    x_ = 0;
    y_ = 0;
    lineOpen_ = false;
    if (!painter_ || !painter_->isActive())
        return;
    painter_->end();
    painter_.reset();
    const QString written = writing_;
    writing_.clear();
    // A file of our own choosing is used once; the next document gets a new one.
    if (ownFile_)
        printer_->setOutputFileName(QString());
    if (!written.isEmpty() && onPdfWritten)
        onPdfWritten(written);
}

} // namespace qtui
