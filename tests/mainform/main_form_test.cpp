#include "mainform/main_form.h"

#include "tests/mainform/main_inventory.h"
#include "testsupport/context/test_program.h"

#include <gtest/gtest.h>

namespace {

using controls::Control;

struct MainFormTest : ::testing::Test {
    testsupport::TestProgram program;
    mainwindow::MainForm form{program.context()};
};

// The design rectangle of `c` in the form's client coordinates.
controls::Rect onForm(const Control& c)
{
    controls::Rect r = c.geometry();
    for (const Control* p = c.container(); p; p = p->container()) {
        r.left += p->left();
        r.top += p->top();
    }
    return r;
}

bool overlap(const controls::Rect& a, const controls::Rect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height
        && b.top < a.top + a.height;
}

TEST_F(MainFormTest, HoldsEveryControlOfTheInventoryWhereItBelongs)
{
    const auto inventory = main_inventory::entries();
    for (const auto& e : inventory) {
        const Control* c = form.find(e.name);
        ASSERT_NE(c, nullptr) << qPrintable(e.name);
        EXPECT_EQ(c->name(), e.name) << "spelt as the code uses it";
        EXPECT_EQ(c->kind(), e.kind) << qPrintable(e.name);
        EXPECT_EQ(c->container() ? c->container()->name() : QString(), e.container) << qPrintable(e.name);
        EXPECT_EQ(c->containerTab(), e.page) << qPrintable(e.name);
    }
    EXPECT_EQ(form.controls().size(), inventory.size()) << "controls outside the inventory";
}

TEST_F(MainFormTest, DesignedTexts)
{
    const std::pair<const char*, const char*> captions[] = {
        {"c11", "c11_Kein Beenden"},
        {"c110", "c110_Kein Ändern Startmenü"},
        {"c35", "c35_Kein 'Klicken Sie hier' in Taskleiste bei Start"},
        {"c91", "c91_Rein Rechtsklick auf Desktop"},
        {"f4", "f4_Zensur - Nur bestimmte Programme ausführen ..."},
        {"cm45", "cm45_Alle EXE's"},
        {"l810", "l810_Pfad für Benutzerprofile:"},
        {"L_gen", "L_gen_Allgemein:"},
        {"cm01", "cm01_&Abbrechen"},
        {"cmd_set", "&Setzen"},
        {"l10", "Gilt für Benutzer:"},
        {"l01", "Start"},
        {"gesamtfiles", "gesfiles"},
        {"d_a", "A:"},
        {"d_z", "Z:"},
        {"mm1", "mm1_&Datei"},
        {"mm22", "mm22_Alles &entmarkieren"},
        {"mm57", "mm57_&Über..."},
        {"mm6", "mm6_Intern"},
        {"mm1x2", "-"},
        {"mm_tes_2", "Test menü-captions"},
        {"m_tes_existiert", "Existiert Datei"},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(form.find(QString::fromUtf8(name))->caption(), QString::fromUtf8(caption)) << name;

    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(form.tab.tabCaption(k), QStringLiteral("&%1.)").arg(k + 1));
    EXPECT_EQ(form.txttooltip.text(), "Gatrisk");
    EXPECT_FALSE(form.txttooltip.visible());
    EXPECT_EQ(form.mm51.shortcut(), "F1");
    EXPECT_FALSE(form.mm4.visible());
    EXPECT_FALSE(form.mm6.visible());
    ASSERT_EQ(form.StatusBar.panelCount(), 5);
    EXPECT_EQ(form.StatusBar.panel(5).text, "12:00:00");
    EXPECT_EQ(form.StatusBar.panel(5).alignment, controls::Alignment::Center);
    for (controls::CheckBox* d : form.driveBoxes())
        EXPECT_FALSE(d->enabled()) << qPrintable(d->name());
    EXPECT_EQ(form.clientWidth(), 8730);
    EXPECT_EQ(form.clientHeight(), 6120);
}

TEST_F(MainFormTest, TimerRunsOnceTheWindowIsLoaded)
{
    EXPECT_EQ(form.Timer1.interval(), 1000);
    EXPECT_FALSE(form.Timer1.running());
    form.show();
    EXPECT_TRUE(form.Timer1.running());
}

// Everything on a tab must be reachable: inside its frame, clear of the information panel that lies over
// the frames' right part, and not on top of a neighbour.
TEST_F(MainFormTest, TabContentsFitTheirFramesAndStayClearOfTheInfoPanel)
{
    for (controls::Frame* frame : form.tabFrames()) {
        std::vector<const Control*> shown;
        for (const Control* c : form.controls()) {
            bool inFrame = false;
            for (const Control* p = c->container(); p; p = p->container())
                inFrame = inFrame || p == frame;
            if (!inFrame || !c->visible())
                continue;
            const controls::Rect r = onForm(*c);
            const controls::Rect f = onForm(*frame);
            EXPECT_GE(r.left, f.left) << qPrintable(c->name());
            EXPECT_GE(r.top, f.top + 200) << qPrintable(c->name()) << " under the frame's caption";
            EXPECT_LE(r.top + r.height, f.top + f.height) << qPrintable(c->name());
            EXPECT_LE(r.left + r.width, form.f0.left()) << qPrintable(c->name()) << " hidden by f0";
            if (c->container() == frame)
                shown.push_back(c);
        }
        for (std::size_t i = 0; i < shown.size(); ++i)
            for (std::size_t j = i + 1; j < shown.size(); ++j)
                EXPECT_FALSE(overlap(onForm(*shown[i]), onForm(*shown[j])))
                    << qPrintable(shown[i]->name()) << " and " << qPrintable(shown[j]->name());
    }
}

TEST_F(MainFormTest, UserRowAndButtonsLieInsideTheClientArea)
{
    for (const Control* c : {static_cast<const Control*>(&form.l10), static_cast<const Control*>(&form.Combo_user),
                             static_cast<const Control*>(&form.cmd_set), static_cast<const Control*>(&form.f0),
                             static_cast<const Control*>(&form.Picture8), static_cast<const Control*>(&form.cm01),
                             static_cast<const Control*>(&form.cm02)}) {
        const controls::Rect r = onForm(*c);
        EXPECT_GE(r.left, 0) << qPrintable(c->name());
        EXPECT_LE(r.left + r.width, form.clientWidth()) << qPrintable(c->name());
        EXPECT_LE(r.top + r.height, form.clientHeight()) << qPrintable(c->name());
    }
    EXPECT_FALSE(overlap(onForm(form.l10), onForm(form.cmd_set)));
    for (const Control* c : {static_cast<const Control*>(&form.l10), static_cast<const Control*>(&form.Combo_user),
                             static_cast<const Control*>(&form.cmd_set)})
        EXPECT_LE(c->top() + c->height(), form.tab.top()) << qPrintable(c->name()) << " covers the tab headers";
    for (controls::Frame* frame : form.tabFrames())
        EXPECT_FALSE(overlap(onForm(*frame), onForm(form.Picture8))) << qPrintable(frame->name());
    EXPECT_FALSE(overlap(onForm(form.cmd_set), onForm(form.Combo_user)));
}

} // namespace
