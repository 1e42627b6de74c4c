// The watermark: fields, spots, word wrap and style marks, on real fonts.
#include "ComposeTestUtil.h"
#include "FakePlatform.h"
#include "compose/Compose.h"
#include "compose/Watermark.h"

// `tmpl` drawn in black 12-point DejaVu Sans on a white 300 x 200 canvas, at
// `spot` of `area`.
static QImage Draw(const QString& tmpl, int spot, bool bold = false,
                   QRect area = QRect(0, 0, 300, 200)) {
    QImage image = solidImage({300, 200}, Qt::white);
    WatermarkSurface surface(image, 96);
    surface.setFont(QStringLiteral("DejaVu Sans"), 12, bold, false, false);
    DrawWatermark(tmpl, surface, spot, area, {});
    EXPECT_FALSE(surface.bold()); // styles end switched off
    return image;
}

TEST(Watermark, DefaultTemplateAtBottomRightOfWorkAreaFieldsMarksWrappedLinesAndUnclosedBold) {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("sunset.beach.jpg"));
    ASSERT_TRUE(QFile(existing).open(QIODevice::WriteOnly)); // it exists
    // A white picture over the whole screen; the work area leaves a 40-pixel panel.
    QImage white = solidImage({8, 8}, Qt::white);
    CompositionInputs in;
    in.position = PositionMode::Stretch;
    in.screen = ScreenInfo{QSize(640, 480), QRect(0, 0, 640, 440), 96};
    in.fields = WatermarkFieldsForPicture(existing);
    const QImage bmp = ComposeWallpaper({white, white.size()}, in);
    const QRect ink = InkBounds(bmp, 0xFFFFFF);
    // Ends 2 pixels inside the work area's right edge (glyph bearings aside)
    // and sits just above its bottom, clear of the panel.
    EXPECT_LE(ink.right(), 640 - 3);
    EXPECT_GE(ink.right(), 640 - 3 - 3);
    EXPECT_LE(ink.bottom(), 440 - 3);
    EXPECT_GE(ink.bottom(), 440 - 3 - 8);
    // One line of the text in 12-point bold, about as wide as it measures.
    WatermarkSurface m(white, 96);
    m.setFont(QStringLiteral("Arial"), 12, true, false, false);
    EXPECT_NEAR(ink.width(), m.textWidth(QStringLiteral("Orvane Tessaly - sunset.beach.jpg")), 6);
    EXPECT_LE(ink.height(), m.textHeight());
    // In dark blue.
    int blueish = 0;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            blueish += qBlue(bmp.pixel(x, y)) > 150 && qRed(bmp.pixel(x, y)) < 60 &&
                       qGreen(bmp.pixel(x, y)) < 60;
    EXPECT_GT(blueish, 20);

    const QString deleted = dir.filePath(QStringLiteral("deleted.png"));
    const QStringList pictures = {existing, deleted};
    const auto fields = [&](int k, const QString& tmpl) {
        return PrepareWatermarkText(tmpl, WatermarkFieldsForPicture(pictures[k - 1]));
    };
    EXPECT_EQ(fields(1, WatermarkSettings().WaterMarkText),
              QStringLiteral("Orvane Tessaly - sunset.beach.jpg"));
    EXPECT_EQ(fields(1, QStringLiteral("#fd|#fp")), QStringLiteral("sunset|") + existing);
    EXPECT_EQ(fields(2, QStringLiteral("[#fn]#fd|#fp")), QStringLiteral("[]deleted|") + deleted);
    EXPECT_EQ(PrepareWatermarkText(QStringLiteral("#fn"), WatermarkFieldsForInternet()),
              QStringLiteral("Internet file"));
    // Fields and style marks match case exactly.
    EXPECT_EQ(fields(1, QStringLiteral("#Fd #FP <B>x</B> #D <b>x</b><u><i>")),
              QStringLiteral("#Fd #FP <B>x</B> #D \x01x\x02\x03\x05"));

    // Wrapped lines start at the left edge, not at the spot.
    const QImage img = Draw(QStringLiteral("alpha beta gamma delta epsilon zeta eta theta iota"), 1,
                            false, QRect(100, 0, 200, 200));
    EXPECT_GE(InkBounds(img.copy(0, 0, 300, 10), 0xFFFFFF).left(), 100); // the first line
    EXPECT_LE(InkBounds(img, 0xFFFFFF).left(), 2);
    EXPECT_GT(InkBounds(img, 0xFFFFFF).height(), 30); // more than one line

    // An unclosed bold mark makes the whole line bold.
    const QImage marked = Draw(QStringLiteral("Hello <b>world"), 1);
    EXPECT_EQ(marked, Draw(QStringLiteral("Hello world"), 1, true));
    EXPECT_NE(marked, Draw(QStringLiteral("Hello world"), 1));
}
