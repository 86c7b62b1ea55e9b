#include "shell/AboutDialog.h"
#include "shell/ProgramIcon.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace trevallion;

namespace {

using PixelTest = std::function<bool(QRgb)>;

// Whether some pixel of `area` passes the test.
bool AnyPixel(const QImage& image, const QRect& area, const PixelTest& test) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(image.pixel(x, y))) {
                return true;
            }
        }
    }
    return false;
}

bool Purplish(QRgb p) {
    return qRed(p) >= 96 && qBlue(p) >= 128 && qGreen(p) + 60 <= qBlue(p);
}
bool Yellowish(QRgb p) {
    return qRed(p) >= 200 && qGreen(p) >= 180 && qBlue(p) <= 100;
}
bool DarkRed(QRgb p) {
    return qRed(p) >= 96 && qRed(p) <= 176 && qGreen(p) <= 40 && qBlue(p) <= 40;
}
bool White(QRgb p) {
    return (p & 0xFFFFFF) == 0xFFFFFF;
}

QLabel* NamedLabel(const AboutDialog& dialog, const char* name) {
    return dialog.findChild<QLabel*>(QString::fromLatin1(name));
}

} // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheTitleAndTexts() {
        AboutDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Trevallion"));
        QVERIFY(dialog.isModal());
        QStringList texts;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) {
                texts << label->text();
            }
        }
        texts.sort();
        QStringList expected{QStringLiteral("Trevallion"), QStringLiteral("Version 2.0"),
                             QStringLiteral("Released August 7, 1998"),
                             QStringLiteral("Thank you for playing intelligent games!")};
        expected.sort();
        QCOMPARE(texts, expected);
    }

    void pictureIsBlackAndWhite() {
        AboutDialog dialog;
        const QLabel* picture = NamedLabel(dialog, "picture");
        QVERIFY(picture);
        const QPixmap pixmap = picture->pixmap();
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(108, 133));
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        int black = 0;
        int white = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                black += p == qRgb(0, 0, 0);
                white += p == qRgb(255, 255, 255);
            }
        }
        QCOMPARE(black + white, image.width() * image.height());
        QVERIFY(black > 0);
        QVERIFY(white > 0);
    }

    void iconAndTextsStandBesideThePicture() {
        AboutDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QLabel* picture = NamedLabel(dialog, "picture");
        const QLabel* icon = NamedLabel(dialog, "icon");
        QVERIFY(picture && icon);
        QVERIFY(icon->isVisible());
        QCOMPARE(icon->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        QCOMPARE(icon->pixmap().toImage(),
                 ProgramIcon().pixmap(QSize(32, 32), icon->devicePixelRatioF()).toImage());
        QVERIFY(icon->geometry().left() > picture->geometry().right());
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            const bool thanks = label->text().startsWith(QStringLiteral("Thank you"));
            if (thanks) {
                QVERIFY(label->geometry().top() > picture->geometry().bottom());
            } else if (label != picture) {
                QVERIFY(label->geometry().left() > picture->geometry().right());
            }
        }
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    }

    void okAcceptsAndEscapeRejects() {
        AboutDialog dialog;
        const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 1);
        QPushButton* ok = buttons.front();
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        dialog.show();
        dialog.setResult(QDialog::Rejected);
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());

        dialog.show();
        dialog.setResult(QDialog::Accepted);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    void programIconHasItsSizesAndColours_data() {
        QTest::addColumn<int>("side");
        for (const int side : {16, 32, 48}) {
            QTest::addRow("%d px", side) << side;
        }
    }

    void programIconHasItsSizesAndColours() {
        QFETCH(int, side);
        const QIcon icon = ProgramIcon();
        QVERIFY(icon.availableSizes().contains(QSize(side, side)));
        const QImage image =
            icon.pixmap(QSize(side, side), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(side, side));
        // Drawn anew every time, yet with the same flecks.
        QCOMPARE(ProgramIcon()
                     .pixmap(QSize(side, side), 1.0)
                     .toImage()
                     .convertToFormat(QImage::Format_ARGB32),
                 image);

        const int band = side / 8;
        const QRect top(0, 0, side, band);
        const QRect bottom(0, side - band, side, band);
        QVERIFY(AnyPixel(image, top, Purplish) || AnyPixel(image, bottom, Purplish));
        QVERIFY(AnyPixel(image, top, Yellowish) || AnyPixel(image, bottom, Yellowish));
        QVERIFY(!AnyPixel(image, top, White));

        const QRect centre(side / 4, side / 4, side / 2, side / 2);
        QVERIFY(AnyPixel(image, centre, DarkRed));
        QVERIFY(AnyPixel(image, centre, White));
        QVERIFY(!AnyPixel(image, centre, Purplish));
        QVERIFY(!AnyPixel(image, centre, Yellowish));
    }
};

QTEST_MAIN(AboutDialogTest)
#include "AboutDialogTest.moc"
