#include "shell/SettingsFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>
#include <limits>

#include <sys/stat.h>
#include <unistd.h>

using namespace trevallion;

namespace {

// What `work` writes on standard error.
QString StandardErrorOf(const std::function<void()>& work) {
    std::fflush(stderr);
    std::FILE* capture = std::tmpfile();
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(::fileno(capture), STDERR_FILENO);
    work();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    std::rewind(capture);
    QFile file;
    file.open(capture, QIODevice::ReadOnly);
    const QString text = QString::fromLocal8Bit(file.readAll());
    file.close();
    std::fclose(capture);
    return text;
}

// Every path under `folder`, with the file type of the path itself and of what it leads to.
QStringList Tree(const QString& folder) {
    QStringList tree;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat own {};
        struct stat target {};
        ::lstat(qPrintable(path), &own);
        ::stat(qPrintable(path), &target);
        tree << QStringLiteral("%1 %2 %3")
                    .arg(path)
                    .arg(own.st_mode & S_IFMT)
                    .arg(target.st_mode & S_IFMT);
    }
    tree.sort();
    return tree;
}

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT

  private slots:
    // A stored value counts only as a whole number in the 32-bit range; anything else reads as
    // missing, so that the caller's default applies.
    void readsWholeNumbersIn32Bits_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("value");
        QTest::newRow("largest") << QByteArray("2147483647") << true
                                 << std::numeric_limits<int>::max();
        QTest::newRow("smallest") << QByteArray("-2147483648") << true
                                  << std::numeric_limits<int>::min();
        QTest::newRow("past the largest") << QByteArray("2147483648") << false << 0;
        QTest::newRow("below the smallest") << QByteArray("-2147483649") << false << 0;
        QTest::newRow("2 wrapped round") << QByteArray("4294967298") << false << 0;
        QTest::newRow("a word") << QByteArray("abc") << false << 0;
        QTest::newRow("a fraction") << QByteArray("2.5") << false << 0;
        QTest::newRow("nothing") << QByteArray("") << false << 0;
    }

    void readsWholeNumbersIn32Bits() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, accepted);
        QFETCH(int, value);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("settings.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Trevallion]\nPlayerOne=" + stored + "\n");
        file.close();
        SettingsFile settings(std::make_unique<QSettings>(file.fileName(), QSettings::IniFormat));
        const std::optional<std::int32_t> read = settings.ReadSetting("PlayerOne");
        QCOMPARE(read.has_value(), accepted);
        QCOMPARE(read.value_or(0), value);
    }

    void pathsThatAreNoPlainFileAreLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << QStringLiteral("pipe");
        QTest::newRow("folder") << QStringLiteral("folder");
        QTest::newRow("link to a pipe") << QStringLiteral("link");
    }

    // Guards against a pipe read until it closes (the game would hang at start) and against a
    // save that replaces whatever stands at the path.
    void pathsThatAreNoPlainFileAreLeftAlone() {
        QFETCH(QString, kind);
        QTemporaryDir config;
        QVERIFY(QDir(config.path()).mkdir(QStringLiteral("QMV")));
        const QString path = config.filePath(QStringLiteral("QMV/Trevallion.conf"));
        const QString pipe =
            kind == QStringLiteral("link") ? config.filePath(QStringLiteral("pipe")) : path;
        if (kind == QStringLiteral("folder")) {
            QVERIFY(QDir().mkdir(path));
        } else {
            QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        }
        if (pipe != path) {
            QVERIFY(QFile::link(pipe, path));
        }
        const QStringList before = Tree(config.path());

        std::unique_ptr<SettingsStore> store;
        const QString error = StandardErrorOf([&] {
            store = OpenUserSettings({config.path(), {}});
        });
        store->WriteSetting("PlayerOne", 3);
        QCOMPARE(store->ReadSetting("PlayerOne").value_or(-1), 3);
        store.reset();

        QCOMPARE(error.count(QLatin1Char('\n')), 1);
        QVERIFY(error.endsWith(QLatin1Char('\n')));
        QVERIFY2(error.contains(path), qPrintable(error));
        QCOMPARE(Tree(config.path()), before);
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
