#pragma once
// The main window's controls as the program's code names them, with their kind and where they sit.

#include "controls/control.h"

#include <QString>

#include <vector>

namespace main_inventory {

struct Entry {
    QString name;
    controls::Kind kind;
    QString container; // "" for the form itself; "tab" with page for the tab pages
    int page = -1;
};

inline std::vector<Entry> entries()
{
    using K = controls::Kind;
    std::vector<Entry> out = {
        {"SSListBar1", K::ListBar, ""},  {"tab", K::TabControl, ""},     {"f0", K::Frame, ""},
        {"l01", K::Label, "f0"},         {"Image1", K::Image, "f0"},     {"L_gen", K::Label, "f0"},
        {"l02", K::Label, "f0"},         {"Label1", K::Label, "f0"},     {"l10", K::Label, ""},
        {"Combo_user", K::ComboBox, ""}, {"cmd_set", K::CommandButton, ""}, {"Picture8", K::PictureBox, ""},
        {"cm01", K::CommandButton, "Picture8"}, {"cm02", K::CommandButton, "Picture8"},
        {"StatusBar", K::StatusBar, ""}, {"Timer1", K::Timer, ""},      {"dialog", K::CommonDialog, ""},
        {"txttooltip", K::TextBox, ""},  {"prgpic", K::Image, ""},
        {"lv1", K::ListView, "f2"},      {"l21", K::Label, "f2"},        {"Picture1", K::PictureBox, "f2"},
        {"cmd21", K::CommandButton, "Picture1"}, {"cmd22", K::CommandButton, "Picture1"},
        {"t31", K::TextBox, "f3"},       {"cm31", K::CommandButton, "f3"}, {"pic31", K::Image, "f3"},
        {"t32", K::TextBox, "f3"},       {"cm32", K::CommandButton, "f3"},
        {"List1", K::ListBox, "f4"},     {"gesamtfiles", K::Label, "f4"}, {"Picture2", K::PictureBox, "f4"},
        {"File1", K::FileListBox, "f4"}, {"Dir1", K::DirListBox, "f4"},  {"list0", K::ListBox, "f4"},
        {"l51", K::Label, "f5"},         {"Picture3", K::PictureBox, "f5"},
        {"cm51", K::CommandButton, "Picture3"}, {"cm52", K::CommandButton, "Picture3"},
        {"l81", K::Label, "f9"},         {"t81", K::TextBox, "f9"},      {"l82", K::Label, "f9"},
        {"t82", K::TextBox, "f9"},       {"l83", K::Label, "f9"},        {"syslist", K::ListBox, "f9"},
        {"l810", K::Label, "f9"},        {"t810", K::TextBox, "f9"},
    };
    for (int k = 1; k <= 9; ++k)
        out.push_back({QStringLiteral("f%1").arg(k), K::Frame, "tab", k - 1});
    const char* boxes[][2] = {
        {"c11", "f1"}, {"c12", "f1"}, {"c13", "f1"}, {"c14", "f1"}, {"c15", "f1"}, {"c16", "f1"}, {"c17", "f1"},
        {"c18", "f1"}, {"c19", "f1"}, {"c110", "f1"}, {"c31", "f3"}, {"c32", "f3"}, {"c33", "f3"}, {"c34", "f3"},
        {"c35", "f3"}, {"c36", "f3"}, {"c37", "f3"}, {"c38", "f3"}, {"c39", "f3"}, {"c41", "f4"}, {"c65", "f6"},
        {"c66", "f6"}, {"c67", "f6"}, {"c68", "f6"}, {"c69", "f6"}, {"c610", "f6"}, {"c98", "f6"}, {"c99", "f6"},
        {"c21", "f7"}, {"c22", "f7"}, {"c23", "f7"}, {"c24", "f7"}, {"c25", "f7"}, {"c26", "f7"}, {"c27", "f7"},
        {"c28", "f7"}, {"c29", "f7"}, {"c210", "f7"}, {"c61", "f8"}, {"c62", "f8"}, {"c63", "f8"}, {"c64", "f8"},
        {"c90", "f8"}, {"c91", "f8"}, {"c93", "f8"}, {"c94", "f8"}, {"c95", "f8"}, {"c96", "f8"},
    };
    for (const auto& b : boxes)
        out.push_back({b[0], K::CheckBox, b[1]});
    for (char c = 'a'; c <= 'z'; ++c)
        out.push_back({QStringLiteral("d_") + QLatin1Char(c), K::CheckBox, "f5"});
    for (const char* cm : {"cm41", "cm42", "cm43", "cm44", "cm45"})
        out.push_back({cm, K::CommandButton, "Picture2"});

    const char* menus[][2] = {
        {"mm1", ""},        {"mm11", "mm1"},   {"mm12", "mm1"},   {"mm13", "mm1"},   {"m1x1", "mm1"},
        {"mm132", "mm1"},   {"m1x9", "mm1"},   {"mm14", "mm1"},   {"mm15", "mm1"},   {"mm1x2", "mm1"},
        {"mm16", "mm1"},    {"mm2", ""},       {"mm21", "mm2"},   {"mm22", "mm2"},   {"mm23", "mm2"},
        {"mm24", "mm2"},    {"mm3", ""},       {"mm31", "mm3"},   {"mm32", "mm3"},   {"mm33", "mm3"},
        {"mm34", "mm3"},    {"mm35", "mm3"},   {"mm36", "mm3"},   {"mm37", "mm3"},   {"mm38", "mm3"},
        {"mm39", "mm3"},    {"mm310", "mm3"},  {"mm4", ""},       {"mm41", "mm4"},   {"mm42", "mm4"},
        {"mm5", ""},        {"mm51", "mm5"},   {"mm52", "mm5"},   {"mm53", "mm5"},   {"mm54", "mm5"},
        {"mm55", "mm5"},    {"mm57", "mm5"},   {"mm6", ""},       {"mm_tes_2", "mm6"}, {"m_tes3", "mm6"},
        {"mm_tes_7", "mm6"}, {"mm_tes_8", "mm6"}, {"mm_tes_9", "mm6"}, {"m_tes_regedit", "mm6"},
        {"m_tes_profile", "mm6"}, {"m_tes_getsys", "mm6"}, {"m_tes_existiert", "mm6"}, {"m_tes_user", "mm6"},
        {"m_tes_profiledirs", "mm6"}, {"m_tes_reghive", "mm6"}, {"m_tes_unhive", "mm6"}, {"regset_int_", "mm6"},
    };
    for (const auto& m : menus)
        out.push_back({m[0], K::Menu, m[1]});
    return out;
}

} // namespace main_inventory
