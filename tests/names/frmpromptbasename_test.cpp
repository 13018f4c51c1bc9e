#include "desktop/qtext.h"
#include "tests/support/toolbarbed.h"
#include "tests/support/windowprobe.h"
#include "toolbar/core/naming.h"
#include "toolbar/names/frmpromptbasename.h"
#include "toolbar/names/namedetails.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace toolbar;

class PromptBaseNameTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void offersARandomNameSelectedAndFocused();
    void okHandsOverTheTextAsTyped_data();
    void okHandsOverTheTextAsTyped();
    void cancelLeavesTheNameEmpty();
    void emptyOrCancelledFallsBackOnlyWhenAllowed();
    void refusesNamesThatCannotBePartOfAFileName_data();
    void refusesNamesThatCannotBePartOfAFileName();
    void everyShowingOffersAFreshName();

private:
    QLineEdit *box() const { return m_prompt->findChild<QLineEdit *>("txtBaseName"); }
    void click(const char *button) { QTest::mouseClick(m_prompt->findChild<QPushButton *>(button), Qt::LeftButton); }
    void type(const QString &text)
    {
        box()->clear();
        QTest::keyClicks(box(), text);
    }

    std::unique_ptr<ToolbarBed> m_bed;
    std::unique_ptr<frmPromptBaseName> m_prompt;
};

void PromptBaseNameTest::init()
{
    m_bed = std::make_unique<ToolbarBed>();
    // r = 0.5: length round(6 * 0.5) + 3 = 6, letter round(52 * 0.5) = 26, "P".
    m_bed->globals.random.script([] { return 0.5; });
    m_prompt = std::make_unique<frmPromptBaseName>(m_bed->app);
    m_bed->app.prompt = m_prompt.get();
}

void PromptBaseNameTest::cleanup()
{
    m_prompt.reset();
    m_bed.reset();
    QVERIFY(noWindowShown());
}

