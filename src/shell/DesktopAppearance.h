#pragma once

#include <QObject>

namespace trevallion {

// What the desktop asks of a program's looks and motion, from wherever this desktop says it: a
// dark colour scheme preferred, and motion kept down. Qt 6.4 knows neither, so the game asks the
// desktop itself behind this interface; a later Qt's QStyleHints::colorScheme() can take the
// dark half's place without the window noticing.
class DesktopAppearance : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    // The desktop prefers dark colours. The palette's own darkness is the board's business: it
    // is not counted here.
    virtual bool PrefersDark() const = 0;
    // The desktop asks programs to keep motion down.
    virtual bool PrefersReducedMotion() const = 0;

  signals:
    // Either answer may have changed: the desktop has answered late, or its setting changed.
    void Changed();
};

} // namespace trevallion
