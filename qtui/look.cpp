#include "qtui/look.h"

#include <QFontMetricsF>

namespace qtui {

namespace {

void installSubstitutes()
{
    static const bool done = [] {
        const QStringList narrowSans = {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans Narrow"),
                                        QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Arial"),
                                        QStringLiteral("Liberation Sans")};
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), narrowSans);
        QFont::insertSubstitutions(QStringLiteral("MS Shell Dlg"), narrowSans);
        QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    (void)done;
}

} // namespace

QFont toQFont(const controls::Font& font)
{
    installSubstitutes();
    QFont f(font.name);
    f.setPointSizeF(font.size > 0 ? font.size : 8.25);
    f.setBold(font.bold);
    return f;
}

QPixmap toPixmap(const controls::Picture& picture)
{
    QPixmap pixmap;
    if (!picture.isNull())
        pixmap.loadFromData(picture.data);
    return pixmap;
}

QFont fittingFont(const QFont& font, const QString& text, int room)
{
    QFont f = font;
    const double smallest = font.pointSizeF() * 0.85;
    while (QFontMetricsF(f).size(Qt::TextShowMnemonic, text).width() > room && f.pointSizeF() - 0.25 >= smallest)
        f.setPointSizeF(f.pointSizeF() - 0.25);
    return f;
}

Qt::Alignment toQtAlignment(controls::Alignment alignment)
{
    switch (alignment) {
    case controls::Alignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case controls::Alignment::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case controls::Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace qtui
