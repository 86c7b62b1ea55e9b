#include "WindowHarness.h"

#include "shell/DataFolder.h"
#include "shell/PlayersLanguage.h"
#include "shell/help/InstructionsDialog.h"

#include <QTextEdit>

using namespace trevallion;
using namespace trevallion::testing;

namespace {

// Whether every text (but separators) has a mnemonic, none the same as another's.
bool MnemonicsDiffer(const QList<QAction*>& actions) {
    QStringList keys;
    for (const QAction* action : actions) {
        const QString key = QKeySequence::mnemonic(action->text()).toString();
        if (!action->isSeparator() && (key.isEmpty() || keys.contains(key))) {
            return false;
        }
        keys << key;
    }
    return true;
}

} // namespace

// The window and the manual in English and in every language the build has a translation into.
class LanguagesTest : public QObject {
    Q_OBJECT

    WindowHarness h;

  private slots:
    void initTestCase() {
        SettleDataFolder(QStringLiteral(TREVALLION_GAME_DIR));
        QVERIFY(!TranslatedLanguages().isEmpty());
    }

    void cleanupTestCase() { SpeakLanguage(QString()); }

    void eachLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        for (const QString& language : TranslatedLanguages()) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }

    void eachLanguage() {
        QFETCH(QString, language);
        QCOMPARE(SpeakLanguage(language), !language.isEmpty());
        h.Open({});
        const QList<QAction*> bar = h.window->menuBar()->actions();
        QVERIFY(MnemonicsDiffer(bar));
        for (const QAction* title : bar) {
            QVERIFY2(MnemonicsDiffer(title->menu()->actions()), qPrintable(title->text()));
        }
        // The core's texts come in the window's language.
        const QString cell = h.window->CellButton({2, 5})->accessibleName();
        QCOMPARE(cell.startsWith(QStringLiteral("column 3, row 6: ")), language.isEmpty());

        // The manual in the same language holds the heading each section button looks for.
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
