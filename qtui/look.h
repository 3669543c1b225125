#pragma once
// How control state looks on screen: twips to pixels, design fonts, pictures, alignment.

#include "controls/control.h"
#include "controls/label.h"
#include "controls/picture.h"

#include <QFont>
#include <QPixmap>

namespace qtui {

// 1440 twips an inch, 96 pixels an inch at the design resolution.
inline constexpr double twipsPerPixel = 15.0;

inline int toPixels(double twips, double scale = 1.0)
{
    return static_cast<int>(twips * scale / twipsPerPixel + (twips >= 0 ? 0.5 : -0.5));
}

inline double toTwips(double pixels, double scale = 1.0)
{
    return pixels * twipsPerPixel / scale;
}

// The design font as Qt shows it. The Windows dialog fonts are looked up by their name first and then
// replaced by the closest narrow sans serif the system has (set up once, by the first call).
QFont toQFont(const controls::Font& font);

// The picture decoded; a null pixmap for what Qt cannot read (metafiles).
QPixmap toPixmap(const controls::Picture& picture);

Qt::Alignment toQtAlignment(controls::Alignment alignment);

// `font`, made smaller in small steps (down to 85 % of its size) until `text` fits into `room` pixels.
// The substitutes of the platform's fonts run a little wider than the designs were made for.
QFont fittingFont(const QFont& font, const QString& text, int room);

} // namespace qtui
