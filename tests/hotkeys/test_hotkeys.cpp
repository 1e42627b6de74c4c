// The hot-key table, its storage, the modifier table and key capture.
#include "FakePlatform.h"

#include "hotkeys/HotKeys.h"
#include "hotkeys/KeyCapture.h"
#include "settings/SettingsIO.h"

#include <QKeyEvent>
#include <QSettings>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Each row as "key modifiers enabled".
static std::string rows(const AppContext& app) {
    QStringList r;
    for (const HotKey& hk : app.HotKeys)
        r << QString(u"%1 %2 %3"_s)
                 .arg(hk.Key)
                 .arg(HotKeyModifierTexts().value(hk.Modifiers, u"?"_s),
                      hk.Enabled ? u"on"_s : u"off"_s);
    return r.join(u" | "_s).toStdString();
}

TEST(HotKeys, DefaultsAndStorageRoundTrip) {
    TestApp t;
    AppContext& app = *t.app;
    LoadSettings(app); // keys C, S, D, R
    EXPECT_EQ(rows(app), "67 Ctrl + Shift off | 83 Ctrl + Shift off | 68 Ctrl + Shift off | "
                         "82 Ctrl + Shift off | 0 Ctrl + Shift off | 0 Ctrl + Shift off");
    app.HotKeys[1] = {true, true, 116, 0, false};
    app.HotKeys[3] = {false, false, 'Z', 6, true};
    app.HotKeys[5] = {true, false, '7', 1, false};
    ASSERT_TRUE(SaveSettings(app));
    {
        // Stored as virtual-key codes; a missing or unreadable value falls back
        // to the preset or default without harm to the rest of the row.
        QSettings ini(t.iniPath(), QSettings::IniFormat);
        EXPECT_EQ(ini.value(u"HK1/ASCIIkey"_s).toString(), u"116"_s);
        ini.remove("HK2/ASCIIkey");
        ini.setValue(u"HK5/ShiftKey"_s, u"Ctrl"_s);
        ini.setValue(u"HK5/Enabled"_s, u"maybe"_s);
    }
    t.reopenStore();
    app.HotKeys = {};
    LoadSettings(app);
    EXPECT_EQ(rows(app), "67 Ctrl + Shift off | 116 Ctrl + Alt on | 68 Ctrl + Shift off | "
                         "90 Shift off | 0 Ctrl + Shift off | 55 Ctrl + Shift off");
}

TEST(HotKeyModifiers, TextsAndSystemFlagsOfEachCode) {
    EXPECT_EQ(HotKeyModifierTexts().join(u", "_s).toStdString(),
              "Ctrl + Alt, Ctrl + Alt + Shift, Ctrl + Shift, Alt + Shift, Alt, Ctrl, Shift");
    const int flags[] = {0, 3, 7, 6, 5, 1, 2, 4, 0}; // codes -1 … 7; Alt 1, Control 2, Shift 4
    for (int code = -1; code <= 7; ++code)
        EXPECT_EQ(HotKeyModifierFlags(code), flags[code + 1]) << code;
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
        EXPECT_EQ(c ? (c->tag + u" "_s + c->text).toStdString() : "-", shown)
            << std::hex << key.toCombined();
    }
}
