#pragma once

// The stand-ins for KGlobalAccel and the GlobalShortcuts portal
// (shortcut-services-standin.py) on the test's own session bus, started for
// one test and stopped at its end.

#include "FakePlatform.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QRegularExpression>
#include <string>

struct ShortcutServicesStandIn {
    QProcess process;
    QString log;
    explicit ShortcutServicesStandIn(const QString& logPath) : log(logPath) {
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(
            QStringLiteral("/usr/bin/python3"),
            {QStringLiteral(TESSALY_SOURCE_DIR "/tests/support/shortcut-services-standin.py"),
             logPath});
        EXPECT_TRUE(waitUntil([] {
            return QDBusConnection::sessionBus().interface()->isServiceRegistered(
                QStringLiteral("org.tessaly.StandIn"));
        })) << "the stand-in services did not start";
    }
    ~ShortcutServicesStandIn() {
        process.kill();
        process.waitForFinished();
    }
    QDBusMessage call(const QString& method, const QVariantList& args = {}) {
        QDBusInterface i(QStringLiteral("org.tessaly.StandIn"), QStringLiteral("/standin"),
                         QStringLiteral("org.tessaly.StandIn"));
        return i.callWithArgumentList(QDBus::Block, method, args);
    }
    // The shortcuts of the one service ("kde" or "portal"), " | " between them.
    std::string shortcuts(const QString& service) {
        const QStringList all =
            call(QStringLiteral("Shortcuts")).arguments().value(0).toString().split(u'\n');
        return all.filter(QRegularExpression(QStringLiteral("^") + service + QStringLiteral(" ")))
            .join(QStringLiteral(" | "))
            .toStdString();
    }
};
