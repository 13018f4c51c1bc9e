#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>

class QWidget;

namespace toolbar {

/// A rectangle given in twips (left, top, width, height), in pixels.
QRect twipsRect(const QWidget *widget, double left, double top, double width, double height);

/// The face to use: the named face when it is installed, else the first installed fallback,
/// else the named face itself (the font system then substitutes its own choice).
QString pickFontFamily(const QString &face, const QStringList &fallbacks, const QStringList &installed);

/// A font of the named face, or of a close installed fallback, at the given point size.
QFont namedFont(const QString &face, const QStringList &fallbacks, QFont::StyleHint hint, qreal points, bool bold);

/// The windows' two faces with their fallbacks.
QFont sansSerifFont(qreal points, bool bold); ///< "MS Sans Serif"
QFont palatinoFont(qreal points, bool bold);  ///< "Palatino Linotype"

} // namespace toolbar
