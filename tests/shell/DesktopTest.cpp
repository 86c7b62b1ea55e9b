#include "shell/PortalAppearance.h"
#include "shell/WindowSystem.h"

#include <QDBusMessage>
#include <QProcess>
#include <QTest>

using namespace trevallion;

// Which window system the game asks Qt for, and the settings portal followed live, as
// tests/session/stand_in_portal.py plays it on a bus of the test's own.
class DesktopTest : public QObject {
    Q_OBJECT

    QProcess m_daemon;
    QProcess m_portal;
    QDBusConnection m_bus{QString()};

    // False when dbus-daemon or Python's D-Bus bindings are missing.
    bool StartPortal(const QStringList& settings) {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--print-address")});
        if (!m_daemon.waitForReadyRead(5000)) {
            return false;
        }
        const QString address = QString::fromUtf8(m_daemon.readLine().trimmed());
        m_bus = QDBusConnection::connectToBus(address, QStringLiteral("portal"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        m_portal.setProcessEnvironment(environment);
        m_portal.start(QStringLiteral(TREVALLION_SYSTEM_PYTHON),
                       QStringList{QStringLiteral(TREVALLION_STAND_IN_PORTAL)} + settings);
        return m_portal.waitForReadyRead(5000) && m_portal.readLine().trimmed() == "ready";
    }

    // Changes a setting, "NAMESPACE KEY VALUE", and returns once its signal has been handled:
    // the bus hands on the portal's messages in order, so its answer to a call comes after.
    void Change(const QByteArray& line) {
        m_portal.write(line + '\n');
        QVERIFY(m_portal.waitForReadyRead(5000));
        m_portal.readAll();
        m_bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"),
                                                  QStringLiteral("/org/freedesktop/portal/desktop"),
                                                  QStringLiteral("org.freedesktop.portal.Settings"),
                                                  QStringLiteral("ReadOne")));
        QCoreApplication::processEvents();
    }

  private slots:
    void cleanup() {
        m_portal.close();
        m_daemon.close();
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    }

    void windowSystem() {
        const std::pair<WindowSystemFacts, std::string> cases[] = {
            // A platform named, XDG_SESSION_TYPE, WAYLAND_DISPLAY, DISPLAY, qt6-wayland
            {{true, "wayland", true, true, true}, ""},
            {{false, "tty", true, false, true}, "wayland;xcb"}, // sway started from a console
            {{false, "x11", true, true, true}, ""},
            {{false, "", false, true, true}, ""},
            {{false, "wayland", true, true, false}, "xcb"},
            {{false, "wayland", true, false, false}, "refused"},
        };
        for (const auto& [facts, platforms] : cases) {
            const WindowSystemChoice choice = ChooseWindowSystem(facts);
            QCOMPARE(choice.refused ? std::string("refused") : choice.platforms, platforms);
        }
    }

    // Read at the start, then followed; a value of a type the setting cannot have, or one out
    // of its range, changes nothing.
    void portalFollowedLive() {
        if (!StartPortal({QStringLiteral("org.freedesktop.appearance"),
                          QStringLiteral("color-scheme"), QStringLiteral("u:1"),
                          QStringLiteral("org.gnome.desktop.interface"),
                          QStringLiteral("enable-animations"), QStringLiteral("b:false")})) {
            QSKIP("dbus-daemon or python3-dbus is missing");
        }
        PortalAppearance desktop(m_bus);
        QTRY_VERIFY(desktop.PrefersDark() && desktop.PrefersReducedMotion());
        const std::pair<QByteArray, std::pair<bool, bool>> changes[] = {
            // The change; then dark, and motion kept down
            {"org.freedesktop.appearance color-scheme u:0", {false, true}},
            {"org.gnome.desktop.interface enable-animations b:true", {false, false}},
            {"org.freedesktop.appearance color-scheme u:1", {true, false}},
            {"org.freedesktop.appearance color-scheme s:0", {true, false}},
            {"org.freedesktop.appearance color-scheme u:7", {true, false}},
            {"org.gnome.desktop.interface enable-animations s:false", {true, false}},
            {"org.freedesktop.appearance color-scheme u:2", {false, false}},
        };
        for (const auto& [line, said] : changes) {
            Change(line);
            QCOMPARE(std::pair(desktop.PrefersDark(), desktop.PrefersReducedMotion()), said);
        }
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
