// The hot-key table, its storage, the modifier table and key capture.
#include "FakePlatform.h"

#include "hotkeys/HotKeys.h"
#include "settings/SettingsIO.h"

#include <QSettings>

// Each row as "key modifiers enabled".
static std::string rows(const AppContext& app) {
    QStringList r;
    for (const HotKey& hk : app.HotKeys)
        r << QString("%1 %2 %3")
                 .arg(hk.Key)
                 .arg(HotKeyModifierTexts().value(hk.Modifiers, "?"), hk.Enabled ? "on" : "off");
    return r.join(" | ").toStdString();
}

TEST(HotKeys, DefaultsStorageRoundTripAndModifierCodes) {
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
        EXPECT_EQ(ini.value("HK1/ASCIIkey").toString(), "116");
        ini.remove("HK2/ASCIIkey");
        ini.setValue("HK5/ShiftKey", "Ctrl");
        ini.setValue("HK5/Enabled", "maybe");
    }
    t.reopenStore();
    app.HotKeys = {};
    LoadSettings(app);
    EXPECT_EQ(rows(app), "67 Ctrl + Shift off | 116 Ctrl + Alt on | 68 Ctrl + Shift off | "
                         "90 Shift off | 0 Ctrl + Shift off | 55 Ctrl + Shift off");

    EXPECT_EQ(HotKeyModifierTexts().join(", ").toStdString(),
              "Ctrl + Alt, Ctrl + Alt + Shift, Ctrl + Shift, Alt + Shift, Alt, Ctrl, Shift");
    const int flags[] = {0, 3, 7, 6, 5, 1, 2, 4, 0}; // codes -1 … 7; Alt 1, Control 2, Shift 4
    for (int code = -1; code <= 7; ++code)
        EXPECT_EQ(HotKeyModifierFlags(code), flags[code + 1]) << code;
}
