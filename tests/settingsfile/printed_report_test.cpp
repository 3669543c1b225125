// The printed report through the scripted printer: its three pages line by line, where the lines land and
// in which font.

#include "test_window.h"

#include "settingsfile/printed_report.h"

#include <gtest/gtest.h>

namespace settingsfile_tests {

namespace {

using scripted_ui::PrintedDocument;
using scripted_ui::PrintedLine;

// A caption that reaches print column 50 pushes its answer to that column of the next line.
QStringList row(const QString& caption, const QString& answer)
{
    if (caption.size() > 49)
        return {caption, QString(49, QLatin1Char(' ')) + QStringLiteral(": ") + answer};
    return {caption.leftJustified(49, QLatin1Char(' ')) + QStringLiteral(": ") + answer};
}

QString yes_no(const controls::CheckBox& box) { return box.value() == 1 ? QStringLiteral("YES") : QStringLiteral("No"); }

const QString footer = QString(32, QLatin1Char(' ')) + QStringLiteral("Gatrisk 2002 - report of the restriction settings");

QStringList heading(const controls::Frame& frame) { return {QString(), frame.caption(), QString()}; }

template <class Boxes>
QStringList box_rows(const Boxes& boxes)
{
    QStringList out;
    for (const controls::CheckBox* b : boxes)
        out << row(b->caption(), yes_no(*b));
    return out;
}

class PrintedReport : public ::testing::Test {
protected:
    Window w;
    mainwindow::MainForm& f = w.form;

    const PrintedDocument& print()
    {
        settingsfile::mm14_Click(f);
        const auto& docs = w.ui().scriptedPrinter().documents();
        EXPECT_EQ(docs.size(), 1u);
        return docs.back();
    }

