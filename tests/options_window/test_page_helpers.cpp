// Helpers of the settings window's pages: the "Colors" page's labels and the
// mapping between the gamma bar and the stored exponent, which the wallpaper
// and the preview must share; capturing a key in a hot-key box; the countdown
// to the next automatic change.
#include "compose/ColorFilters.h"
#include "options_window/ColorsPage.h"
#include "options_window/Countdown.h"
#include "options_window/KeyCapture.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

TEST(ColorsPage, GammaBarAndExponentAgreeAtEveryPositionAndLabelTexts) {
    QImage ramp(256, 1, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i)
        ramp.setPixel(i, 0, qRgb(i, i, i));
    for (int bar = 1; bar <= 200; ++bar) {
        SCOPED_TRACE(bar);
        // The stored exponent is (200 - bar) x 0.01, computed exactly so.
        const double exponent = (200 - bar) * 0.01;
        EXPECT_EQ(GammaFromBar(bar), exponent);
        // Stored and loaded again, the bar comes back where it was.
        EXPECT_EQ(GammaBarFromExponent(GammaFromBar(bar)), bar);
        // The preview shows what the wallpaper will get.
        ColorPageControls controls;
        controls.HSGamma = bar;
        EXPECT_EQ(controls.filters().EGamma, exponent);
        ColorFilterSettings stored;
        stored.EGamma = exponent;
        EXPECT_EQ(RenderFilterPreview(ramp, controls), FilterPictureBits(ramp, stored));
        EXPECT_EQ(ColorPageControls::fromFilters(controls.filters()).HSGamma, bar);
    }
    // Values no bar position gives land on the nearest end.
    EXPECT_EQ(GammaBarFromExponent(5), 1);
    EXPECT_EQ(GammaBarFromExponent(-3), 200);
    EXPECT_EQ(GammaBarFromExponent(std::numeric_limits<double>::quiet_NaN()), 100);

    EXPECT_EQ(BrightnessLabelText(137), QStringLiteral("137%"));
    EXPECT_EQ(ColorOffsetLabelText(255), QStringLiteral("100%"));
    EXPECT_EQ(ColorOffsetLabelText(-128), QStringLiteral("-50%"));
    EXPECT_EQ(GammaLabelText(150), QStringLiteral("1.5"));
    EXPECT_EQ(GammaLabelText(1), QStringLiteral("0.01"));
    EXPECT_EQ(GammaLabelText(200), QStringLiteral("2"));
}

// Keypad navigation keys (Num Lock off) are navigation keys; keypad digits and
// operators are neither digits nor letters. "-": refused.
TEST(KeyCapture, TakesFunctionKeysLettersDigitsAndNavigationKeysOnly) {
    const Qt::KeyboardModifier shift = Qt::ShiftModifier, keypad = Qt::KeypadModifier;
    const std::pair<QKeyCombination, const char*> cases[] = {
        {Qt::Key_F5, "116 F5"},         {Qt::Key_F12, "123 F12"},  {Qt::Key_A, "65 A"},
        {shift | Qt::Key_Z, "90 Z"},    {Qt::Key_0, "48 0"},       {Qt::Key_9, "57 9"},
        {Qt::Key_PageUp, "33 Page Up"}, {Qt::Key_Left, "37 Left"}, {Qt::Key_Delete, "46 Delete"},
        {keypad | Qt::Key_Up, "38 Up"}, {Qt::Key_Space, "-"},      {Qt::Key_Tab, "-"},
        {Qt::Key_Return, "-"},          {Qt::Key_Enter, "-"},      {Qt::Key_Backspace, "-"},
        {Qt::Key_Comma, "-"},           {Qt::Key_Period, "-"},     {Qt::Key_Slash, "-"},
        {Qt::Key_Minus, "-"},           {Qt::Key_F13, "-"},        {keypad | Qt::Key_5, "-"},
        {keypad | Qt::Key_Plus, "-"}};
    for (const auto& [key, shown] : cases) {
        const auto c =
            CaptureHotKey(QKeyEvent(QEvent::KeyPress, key.key(), key.keyboardModifiers()));
        EXPECT_EQ(c ? (c->tag + " " + c->text).toStdString() : "-", shown)
            << std::hex << key.toCombined();
    }
}

TEST(Countdown, TextsForBothModesIncludingTheTwelveHourWrap) {
    using namespace CountdownMode;
    // The countdown's text while it is shown.
    const auto text = [](double interval, qint64 last, qint64 now, int mode, double since = 0) {
        return CountdownText(true, interval, last, now, mode, since);
    };
    const QString after = "Next wallpaper change is after: ", at = "Next wallpaper change at: ";
    EXPECT_EQ(text(10, 1000, 62'000, Remaining), after + "0:08:59.");
    EXPECT_EQ(text(90, 0, 0, Remaining), after + "1:30:00.");
    EXPECT_EQ(text(10, 0, 599'000, Remaining), after + "0:00:01.");
    EXPECT_EQ(text(10, 0, 599'001, Remaining), "Changing wallpaper now!");
    // Overdue while held back by the probes.
    EXPECT_EQ(text(1, 0, 900'000, Remaining), "Changing wallpaper now!");
    EXPECT_EQ(CountdownText(false, 10, 0, 0, ClockTime, 0), "");

    // 12:55 plus ten minutes: 13:05 shows as 1:05.
    EXPECT_EQ(text(10, 5000, 5000, ClockTime, 12 * 3600 + 55 * 60), at + "1:05:00 O'Clock.");
    // Half seconds round to the nearest second.
    EXPECT_EQ(text(10, 0, 600, ClockTime, 9 * 3600), at + "9:09:59 O'Clock.");
    EXPECT_EQ(text(10, 0, 400, ClockTime, 9 * 3600), at + "9:10:00 O'Clock.");
    // Overdue just after midnight: the time stays on the twelve-hour dial.
    EXPECT_EQ(text(0, 10'000, 20'000, ClockTime, 5), at + "11:59:55 O'Clock.");
}
