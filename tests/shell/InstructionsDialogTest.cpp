#include "shell/help/InstructionsDialog.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

using trevallion::InstructionsDialog;

namespace {

const QColor Aqua(128, 246, 234);

QTextEdit* View(const InstructionsDialog& dialog) {
    return dialog.findChild<QTextEdit*>();
}

QPushButton* Button(const InstructionsDialog& dialog, const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

// Where the line holding the first `text` begins, in pixels below the view's top edge.
int LineTop(const QTextEdit& view, const QString& text) {
    QTextCursor found = view.document()->find(text, 0, QTextDocument::FindCaseSensitively);
    found.setPosition(found.selectionStart());
    return view.cursorRect(found).top();
}

// The paragraph that the view shows on its top line.
QString TopParagraph(const QTextEdit& view) {
    return view.cursorForPosition(QPoint(8, 1)).block().text();
}

} // namespace

class InstructionsDialogTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_dir;
    QString m_startDir;
    InstructionsDialog* m_dialog = nullptr;

    // Opens the window on `name`, a file in the test's directory, which is the current one.
    void Open(const QString& name = QStringLiteral("Instructions.rtf")) {
        delete m_dialog;
        m_dialog = new InstructionsDialog;
        QCOMPARE(m_dialog->Load(name), QString());
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
    }

  private slots:
    void init() {
        m_startDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QFile::remove(QStringLiteral("Instructions.rtf"));
        QVERIFY(QFile::copy(QStringLiteral(TREVALLION_MANUAL), QStringLiteral("Instructions.rtf")));
    }

    void cleanup() {
        delete m_dialog;
        m_dialog = nullptr;
        QDir::setCurrent(m_startDir);
    }

    void showsTheManualBehindItsButtons() {
        Open();
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Instructions"));
        QCOMPARE(m_dialog->size(), m_dialog->minimumSize());
        QPushButton* ok = Button(*m_dialog, QStringLiteral("OK"));
        QVERIFY(ok->isDefault() && !ok->isFlat());
        QCOMPARE(m_dialog->focusWidget(), ok);
        QWidget* next = ok;
        for (const char* text : {"Introduction", "Interface", "Game Play", "More Information"}) {
            next = next->nextInFocusChain();
            QCOMPARE(next, Button(*m_dialog, QLatin1String(text)));
            QVERIFY(Button(*m_dialog, QLatin1String(text))->isFlat());
        }
        QTextEdit* view = View(*m_dialog);
        QVERIFY(view->isReadOnly() && !(view->focusPolicy() & Qt::TabFocus));
        QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(view->toPlainText().contains(QStringLiteral("GAME PLAY")));
        QCOMPARE(view->palette().color(QPalette::Base), Aqua);

        ok->click();
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        Open();
        QTest::keyClick(m_dialog, Qt::Key_Escape);
        QVERIFY(!m_dialog->isVisible());
    }

    // Made larger, the view takes the room and its text flows into fewer lines; OK stays below.
    void growsWithTheTextFlowingToItsWidth() {
        Open();
        QTextEdit* view = View(*m_dialog);
        const QSize viewBefore = view->size();
        const qreal heightBefore = view->document()->size().height();
        const int okGap = m_dialog->height() - Button(*m_dialog, QStringLiteral("OK"))->y();
        m_dialog->resize(m_dialog->size() + QSize(300, 100));
        QCOMPARE(view->size(), viewBefore + QSize(300, 100));
        QVERIFY(view->document()->size().height() < heightBefore);
        QCOMPARE(m_dialog->height() - Button(*m_dialog, QStringLiteral("OK"))->y(), okGap);
    }

