#include "shell/WinnerBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using trevallion::Side;
using trevallion::WinnerBox;

class WinnerBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void namesTheWinner_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("text");
        QTest::newRow("player 1") << 1 << QStringLiteral("Player 1 Wins!");
        QTest::newRow("player 2") << 2 << QStringLiteral("Player 2  Wins!");
    }

    void namesTheWinner() {
        QFETCH(int, side);
        QFETCH(QString, text);
        WinnerBox box(trevallion::SideFromNumber(side).value());
        QCOMPARE(box.windowTitle(), QStringLiteral("Level Complete"));
        QVERIFY(box.isModal());
        const QList<QLabel*> labels = box.findChildren<QLabel*>();
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.front()->text(), text);
    }

    void okAcceptsTheBox() {
        WinnerBox box(Side::PlayerOne);
        const QList<QPushButton*> buttons = box.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons.front()->text(), QStringLiteral("OK"));
        box.setResult(QDialog::Rejected);
        buttons.front()->click();
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(WinnerBoxTest)
#include "WinnerBoxTest.moc"
