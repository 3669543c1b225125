#pragma once
// The program's working window, form "main": every control by the name the program's code uses, placed at
// its design position on the nine tabs, with its designed caption. The load sequence, the texts of the
// chosen language and the handlers are added by the modules that own them; this class holds the controls.

#include "controls/controls.h"
#include "platform/context.h"

#include <array>

namespace mainwindow {

class MainForm : public controls::Form {
    // What the controls are made with; declared first, so that it is there when they are.
    platform::Context& context_;

public:
    explicit MainForm(platform::Context& context);
    platform::Context& context() const { return context_; }

    // Navigation and the information panel, outside the tabs.
    controls::ListBar SSListBar1{*this, "SSListBar1"};
    controls::TabControl tab{*this, "tab"};
    controls::Frame f0{*this, "f0"};
    controls::Label l01{*this, "l01"};
    controls::Image Image1{*this, "Image1"};
    controls::Label L_gen{*this, "L_gen"};
    controls::Label l02{*this, "l02"};
    controls::Label Label1{*this, "Label1"};

    // The user row.
    controls::Label l10{*this, "l10"};
    controls::ComboBox Combo_user{*this, "Combo_user"};
    controls::CommandButton cmd_set{*this, "cmd_set"};

    // OK and Cancel on their panel.
    controls::PictureBox Picture8{*this, "Picture8"};
    controls::CommandButton cm02{*this, "cm02"};
    controls::CommandButton cm01{*this, "cm01"};

    controls::StatusBar StatusBar{*this, "StatusBar"};
    controls::Timer Timer1{*this, "Timer1"};
    controls::CommonDialog dialog{*this, "dialog", context_.ui};
    controls::TextBox txttooltip{*this, "txttooltip"};
    controls::Image prgpic{*this, "prgpic"};

    // Tab 0: Start menu.
    controls::Frame f1{*this, "f1"};
    controls::CheckBox c11{*this, "c11"};
    controls::CheckBox c12{*this, "c12"};
    controls::CheckBox c13{*this, "c13"};
    controls::CheckBox c14{*this, "c14"};
    controls::CheckBox c15{*this, "c15"};
    controls::CheckBox c16{*this, "c16"};
    controls::CheckBox c17{*this, "c17"};
    controls::CheckBox c18{*this, "c18"};
    controls::CheckBox c110{*this, "c110"};
    controls::CheckBox c19{*this, "c19"};

    // Tab 1: Control Panel.
    controls::Frame f2{*this, "f2"};
    controls::Label l21{*this, "l21"};
    controls::ListView lv1{*this, "lv1"};
    controls::PictureBox Picture1{*this, "Picture1"};
    controls::CommandButton cmd21{*this, "cmd21"};
    controls::CommandButton cmd22{*this, "cmd22"};

    // Tab 2: desktop.
    controls::Frame f3{*this, "f3"};
    controls::CheckBox c31{*this, "c31"};
    controls::CheckBox c32{*this, "c32"};
    controls::CheckBox c33{*this, "c33"};
    controls::CheckBox c34{*this, "c34"};
    controls::CheckBox c35{*this, "c35"};
    controls::CheckBox c36{*this, "c36"};
    controls::CheckBox c38{*this, "c38"};
    controls::CheckBox c37{*this, "c37"};
    controls::TextBox t31{*this, "t31"};
    controls::CommandButton cm31{*this, "cm31"};
    controls::Image pic31{*this, "pic31"};
    controls::CheckBox c39{*this, "c39"};
    controls::TextBox t32{*this, "t32"};
    controls::CommandButton cm32{*this, "cm32"};

    // Tab 3: censor list, with the hidden controls of the folder scan.
    controls::Frame f4{*this, "f4"};
    controls::CheckBox c41{*this, "c41"};
    controls::ListBox List1{*this, "List1"};
    controls::Label gesamtfiles{*this, "gesamtfiles"};
    controls::PictureBox Picture2{*this, "Picture2"};
    controls::CommandButton cm41{*this, "cm41"};
    controls::CommandButton cm42{*this, "cm42"};
    controls::CommandButton cm44{*this, "cm44"};
    controls::CommandButton cm45{*this, "cm45"};
    controls::CommandButton cm43{*this, "cm43"};
    controls::FileListBox File1{*this, "File1", context_.machine};
    controls::DirListBox Dir1{*this, "Dir1", context_.machine};
    controls::ListBox list0{*this, "list0"};

