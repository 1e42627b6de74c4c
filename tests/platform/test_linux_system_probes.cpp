// The screen-saver and lock probes asked over D-Bus: against the test service
// (tests/support/notification-server.py) on a private bus that serves as both
// session and system bus, and with no bus to reach at all.
#include "platform/linux/LinuxSystemProbes.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Tells the test service to play a state: SetActive of the screen saver,
// SetLockedHint / SetPresent of logind, or SetOnBattery of UPower. It is
// called by its unique name, which stays while it gives up and takes back the
// logind name.
void setState(const QString& method, bool value) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString service =
        bus.interface()->serviceOwner(u"org.freedesktop.Notifications"_s).value();
    ASSERT_FALSE(service.isEmpty()) << "the test service is not on the bus";
    const auto [path, interface] =
        method == u"SetActive"_s
            ? std::pair(u"/org/freedesktop/ScreenSaver"_s, u"org.freedesktop.ScreenSaver"_s)
        : method == u"SetOnBattery"_s
            ? std::pair(u"/org/freedesktop/UPower"_s, u"org.freedesktop.UPower.Test"_s)
            : std::pair(u"/org/freedesktop/login1"_s, u"org.freedesktop.login1.Test"_s);
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments({value});
    const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
}

TEST(LinuxSystemProbesOnBus, LogindDecidesLockedAndTheScreenSaverServiceStandsInForIt) {
    ASSERT_EQ(qgetenv("DBUS_SYSTEM_BUS_ADDRESS"), qgetenv("DBUS_SESSION_BUS_ADDRESS"))
        << "runs under tests/support/with-session-bus.sh";
    LinuxSystemProbes probes;
    // Sets the state (unless `method` is empty), then expects what the probes say.
    const auto step = [&](const QString& method, bool value, std::optional<bool> lockedHint,
                          bool locked, bool screenSaver) {
        SCOPED_TRACE(method.toStdString());
        if (!method.isEmpty()) setState(method, value);
        EXPECT_EQ(probes.logindLockedHint(), lockedHint);
        EXPECT_EQ(probes.isDesktopLocked(), locked);
        EXPECT_EQ(probes.isScreenSaverRunning(), screenSaver);
    };
    step({}, false, false, false, false);
    // A running screen saver is not a locked session while logind can tell.
    step(u"SetActive"_s, true, false, false, true);
    step(u"SetLockedHint"_s, true, true, true, true);
    // Without logind the screen-saver service answers.
    step(u"SetPresent"_s, false, std::nullopt, true, true);
    step(u"SetActive"_s, false, std::nullopt, false, false);
    // logind back (a restart): the session is looked up again.
    step(u"SetPresent"_s, true, true, true, false);
    // UPower says when the computer runs on its battery.
    EXPECT_FALSE(probes.isOnBattery());
    setState(u"SetOnBattery"_s, true);
    EXPECT_TRUE(probes.isOnBattery());
}

TEST(LinuxSystemProbesWithoutBus, NoAnswerMeansNotLockedAndNoScreenSaver) {
    LinuxSystemProbes probes;
    EXPECT_EQ(probes.logindLockedHint(), std::nullopt);
    EXPECT_EQ(LinuxSystemProbes::screenSaverServiceActive(), std::nullopt);
    EXPECT_FALSE(probes.isDesktopLocked());
    EXPECT_FALSE(probes.isScreenSaverRunning());
    EXPECT_FALSE(probes.isOnBattery());
}

} // namespace
