// The whole desktop composed for monitor layouts given as data, in every mode.
#include "ComposeTestUtil.h"
#include "FakePlatform.h"
#include "compose/Compose.h"

namespace {

constexpr QRgb D = 0x112233; // the desktop colour of the gaps (Inputs())

ScreenLayout layoutOf(std::initializer_list<QRect> monitors) {
    ScreenLayout layout;
    for (const QRect& g : monitors)
        layout.monitors.append({g, g.adjusted(0, 0, 0, -20), 96, layout.monitors.isEmpty()});
    return layout;
}

} // namespace

TEST(DesktopLayouts, EveryModeOnFourLayoutsAndTheWatermarkInEachWorkArea) {
    const ScreenLayout layouts[] = {
        layoutOf({{0, 0, 200, 100}, {200, 0, 100, 60}}),   // different heights
        layoutOf({{0, 0, 200, 100}, {200, 0, 60, 120}}),   // a portrait monitor
        layoutOf({{0, 0, 200, 100}, {-150, 20, 150, 80}}), // at a negative offset
        layoutOf({{0, 0, 100, 100}, {100, 0, 100, 100}, {200, 0, 100, 100}}), // three
    };
    const SourcePicture a{QuadrantPicture(40, 40), QSize(40, 40)};
    const SourcePicture b{solidImage({8, 8}, QColor(0, 0x80, 0x80)), QSize(8, 8)};
    const CompositionInputs stretch = Inputs("Stretch");
    for (const ScreenLayout& layout : layouts) {
        const QRect bounds = layout.bounds();
        SCOPED_TRACE(testing::Message() << layout.monitors.size() << " monitors, bounds "
                                        << bounds.width() << "x" << bounds.height());
        // "Primary": the primary monitor's canvas only.
        EXPECT_EQ(ComposeDesktop(layout, MonitorSharing::Primary, {{&a, {}}}, stretch).size(),
                  layout.primary().geometry.size());
        for (const MonitorSharing mode :
             {MonitorSharing::Same, MonitorSharing::Different, MonitorSharing::Span}) {
            const QImage canvas = ComposeDesktop(layout, mode, {{&a, {}}, {&b, {}}}, stretch);
            ASSERT_EQ(canvas.size(), bounds.size()) << int(mode);
            // Outside every monitor: the desktop colour (a spanned picture
            // covers the whole box; nobody sees the gaps).
            QRegion covered;
            for (const MonitorInfo& m : layout.monitors)
                covered += m.geometry.translated(-bounds.topLeft());
            for (int y = 0; y < canvas.height(); y += 7)
                for (int x = 0; x < canvas.width(); x += 7)
                    ASSERT_TRUE(mode == MonitorSharing::Span || covered.contains(QPoint(x, y)) ||
                                Rgb(canvas, x, y) == D)
                        << x << "," << y << ": " << std::hex << Rgb(canvas, x, y);
            for (qsizetype i = 0; i < layout.monitors.size(); ++i) {
                const QRect g = layout.monitors[i].geometry.translated(-bounds.topLeft());
                const QRgb topLeft = Rgb(canvas, g.left() + 1, g.top() + 1);
                if (mode == MonitorSharing::Span) continue; // one picture across all
                // Each monitor shows its own picture stretched over it: the red
                // quadrant at its top left (or picture b on the second monitor).
                const bool second = mode == MonitorSharing::Different && i % 2 == 1;
                EXPECT_EQ(topLeft, second ? 0x008080u : 0xFF0000u) << int(mode) << " " << i;
                EXPECT_EQ(Rgb(canvas, g.right() - 1, g.bottom() - 1),
                          second ? 0x008080u : 0xFFFF00u);
            }
        }
        // "Span": the picture's quadrants at the corners of the whole box.
        if (layout.monitors[0].geometry.translated(-bounds.topLeft()).contains(QPoint(1, 1))) {
            EXPECT_EQ(Rgb(ComposeDesktop(layout, MonitorSharing::Span, {{&a, {}}}, stretch), 1, 1),
                      0xFF0000u);
        }
    }

    // The watermark sits in each monitor's work area.
    const ScreenLayout layout = layoutOf({{0, 0, 300, 200}, {300, 0, 200, 150}});
    const SourcePicture w{solidImage({8, 8}, Qt::white), QSize(8, 8)};
    CompositionInputs in = stretch;
    in.watermark.WaterMarkVisible = true;
    in.watermark.WaterMarkText = "Tessaly";
    in.watermark.WaterMarkFont = "DejaVu Sans";
    for (const MonitorSharing mode : {MonitorSharing::Same, MonitorSharing::Span}) {
        const QImage canvas = ComposeDesktop(layout, mode, {{&w, {}}}, in);
        for (const MonitorInfo& m : layout.monitors) {
            // Bottom right of the monitor's work area (20 px above its bottom).
            const QRect ink = InkBounds(canvas.copy(m.geometry), 0xFFFFFF);
            ASSERT_FALSE(ink.isEmpty()) << int(mode);
            EXPECT_GE(ink.right(), m.geometry.width() - 8);
            EXPECT_LE(ink.bottom(), m.geometry.height() - 20);
            EXPECT_GE(ink.bottom(), m.geometry.height() - 20 - 12);
        }
    }
}
