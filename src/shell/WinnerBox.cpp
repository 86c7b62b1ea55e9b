#include "shell/WinnerBox.h"

#include "play/Messages.h"
#include "shell/QtText.h"
#include "shell/TitleWidth.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace trevallion {

WinnerBox::WinnerBox(Side winner, QWidget* parent) : QDialog(parent) {
    setWindowTitle(ToQString(Message(WinnerBoxTitle)));
    setModal(true);

    auto* label = new QLabel(
        ToQString(Message(winner == Side::PlayerOne ? PlayerOneWinsText : PlayerTwoWinsText)),
        this);
    label->setAlignment(Qt::AlignCenter);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    KeepTitleInFull(*this, *label);
}

} // namespace trevallion
