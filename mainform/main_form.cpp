#include "mainform/main_form.h"

#include "mainform/design.h"

namespace mainwindow {

MainForm::MainForm(platform::Context& context) : Form(QStringLiteral("main")), context_(context)
{
    designWindow();
    designInfoPanel();
    designStartMenuTab();
    designControlPanelTab();
    designDesktopTab();
    designCensorTab();
    designDrivesTab();
    designNetworkTab();
    designExplorerTab();
    designMiscTab();
    designSettingsTab();
    designMenus();
    placeInfoPanel();
}

std::array<controls::CheckBox*, 26> MainForm::driveBoxes()
{
    return {&d_a, &d_b, &d_c, &d_d, &d_e, &d_f, &d_g, &d_h, &d_i, &d_j, &d_k, &d_l, &d_m,
            &d_n, &d_o, &d_p, &d_q, &d_r, &d_s, &d_t, &d_u, &d_v, &d_w, &d_x, &d_y, &d_z};
}

std::array<controls::Frame*, 9> MainForm::tabFrames()
{
    return {&f1, &f2, &f3, &f4, &f5, &f6, &f7, &f8, &f9};
}

void MainForm::designWindow()
{
    setCaption(QStringLiteral("Gatrisk 2002"));
    setClientSize(8730, 6120);
    setSizable(true);

    // The user row keeps a strip of its own above the tab control, so that neither covers the tab headers
    // nor the user row; the tab control's bottom edge stays where it was designed. The list bar ends where
    // the tab control begins, so that it covers no header either.
    tab.move(1815, 345, 6930, 5490);
    SSListBar1.move(0, 60, tab.left(), 5652);
    tab.setTabs(9);
    for (int k = 0; k < 9; ++k)
        tab.setTabCaption(k, QStringLiteral("&%1.)").arg(k + 1));

    l10.setCaption(QStringLiteral("Gilt für Benutzer:"));
    l10.move(3690, 60, 1900, 192);
    l10.setWordWrap(false);
    l10.setAlignment(controls::Alignment::Right);
    Combo_user.move(6720, 0, 1935, 315);
    Combo_user.setText(QStringLiteral("Combo_user"));
    cmd_set.setCaption(QStringLiteral("&Setzen"));
    cmd_set.move(5670, 30, 975, 285);

    Picture8.move(5160, 5235, 3495, 570);
    place(cm02, Picture8, 120, 120, 1550, 375);
    cm02.setCaption(designed(cm02, QStringLiteral("&OK")));
    place(cm01, Picture8, 1800, 120, 1550, 375);
    cm01.setCaption(designed(cm01, QStringLiteral("&Abbrechen")));

    // All five panels are designed; the status bar's set-up gives them their widths and texts by language.
    StatusBar.move(0, 5808, 8736, 312);
    while (StatusBar.panelCount() < 5)
        StatusBar.addPanel();
    const int widths[] = {1850, 2900, 1800, 800, 1500};
    for (int p = 1; p <= 5; ++p)
        StatusBar.setPanelWidth(p, widths[p - 1]);
    StatusBar.setPanelText(5, QStringLiteral("12:00:00"));
    StatusBar.setPanelAlignment(5, controls::Alignment::Center);

    Timer1.setInterval(1000);

    txttooltip.setText(QStringLiteral("Gatrisk"));
    txttooltip.move(0, 0, 1215, 285);
    txttooltip.setVisible(false);
    prgpic.move(0, 0, 480, 480);
    prgpic.setVisible(false);
}

void MainForm::placeInfoPanel()
{
    constexpr int left = 6250;
    const controls::Frame& frame = f1;
    f0.move(left, tab.top() + frame.top(), tab.left() + frame.left() + frame.width() - left, frame.height());
}

void MainForm::designInfoPanel()
{
    place(l01, f0, 120, 240, 2172, 300);
    l01.setCaption(QStringLiteral("Start"));
    l01.setFont({QStringLiteral("MS Sans Serif"), 9.75, true});
    place(Image1, f0, 120, 600, 2172, 1200);
    Image1.setStretch(false);
    place(L_gen, f0, 120, 1920, 2172, 225);
    L_gen.setCaption(designed(L_gen, QStringLiteral("Allgemein:")));
    L_gen.setFont({QStringLiteral("MS Sans Serif"), 8.25, true});
    place(l02, f0, 120, 2190, 2172, 1290);
    l02.setCaption(QStringLiteral("l02"));
    place(Label1, f0, 120, 3540, 2172, 780);
    Label1.setCaption(QStringLiteral(
        "Drücken Sie die Taste F1, um zu dieser Registerkarte eine kontextbezogene Hilfe zu erhalten."));
}

} // namespace mainwindow
