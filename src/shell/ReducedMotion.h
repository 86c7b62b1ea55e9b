#pragma once

#include <QObject>

class QProcess;

namespace trevallion {

// Whether the desktop has asked programs to keep motion down. Qt 6.4 has no word for it, so
// the desktops are asked in their own ways: Plasma through an AnimationDurationFactor of 0 in
// kdeglobals, read when this is built; GNOME, and the desktops that share its settings
// (Cinnamon, Budgie, Pantheon), through org.gnome.desktop.interface enable-animations, which
// the settings portal hands on (TakeGnomeAnimations) or, where no portal answers, gsettings
// (AskGsettings). gsettings answers in the background, so a slow or missing settings service
// never holds up the window, and until an answer comes motion is allowed.
class ReducedMotion : public QObject {
    Q_OBJECT

  public:
    explicit ReducedMotion(QObject* parent = nullptr);
    ~ReducedMotion() override;

    bool Asked() const { return m_plasmaAsks || m_gnomeAsks; }

    // GNOME's setting as the portal tells it, now or when it changes. It stands over whatever
    // gsettings answers.
    void TakeGnomeAnimations(bool enabled);
    // Asks gsettings for GNOME's setting, once.
    void AskGsettings();

  signals:
    // Asked() may have changed.
    void Changed();

  private:
    void SetGnomeAsks(bool asks);

    bool m_plasmaAsks = false;
    bool m_gnomeAsks = false;
    bool m_portalAnswered = false;
    QProcess* m_gsettings = nullptr;
};

} // namespace trevallion
