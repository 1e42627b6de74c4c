#include "FakePlatform.h"

#include "settings/DataFolder.h"

namespace {

// Puts a new T into `slot` and returns it.
template <typename T, typename Slot> T* install(Slot& slot) {
    auto made = std::make_unique<T>();
    T* raw = made.get();
    slot = std::move(made);
    return raw;
}

} // namespace

TestApp::TestApp()
    : notifier(install<FakeNotifier>(services.notifier)),
      desktop(install<FakeDesktop>(services.desktop)), probes(install<FakeProbes>(services.probes)),
      hotkeys(install<FakeHotKeys>(services.hotkeys)), shell(install<FakeShell>(services.shell)),
      clock(install<FakeClock>(services.clock)) {
    reopenStore();
    services.widgetSupport = createPortableDesktopWidgetSupport();
    app = std::make_unique<AppContext>(services);
    QDir(dir.path()).mkpath(QStringLiteral("data"));
    app->paths = MakeDataPaths(path(QStringLiteral("data")) + QDir::separator());
    app->programFolder = QStringLiteral(TESSALY_SOURCE_DIR "/data");
    // A small screen of its own: compositions are quick and the same anywhere.
    app->screen = [] { return ScreenInfo{QSize(160, 120), QRect(0, 0, 160, 120), 96}; };
}

void TestApp::writeList(const PictureListData& list) {
    InitDataFolder(*app);
    ASSERT_TRUE(WritePictureListFile(app->paths.WallPapersListPath, list));
}