    // Tab 4: drives.
    controls::Frame f5{*this, "f5"};
    controls::Label l51{*this, "l51"};
    controls::CheckBox d_a{*this, "d_a"};
    controls::CheckBox d_b{*this, "d_b"};
    controls::CheckBox d_c{*this, "d_c"};
    controls::CheckBox d_d{*this, "d_d"};
    controls::CheckBox d_e{*this, "d_e"};
    controls::CheckBox d_f{*this, "d_f"};
    controls::CheckBox d_g{*this, "d_g"};
    controls::CheckBox d_h{*this, "d_h"};
    controls::CheckBox d_i{*this, "d_i"};
    controls::CheckBox d_j{*this, "d_j"};
    controls::CheckBox d_k{*this, "d_k"};
    controls::CheckBox d_l{*this, "d_l"};
    controls::CheckBox d_m{*this, "d_m"};
    controls::CheckBox d_n{*this, "d_n"};
    controls::CheckBox d_o{*this, "d_o"};
    controls::CheckBox d_p{*this, "d_p"};
    controls::CheckBox d_q{*this, "d_q"};
    controls::CheckBox d_r{*this, "d_r"};
    controls::CheckBox d_s{*this, "d_s"};
    controls::CheckBox d_t{*this, "d_t"};
    controls::CheckBox d_u{*this, "d_u"};
    controls::CheckBox d_v{*this, "d_v"};
    controls::CheckBox d_w{*this, "d_w"};
    controls::CheckBox d_x{*this, "d_x"};
    controls::CheckBox d_y{*this, "d_y"};
    controls::CheckBox d_z{*this, "d_z"};
    controls::PictureBox Picture3{*this, "Picture3"};
    controls::CommandButton cm51{*this, "cm51"};
    controls::CommandButton cm52{*this, "cm52"};

    // Tab 5: network and printers.
    controls::Frame f6{*this, "f6"};
    controls::CheckBox c65{*this, "c65"};
    controls::CheckBox c66{*this, "c66"};
    controls::CheckBox c67{*this, "c67"};
    controls::CheckBox c68{*this, "c68"};
    controls::CheckBox c69{*this, "c69"};
    controls::CheckBox c610{*this, "c610"};
    controls::CheckBox c98{*this, "c98"};
    controls::CheckBox c99{*this, "c99"};

    // Tab 6: Internet Explorer.
    controls::Frame f7{*this, "f7"};
    controls::CheckBox c21{*this, "c21"};
    controls::CheckBox c22{*this, "c22"};
    controls::CheckBox c23{*this, "c23"};
    controls::CheckBox c24{*this, "c24"};
    controls::CheckBox c25{*this, "c25"};
    controls::CheckBox c26{*this, "c26"};
    controls::CheckBox c27{*this, "c27"};
    controls::CheckBox c28{*this, "c28"};
    controls::CheckBox c29{*this, "c29"};
    controls::CheckBox c210{*this, "c210"};

    // Tab 7: miscellaneous restrictions.
    controls::Frame f8{*this, "f8"};
    controls::CheckBox c61{*this, "c61"};
    controls::CheckBox c62{*this, "c62"};
    controls::CheckBox c63{*this, "c63"};
    controls::CheckBox c64{*this, "c64"};
    controls::CheckBox c90{*this, "c90"};
    controls::CheckBox c91{*this, "c91"};
    controls::CheckBox c93{*this, "c93"};
    controls::CheckBox c94{*this, "c94"};
    controls::CheckBox c95{*this, "c95"};
    controls::CheckBox c96{*this, "c96"};

    // Tab 8: program settings.
    controls::Frame f9{*this, "f9"};
    controls::Label l81{*this, "l81"};
    controls::TextBox t81{*this, "t81"};
    controls::Label l82{*this, "l82"};
    controls::TextBox t82{*this, "t82"};
    controls::Label l83{*this, "l83"};
    controls::ListBox syslist{*this, "syslist"};
    controls::Label l810{*this, "l810"};
    controls::TextBox t810{*this, "t810"};

