#include "WindowHarness.h"
#include "levels/LevelLayouts.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
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

    void messageBoxReturnsTheButtonPressed() {
        CloseModalsAsTheyOpen([](QWidget* modal) {
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click();
        });
        const MessageAnswer answer =
            m_window->ShowMessage("Would you like to try\nagain Player 1?", MessageButtons::YesNo,
                                  MessageIcon::Exclamation);
        QCOMPARE(answer, MessageAnswer::Yes);
        QCOMPARE(m_seen, (QStringList{QStringLiteral("Trevallion"),
                                      QStringLiteral("Would you like to try\nagain Player 1?")}));
    }

    void winnerBoxCloses() {
        CloseModalsAsTheyOpen(Accept);
        m_window->ShowWinnerBox(Side::PlayerTwo);
        QCOMPARE(m_seen, QStringList{QStringLiteral("Level Complete")});
    }

    void aboutWindowCloses() {
        CloseModalsAsTheyOpen(Accept);
        m_window->ShowAbout();
        QCOMPARE(m_seen, QStringList{QStringLiteral("About Trevallion")});
    }

    // The game runs from its build folder, where the manual lies beside the sounds.
    void instructionsOpenOnTheManual() {
        QVERIFY(QDir::setCurrent(QStringLiteral(TREVALLION_GAME_DIR)));
        CloseModalsAsTheyOpen(Accept);
        m_window->ShowInstructions();
        QCOMPARE(m_seen, QStringList{QStringLiteral("Instructions")});
    }

    // Without the manual, a stop box names its full path, then the window opens empty.
    void instructionsWithoutTheManual() {
        QTemporaryDir empty;
        QVERIFY(QDir::setCurrent(empty.path()));
        QString viewText = QStringLiteral("not looked at");
        CloseModalsAsTheyOpen([&viewText](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                QCOMPARE(box->icon(), QMessageBox::Critical);
                box->accept();
                return;
            }
            viewText = modal->findChild<QTextEdit*>()->toPlainText();
            Accept(modal);
        });
        m_window->ShowInstructions();
        const QString path =
            QDir(empty.path()).absoluteFilePath(QStringLiteral("Instructions.rtf"));
        QCOMPARE(m_seen, (QStringList{QStringLiteral("Trevallion"),
                                      path + QStringLiteral(" was not found."),
                                      QStringLiteral("Instructions")}));
        QCOMPARE(viewText, QString());
    }

    // A game saved and loaded back through the real file dialogs: a name typed without a
    // suffix gets ".tvx", and replacing a file is asked about first.
    void savedGameThroughTheFileDialogs() {
        QTemporaryDir folder;
        QStringList dialogs;
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
            dialog->selectFile(folder.filePath(QStringLiteral("kept")));
            // Accepted from the event loop, so that a question it asks is seen here too.
            QMetaObject::invokeMethod(static_cast<QDialog*>(dialog), &QDialog::accept,
                                      Qt::QueuedConnection);
        });
        const auto choose = [this](CommandId command) {
            m_window->CommandAction(command)->trigger();
        };
        choose(CommandId::Level10);
        m_window->Controller().OnTimer(); // a game is under way from its first tick
        const QString saved = folder.filePath(QStringLiteral("kept.tvx"));

        choose(CommandId::SaveGame);
        QCOMPARE(QFileInfo(saved).size(), 348);
        choose(CommandId::SaveGame);
        QVERIFY(m_seen.contains(
            QStringLiteral("kept.tvx already exists.\nDo you want to replace it?")));

        choose(CommandId::Level1);
        choose(CommandId::LoadGame);
        QCOMPARE(dialogs, (QStringList{"save", "save", "open"}));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Trevallion Level 10"));
        QCOMPARE(CellsNotShowing(*m_window, LayoutToBoard(LevelLayout(10))), QStringList());
    }
};

QTEST_MAIN(RealDialogsTest)
#include "RealDialogsTest.moc"
