#include "shell/ConfigFolder.h"

#include <QSettings>
#include <QTest>

using namespace trevallion;

// Where the game's settings, and Qt's own, may go: only where the user said.
class ConfigFolderTest : public QObject {
    Q_OBJECT

  private slots:
    // The folder, or why there is none, for the values of HOME and XDG_CONFIG_HOME.
    void followsTheEnvironment() {
        const auto expect = [](const char* home, const char* xdg, const char* expected) {
            const ConfigFolder folder = ConfigFolderFrom(home, xdg);
            QCOMPARE(folder.path + folder.problem, QString::fromUtf8(expected));
        };
        expect("/home/ann", nullptr, "/home/ann/.config");
        expect("/home/ann", "/etc/ann//", "/etc/ann");
        expect(nullptr, "/etc/ann", "/etc/ann");
        expect("/home/ann", "ann", "/home/ann/.config");
        expect(nullptr, nullptr, "HOME is not set");
        expect("ann", "ann", "HOME is not a full path");
        expect("/home/\xff", nullptr, "HOME is not valid UTF-8");
        expect("/home/ann", "/etc/\xc3", "XDG_CONFIG_HOME is not valid UTF-8");
    }

    // The data folder, where the game in play and the statistics are kept, with the same care.
    void dataFolderFollowsTheEnvironment() {
        QCOMPARE(DataFolderFrom("/home/ann", "rel").path, QStringLiteral("/home/ann/.local/share"));
        QCOMPARE(DataFolderFrom("/home/ann", "/data/").path, QStringLiteral("/data"));
        QCOMPARE(DataFolderFrom("ann", nullptr).problem, QStringLiteral("HOME is not a full path"));
    }

    void qtSettingsWithNoFolderAreDropped() {
        KeepQtSettingsIn(QString());
        QSettings nowhere(QSettings::UserScope, QStringLiteral("QtProject"));
        nowhere.setValue(QStringLiteral("FileDialog/history"), QStringLiteral("/home/ann"));
        nowhere.sync();
        QCOMPARE(nowhere.fileName(), QStringLiteral("/dev/null/QtProject.conf"));
        QCOMPARE(nowhere.status(), QSettings::AccessError);
    }
};

QTEST_GUILESS_MAIN(ConfigFolderTest)
#include "ConfigFolderTest.moc"
