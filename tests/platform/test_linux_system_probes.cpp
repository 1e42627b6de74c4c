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

// Calls the test service by its unique name, which stays while it gives up
// and takes back the logind name.
void callService(const QString& path, const QString& interface, const QString& method,
                 const QVariantList& args) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString service =
        bus.interface()->serviceOwner(u"org.freedesktop.Notifications"_s).value();
    ASSERT_FALSE(service.isEmpty()) << "the test service is not on the bus";
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(args);
    const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
}
void setScreenSaver(bool on) {
    callService(u"/org/freedesktop/ScreenSaver"_s, u"org.freedesktop.ScreenSaver"_s, u"SetActive"_s,
                {on});
}
void setLockedHint(bool locked) {
    callService(u"/org/freedesktop/login1"_s, u"org.freedesktop.login1.Test"_s, u"SetLockedHint"_s,
                {locked});
}
void setLogindPresent(bool present) {
    callService(u"/org/freedesktop/login1"_s, u"org.freedesktop.login1.Test"_s, u"SetPresent"_s,
                {present});
}

TEST(LinuxSystemProbesOnBus, LogindDecidesLockedAndTheScreenSaverServiceStandsInForIt) {
    ASSERT_EQ(qgetenv("DBUS_SYSTEM_BUS_ADDRESS"), qgetenv("DBUS_SESSION_BUS_ADDRESS"))
        << "runs under tests/support/with-session-bus.sh";
    LinuxSystemProbes probes;
    EXPECT_EQ(probes.logindLockedHint(), false);
    EXPECT_EQ(LinuxSystemProbes::screenSaverServiceActive(), false);
    EXPECT_FALSE(probes.isDesktopLocked());
    EXPECT_FALSE(probes.isScreenSaverRunning());

    // A running screen saver is not a locked session while logind can tell.
    setScreenSaver(true);
    EXPECT_TRUE(probes.isScreenSaverRunning());
    EXPECT_FALSE(probes.isDesktopLocked());
    setLockedHint(true);
    EXPECT_EQ(probes.logindLockedHint(), true);
    EXPECT_TRUE(probes.isDesktopLocked());

    // Without logind the screen-saver service answers.
    setLogindPresent(false);
    EXPECT_EQ(probes.logindLockedHint(), std::nullopt);
    EXPECT_TRUE(probes.isDesktopLocked());
    setScreenSaver(false);
    EXPECT_FALSE(probes.isDesktopLocked());
    EXPECT_FALSE(probes.isScreenSaverRunning());

    // logind back (a restart): the session is looked up again.
    setLogindPresent(true);
    EXPECT_EQ(probes.logindLockedHint(), true);
    EXPECT_TRUE(probes.isDesktopLocked());
}

TEST(LinuxSystemProbesWithoutBus, NoAnswerMeansNotLockedAndNoScreenSaver) {
    LinuxSystemProbes probes;
    EXPECT_EQ(probes.logindLockedHint(), std::nullopt);
    EXPECT_EQ(LinuxSystemProbes::screenSaverServiceActive(), std::nullopt);
    EXPECT_FALSE(probes.isDesktopLocked());
    EXPECT_FALSE(probes.isScreenSaverRunning());
}

} // namespace
