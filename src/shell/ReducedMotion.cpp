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
    : QObject(parent), m_plasmaAsks(PlasmaAsksForStillness()) {}

ReducedMotion::~ReducedMotion() {
    if (m_gsettings != nullptr && m_gsettings->state() != QProcess::NotRunning) {
        m_gsettings->kill();
        m_gsettings->waitForFinished(1000);
    }
}

void ReducedMotion::TakeGnomeAnimations(bool enabled) {
    m_portalAnswered = true;
    SetGnomeAsks(!enabled);
}

// Without gsettings, or without GNOME's schema, it answers nothing and motion stays allowed.
void ReducedMotion::AskGsettings() {
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (gsettings.isEmpty() || m_gsettings != nullptr) {
        return;
    }
    m_gsettings = new QProcess(this);
    m_gsettings->setProcessChannelMode(QProcess::SeparateChannels);
    m_gsettings->setStandardErrorFile(QProcess::nullDevice());
    connect(m_gsettings, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        if (status == QProcess::NormalExit && code == 0 && !m_portalAnswered) {
            SetGnomeAsks(m_gsettings->readAllStandardOutput().trimmed() == "false");
        }
    });
    m_gsettings->start(gsettings,
                       {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                        QStringLiteral("enable-animations")});
}

void ReducedMotion::SetGnomeAsks(bool asks) {
    if (asks != m_gnomeAsks) {
        m_gnomeAsks = asks;
        emit Changed();
    }
}

} // namespace trevallion
