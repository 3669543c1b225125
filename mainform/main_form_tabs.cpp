// The nine tabs: each holds its frame f1 to f9, the frame holds the tab's controls, top to bottom. The
// information panel f0 covers the right part of every frame, so the controls keep to the left of it.

#include "mainform/main_form.h"

#include "mainform/design.h"

#include <utility>
#include <vector>

namespace mainwindow {

namespace {

constexpr int frameLeft = 180;
constexpr int frameTop = 480;
constexpr int frameWidth = 6600;
constexpr int frameHeight = 4400;
// Left of the information panel, inside a frame.
constexpr int contentLeft = 120;
constexpr int contentWidth = 4080;

using Boxes = std::vector<std::pair<controls::CheckBox*, const char*>>;

void designFrame(controls::Frame& frame, controls::TabControl& tab, int page, const QString& german)
{
    place(frame, &tab, page, frameLeft, frameTop, frameWidth, frameHeight);
    frame.setCaption(designed(frame, german));
}

// A column of check boxes from `top`, one every `pitch` twips.
void designColumn(controls::Frame& frame, const Boxes& boxes, int top, int pitch)
{
    for (const auto& [box, german] : boxes) {
        place(*box, frame, contentLeft, top, contentWidth, 255);
        box->setCaption(designed(*box, QString::fromUtf8(german)));
        top += pitch;
    }
}

} // namespace

void MainForm::designStartMenuTab()
{
    designFrame(f1, tab, 0, QStringLiteral("Startmenü Einschränkungen ..."));
    designColumn(f1,
                 {{&c11, "Kein Beenden"},
                  {&c12, "Kein Abmelden"},
                  {&c13, "Kein Ausführen"},
                  {&c14, "Kein Suchen"},
                  {&c15, "Keine Hilfe"},
                  {&c16, "Keine Systemsteuerung"},
                  {&c17, "Keine Dokumente"},
                  {&c18, "Keine Favoriten"},
                  {&c110, "Kein Ändern Startmenü"},
                  {&c19, "Keine gemeinsamen PRG"}},
                 360, 380);
}

void MainForm::designControlPanelTab()
{
    designFrame(f2, tab, 1, QStringLiteral("Systemsteuerung Einschränkungen ..."));
    place(l21, f2, contentLeft, 300, contentWidth, 600);
    l21.setCaption(designed(l21, QStringLiteral("Markieren Sie hier die Elemente in der Liste, welche nicht in der "
                                                "Systemsteuerung erscheinen sollen:")));
    place(lv1, f2, contentLeft, 960, contentWidth, 2820);
    place(Picture1, f2, contentLeft, 3870, contentWidth, 420);
    place(cmd21, Picture1, 0, 30, 1335, 360);
    cmd21.setCaption(designed(cmd21, QStringLiteral("Alle")));
    place(cmd22, Picture1, 1455, 30, 1335, 360);
    cmd22.setCaption(designed(cmd22, QStringLiteral("Keine")));
}

void MainForm::designDesktopTab()
{
    designFrame(f3, tab, 2, QStringLiteral("Desktop/Oberfläche Einschränkungen ..."));
    designColumn(f3,
                 {{&c31, "Kein Ändern Taskbar"},
                  {&c32, "Kein Ändern Anzeige"},
                  {&c33, "Keine Symbole auf dem Desktop"},
                  {&c34, "Kein Symbol 'Netzwerkumgebung' auf Desktop"},
                  {&c35, "Kein 'Klicken Sie hier' in Taskleiste bei Start"},
                  {&c36, "Keine Einstellungen beim Beenden speichern"},
                  {&c38, "Kein Registrierungseditor / Keine Registrierung"}},
                 300, 300);

    // The wallpaper row: box, path, chooser button and a small preview beside them.
    place(c37, f3, contentLeft, 2460, 3000, 255);
    c37.setCaption(designed(c37, QStringLiteral("Festes Hintergrundsbild:")));
    place(t31, f3, contentLeft + 240, 2760, 1980, 285);
    t31.setText(QStringLiteral("t31"));
    place(cm31, f3, contentLeft + 2280, 2760, 630, 285);
    cm31.setCaption(designed(cm31, QStringLiteral("...")));
    place(pic31, f3, contentLeft + 3030, 2400, 1050, 690);
    pic31.setStretch(true);

    place(c39, f3, contentLeft, 3300, contentWidth, 255);
    c39.setCaption(designed(c39, QStringLiteral("Desktop-Icons laden von:")));
    place(t32, f3, contentLeft + 240, 3600, 3150, 285);
    t32.setText(QStringLiteral("t32"));
    place(cm32, f3, contentLeft + 3450, 3600, 630, 285);
    cm32.setCaption(designed(cm32, QStringLiteral("...")));
}

void MainForm::designCensorTab()
{
    designFrame(f4, tab, 3, QStringLiteral("Zensur - Nur bestimmte Programme ausführen ..."));
    place(c41, f4, contentLeft, 300, contentWidth, 255);
    c41.setCaption(designed(c41, QStringLiteral("Nur diese Programme zulassen:")));
    place(List1, f4, contentLeft, 600, contentWidth, 2160);
    place(gesamtfiles, f4, contentLeft, 2820, contentWidth, 225);
    gesamtfiles.setCaption(QStringLiteral("gesfiles"));

    // Two buttons in the first row, two in the second, one in the third.
    place(Picture2, f4, contentLeft, 3090, contentWidth, 1200);
    constexpr int buttonWidth = 1980;
    constexpr int rightColumn = 2100;
    place(cm41, Picture2, 0, 0, buttonWidth, 360);
    cm41.setCaption(designed(cm41, QStringLiteral("Zufügen")));
    place(cm42, Picture2, rightColumn, 0, buttonWidth, 360);
    cm42.setCaption(designed(cm42, QStringLiteral("Löschen")));
    place(cm44, Picture2, 0, 420, buttonWidth, 360);
    cm44.setCaption(designed(cm44, QStringLiteral("Alle löschen")));
    place(cm45, Picture2, rightColumn, 420, buttonWidth, 360);
    cm45.setCaption(designed(cm45, QStringLiteral("Alle EXE's")));
    place(cm43, Picture2, 0, 840, buttonWidth, 360);
    cm43.setCaption(designed(cm43, QStringLiteral("Vorschlag")));

    // Work controls of the folder scan, never shown.
    for (controls::Control* c : {static_cast<controls::Control*>(&File1), static_cast<controls::Control*>(&Dir1),
                                 static_cast<controls::Control*>(&list0)}) {
        place(*c, f4, contentLeft, 600, 1200, 900);
        c->setVisible(false);
    }
}

void MainForm::designDrivesTab()
{
    designFrame(f5, tab, 4, QStringLiteral("Laufwerke aus dem Arbeitsplatz/Explorer ausblenden..."));
    place(l51, f5, contentLeft, 300, contentWidth, 780);
    l51.setCaption(designed(l51, QStringLiteral("Folgende Laufwerke sollen aus dem Arbeitsplatz, dem Explorer und "
                                                "den Dateidialogen ausgeblendet werden:")));
    // Six columns: A to F, G to L, M to R in full rows, then S to W and X to Z.
    const auto boxes = driveBoxes();
    const int rowStarts[] = {0, 6, 12, 18, 23, 26};
    for (int row = 0; row < 5; ++row)
        for (int i = rowStarts[row]; i < rowStarts[row + 1]; ++i) {
            const int column = i - rowStarts[row];
            controls::CheckBox& box = *boxes[static_cast<std::size_t>(i)];
            place(box, f5, contentLeft + column * 660, 1200 + row * 390, 600, 255);
            box.setCaption(QString(QChar('A' + i)) + QLatin1Char(':'));
            box.setEnabled(false);
        }
    place(Picture3, f5, contentLeft, 3300, contentWidth, 420);
    place(cm51, Picture3, 0, 30, 1335, 360);
    cm51.setCaption(designed(cm51, QStringLiteral("Alle")));
    place(cm52, Picture3, 1455, 30, 1335, 360);
    cm52.setCaption(designed(cm52, QStringLiteral("Keine")));
}

void MainForm::designNetworkTab()
{
    designFrame(f6, tab, 5, QStringLiteral("Netzwerk und Drucker"));
    designColumn(f6,
                 {{&c65, "Keine Eigenschaften 'Netzwerk'"},
                  {&c66, "Kein Eintrag 'Gesamtes Netzwerk'"},
                  {&c67, "Kein Eintrag Netzwerk-Mitglieder"},
                  {&c68, "Kein Ändern des Anmelde-Kennworts"},
                  {&c69, "Datei-Freigaben ausgeblendet"},
                  {&c610, "Drucker-Freigaben ausgeblendet"},
                  {&c98, "Kein Hinzufügen von Druckern"},
                  {&c99, "Kein Löschen von Druckern"}},
                 360, 380);
}

void MainForm::designExplorerTab()
{
    designFrame(f7, tab, 6, QStringLiteral("IE Explorer (ab 5.01) Einschränkungen ..."));
    designColumn(f7,
                 {{&c21, "Keinen Download aus IE zulassen"},
                  {&c22, "Keinen Rechtsklick im Browserfenster"},
                  {&c23, "Keine Internet-Einstellungen (Optionen)"},
                  {&c24, "Keinen Quelltext anzeigen (Menü/Kontextmenü)"},
                  {&c25, "Keine Favoriten anzeigen / Favoriten sperren"},
                  {&c26, "Kein Menü Datei/Neu"},
                  {&c27, "Kein Menü Datei/Öffnen"},
                  {&c28, "Kein Menü Datei/Speichern"},
                  {&c29, "Kein Menü Datei/Drucken"},
                  {&c210, "Kein Menü Datei/Beenden"}},
                 360, 380);
}

void MainForm::designMiscTab()
{
    designFrame(f8, tab, 7, QStringLiteral("Diverse Einschränkungen"));
    designColumn(f8,
                 {{&c61, "Scandisk niemals ausführen"},
                  {&c62, "Kein Bootmenü (F8 gesperrt)"},
                  {&c63, "Kein ActiveDesktop (W98/ME)"},
                  {&c64, "KeineActiveDesktop-Einstellungen"},
                  {&c90, "Kein Windows Beep bei Fehler"},
                  {&c91, "Rein Rechtsklick auf Desktop"},
                  {&c93, "Kein Rechtsklick Taskleiste/Startmenü"},
                  {&c94, "Kein NT/2000/XP Taskmanager"},
                  {&c95, "Kein Windows-Update zulassen"},
                  {&c96, "Keine Kommandozeile (MS-DOS)"}},
                 360, 380);
}

void MainForm::designSettingsTab()
{
    designFrame(f9, tab, 8, QStringLiteral("Allgemeine Programmeinstellungen ..."));
    place(l81, f9, contentLeft, 330, contentWidth, 225);
    l81.setCaption(designed(l81, QStringLiteral("Win-Registrierte Firma:")));
    place(t81, f9, contentLeft, 570, contentWidth, 285);
    t81.setText(QStringLiteral("t81"));
    place(l82, f9, contentLeft, 960, contentWidth, 225);
    l82.setCaption(designed(l82, QStringLiteral("Win-Registrierter Name:")));
    place(t82, f9, contentLeft, 1200, contentWidth, 285);
    t82.setText(QStringLiteral("t82"));
    place(l83, f9, contentLeft, 1590, contentWidth, 225);
    l83.setCaption(designed(l83, QStringLiteral("Einstellung(en) prüfen")));
    place(syslist, f9, contentLeft, 1830, contentWidth, 1500);
    place(l810, f9, contentLeft, 3450, contentWidth, 225);
    l810.setCaption(designed(l810, QStringLiteral("Pfad für Benutzerprofile:")));
    place(t810, f9, contentLeft, 3690, contentWidth, 285);
    t810.setText(QStringLiteral("t810"));
}

} // namespace mainwindow
