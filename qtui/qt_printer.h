#pragma once
// The program's printer surface on a QPrinter: the printer chosen in the set-up dialog (the system's
// default at first), or, where the system has no printer, a PDF file. Positions are twips from the
// scale origin; a document starts with its first print and is sent by endDoc.

#include "platform/ui_services.h"

#include <QFont>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;

namespace qtui {

class QtPrinter : public platform::Printer {
public:
    QtPrinter();
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    // The device itself, for the set-up dialog.
    QPrinter& device() { return *printer_; }
    // Whether documents go to a PDF file (no printer on the system, or printing to a file was chosen).
    bool printsToFile() const;
    // Documents go to this PDF file from now on (an empty path: back to the chosen printer).
    void setPdfFile(const QString& path);
    // Without a printer, each document becomes a new file in this folder (the documents folder at first).
    void setPdfFolder(const QString& folder) { pdfFolder_ = folder; }
    // Told the path of each PDF file that a document was written to.
    std::function<void(const QString& path)> onPdfWritten;

    QString fontName() const override { return fontName_; }
    void setFontName(const QString& name) override { fontName_ = name; }
    double fontSize() const override { return fontSize_; }
    void setFontSize(double points) override { fontSize_ = points; }
    bool fontBold() const override { return bold_; }
    void setFontBold(bool bold) override { bold_ = bold; }

    void print(const QString& text, bool endLine = true) override;
    void tab(int column) override;

    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }
    double scaleLeft() const override { return scaleLeft_; }
    double scaleTop() const override { return scaleTop_; }
    void setScaleLeft(double v) override { scaleLeft_ = v; }
    void setScaleTop(double v) override { scaleTop_ = v; }
    double pageWidth() const override;
    double pageHeight() const override;

    void newPage() override;
    void endDoc() override;

private:
    QFont font() const;
    double deviceUnitsPerTwip() const;
    double lineHeight() const;     // twips
    double averageWidth() const;   // twips
    double textWidth(const QString& text) const;
    bool begin();
    void place(const QString& text);
    void lineBreak();

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QString pdfFile_;
    QString pdfFolder_;
    QString writing_; // the PDF file of the document being printed
    bool ownFile_ = false; // writing_ was named here, for this document only
    QString fontName_ = QStringLiteral("Arial");
    double fontSize_ = 10;
    bool bold_ = false;
    double x_ = 0;
    double y_ = 0;
    double scaleLeft_ = 0;
    double scaleTop_ = 0;
    bool lineOpen_ = false;
};

} // namespace qtui
