#pragma once

#include <QFileIconProvider>

namespace trevallion {

// Icons and type names for a file dialog, decided from a file's name and kind alone. Qt's own
// provider reads a file's first bytes to tell its type, and in /proc a read can wait for ever
// (/proc/kmsg waits for the next kernel message), freezing the dialog's folder listing and the
// dialog's closing with it. This one never opens a file.
class NameOnlyIconProvider : public QFileIconProvider {
  public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

} // namespace trevallion
