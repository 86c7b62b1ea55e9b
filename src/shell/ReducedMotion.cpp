#include "shell/ReducedMotion.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace trevallion {
namespace {

bool PlasmaAsksForStillness() {
    const QString file =
        QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("kdeglobals"));
    if (file.isEmpty()) {
        return false;
    }
    const QSettings globals(file, QSettings::IniFormat);
    bool isNumber = false;
    const double factor =
        globals.value(QStringLiteral("KDE/AnimationDurationFactor")).toDouble(&isNumber);
    return isNumber && factor == 0.0;
}

} // namespace

ReducedMotion::ReducedMotion(QObject* parent)
    : QObject(parent), m_plasmaAsks(PlasmaAsksForStillness()) {
    AskGnome();
}

ReducedMotion::~ReducedMotion() {
    if (m_gsettings != nullptr && m_gsettings->state() != QProcess::NotRunning) {
        m_gsettings->kill();
        m_gsettings->waitForFinished(1000);
    }
}

// Without gsettings, or without GNOME's schema, it answers nothing and motion stays allowed.
void ReducedMotion::AskGnome() {
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (gsettings.isEmpty()) {
        return;
    }
    m_gsettings = new QProcess(this);
    m_gsettings->setProcessChannelMode(QProcess::SeparateChannels);
    m_gsettings->setStandardErrorFile(QProcess::nullDevice());
    connect(m_gsettings, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        if (status == QProcess::NormalExit && code == 0) {
            m_gnomeAsks = m_gsettings->readAllStandardOutput().trimmed() == "false";
        }
    });
    m_gsettings->start(gsettings,
                       {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                        QStringLiteral("enable-animations")});
}

} // namespace trevallion
