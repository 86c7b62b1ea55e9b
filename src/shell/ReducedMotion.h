#pragma once

#include <QObject>

class QProcess;

namespace trevallion {

// Whether the desktop has asked programs to keep motion down. Qt 6.4 has no word for it, so
// the desktops are asked in their own ways: GNOME, and the desktops that share its settings
// (Cinnamon, Budgie, Pantheon), through org.gnome.desktop.interface enable-animations; Plasma
// through an AnimationDurationFactor of 0 in kdeglobals. Asked once, when the window is built;
// gsettings answers in the background, so a slow or missing settings service never holds up
// the window, and until it answers motion is allowed.
class ReducedMotion : public QObject {
    Q_OBJECT

  public:
    explicit ReducedMotion(QObject* parent = nullptr);
    ~ReducedMotion() override;

    bool Asked() const { return m_plasmaAsks || m_gnomeAsks; }

  private:
    void AskGnome();

    bool m_plasmaAsks = false;
    bool m_gnomeAsks = false;
    QProcess* m_gsettings = nullptr;
};

} // namespace trevallion
