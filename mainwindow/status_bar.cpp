#include "mainwindow/status_bar.h"

#include "mainwindow/maker_sites.h"
#include "platform/clock.h"
#include "platform/in_language.h"
#include "platform/registry.h"

#include <QRegularExpression>

namespace mainwindow {

namespace {

constexpr int clock_panel = 5;
constexpr double link_end = 1500; // twips: the part of the bar that is the link

// The system's long time format as Windows knows it: without the time zone that Qt's long format adds.
QString long_time_format(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    format.replace(zone, QStringLiteral(" "));
    return format.trimmed();
}

} // namespace

void status_init(MainForm& main, int language)
{
    controls::StatusBar& bar = main.StatusBar;
    controls::Font font = bar.font();
    font.size = 7;
    bar.setFont(font);

    const int english_widths[] = {1850, 2900, 1800, 800, 1500};
    const int german_widths[] = {1850, 3200, 2000, 800, 1000};
    const int* widths = language == platform::german ? german_widths : english_widths;
    for (int p = 1; p <= 5; ++p)
        bar.setPanelWidth(p, widths[p - 1]);

    platform::Context& context = main.context();
    bar.setPanelText(1, maker_site_shown(language));
    bar.setPanelText(2, QString());
    bar.setPanelText(3, platform::trim_null(platform::get_username(context.machine)));
    bar.setPanelText(4, platform::get_os(context.machine));
    bar.setPanelText(clock_panel, QStringLiteral("12:00:00"));
    bar.setPanelAlignment(clock_panel, controls::Alignment::Center);
}

void homepage(MainForm& main) { main.context().ui.msgBox(QStringLiteral("Hier kommt link zur Page"), 0); }

void StatusBar_MouseDown(MainForm& main, int button, int, double x, double)
{
    if (button == 1 && x > 0 && x < link_end)
        homepage(main);
}

QString clock_text(const QDateTime& now, int language, const QLocale& locale)
{
    if (language == platform::german)
        return now.toString(QStringLiteral("hh:mm:ss"));
    return locale.toString(now.time(), long_time_format(locale));
}

void Timer1_Timer(MainForm& main, int language)
{
    main.StatusBar.setPanelText(clock_panel, clock_text(main.context().clock.now(), language));
}

} // namespace mainwindow