    // File.
    controls::Menu mm1{*this, "mm1"};
    controls::Menu mm11{*this, "mm11", &mm1};
    controls::Menu mm12{*this, "mm12", &mm1};
    controls::Menu mm13{*this, "mm13", &mm1};
    controls::Menu m1x1{*this, "m1x1", &mm1};
    controls::Menu mm132{*this, "mm132", &mm1};
    controls::Menu m1x9{*this, "m1x9", &mm1};
    controls::Menu mm14{*this, "mm14", &mm1};
    controls::Menu mm15{*this, "mm15", &mm1};
    controls::Menu mm1x2{*this, "mm1x2", &mm1};
    controls::Menu mm16{*this, "mm16", &mm1};
    // Edit.
    controls::Menu mm2{*this, "mm2"};
    controls::Menu mm21{*this, "mm21", &mm2};
    controls::Menu mm22{*this, "mm22", &mm2};
    controls::Menu mm23{*this, "mm23", &mm2};
    controls::Menu mm24{*this, "mm24", &mm2};
    // Window.
    controls::Menu mm3{*this, "mm3"};
    controls::Menu mm31{*this, "mm31", &mm3};
    controls::Menu mm32{*this, "mm32", &mm3};
    controls::Menu mm33{*this, "mm33", &mm3};
    controls::Menu mm34{*this, "mm34", &mm3};
    controls::Menu mm35{*this, "mm35", &mm3};
    controls::Menu mm36{*this, "mm36", &mm3};
    controls::Menu mm37{*this, "mm37", &mm3};
    controls::Menu mm38{*this, "mm38", &mm3};
    controls::Menu mm39{*this, "mm39", &mm3};
    controls::Menu mm310{*this, "mm310", &mm3};
    // Language (never shown).
    controls::Menu mm4{*this, "mm4"};
    controls::Menu mm41{*this, "mm41", &mm4};
    controls::Menu mm42{*this, "mm42", &mm4};
    // Help.
    controls::Menu mm5{*this, "mm5"};
    controls::Menu mm51{*this, "mm51", &mm5};
    controls::Menu mm52{*this, "mm52", &mm5};
    controls::Menu mm53{*this, "mm53", &mm5};
    controls::Menu mm54{*this, "mm54", &mm5};
    controls::Menu mm55{*this, "mm55", &mm5};
    controls::Menu mm57{*this, "mm57", &mm5};
    // Developer probes (shown only for the developer word).
    controls::Menu mm6{*this, "mm6"};
    controls::Menu mm_tes_2{*this, "mm_tes_2", &mm6};
    controls::Menu m_tes3{*this, "m_tes3", &mm6};
    controls::Menu mm_tes_7{*this, "mm_tes_7", &mm6};
    controls::Menu mm_tes_8{*this, "mm_tes_8", &mm6};
    controls::Menu mm_tes_9{*this, "mm_tes_9", &mm6};
    controls::Menu m_tes_regedit{*this, "m_tes_regedit", &mm6};
    controls::Menu m_tes_profile{*this, "m_tes_profile", &mm6};
    controls::Menu m_tes_getsys{*this, "m_tes_getsys", &mm6};
    controls::Menu m_tes_existiert{*this, "m_tes_existiert", &mm6};
    controls::Menu m_tes_user{*this, "m_tes_user", &mm6};
    controls::Menu m_tes_profiledirs{*this, "m_tes_profiledirs", &mm6};
    controls::Menu m_tes_reghive{*this, "m_tes_reghive", &mm6};
    controls::Menu m_tes_unhive{*this, "m_tes_unhive", &mm6};
    controls::Menu regset_int_{*this, "regset_int_", &mm6};

    // Form-level texts that the localisation and the list bar set: element k + 1 belongs to tab k.
    std::array<QString, 11> tab_titles;
    std::array<QString, 11> tab_help_texts;
    QString msg_mark_all;      // what Edit > Mark all shows
    QString save_dialog_title; // the title of the save dialog

    // The drive boxes A: to Z: in letter order.
    std::array<controls::CheckBox*, 26> driveBoxes();
    // The frames f1 to f9; frame k + 1 lies on tab k.
    std::array<controls::Frame*, 9> tabFrames();
    // Puts the information panel f0 over the right part of the tab frames, its top, bottom and right edges
    // on theirs, so that it covers none of the tab headers above them.
    void placeInfoPanel();

private:
    void designWindow();
    void designInfoPanel();
    void designStartMenuTab();
    void designControlPanelTab();
    void designDesktopTab();
    void designCensorTab();
    void designDrivesTab();
    void designNetworkTab();
    void designExplorerTab();
    void designMiscTab();
    void designSettingsTab();
    void designMenus();
};

} // namespace mainwindow
