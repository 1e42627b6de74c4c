// Composition geometry, checked on the pixels of the canvas.
#include "ComposeTestUtil.h"
#include "compose/Compose.h"

// The quadrants' colours, and the desktop colour of Inputs().
constexpr QRgb R = 0xFF0000, G = 0x00FF00, B = 0x0000FF, Y = 0xFFFF00, D = 0x112233;

SourcePicture Quadrants(int w, int h) {
    return {QuadrantPicture(w, h), QSize(w, h)};
}

TEST(ComposeLayout, EveryPositionModeNothingWithoutPictureOrScreenAndFiltersOnACopy) {
    using Probe = std::array<QRgb, 3>; // x, y, colour
    const struct {
        const char* position;
        int w, h;
        std::vector<Probe> probes;
    } rows[] = {
        // Enlarge is strict: screen-sized, or as tall as the screen, stays native.
        {"Fit screen (Enlarge)", 200, 100, {{0, 0, R}, {199, 99, Y}}},
        {"Fit screen (Enlarge)", 50, 100, {{74, 50, D}, {75, 0, R}, {124, 99, Y}, {125, 50, D}}},
        // Smaller with the same aspect: fitted to the whole screen.
        {"Fit screen (Enlarge)", 40, 20, {{2, 2, R}, {197, 2, G}, {2, 97, B}, {197, 97, Y}}},
        // Wider only: fitted to 200 x 50 at y = 25.
        {"Fit screen (Reduce)", 400, 100, {{100, 10, D}, {5, 30, R}, {195, 69, Y}, {100, 90, D}}},
        {"Fit screen (Reduce)", 40, 20, {{79, 39, D}, {80, 40, R}, {119, 59, Y}, {120, 60, D}}},
        // Taller aspect: fitted by height to 50 x 100.
        {"Fit (Reduce/Enlarge)", 100, 200, {{74, 50, D}, {76, 2, R}, {123, 97, Y}, {126, 50, D}}},
        {"Stretch", 30, 30, {{1, 1, R}, {198, 98, Y}}},
        // Larger than the screen: cropped equally on both sides (offsets -10, -10).
        {"Center", 220, 120, {{99, 49, R}, {100, 49, G}, {99, 50, B}, {100, 50, Y}}},
        // Copies from the top-left corner; a larger picture is one copy cropped.
        {"Tile", 30, 40, {{1, 1, R}, {29, 39, Y}, {31, 41, R}, {61, 81, R}, {199, 99, G}}},
        {"Tile", 300, 300, {{0, 0, R}, {149, 99, R}, {150, 99, G}, {199, 99, G}}},
        // An unknown text: native size, centred.
        {"Sideways", 40, 20, {{79, 40, D}, {80, 40, R}, {119, 59, Y}, {120, 59, D}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.position << " " << row.w << "x" << row.h);
        const QImage canvas =
            ComposeWallpaper(Quadrants(row.w, row.h), Inputs(QString::fromLatin1(row.position)));
        ASSERT_EQ(canvas.size(), QSize(200, 100));
        for (const Probe& p : row.probes)
            EXPECT_EQ(Rgb(canvas, p[0], p[1]), p[2]) << p[0] << "," << p[1];
    }

    // No picture or no screen: nothing composed.
    EXPECT_TRUE(ComposeWallpaper({QImage(), QSize(0, 10)}, Inputs("Center")).isNull());
    CompositionInputs noScreen = Inputs("Center");
    noScreen.screen.size = QSize(0, 0);
    EXPECT_TRUE(ComposeWallpaper(Quadrants(10, 10), noScreen).isNull());

    // Filters apply to a copy of the picture, not to the desktop colour.
    CompositionInputs in = Inputs("Center");
    in.desktopColor = 0x984E00;
    in.filters.EInvert = true;
    in.filters.EGamma = 0.5;
    const SourcePicture source = Quadrants(40, 20);
    const QImage untouched = source.image.copy();
    const QImage first = ComposeWallpaper(source, in);
    EXPECT_EQ(Rgb(first, 80, 40), 0x00FFFFu); // red inverted
    EXPECT_EQ(Rgb(first, 0, 0), 0x004E98u);   // the desktop colour as it is
    // The source is not filtered in place: composing again (or for a second
    // screen) starts from the same pixels and gives the same canvas.
    EXPECT_EQ(source.image, untouched);
    EXPECT_EQ(ComposeWallpaper(source, in), first);
}
