#pragma once
// A printer for tests: fixed metrics, so positions are predictable, and a record of every document.

#include "platform/ui_services.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace scripted_ui {

// One piece of printed text where it landed.
struct PrintedRun {
    int page = 1; // 1-based within its document
    double x = 0;
    double y = 0;
    QString fontName;
    double fontSize = 0;
    bool bold = false;
    QString text;
};

// A printed line as text: the runs of one line joined, with blanks where a tab moved the position.
struct PrintedLine {
    int page = 1;
    double y = 0;
    QString fontName;
    double fontSize = 0;
    bool bold = false;
    QString text;
};

struct PrintedDocument {
    int pages = 1;
    std::vector<PrintedRun> runs;
    std::vector<PrintedLine> lines;
    // The lines of one page, as texts.
    QStringList pageText(int page) const;
};

// A printer with fixed metrics, so positions are predictable: a character is size × 10 twips wide, a line
// is size × 24 twips high; the printable area is A4 (11906 × 16838 twips).
class ScriptedPrinter : public platform::Printer {
public:
    static double charWidth(double points) { return points * 10.0; }
    static double lineHeight(double points) { return points * 24.0; }

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
    void setScaleLeft(double v) override;
    void setScaleTop(double v) override;
    double pageWidth() const override { return 11906; }
    double pageHeight() const override { return 16838; }

    void newPage() override;
    void endDoc() override;

    // Documents sent by endDoc, oldest first; the one being printed is not among them.
    const std::vector<PrintedDocument>& documents() const { return documents_; }
    // The document being printed (not yet ended).
    const PrintedDocument& pending() const { return current_; }

private:
    void place(const QString& text);
    void lineBreak();

    QString fontName_ = QStringLiteral("Arial");
    double fontSize_ = 10;
    bool bold_ = false;
    double x_ = 0;
    double y_ = 0;
    double scaleLeft_ = 0;
    double scaleTop_ = 0;
    bool lineOpen_ = false;
    PrintedDocument current_;
    std::vector<PrintedDocument> documents_;
};

} // namespace scripted_ui
