// The root window's pixmap on a real X server (the private Xvfb of the test).
#include "FakeCommandRunner.h"
#include "FakePlatform.h"
#include "compose/Compose.h"
#include "platform/linux/LinuxDesktopService.h"
#include "platform/linux/X11RootPixmap.h"

#include <QGuiApplication>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

namespace {

class X11RootPixmap : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server";
        auto runner = std::make_unique<FakeCommandRunner>();
        runner_ = runner.get();
        // A plain window manager session: no desktop of its own.
        t.services.desktop = std::make_unique<LinuxDesktopService>(
            *t.services.store, std::move(runner), QProcessEnvironment());
    }
    bool pixmapAlive(quint32 id) {
        xcb_connection_t* c = xcb_connect(nullptr, nullptr);
        xcb_generic_error_t* err = nullptr;
        free(xcb_get_geometry_reply(c, xcb_get_geometry(c, id), &err));
        const bool alive = err == nullptr;
        free(err);
        xcb_disconnect(c);
        return alive;
    }
    quint32 rootPixmapId() {
        xcb_connection_t* c = xcb_connect(nullptr, nullptr);
        xcb_intern_atom_reply_t* a =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, 13, "_XROOTPMAP_ID"), nullptr);
        quint32 id = 0;
        if (a && a->atom != XCB_ATOM_NONE) {
            xcb_get_property_reply_t* p = xcb_get_property_reply(
                c,
                xcb_get_property(c, 0, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root,
                                 a->atom, XCB_ATOM_PIXMAP, 0, 1),
                nullptr);
            if (p && xcb_get_property_value_length(p) == 4)
                id = *static_cast<quint32*>(xcb_get_property_value(p));
            free(p);
        }
        free(a);
        xcb_disconnect(c);
        return id;
    }
    TestApp t;
    FakeCommandRunner* runner_ = nullptr;
};

TEST_F(X11RootPixmap, RootShowsTheComposedBitmapAndFreesThePrevious) {
    QImage pic(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            pic.setPixel(x, y, qRgb(x & 0xFF, y, (x + y) & 0xFF));
    t.app->imgprev = {pic, pic.size()};
    t.app->settings.WallPaperPosition = QStringLiteral("Center");
    ASSERT_TRUE(ComposeWallpaper(*t.app));

    const QImage bmp =
        QImage(t.app->paths.WallpaperBitmapPath, "BMP").convertToFormat(QImage::Format_RGB32);
    const QImage root = ReadX11RootPixmap();
    ASSERT_FALSE(root.isNull());
    ASSERT_EQ(root.size(), bmp.size());
    EXPECT_EQ(root, bmp);
    EXPECT_TRUE(runner_->calls.empty()); // no desktop tool for a plain session

    // A second change replaces the pixmap and frees the first one.
    const quint32 first = rootPixmapId();
    ASSERT_NE(first, 0u);
    t.app->imgprev = {pic, pic.size()};
    t.app->settings.WallPaperPosition = QStringLiteral("Stretch");
    ASSERT_TRUE(ComposeWallpaper(*t.app));
    const quint32 second = rootPixmapId();
    EXPECT_NE(second, first);
    EXPECT_TRUE(pixmapAlive(second));
    EXPECT_FALSE(pixmapAlive(first));
    EXPECT_EQ(
        ReadX11RootPixmap(),
        QImage(t.app->paths.WallpaperBitmapPath, "BMP").convertToFormat(QImage::Format_RGB32));

    // "Clear" removes it.
    SetDesktopWallpaper(*t.app, QStringLiteral("Clear"));
    EXPECT_EQ(rootPixmapId(), 0u);
    EXPECT_FALSE(pixmapAlive(second));
}

} // namespace
