#pragma once
// Captions carry their access key after an "&" ("&Apply": Alt+A); "&&" is a literal "&".

#include <QChar>
#include <QString>

namespace controls {

// The access key of a caption, upper-cased; a null QChar when it has none.
QChar accelerator(const QString& caption);
// The caption as shown, without the markers ("&Save as" gives "Save as", "A && B" gives "A & B").
QString withoutAccelerator(const QString& caption);

} // namespace controls
