#pragma once
// One restriction set as a settings file holds it, record by record: check boxes as their stored numbers,
// applet ticks by list position, the censor list and the text fields. Reading fills one of these completely
// before any control is touched, so a damaged file leaves the window as it was.

#include <QString>
#include <QStringList>

#include <array>

namespace settingsfile {

// The applet list's length in the file: the catalogue's row count. Fixed, so that the file keeps its shape
// even when the list was never filled.
inline constexpr int applet_lines = 39;

struct StoredSet {
    std::array<int, 10> start_menu{}; // c11 ... c19, c110
    std::array<int, applet_lines> applets{}; // lv1 items 1 to 39: 1 ticked
    std::array<int, 10> explorer{};   // c21 ... c29, c210
    std::array<int, 8> desktop{};     // c31 ... c38
    QString wallpaper;                // t31
    int censor_on = 0;                // c41
    QStringList censor_list;          // List1, first to last
    std::array<int, 26> drives{};     // d_a ... d_z
    std::array<int, 8> network{};     // c65 ... c69, c610, c98, c99
    std::array<int, 10> misc{};       // c61 ... c64, c90, c91, c93 ... c96
    QString organisation;             // t81
    QString owner;                    // t82
    QString profiles_folder;          // t810

    bool operator==(const StoredSet&) const = default;
};

} // namespace settingsfile
