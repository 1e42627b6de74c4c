#include "FakePlatform.h"

#include "settings/DataFolder.h"

#include <QDir>

TestApp::TestApp() {
    services.store = std::make_unique<IniSettingsStore>(iniPath());
    auto n = std::make_unique<FakeNotifier>();
    notifier = n.get();
    services.notifier = std::move(n);
    auto d = std::make_unique<FakeDesktop>();
    desktop = d.get();
    services.desktop = std::move(d);
    auto p = std::make_unique<FakeProbes>();
    probes = p.get();
    services.probes = std::move(p);
    auto h = std::make_unique<FakeHotKeys>();
    hotkeys = h.get();
    services.hotkeys = std::move(h);
    auto s = std::make_unique<FakeShell>();
    shell = s.get();
    services.shell = std::move(s);
    auto c = std::make_unique<FakeClock>();
    clock = c.get();
    services.clock = std::move(c);

    app = std::make_unique<AppContext>(services);
    QDir(dir.path()).mkpath(QStringLiteral("data"));
    app->paths = MakeDataPaths(path(QStringLiteral("data")) + QDir::separator());
    app->programFolder = QStringLiteral(TESSALY_SOURCE_DIR "/data");
    // A small screen of its own: compositions are quick and the same anywhere.
    app->screen = [] { return ScreenInfo{QSize(160, 120), QRect(0, 0, 160, 120), 96}; };
}

void TestApp::reopenStore() {
    services.store = std::make_unique<IniSettingsStore>(iniPath());
}
