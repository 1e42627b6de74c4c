// Capturing a key in a hot-key box of the settings window.
#include "options_window/KeyCapture.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

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
