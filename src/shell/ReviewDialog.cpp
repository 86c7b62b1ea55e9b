#include "shell/ReviewDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace trevallion {

ReviewDialog::ReviewDialog(std::size_t positions, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("reviewDialog"));
    setWindowTitle(tr("Review Game"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("AI Expert looks at every position of the level\u2026")));
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, static_cast<int>(positions));
    m_progress->setValue(0);
    m_progress->setAccessibleName(tr("Positions reviewed"));
    layout->addWidget(m_progress);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void ReviewDialog::ShowProgress(std::size_t done) {
    m_progress->setValue(static_cast<int>(done));
}

} // namespace trevallion
