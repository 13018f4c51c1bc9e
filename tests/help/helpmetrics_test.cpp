#include "desktop/qtwidgetext.h"
#include "toolbar/help/helpmetrics.h"

#include <QFontDatabase>
#include <QWidget>
#include <QtTest>

using namespace toolbar;

class HelpMetricsTest : public QObject
{
    Q_OBJECT

private slots:
    void picksTheNamedFaceOrAFallback_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("named face present") << QStringList{"DejaVu Serif", "Palatino Linotype"} << "Palatino Linotype";
        QTest::newRow("named face, other case") << QStringList{"palatino linotype"} << "Palatino Linotype";
        QTest::newRow("first fallback present") << QStringList{"P052", "Palatino"} << "Palatino";
        QTest::newRow("later fallback present") << QStringList{"Arial", "P052"} << "P052";
        QTest::newRow("fallback from two foundries") << QStringList{"P052 [urw]", "P052 [UKWN]"} << "P052";
        QTest::newRow("nothing known") << QStringList{"Arial"} << "Palatino Linotype";
    }
    void picksTheNamedFaceOrAFallback()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, expected);
        QCOMPARE(pickFontFamily("Palatino Linotype", {"Palatino", "P052"}, installed), expected);
    }

    void windowFontsAreInstalledFaces()
    {
        // Where the system has any of the fallbacks, the windows never ask for a missing face.
        const QStringList installed = QFontDatabase::families();
        for (const QFont &font : {sansSerifFont(8.25, true), palatinoFont(12, true)}) {
            QVERIFY2(installed.contains(font.family(), Qt::CaseInsensitive) ||
                         !installed.filter(font.family() + QLatin1String(" [")).isEmpty(),
                     qPrintable(font.family()));
            QVERIFY(font.bold());
        }
        QCOMPARE(palatinoFont(12, true).pointSizeF(), 12.0);
        QCOMPARE(sansSerifFont(8.25, true).pointSizeF(), 8.25);
    }

    void twipsBecomePixelsAtTheLogicalDpi()
    {
        QWidget widget;
        const int dpi = widget.logicalDpiX();
        QCOMPARE(twipsToPixels(widget, 1440), dpi);
        QCOMPARE(twipsToPixels(widget, 0), 0);
        QCOMPARE(twipsToPixels(widget, 720), qRound(dpi / 2.0));
        if (dpi == 96) {
            QCOMPARE(twipsToPixels(widget, 15), 1);
            QCOMPARE(twipsToPixels(widget, 200), 13);
            QCOMPARE(twipsToPixels(widget, 600), 40);
        }
    }
};

QTEST_MAIN(HelpMetricsTest)
#include "helpmetrics_test.moc"