    void SetUp() override
    {
        f.c12.setValue(1);
        f.c110.setValue(1);
        f.lv1.setChecked(2, true);
        f.c33.setValue(1);
        f.c36.setValue(2); // greyed: not ticked
        f.t31.setText(QStringLiteral("C:\\WINDOWS\\Wolken.bmp"));
        f.c41.setValue(1); // adds GATR2002.EXE
        f.List1.addItem(QStringLiteral("WORD.EXE"));
        f.d_c.setValue(1);
        f.d_t.setValue(1);
        f.c610.setValue(1);
        f.c25.setValue(1);
        f.c96.setValue(1);
        f.t81.setText(QStringLiteral("Schule"));
        f.t82.setText(QStringLiteral("Admin"));
        f.t810.setText(QStringLiteral("C:\\Profiles\\")); // not printed
        f.t32.setText(QStringLiteral("C:\\Links"));        // not printed
    }
};

TEST_F(PrintedReport, ThreePagesOfTheWindowsSet)
{
    const PrintedDocument& doc = print();
    EXPECT_EQ(doc.pages, 3);

    QStringList page1{QString(), QStringLiteral("Gatrisk 2002"), QString()};
    page1 << heading(f.f1) << box_rows(std::array{&f.c11, &f.c12, &f.c13, &f.c14, &f.c15, &f.c16, &f.c17, &f.c18,
                                                  &f.c19, &f.c110});
    page1 << heading(f.f2);
    for (int i = 1; i <= f.lv1.count(); ++i)
        page1 << row(f.lv1.text(i), f.lv1.checked(i) ? QStringLiteral("YES") : QStringLiteral("No"));
    page1 << footer;
    EXPECT_EQ(doc.pageText(1), page1);

    QStringList page2 = heading(f.f3);
    page2 << box_rows(std::array{&f.c31, &f.c32, &f.c33, &f.c34, &f.c35, &f.c36, &f.c37, &f.c38});
    page2 << row(f.c37.caption(), QStringLiteral("C:\\WINDOWS\\Wolken.bmp"));
    page2 << heading(f.f4) << row(f.c41.caption(), QStringLiteral("YES")) << QString()
          << QStringLiteral("Filelist:") << QStringLiteral("GATR2002.EXE") << QStringLiteral("WORD.EXE");
    page2 << heading(f.f5) << QString() << QStringLiteral("The following drives are hidden:")
          << QStringLiteral(" C:\\  T:\\ ") << footer;
    EXPECT_EQ(doc.pageText(2), page2);

    QStringList page3 = heading(f.f6);
    page3 << box_rows(std::array{&f.c65, &f.c66, &f.c67, &f.c68, &f.c69, &f.c610, &f.c98, &f.c99});
    page3 << heading(f.f7)
          << box_rows(std::array{&f.c21, &f.c22, &f.c23, &f.c24, &f.c25, &f.c26, &f.c27, &f.c28, &f.c29, &f.c210});
    page3 << heading(f.f8)
          << box_rows(std::array{&f.c61, &f.c62, &f.c63, &f.c64, &f.c90, &f.c91, &f.c93, &f.c94, &f.c95, &f.c96});
    page3 << heading(f.f9) << row(f.l81.caption(), QStringLiteral("Schule"))
          << row(f.l82.caption(), QStringLiteral("Admin")) << footer;
    EXPECT_EQ(doc.pageText(3), page3);

    EXPECT_TRUE(w.ui().scriptedPrinter().pending().lines.empty());
    EXPECT_TRUE(w.ui().messages().empty());
    EXPECT_TRUE(w.ui().dialogs().empty());
}

TEST_F(PrintedReport, FontsAndPositions)
{
    const PrintedDocument& doc = print();
    EXPECT_EQ(w.ui().scriptedPrinter().scaleLeft(), -1000);
    EXPECT_EQ(w.ui().scriptedPrinter().scaleTop(), 0);

    struct Expect {
        int line; // index into the page's lines
        double y;
        double size;
        bool bold;
    };
    std::vector<const PrintedLine*> page1;
    for (const PrintedLine& l : doc.lines)
        if (l.page == 1)
            page1.push_back(&l);
    ASSERT_GE(page1.size(), 20u);
    // A title line is 14 × 24 twips high, a heading line 12 × 24, a body line 10 × 24.
    for (const Expect& e : {Expect{0, 0, 14, true}, Expect{1, 336, 14, true}, Expect{2, 672, 10, false},
                            Expect{3, 912, 12, true}, Expect{4, 1200, 12, true}, Expect{5, 1488, 10, false},
                            Expect{6, 1728, 10, false}, Expect{15, 3888, 10, false}, Expect{16, 4128, 12, true}}) {
        const PrintedLine& l = *page1[static_cast<std::size_t>(e.line)];
        EXPECT_EQ(l.y, e.y) << "line " << e.line;
        EXPECT_EQ(l.fontName, QStringLiteral("Arial")) << "line " << e.line;
        EXPECT_EQ(l.fontSize, e.size) << "line " << e.line;
        EXPECT_EQ(l.bold, e.bold) << "line " << e.line;
    }
    // The footer: at 15500, body style, on every page.
    for (int page = 1; page <= 3; ++page) {
        const PrintedLine* last = nullptr;
        for (const PrintedLine& l : doc.lines)
            if (l.page == page)
                last = &l;
        ASSERT_TRUE(last);
        EXPECT_EQ(last->text, footer);
        EXPECT_EQ(last->y, 15500);
        EXPECT_EQ(last->fontSize, 10);
        EXPECT_FALSE(last->bold);
    }
    // A row's answer starts at print column 50; the footer at x 1.
    int answers = 0;
    for (const auto& run : doc.runs) {
        if (run.text.startsWith(QStringLiteral(": "))) {
            EXPECT_EQ(run.x, 4900) << run.text.toStdString();
            ++answers;
        }
        if (run.text == footer) {
            EXPECT_EQ(run.x, 1);
        }
    }
    EXPECT_EQ(answers, 10 + f.lv1.count() + 9 + 1 + 8 + 10 + 10 + 2);
}

TEST_F(PrintedReport, NoHiddenDriveAndEmptyWallpaper)
{
    for (controls::CheckBox* d : f.driveBoxes())
        d->setValue(0);
    f.d_e.setValue(2); // greyed is not hidden
    f.t31.setText(QString());
    const QStringList page2 = print().pageText(2);
    EXPECT_TRUE(page2.contains(QStringLiteral("[NONE]")));
    EXPECT_TRUE(page2.contains(row(f.c37.caption(), QString()).last()));
}

// A censor list longer than its page goes on over a page of its own; no line runs into the notice.
TEST_F(PrintedReport, LongCensorListGoesOnOverAnotherPage)
{
    f.List1.clear();
    for (int i = 1; i <= 100; ++i)
        f.List1.addItem(QStringLiteral("PROG%1.EXE").arg(i));
    const PrintedDocument& doc = print();
    EXPECT_EQ(doc.pages, 4); // the list runs on over page 3

    QStringList entries;
    for (const PrintedLine& l : doc.lines) {
        if (l.text.startsWith(QStringLiteral("PROG")))
            entries << l.text;
        if (l.text != footer) {
            EXPECT_LT(l.y, 15500) << l.text.toStdString();
        }
    }
    ASSERT_EQ(entries.size(), 100);
    for (int i = 1; i <= 100; ++i)
        EXPECT_EQ(entries[i - 1], QStringLiteral("PROG%1.EXE").arg(i));
    for (int page = 1; page <= 4; ++page)
        EXPECT_EQ(doc.pageText(page).last(), footer) << "page " << page;
}

TEST_F(PrintedReport, EachPrintIsOneWholeDocument)
{
    print();
    settingsfile::mm14_Click(f);
    const auto& docs = w.ui().scriptedPrinter().documents();
    ASSERT_EQ(docs.size(), 2u);
    EXPECT_EQ(docs[1].pages, 3);
    EXPECT_EQ(docs[1].pageText(1), docs[0].pageText(1));
}

} // namespace

} // namespace settingsfile_tests
