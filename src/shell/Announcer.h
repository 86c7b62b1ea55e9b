#pragma once

#include <QString>

namespace trevallion {

// Says a text to a player who listens through a screen reader, beside what the reader finds by
// itself on the focused widget. Nothing shows on the screen, and with no screen reader running
// nothing happens at all.
class Announcer {
  public:
    virtual ~Announcer() = default;

    virtual void Announce(const QString& text) = 0;
};

} // namespace trevallion
