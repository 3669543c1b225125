#include "settingsfile/printed_report.h"

#include "settingsfile/box_groups.h"

#include <algorithm>
#include <cmath>

namespace settingsfile {

namespace {

constexpr double left_margin = -1000; // the origin 1000 twips in from the left edge
constexpr double footer_top = 15500;
constexpr double footer_left = 1;
constexpr int answer_column = 50;
constexpr double body_points = 10;

struct Words {
    QString on;
    QString off;
    QString file_list;
    QString hidden_drives;
    QString no_drive;
    QString notice;
};

Words words(int language)
{
    if (language == 0)
        return {QStringLiteral("AKTIVIERT"), QStringLiteral("nicht aktiviert"), QStringLiteral("Dateiliste:"),
                QStringLiteral("Folgende Laufwerksbuchstaben sind ausgeblendet:"), QStringLiteral("[KEINE]"),
                QStringLiteral("Gatrisk 2002 - Bericht der Einschränkungen")};
    return {QStringLiteral("YES"), QStringLiteral("No"), QStringLiteral("Filelist:"),
            QStringLiteral("The following drives are hidden:"), QStringLiteral("[NONE]"),
            QStringLiteral("Gatrisk 2002 - report of the restriction settings")};
}

class Report {
public:
    Report(platform::Printer& printer, const Words& w) : p_(printer), w_(w) {}

    void title_style() { style(14, true); }
    void heading_style() { style(12, true); }
    void body_style() { style(body_points, false); }

    void line(const QString& text = {})
    {
        make_room();
        end_line(text);
    }

    void heading(const controls::Frame& frame)
    {
        heading_style();
        line();
        line(frame.caption());
        body_style();
        line();
    }

    void row(const QString& caption, const QString& answer)
    {
        make_room();
        p_.print(caption, false);
        p_.tab(answer_column);
        end_line(QStringLiteral(": ") + answer);
    }

    QString word(bool on) const { return on ? w_.on : w_.off; }

    template <std::size_t N>
    void box_rows(const std::array<controls::CheckBox*, N>& boxes)
    {
        for (const controls::CheckBox* box : boxes)
            row(box->caption(), word(box->value() == 1));
    }

    // The notice at the foot of the page, in the body style.
    void footer()
    {
        p_.setCurrentY(footer_y());
        p_.setCurrentX(footer_left);
        p_.print(QString(32, QLatin1Char(' ')) + w_.notice);
    }

    // The page breaks are fixed; only a section too long for its page (a long censor list) goes on over a
    // page of its own rather than through the notice and off the foot of the paper.
    void make_room()
    {
        if (p_.currentY() + line_height_ <= footer_y())
            return;
        footer();
        p_.newPage();
    }

private:
    // 15500 fits the printable area of A4; a shorter one (Letter) would push the notice onto a page of
    // its own, so there it stands on the last line of the area. Whole twips, so the line surely fits.
    double footer_y() const
    {
        const double last_line = std::floor(p_.scaleTop() + p_.pageHeight() - body_line_height_);
        return std::min(footer_top, last_line);
    }

    // Prints the rest of the line and ends it; remembers how far a line moves down.
    void end_line(const QString& text)
    {
        const double before = p_.currentY();
        p_.print(text);
        if (p_.currentY() > before) {
            line_height_ = p_.currentY() - before;
            if (p_.fontSize() == body_points && !p_.fontBold())
                body_line_height_ = line_height_;
        }
    }

    void style(double points, bool bold)
    {
        p_.setFontName(QStringLiteral("Arial"));
        p_.setFontSize(points);
        p_.setFontBold(bold);
    }

    platform::Printer& p_;
    const Words& w_;
    double line_height_ = 0;
    double body_line_height_ = 0;
};

QString drive_line(mainwindow::MainForm& form, const Words& w)
{
    QString out;
    char letter = 'A';
    for (const controls::CheckBox* box : form.driveBoxes()) {
        if (box->value() == 1)
            out += QStringLiteral(" %1:\\ ").arg(QLatin1Char(letter));
        ++letter;
    }
    return out.isEmpty() ? w.no_drive : out;
}

} // namespace

void mm14_Click(mainwindow::MainForm& form, int language)
{
    print_report(form, form.context().ui.printer(), language);
}

void print_report(mainwindow::MainForm& f, platform::Printer& printer, int language)
{
    const Words w = words(language);
    Report r(printer, w);
    printer.setScaleLeft(left_margin);

    r.title_style();
    r.line();
    r.line(QStringLiteral("Gatrisk 2002"));
    r.body_style();
    r.line();

    r.heading(f.f1);
    r.box_rows(start_menu_boxes(f));
    r.heading(f.f2);
    for (int i = 1; i <= f.lv1.count(); ++i)
        r.row(f.lv1.text(i), r.word(f.lv1.checked(i)));
    r.footer();
    printer.newPage();

    r.heading(f.f3);
    r.box_rows(desktop_boxes(f));
    r.row(f.c37.caption(), f.t31.text());
    r.heading(f.f4);
    r.row(f.c41.caption(), r.word(f.c41.value() == 1));
    r.line();
    r.line(w.file_list);
    for (const QString& entry : f.List1.entries())
        r.line(entry);
    r.heading(f.f5);
    r.line();
    r.line(w.hidden_drives);
    r.line(drive_line(f, w));
    r.footer();
    printer.newPage();

    r.heading(f.f6);
    r.box_rows(network_boxes(f));
    r.heading(f.f7);
    r.box_rows(explorer_boxes(f));
    r.heading(f.f8);
    r.box_rows(misc_boxes(f));
    r.heading(f.f9);
    r.row(f.l81.caption(), f.t81.text());
    r.row(f.l82.caption(), f.t82.text());
    r.footer();
    printer.endDoc();
}

void druckzeile(const QString&, bool) {}

} // namespace settingsfile