void PromptBaseNameTest::offersARandomNameSelectedAndFocused()
{
    QString offered;
    bool selected = false;
    bool focused = false;
    QString title;
    const bool leftOpen = leftOpenAfter(
        *m_prompt, [&] { m_prompt->showModal(); },
        [&] {
            title = m_prompt->windowTitle();
            offered = box()->text();
            focused = QTest::qWaitFor([&] { return box()->hasFocus(); });
            selected = box()->selectedText() == offered;
            click("cmdCancel");
        });
    QVERIFY(!leftOpen);
    QCOMPARE(title, QStringLiteral("New Base Name"));
    QVERIFY(m_prompt->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(offered, QStringLiteral("PPPPPP"));
    QVERIFY(focused);
    QVERIFY(selected);
    const QStringList labels = [&] {
        QStringList texts;
        for (const QLabel *label : m_prompt->findChildren<QLabel *>())
            texts << label->text();
        return texts;
    }();
    QVERIFY(labels.contains("Below is a randomly generated base name.  You may modify it if you want to make this "
                            "base name meaningful to you in the future."));
    QVERIFY(labels.contains("New Base Name:"));
    QCOMPARE(m_prompt->findChild<QPushButton *>("cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(m_prompt->findChild<QPushButton *>("cmdCancel")->text(), QStringLiteral("Cancel"));
}

void PromptBaseNameTest::okHandsOverTheTextAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("a name") << "Sunset";
    QTest::newRow("spaces around it are kept") << "  Sea View ";
    QTest::newRow("only spaces") << "   ";
    QTest::newRow("empty box") << "";
    QTest::newRow("dots inside a name") << "a..b";
}

void PromptBaseNameTest::okHandsOverTheTextAsTyped()
{
    QFETCH(QString, typed);
    const bool leftOpen = leftOpenAfter(
        *m_prompt, [&] { m_prompt->showModal(); },
        [&] {
            type(typed);
            click("cmdOK");
        });
    QVERIFY(!leftOpen);
    QCOMPARE(m_prompt->result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(m_bed->globals.NewBaseName), typed);
    QVERIFY(m_bed->desktop.messages.empty());
}

void PromptBaseNameTest::cancelLeavesTheNameEmpty()
{
    m_bed->globals.NewBaseName = "left over";
    const bool leftOpen = leftOpenAfter(
        *m_prompt, [&] { m_prompt->showModal(); },
        [&] {
            type("Typed but cancelled");
            click("cmdCancel");
        });
    QVERIFY(!leftOpen);
    QCOMPARE(m_bed->globals.NewBaseName, std::string());
}

void PromptBaseNameTest::emptyOrCancelledFallsBackOnlyWhenAllowed()
{
    // The toolbar's own command: an empty box changes nothing.
    m_bed->setSpots({"a", "b"}, "Keep", "004");
    leftOpenAfter(
        *m_prompt, [&] { NewBaseNameCommand(m_bed->app, 1); },
        [&] {
            type("");
            click("cmdOK");
        });
    QCOMPARE(m_bed->globals.DropSpots[1].BaseName, std::string("Keep"));
    QCOMPARE(m_bed->globals.DropSpots[1].SequenceNumber, std::string("004"));
    QVERIFY(m_bed->desktop.soundsPlayed.empty());

    // At start-up a random name stands in for a cancelled prompt.
    std::string name;
    leftOpenAfter(
        *m_prompt, [&] { name = RequestNewBaseName(m_bed->app, true); }, [&] { click("cmdCancel"); });
    QCOMPARE(name, std::string("PPPPPP"));

    // And a typed name reaches the spot.
    leftOpenAfter(
        *m_prompt, [&] { NewBaseNameCommand(m_bed->app, 1); },
        [&] {
            type("Harbour");
            click("cmdOK");
        });
    QCOMPARE(m_bed->globals.DropSpots[1].BaseName, std::string("Harbour"));
    QCOMPARE(m_bed->globals.DropSpots[0].BaseName, std::string("Keep"));
}

void PromptBaseNameTest::refusesNamesThatCannotBePartOfAFileName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("slash") << "cats/dogs";
    QTest::newRow("backslash") << "cats\\dogs";
    QTest::newRow("dot") << ".";
    QTest::newRow("two dots") << "..";
    QTest::newRow("NUL") << QString("ab") + QChar(0) + "c";
    QTest::newRow("300 letters: file names too long") << QString(300, QLatin1Char('a'));
}

void PromptBaseNameTest::refusesNamesThatCannotBePartOfAFileName()
{
    QFETCH(QString, typed);
    bool stayedOpen = false;
    const bool leftOpen = leftOpenAfter(
        *m_prompt, [&] { m_prompt->showModal(); },
        [&] {
            box()->setText(typed);
            click("cmdOK");
            stayedOpen = m_prompt->isVisible();
            type("Better");
            click("cmdOK");
        });
    QVERIFY(!leftOpen);
    QVERIFY(stayedOpen);
    const std::string problem = BaseNameProblem(TrimSpaces(fromQt(typed)));
    QVERIFY(!problem.empty());
    QCOMPARE(m_bed->desktop.messages, std::vector<std::string>{problem});
    QCOMPARE(m_bed->globals.NewBaseName, std::string("Better"));
}

void PromptBaseNameTest::everyShowingOffersAFreshName()
{
    leftOpenAfter(
        *m_prompt, [&] { m_prompt->showModal(); },
        [&] {
            type("Typed before");
            click("cmdCancel");
        });
    m_bed->globals.random.script([] { return 0.0; }); // length 3, letter "m"
    QString offered;
    leftOpenAfter(
        *m_prompt, [&] { m_prompt->showModal(); },
        [&] {
            offered = box()->text();
            click("cmdCancel");
        });
    QCOMPARE(offered, QStringLiteral("mmm"));
}

QTEST_MAIN(PromptBaseNameTest)
#include "frmpromptbasename_test.moc"
