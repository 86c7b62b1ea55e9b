#include "shell/ConfigFolder.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace trevallion;

// Where the game's settings, and Qt's own, may go: only where the user said.
class ConfigFolderTest : public QObject {
    Q_OBJECT

  private slots:
    void followsTheEnvironment_data() {
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QByteArray>("xdgConfigHome");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("problem");
        const QByteArray home("/home/ann");
        const QString homeConfig = QStringLiteral("/home/ann/.config");
        QTest::newRow("home alone") << home << QByteArray() << homeConfig << QString();
        QTest::newRow("XDG_CONFIG_HOME first")
            << home << QByteArray("/etc/ann//") << QStringLiteral("/etc/ann") << QString();
        QTest::newRow("XDG_CONFIG_HOME without HOME")
            << QByteArray() << QByteArray("/etc/ann") << QStringLiteral("/etc/ann") << QString();
        QTest::newRow("relative XDG_CONFIG_HOME ignored")
            << home << QByteArray("ann") << homeConfig << QString();
        QTest::newRow("no HOME") << QByteArray() << QByteArray() << QString()
                                 << QStringLiteral("HOME is not set");
        QTest::newRow("relative HOME") << QByteArray("ann") << QByteArray("ann") << QString()
                                       << QStringLiteral("HOME is not a full path");
        QTest::newRow("HOME not UTF-8") << QByteArray("/home/\xff") << QByteArray() << QString()
                                        << QStringLiteral("HOME is not valid UTF-8");
        QTest::newRow("XDG_CONFIG_HOME not UTF-8")
            << home << QByteArray("/etc/\xc3") << QString()
            << QStringLiteral("XDG_CONFIG_HOME is not valid UTF-8");
    }

    void followsTheEnvironment() {
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, xdgConfigHome);
        QFETCH(QString, path);
        QFETCH(QString, problem);
        const ConfigFolder folder = ConfigFolderFrom(home.constData(), xdgConfigHome.constData());
        QCOMPARE(folder.path, path);
        QCOMPARE(folder.problem, problem);
    }

    // Runs last: Qt's settings stay where they are sent for the rest of the program.
    void qtSettingsGoOnlyWhereSent() {
        QTemporaryDir folder;
        KeepQtSettingsIn(folder.path());
        QCOMPARE(QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName(),
                 folder.filePath(QStringLiteral("QtProject.conf")));

        KeepQtSettingsIn(QString());
        QSettings nowhere(QSettings::UserScope, QStringLiteral("QtProject"));
        nowhere.setValue(QStringLiteral("FileDialog/history"), QStringLiteral("/home/ann"));
        nowhere.sync();
        QCOMPARE(nowhere.status(), QSettings::AccessError);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(ConfigFolderTest)
#include "ConfigFolderTest.moc"
