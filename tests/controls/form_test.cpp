#include "test_form.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using controls::FormEvent;
using controls_test::TestForm;

TEST(Form, ShowLoadsOnceAndAnUnloadedFormLoadsAgain)
{
    TestForm form;
    EXPECT_FALSE(form.isLoaded());

    form.show();
    form.show();
    form.hide();
    form.show();
    EXPECT_EQ(form.loads, 1);
    EXPECT_TRUE(form.isVisible());

    ASSERT_TRUE(form.unload());
    EXPECT_FALSE(form.isLoaded());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.unloads, 1);

    form.show();
    EXPECT_EQ(form.loads, 2);
    EXPECT_TRUE(form.isVisible());
}

TEST(Form, UnloadPutsTheControlsBackToTheirDesign)
{
    // A dialog that disabled its buttons and then unloaded opens with them as designed.
    TestForm form;
    controls::CommandButton cmd1{form, "cmd1"};
    controls::TextBox txt{form, "txt_pw"};
    controls::ListBox list{form, "List1"};
    controls::CheckBox box{form, "c39"};
    txt.setPasswordChar(QLatin1Char('*'));
    txt.setMaxLength(20);
    form.setCaption("Form1");
    form.setHelpContextId(10);

    form.show();
    cmd1.setEnabled(false);
    txt.setText("secret");
    list.addItem("S-1-5-18");
    box.setValue(1);
    form.setCaption("Select Directory");
    form.setHelpContextId(18);
    form.setMousePointer(platform::MousePointer::Hourglass);

    int allEvents = 0;
    cmd1.observe([&](controls::Property p, int) { allEvents += p == controls::Property::All; });
    form.unload();

    EXPECT_TRUE(cmd1.enabled());
    EXPECT_EQ(txt.text(), "");
    EXPECT_EQ(txt.passwordChar(), QLatin1Char('*'));
    EXPECT_EQ(txt.maxLength(), 20);
    EXPECT_EQ(list.listCount(), 0);
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(form.caption(), "Form1");
    EXPECT_EQ(form.helpContextId(), 10);
    EXPECT_EQ(form.mousePointer(), platform::MousePointer::Default);
    EXPECT_EQ(allEvents, 1);
}

TEST(Form, QueryUnloadOrUnloadMayCancel)
{
    TestForm form;
    form.show();

    form.cancelQueryUnload = true;
    EXPECT_FALSE(form.userClose());
    EXPECT_EQ(form.lastMode, controls::UnloadMode::ControlMenu);
    EXPECT_EQ(form.unloads, 0);
    EXPECT_TRUE(form.isVisible());

    form.cancelQueryUnload = false;
    form.cancelUnload = true;
    EXPECT_FALSE(form.unload());
    EXPECT_EQ(form.lastMode, controls::UnloadMode::Code);
    EXPECT_TRUE(form.isLoaded());

    form.cancelUnload = false;
    EXPECT_TRUE(form.unload());
    EXPECT_TRUE(form.unload()); // unloaded already: nothing runs
    EXPECT_EQ(form.unloads, 2);
}

TEST(Form, AFormThatUnloadsItselfDuringItsLoadIsNotShown)
{
    // The start-up form hands over to another form from its load and unloads itself.
    TestForm form;
    TestForm other;
    form.duringLoad = [&] {
        form.hide();
        other.show();
        form.unload();
    };
    std::vector<FormEvent> events;
    form.observe([&](FormEvent e) { events.push_back(e); });

    form.show();
    EXPECT_FALSE(form.isLoaded());
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(other.isVisible());
    EXPECT_EQ(std::count(events.begin(), events.end(), FormEvent::Shown), 0);
}

TEST(Form, FindsControlsByNameWithoutRegardToCase)
{
    TestForm form;
    controls::CheckBox c11{form, "c11"};
    controls::ComboBox combo{form, "Combo_user"};
    EXPECT_EQ(form.find("c11"), &c11);
    EXPECT_EQ(form.find("COMBO_USER"), &combo);
    EXPECT_EQ(form.find<controls::ComboBox>("combo_user"), &combo);
    EXPECT_EQ(form.find<controls::CheckBox>("combo_user"), nullptr);
    EXPECT_EQ(form.find("c12"), nullptr);
    {
        controls::Label gone{form, "l01"};
        EXPECT_EQ(form.find("l01"), &gone);
    }
    EXPECT_EQ(form.find("l01"), nullptr);
    EXPECT_EQ(form.controls().size(), 2u);
}

TEST(Form, ContainersListTheirChildrenInDeclarationOrder)
{
    TestForm form;
    controls::TabControl tab{form, "tab"};
    controls::Frame f1{form, "f1"};
    controls::CheckBox c11{form, "c11"};
    controls::CheckBox c12{form, "c12"};
    controls::Frame f2{form, "f2"};
    tab.setTabs(9);
    f1.setContainer(&tab, 0);
    f2.setContainer(&tab, 1);
    c12.setContainer(&f1);
    c11.setContainer(&f1);

    EXPECT_EQ(form.childrenOf(&f1), (std::vector<controls::Control*>{&c11, &c12}));
    EXPECT_EQ(form.childrenOf(&tab), (std::vector<controls::Control*>{&f1, &f2}));
    EXPECT_EQ(form.childrenOf(nullptr), (std::vector<controls::Control*>{&tab}));
    EXPECT_EQ(f2.containerTab(), 1);
}

TEST(Form, MovingTheFocusFromAGotFocusHandlerRunsTheLostFocusAtOnce)
{
    // Answering No to the warning on entering t810 moves the focus on, which leaves t810 at once.
    TestForm form;
    controls::TextBox t810{form, "t810"};
    controls::ListBox syslist{form, "syslist"};
    controls::Label label{form, "l810"};
    std::vector<std::string> events;
    t810.onGotFocus = [&] {
        events.push_back("t810 got");
        syslist.setFocus();
    };
    t810.onLostFocus = [&] { events.push_back("t810 lost"); };
    syslist.onGotFocus = [&] { events.push_back("syslist got"); };
    form.show();

    t810.setFocus();
    EXPECT_EQ(events, (std::vector<std::string>{"t810 got", "t810 lost", "syslist got"}));
    EXPECT_TRUE(syslist.hasFocus());

    label.setFocus(); // a label takes no focus
    EXPECT_TRUE(syslist.hasFocus());
    syslist.setFocus(); // has it already: nothing runs
    EXPECT_EQ(events.size(), 3u);
}

TEST(Form, LostFocusHandlerThatMovesTheFocusElsewhereWins)
{
    TestForm form;
    controls::TextBox a{form, "a"};
    controls::TextBox b{form, "b"};
    controls::TextBox c{form, "c"};
    int bGot = 0;
    a.setFocus();
    a.onLostFocus = [&] { c.setFocus(); };
    b.onGotFocus = [&] { ++bGot; };

    b.setFocus();
    EXPECT_TRUE(c.hasFocus());
    EXPECT_EQ(bGot, 0);
}

TEST(Form, ObserversHearShowHideAndProperties)
{
    TestForm form;
    std::vector<FormEvent> events;
    const int id = form.observe([&](FormEvent e) { events.push_back(e); });
    form.show();
    form.show();
    form.setCaption("Gatrisk 2002");
    form.setCaption("Gatrisk 2002");
    form.hide();
    form.unobserve(id);
    form.show();
    EXPECT_EQ(events, (std::vector<FormEvent>{FormEvent::Loaded, FormEvent::Shown, FormEvent::Raised,
                                               FormEvent::Caption, FormEvent::Hidden}));
}

} // namespace
