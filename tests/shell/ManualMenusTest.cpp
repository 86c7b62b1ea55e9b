#include "WindowHarness.h"

#include "shell/DataFolder.h"
#include "shell/PlayersLanguage.h"
#include "shell/help/RtfReader.h"

#include <QTextBlock>
#include <QTextDocument>

using namespace trevallion;
using namespace trevallion::testing;

namespace {

// The manual writes the name of a menu or of a menu item bold in a blue of its own, and nothing
// else in it, so that a player sees which words to look for in the menus.
const QColor MenuNameColour(0, 70, 140);

// The names the manual at `path` marks as menus' and items', as its reader shows them.
QStringList MarkedNames(const QString& path) {
    QFile file(path);
    QTextDocument document;
    if (!file.open(QIODevice::ReadOnly) || ReadRtf(file.readAll(), document) != RtfInput::Rtf) {
        return {};
    }
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            const QTextCharFormat format = part.fragment().charFormat();
            if (format.fontWeight() >= QFont::Bold &&
                format.foreground().color() == MenuNameColour) {
                names << part.fragment().text();
            }
        }
    }
    return names;
}

// The names of `actions` and, for a menu or submenu among them, of all it holds.
void ShownNames(const QList<QAction*>& actions, QStringList& shown) {
    for (const QAction* action : actions) {
        shown << PlainText(action);
        if (action->menu() != nullptr) {
            ShownNames(action->menu()->actions(), shown);
        }
    }
}

} // namespace

// Each manual names the window's menus and items exactly as the window in its language shows
// them, so that a renamed item or a slip of the pen in the manual does not send a player
// looking for an item that is not there.
class ManualMenusTest : public QObject {
    Q_OBJECT

    WindowHarness h;

  private slots:
    void initTestCase() { SettleDataFolder(QStringLiteral(TREVALLION_GAME_DIR)); }

    void cleanupTestCase() { SpeakLanguage(QString()); }

    void namesInEachLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        for (const QString& language : TranslatedLanguages()) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }

    void namesInEachLanguage() {
        QFETCH(QString, language);
        SpeakLanguage(language);
        h.Open({});
        QStringList shown;
        ShownNames(h.window->menuBar()->actions(), shown);
        const QStringList marked =
            MarkedNames(SpokenDataFilePath(QStringLiteral("Instructions.rtf")));
        QVERIFY(!marked.isEmpty());
        QStringList unknown;
        for (const QString& name : marked) {
            if (!shown.contains(name)) {
                unknown << name;
            }
        }
        QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(ManualMenusTest)
#include "ManualMenusTest.moc"
