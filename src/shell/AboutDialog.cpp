#include "shell/AboutDialog.h"

#include "play/Messages.h"
#include "shell/AboutPicture.h"
#include "shell/ProgramIcon.h"
#include "shell/QtText.h"
#include "version/Version.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace trevallion {
namespace {

constexpr int IconSide = 32;

QLabel* CentredText(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About ") + ToQString(ProgramName));
    setModal(true);
    const qreal ratio = devicePixelRatioF();

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(DrawAboutPicture(ratio));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(ProgramIcon().pixmap(QSize(IconSide, IconSide), ratio));

    // The name and version stand to the right of the icon, the release date under both.
    auto* nameAndVersion = new QVBoxLayout;
    nameAndVersion->addWidget(CentredText(ToQString(ProgramName), this));
    nameAndVersion->addWidget(
        CentredText(QStringLiteral("Version ") + ToQString(ProgramVersion), this));
    auto* iconRow = new QHBoxLayout;
    iconRow->addWidget(icon, 0, Qt::AlignTop);
    iconRow->addLayout(nameAndVersion);
    auto* beside = new QVBoxLayout;
    beside->addLayout(iconRow);
    beside->addWidget(CentredText(QStringLiteral("Released August 7, 1998"), this));
    beside->addStretch();

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addLayout(beside, 0, 1);
    layout->addWidget(CentredText(QStringLiteral("Thank you for playing intelligent games!"), this),
                      1, 0, 1, 2);
    layout->addWidget(ok, 2, 0, 1, 2, Qt::AlignHCenter);
    // The window keeps the size its contents ask for and cannot be resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace trevallion
