#include "WindowHarness.h"
#include "levels/LevelLayouts.h"
#include "savegame/SavedGameRecord.h"
#include "shell/DataFolder.h"
#include "shell/GameFileDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <memory>

using namespace trevallion;
using trevallion::testing::CellsNotShowing;

// The window's own modal boxes and windows, each closed by the test as soon as it opens: what
// they show, and that closing them returns control to the game.
class RealDialogsTest : public QObject {
    Q_OBJECT

  private:
    // A folder with no manual in it.
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
    QTimer m_poll;
    // The title, and for a message box the text, of each modal window closed so far.
    QStringList m_seen;

    // From now on, every modal window that opens is recorded and handed to `close`.
    void CloseModalsAsTheyOpen(std::function<void(QWidget*)> close) {
        m_seen.clear();
        m_poll.disconnect();
        connect(&m_poll, &QTimer::timeout, this, [this, close] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal->property("seen").toBool()) {
                return;
            }
            modal->setProperty("seen", true);
            m_seen << modal->windowTitle();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                m_seen << box->text();
            }
            close(modal);
        });
        m_poll.start(10);
    }

    static void Accept(QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); }

    // Puts `name` in the dialog's file-name field and presses Enter there, as a user does. Set
    // directly, not by selectFile(), which leaves the field alone once it has the focus.
    static void EnterName(QFileDialog* dialog, const QString& name) {
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(field != nullptr);
        field->setText(name);
        QTest::keyClick(field, Qt::Key_Return);
    }

  private slots:
    void init() {
        m_window = std::make_unique<MainWindow>(std::make_unique<SettingsFile>(nullptr));
        m_window->show();
    }

    void cleanup() {
        m_poll.stop();
        m_window.reset();
        QDir::setCurrent(QStringLiteral(TREVALLION_GAME_DIR));
    }

    // A computer player's win, announced by the real boxes: the winner box, then the retry
    // question, whose Yes comes back to the game and sets the level up again.
    void aComputerWinOffersTheRetryAndYesPlaysTheLevelAgain() {
        QTemporaryDir folder;
        Board board = LayoutToBoard(LevelLayout(1));
        board.At({3, 5}) = 23; // a Player 2 bar (arms up and down) over Player 1's king
        const QString path = folder.filePath(QStringLiteral("won.tvx"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const RecordBytes bytes = EncodeRecord({SaveFormatVersion, 2, 0, 1, 2, 1, board});
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        file.close();
        CloseModalsAsTheyOpen([path](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                box->button(QMessageBox::Yes)->click();
            } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                QTimer::singleShot(0, dialog, [dialog, path] { EnterName(dialog, path); });
            } else {
                Accept(modal);
            }
        });
        m_window->CommandAction(CommandId::LoadGame)->trigger();
        QTRY_COMPARE(m_window->windowTitle(), QStringLiteral("Trevallion Level 1"));
        QTRY_VERIFY_WITH_TIMEOUT(
            (testing::Tick(*m_window), m_seen.contains(QStringLiteral("Level Complete"))), 10000);
        QTRY_VERIFY(m_seen.contains(QStringLiteral("Would you like to try\nagain Player 1?")));
        QTRY_COMPARE(m_window->windowTitle(), QStringLiteral("Trevallion Level 1"));
        QCOMPARE(CellsNotShowing(*m_window, LayoutToBoard(LevelLayout(1))), QStringList());
    }

    void winnerBoxCloses() {
        CloseModalsAsTheyOpen(Accept);
        m_window->OpenWinnerBox(Side::PlayerTwo);
        QTRY_COMPARE(m_seen, QStringList{QStringLiteral("Level Complete")});
    }

    // The Life Doodle lives on behind the About window: the clock is not stopped by it.
    void aboutWindowClosesAndTheDoodleLivesBehindIt() {
        testing::Tick(*m_window); // the doodle's start
        const QImage before = testing::IconImage(m_window->CellButton({2, 0}));
        QWidget* about = nullptr;
        CloseModalsAsTheyOpen([&about](QWidget* modal) { about = modal; });
        m_window->CommandAction(CommandId::About)->trigger();
        QTRY_VERIFY(about != nullptr);
        testing::Tick(*m_window); // the first generation brings (2, 0) to life
        QVERIFY(about->isVisible());
        QVERIFY(testing::IconImage(m_window->CellButton({2, 0})) != before);
        Accept(about);
        QCOMPARE(m_seen, QStringList{QStringLiteral("About Trevallion")});
    }

    // The manual comes from the data folder, whatever the current directory.
    void instructionsOpenOnTheManual() {
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        SettleDataFolder(QStringLiteral(TREVALLION_GAME_DIR));
        CloseModalsAsTheyOpen(Accept);
        m_window->OpenInstructions();
        QTRY_COMPARE(m_seen, QStringList{QStringLiteral("Instructions")});
    }

    // Without the manual a box says why, then the window opens empty: a stop box naming the full
    // path tried, or, with no data folder to form one, an exclamation box.
    void instructionsWithoutTheManual_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::newRow("no manual in the folder")
            << m_dir.path()
            << m_dir.filePath(QStringLiteral("Instructions.rtf")) + " was not found."
            << QMessageBox::Critical;
        QTest::newRow("no data folder")
            << QString() << QStringLiteral("Cannot open instructions file.")
            << QMessageBox::Warning;
    }

    void instructionsWithoutTheManual() {
        QFETCH(QString, folder);
        QFETCH(QString, message);
        QFETCH(QMessageBox::Icon, icon);
        SettleDataFolder(folder);
        QString viewText = QStringLiteral("not looked at");
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        CloseModalsAsTheyOpen([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                shownIcon = box->icon();
                box->accept();
                return;
            }
            viewText = modal->findChild<QTextEdit*>()->toPlainText();
            Accept(modal);
        });
        m_window->OpenInstructions();
        QTRY_COMPARE(m_seen, (QStringList{QStringLiteral("Trevallion"), message,
                                          QStringLiteral("Instructions")}));
        QCOMPARE(shownIcon, icon);
        QCOMPARE(viewText, QString());
    }

    // A game saved and loaded back through the real file dialogs: a name typed without a
    // suffix gets ".tvx", and replacing a file is asked about first. The first dialog opens in
    // the home folder, the later ones in the folder of the game last saved or loaded. Enter on a
    // name with a wildcard, one typed or the offered "*.tvx", only filters the list.
    void savedGameThroughTheFileDialogs() {
        QTemporaryDir folder;
        QStringList dialogs;
        QStringList startFolders;
        QStringList filters; // after Enter on a name with a wildcard
        CloseModalsAsTheyOpen([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                box->button(QMessageBox::Yes)->click();
                return;
            }
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->nameFilters(), QStringList{"Trevallion Game Files (*.tvx)"});
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("tvx"));
            QCOMPARE(dialog->fileMode(), QFileDialog::AnyFile);
            QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
            dialogs << (dialog->acceptMode() == QFileDialog::AcceptSave ? "save" : "open");
            startFolders << dialog->directory().canonicalPath();
            for (const QString& name : {folder.filePath("[ab]*"), QStringLiteral("*.tvx")}) {
                EnterName(dialog, name);
                filters << (dialog->isVisible() ? dialog->selectedNameFilter() : "closed");
            }
            // Entered from the event loop, so that a question it asks is seen here too.
            QTimer::singleShot(0, dialog, [dialog, name = folder.filePath(QStringLiteral("kept"))] {
                EnterName(dialog, name);
            });
        });
        const auto choose = [this](CommandId command) {
            m_window->CommandAction(command)->trigger();
        };
        // The menus take commands again once the dialog has gone.
        const auto closed = [] { return QApplication::activeModalWidget() == nullptr; };
        choose(CommandId::Level10);
        testing::Tick(*m_window); // a game is under way from its first tick
        const QString saved = folder.filePath(QStringLiteral("kept.tvx"));

        choose(CommandId::SaveGame);
        QTRY_COMPARE(QFileInfo(saved).size(), 348);
        QTRY_VERIFY(closed());
        choose(CommandId::SaveGame);
        QTRY_VERIFY(m_seen.contains(
            QStringLiteral("kept.tvx already exists.\nDo you want to replace it?")));
        QTRY_VERIFY(closed());

        choose(CommandId::Level1);
        choose(CommandId::LoadGame);
        QTRY_COMPARE(m_window->windowTitle(), QStringLiteral("Trevallion Level 10"));
        QCOMPARE(dialogs, (QStringList{"save", "save", "open"}));
        QCOMPARE(CellsNotShowing(*m_window, LayoutToBoard(LevelLayout(10))), QStringList());
        const QString home = QDir::home().canonicalPath();
        const QString chosen = QDir(folder.path()).canonicalPath();
        QCOMPARE(startFolders, (QStringList{home, chosen, chosen}));
        filters.removeDuplicates();
        QCOMPARE(filters, (QStringList{"[ab]*", "Trevallion Game Files (*.tvx)"}));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept.tvx"});
    }

    // The kernel's folders: a remembered one, here behind a link, gives way to the home folder,
    // and one browsed to lists at once, as no file in it is opened to tell its type (a read of
    // /proc/kmsg, as root, waits for the next kernel message).
    void kernelFolders() {
        for (const QString& folder : {QStringLiteral("/proc"), QStringLiteral("/dev")}) {
            const QString link = m_dir.filePath(QFileInfo(folder).fileName());
            QFile::link(folder, link);
            SettingsFile settings(nullptr);
            RememberGameFolder(settings, QFile::encodeName(link + "/game.tvx").toStdString());
            QCOMPARE(GameFolderToOpen(settings), QDir::homePath());
            GameFileDialogBox dialog(m_window.get(), GameFileDialog::Open, QDir::homePath());
            QSignalSpy loaded(dialog.findChild<QFileSystemModel*>(),
                              &QFileSystemModel::directoryLoaded);
            dialog.setDirectory(folder);
            QTRY_VERIFY_WITH_TIMEOUT(loaded.contains(QVariantList{folder}), 30000);
        }
    }
};

QTEST_MAIN(RealDialogsTest)
#include "RealDialogsTest.moc"
