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

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About %1").arg(ToQString(ProgramName)));
    setModal(true);
    const qreal ratio = devicePixelRatioF();

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(DrawAboutPicture(ratio));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(ProgramIcon().pixmap(QSize(IconSide, IconSide), ratio));

    // The name, version and release date stand in one column to the right of the icon, all three
    // starting at the same left edge.
    auto* lines = new QVBoxLayout;
    for (const QString& text :
         {ToQString(ProgramName), tr("Version %1").arg(ToQString(ProgramVersion)),
          tr("Released August 7, 1998")}) {
        lines->addWidget(new QLabel(text, this), 0, Qt::AlignLeft);
    }
    lines->addStretch();
    auto* beside = new QHBoxLayout;
    beside->addWidget(icon, 0, Qt::AlignTop);
    beside->addLayout(lines);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addLayout(beside, 0, 1);
    auto* thanks = new QLabel(tr("Thank you for playing intelligent games!"), this);
    thanks->setAlignment(Qt::AlignCenter);
    layout->addWidget(thanks, 1, 0, 1, 2);
    layout->addWidget(ok, 2, 0, 1, 2, Qt::AlignHCenter);
    // The window keeps the size its contents ask for and cannot be resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace trevallion
