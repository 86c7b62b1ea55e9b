#include "WindowHarness.h"

#include "shell/DataFolder.h"
#include "shell/PlayersLanguage.h"
#include "shell/help/InstructionsDialog.h"

#include <QRegularExpression>
#include <QTextEdit>

using namespace trevallion;
using namespace trevallion::testing;

namespace {

// The letters a list of menu texts marks as mnemonics, one for each text ("&&" is an ampersand).
QString Mnemonics(const QList<QAction*>& actions) {
    static const QRegularExpression mark(QStringLiteral("&([^&])"));
    QString letters;
    for (const QAction* action : actions) {
        if (action->isSeparator()) {
            continue;
        }
        const QString text = QString(action->text()).replace(QStringLiteral("&&"), QString());
        const QRegularExpressionMatch found = mark.match(text);
        letters += found.hasMatch() ? found.captured(1).toLower() : QStringLiteral("?");
    }
    return letters;
}

bool AllDifferent(const QString& letters) {
    return !letters.contains(QLatin1Char('?')) &&
           std::all_of(letters.begin(), letters.end(),
                       [&letters](QChar c) { return letters.count(c) == 1; });
}

} // namespace

// The window in English and in every language the build has a translation into.
class LanguagesTest : public QObject {
    Q_OBJECT

    WindowHarness h;

  private slots:
    void initTestCase() {
        SettleDataFolder(QStringLiteral(TREVALLION_GAME_DIR));
        QVERIFY(!TranslatedLanguages().isEmpty());
    }

    void cleanupTestCase() { SpeakLanguage(QString()); }

    void languages_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        for (const QString& language : TranslatedLanguages()) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }

    void eachMenuHasAMnemonicPerItem_data() { languages_data(); }

    // Every title of the bar, and every item of each menu, has a letter of its own to be chosen by.
    void eachMenuHasAMnemonicPerItem() {
        QFETCH(QString, language);
        QCOMPARE(SpeakLanguage(language), !language.isEmpty());
        QCOMPARE(SpokenLanguage(), language);
        h.Open({});
        const QList<QAction*> bar = h.window->menuBar()->actions();
        QVERIFY2(AllDifferent(Mnemonics(bar)), qPrintable(Mnemonics(bar)));
        for (const QAction* title : bar) {
            const QString letters = Mnemonics(title->menu()->actions());
            QVERIFY2(AllDifferent(letters), qPrintable(title->text() + QLatin1Char(' ') + letters));
        }
        // The core's texts come in the same language as the window's.
        const bool english = h.window->CellButton({2, 5})->accessibleName().startsWith(
            QStringLiteral("column 3, row 6: "));
        QCOMPARE(english, language.isEmpty());
    }

    void manualHasTheHeadingsItsButtonsShow_data() { languages_data(); }

    // The Instructions window opens the manual in the game's language, and each of its section
    // buttons finds its heading there.
    void manualHasTheHeadingsItsButtonsShow() {
        QFETCH(QString, language);
        SpeakLanguage(language);
        const QString manual = SpokenDataFilePath(QStringLiteral("Instructions.rtf"));
        QVERIFY2(manual.endsWith(language.isEmpty() ? QStringLiteral("/Instructions.rtf")
                                                    : QStringLiteral("_%1.rtf").arg(language)),
                 qPrintable(manual));
        InstructionsDialog window;
        QCOMPARE(window.Load(manual), QString());
        const QString text = window.findChild<QTextEdit*>(QStringLiteral("manual"))->toPlainText();
        for (const char* heading :
             {"INTRODUCTION", "INTERFACE", "GAME PLAY", "ADDITIONAL INFORMATION"}) {
            const QString shown =
                QCoreApplication::translate("trevallion::InstructionsDialog", heading);
            QVERIFY2(text.contains(shown), qPrintable(shown));
        }
    }
};

QTEST_MAIN(LanguagesTest)
#include "LanguagesTest.moc"