    void failuresLeaveTheViewEmptyAndNameThePath() {
        Open();
        QCOMPARE(m_dialog->Load(QStringLiteral("Missing.rtf")),
                 m_dir.filePath(QStringLiteral("Missing.rtf")) + QStringLiteral(" was not found."));
        QTextEdit* view = View(*m_dialog);
        QVERIFY(view->document()->isEmpty());
        QCOMPARE(view->palette().color(QPalette::Base),
                 QTextEdit().palette().color(QPalette::Base));
        QVERIFY(view->palette().color(QPalette::Base) != Aqua);

        QVERIFY(QDir::current().mkdir(QStringLiteral("folder.rtf")));
        QCOMPARE(m_dialog->Load(QStringLiteral("folder.rtf")),
                 m_dir.filePath(QStringLiteral("folder.rtf")) +
                     QStringLiteral(" is a folder, not a file."));

        // No descriptor left to open the manual with.
        rlimit old{};
        QCOMPARE(::getrlimit(RLIMIT_NOFILE, &old), 0);
        const int lowestFree = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        ::close(lowestFree);
        rlimit lowered = old;
        lowered.rlim_cur = static_cast<rlim_t>(lowestFree);
        QCOMPARE(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
        const QString error = m_dialog->Load(QStringLiteral("Instructions.rtf"));
        ::setrlimit(RLIMIT_NOFILE, &old);
        QCOMPARE(error, QStringLiteral("%1 could not be opened because there are too many open "
                                       "files.")
                            .arg(m_dir.filePath(QStringLiteral("Instructions.rtf"))));
    }

    // A file past the read cap, or a manual holding more than the window can show in a moment,
    // is refused whole with the general error.
    void overlongManualsAreRefused() {
        Open();
        const QByteArray atTheCap = "{\\rtf1 ok}" + QByteArray(4 * 1024 * 1024 - 10, ' ');
        const QString refused = QStringLiteral("An unexpected error occurred while accessing %1.")
                                    .arg(m_dir.filePath(QStringLiteral("big.rtf")));
        const std::pair<QByteArray, QString> cases[] = {
            {atTheCap, QString()},
            {atTheCap + ' ', refused},
            {"{\\rtf1 " + QByteArray("\\par ").repeated(20'001) + "}", refused}};
        for (const auto& [manual, error] : cases) {
            QFile file(QStringLiteral("big.rtf"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(manual) == manual.size());
            file.close();
            QCOMPARE(m_dialog->Load(QStringLiteral("big.rtf")), error);
            QCOMPARE(View(*m_dialog)->document()->isEmpty(), !error.isEmpty());
        }
    }

    void aLockedFileIsDenied() {
        if (::geteuid() == 0) {
            QSKIP("file permissions do not bind the superuser");
        }
        Open();
        QVERIFY(QFile::setPermissions(QStringLiteral("Instructions.rtf"), {}));
        QCOMPARE(m_dialog->Load(QStringLiteral("Instructions.rtf")),
                 QStringLiteral("Access to %1 was denied.")
                     .arg(m_dir.filePath(QStringLiteral("Instructions.rtf"))));
    }

    void sectionButtonsBringTheirHeadingToTheTop_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("heading");
        QTest::newRow("game play") << "Game Play"
                                   << "GAME PLAY";
        QTest::newRow("interface") << "Interface"
                                   << "INTERFACE";
        QTest::newRow("more") << "More Information"
                              << "ADDITIONAL INFORMATION";
    }

    void sectionButtonsBringTheirHeadingToTheTop() {
        QFETCH(QString, button);
        QFETCH(QString, heading);
        Open();
        QTextEdit* view = View(*m_dialog);
        QScrollBar* bar = view->verticalScrollBar();
        QVERIFY(bar->maximum() > 3 * view->viewport()->height()); // several screens of text
        const int caret = view->textCursor().position();

        Button(*m_dialog, button)->click();
        // On the top line, unless the text ends too soon to scroll that far.
        const int top = LineTop(*view, heading);
        QVERIFY(qAbs(top) <= 1 ||
                (bar->value() == bar->maximum() && top > 0 && top < view->viewport()->height()));
        QCOMPARE(view->textCursor().position(), caret);
        QVERIFY(!view->textCursor().hasSelection());

        bar->setValue(bar->maximum());
        Button(*m_dialog, QStringLiteral("Introduction"))->click();
        QVERIFY(qAbs(LineTop(*view, QStringLiteral("INTRODUCTION"))) <= 1);
        QVERIFY(bar->value() > 0); // the heading stands below the title
    }

    void aHeadingIsFoundAtItsFirstCapitalOccurrence() {
        QFile file(QStringLiteral("twice.rtf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("{\\rtf1 Start\\par the interface, in lower case\\par ") +
                   QByteArray("filler\\par ").repeated(40) + "INTERFACE one\\par " +
                   QByteArray("filler\\par ").repeated(40) + "INTERFACE two\\par " +
                   QByteArray("filler\\par ").repeated(80) + "}");
        file.close();
        Open(QStringLiteral("twice.rtf"));
        Button(*m_dialog, QStringLiteral("Interface"))->click();
        QCOMPARE(TopParagraph(*View(*m_dialog)), QStringLiteral("INTERFACE one"));
        // There is no "GAME PLAY" here: its button goes back to the top.
        Button(*m_dialog, QStringLiteral("Game Play"))->click();
        QCOMPARE(TopParagraph(*View(*m_dialog)), QStringLiteral("Start"));
    }
};

QTEST_MAIN(InstructionsDialogTest)
#include "InstructionsDialogTest.moc"
