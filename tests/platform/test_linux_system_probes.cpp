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

// Tells the test service to play a state: SetActive of the screen saver, or
// SetLockedHint / SetPresent of logind. It is called by its unique name, which
// stays while it gives up and takes back the logind name.
void setState(const QString& method, bool value) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString service =
        bus.interface()->serviceOwner(u"org.freedesktop.Notifications"_s).value();
    ASSERT_FALSE(service.isEmpty()) << "the test service is not on the bus";
    const bool saver = method == u"SetActive"_s;
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, saver ? u"/org/freedesktop/ScreenSaver"_s : u"/org/freedesktop/login1"_s,
        saver ? u"org.freedesktop.ScreenSaver"_s : u"org.freedesktop.login1.Test"_s, method);
    call.setArguments({value});
    const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
}

TEST(LinuxSystemProbesOnBus, LogindDecidesLockedAndTheScreenSaverServiceStandsInForIt) {
    ASSERT_EQ(qgetenv("DBUS_SYSTEM_BUS_ADDRESS"), qgetenv("DBUS_SESSION_BUS_ADDRESS"))
        << "runs under tests/support/with-session-bus.sh";
    struct Step {
        const char* method; // none: the state the service starts in
        bool value;
        std::optional<bool> lockedHint;
        bool locked, screenSaver;
    };
    const Step steps[] = {
        {nullptr, false, false, false, false},
        // A running screen saver is not a locked session while logind can tell.
        {"SetActive", true, false, false, true},
        {"SetLockedHint", true, true, true, true},
        // Without logind the screen-saver service answers.
        {"SetPresent", false, std::nullopt, true, true},
        {"SetActive", false, std::nullopt, false, false},
        // logind back (a restart): the session is looked up again.
        {"SetPresent", true, true, true, false},
    };
    LinuxSystemProbes probes;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.method ? step.method : "start");
        if (step.method) setState(QString::fromLatin1(step.method), step.value);
        EXPECT_EQ(probes.logindLockedHint(), step.lockedHint);
        EXPECT_EQ(probes.isDesktopLocked(), step.locked);
        EXPECT_EQ(probes.isScreenSaverRunning(), step.screenSaver);
    }
}

TEST(LinuxSystemProbesWithoutBus, NoAnswerMeansNotLockedAndNoScreenSaver) {
    LinuxSystemProbes probes;
    EXPECT_EQ(probes.logindLockedHint(), std::nullopt);
    EXPECT_EQ(LinuxSystemProbes::screenSaverServiceActive(), std::nullopt);
    EXPECT_FALSE(probes.isDesktopLocked());
    EXPECT_FALSE(probes.isScreenSaverRunning());
}

} // namespace
