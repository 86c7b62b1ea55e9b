#include "shell/MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace trevallion;

// The window's own modal boxes and windows, each closed by the test as soon as it opens: what
// they show, and that closing them returns control to the game.
class RealDialogsTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
    QString m_seenTitle;
    QString m_seenText;

    // Once a modal window opens, records its title and text and hands it to `close`.
    void WhenModalOpens(std::function<void(QWidget*)> close) {
        m_seenTitle.clear();
        m_seenText.clear();
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this, poll, close] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) {
                return;
            }
            poll->deleteLater();
            m_seenTitle = modal->windowTitle();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                m_seenText = box->text();
            }
            close(modal);
        });
        poll->start(10);
    }

  private slots:
    void init() {
        m_window = std::make_unique<MainWindow>(std::make_unique<QSettings>(
            m_dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat));
        m_window->show();
    }

    void cleanup() { m_window.reset(); }

    void messageBoxReturnsTheButtonPressed() {
        WhenModalOpens([](QWidget* modal) {
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click();
        });
        const MessageAnswer answer =
            m_window->ShowMessage("Would you like to try\nagain Player 1?", MessageButtons::YesNo,
                                  MessageIcon::Exclamation);
        QCOMPARE(answer, MessageAnswer::Yes);
        QCOMPARE(m_seenTitle, QStringLiteral("Trevallion"));
        QCOMPARE(m_seenText, QStringLiteral("Would you like to try\nagain Player 1?"));
    }

    void winnerBoxCloses() {
        WhenModalOpens([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); });
        m_window->ShowWinnerBox(2);
        QCOMPARE(m_seenTitle, QStringLiteral("Level Complete"));
    }

    void aboutWindowCloses() {
        WhenModalOpens([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); });
        m_window->ShowAbout();
        QCOMPARE(m_seenTitle, QStringLiteral("About Trevallion"));
    }
};

QTEST_MAIN(RealDialogsTest)
#include "RealDialogsTest.moc"
