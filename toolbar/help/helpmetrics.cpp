#include "toolbar/help/helpmetrics.h"
#include "desktop/qtwidgetext.h"

#include <QFontDatabase>
#include <QWidget>

namespace toolbar {

QRect twipsRect(const QWidget *widget, double left, double top, double width, double height)
{
    return {twipsToPixels(*widget, left), twipsToPixels(*widget, top), twipsToPixels(*widget, width),
            twipsToPixels(*widget, height)};
}

namespace {
// The font database names a family that several foundries ship as "Family [Foundry]".
QString withoutFoundry(const QString &family)
{
    const qsizetype bracket = family.indexOf(QLatin1String(" ["));
    return bracket < 0 ? family : family.left(bracket);
}

bool isInstalled(const QString &family, const QStringList &installed)
{
    for (const QString &entry : installed) {
        if (withoutFoundry(entry).compare(family, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
} // namespace

QString pickFontFamily(const QString &face, const QStringList &fallbacks, const QStringList &installed)
{
    if (isInstalled(face, installed))
        return face;
    for (const QString &fallback : fallbacks) {
        if (isInstalled(fallback, installed))
            return fallback;
    }
    return face;
}

QFont namedFont(const QString &face, const QStringList &fallbacks, QFont::StyleHint hint, qreal points, bool bold)
{
    QFont font(pickFontFamily(face, fallbacks, QFontDatabase::families()));
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont sansSerifFont(qreal points, bool bold)
{
    static const QStringList fallbacks{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"),
                                       QStringLiteral("DejaVu Sans"),          QStringLiteral("Liberation Sans"),
                                       QStringLiteral("Nimbus Sans"),          QStringLiteral("Noto Sans")};
    return namedFont(QStringLiteral("MS Sans Serif"), fallbacks, QFont::SansSerif, points, bold);
}

QFont palatinoFont(qreal points, bool bold)
{
    // P052 and TeX Gyre Pagella are metric-compatible Palatino designs shipped by free desktops.
    static const QStringList fallbacks{QStringLiteral("Palatino"),       QStringLiteral("Book Antiqua"),
                                       QStringLiteral("P052"),           QStringLiteral("TeX Gyre Pagella"),
                                       QStringLiteral("URW Palladio L"), QStringLiteral("DejaVu Serif")};
    return namedFont(QStringLiteral("Palatino Linotype"), fallbacks, QFont::Serif, points, bold);
}

} // namespace toolbar
