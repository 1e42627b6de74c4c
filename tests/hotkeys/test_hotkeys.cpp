// The hot-key table, its storage, key capture and registration, with the
// system's hot-key service replaced by a recording fake.
#include "FakePlatform.h"

#include "hotkeys/HotKeys.h"
#include "hotkeys/KeyCapture.h"
#ifndef _WIN32
#include "platform/linux/X11GlobalHotKeys.h"
#endif
#include "settings/SettingsIO.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

// Records every call with its flags and key; refuses the combinations listed.
struct RecordingHotKeys_Fake : GlobalHotKeys {
    struct Call {
        int id, flags, key;
    };
    std::vector<Call> registered;
    std::vector<int> unregistered;
    std::vector<std::pair<int, int>> refuse;
    bool registerHotKey(int id, int flags, int key) override {
        for (const auto& r : refuse)
            if (r.first == flags && r.second == key) return false;
        registered.push_back({id, flags, key});
        return true;
    }
    void unregisterHotKey(int id) override { unregistered.push_back(id); }
};

struct HotKeyTest : ::testing::Test {
    TestApp t;
    RecordingHotKeys_Fake* fake = nullptr;
    void SetUp() override {
        auto f = std::make_unique<RecordingHotKeys_Fake>();
        fake = f.get();
        t.services.hotkeys = std::move(f);
    }
    AppContext& app() { return *t.app; }
};

QKeyEvent press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    return QKeyEvent(QEvent::KeyPress, key, mods);
}

std::optional<QString> shown(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    const auto c = CaptureHotKey(press(key, mods));
    if (!c) return std::nullopt;
    return c->tag + "=" + c->text;
}

} // namespace

TEST_F(HotKeyTest, DefaultsAfterLoadingAnEmptyStore) {
    LoadSettings(app());
    const int keys[] = {'C', 'S', 'D', 'R', 0, 0};
    for (int i = 0; i < 6; ++i) {
        const HotKey& hk = app().HotKeys[i];
        EXPECT_FALSE(hk.Enabled) << i;
        EXPECT_FALSE(hk.Registered) << i;
        EXPECT_FALSE(hk.Failed) << i;
        EXPECT_EQ(hk.Key, keys[i]) << i;
        EXPECT_EQ(HotKeyModifierTexts().value(hk.Modifiers), "Ctrl + Shift") << i;
    }
    // Nothing enabled: nothing is asked of the system.
    RegisterHotKeys(app());
    EXPECT_TRUE(fake->registered.empty());
}

TEST_F(HotKeyTest, StorageRoundTripAndDamagedValues) {
    LoadSettings(app());
    app().HotKeys[1] = {true, true, 116, 0, false};
    app().HotKeys[3] = {false, false, 'Z', 6, true};
    app().HotKeys[5] = {true, false, '7', 1, false};
    SaveHotKeys(app());
    ASSERT_TRUE(app().platform.store->sync());
    {
        QSettings ini(t.iniPath(), QSettings::IniFormat);
        EXPECT_EQ(ini.value("HK1/ASCIIkey").toString(), "116");
        EXPECT_EQ(ini.value("HK1/ShiftKey").toString(), "0");
        EXPECT_EQ(ini.value("HK0/ASCIIkey").toString(), "67");
    }

    t.reopenStore();
    app().HotKeys = {};
    PresetHotKeys(app());
    LoadHotKeys(app());
    const HotKey& h1 = app().HotKeys[1];
    EXPECT_TRUE(h1.Enabled);
    EXPECT_EQ(h1.Key, 116);
    EXPECT_EQ(h1.Modifiers, 0);
    EXPECT_FALSE(h1.Registered); // the system's answer is not stored
    EXPECT_EQ(app().HotKeys[3].Key, 'Z');
    EXPECT_EQ(app().HotKeys[3].Modifiers, 6);
    EXPECT_FALSE(app().HotKeys[3].Enabled);
    EXPECT_TRUE(app().HotKeys[5].Enabled);
    EXPECT_EQ(app().HotKeys[5].Key, '7');

    // Missing or unreadable values fall back: key to the preset, the rest
    // to their defaults; the other rows load as usual.
    {
        QSettings ini(t.iniPath(), QSettings::IniFormat);
        ini.remove("HK2/ASCIIkey");
        ini.setValue("HK1/ShiftKey", "Ctrl");
        ini.setValue("HK1/Enabled", "maybe");
    }
    t.reopenStore();
    app().HotKeys = {};
    PresetHotKeys(app());
    LoadHotKeys(app());
    EXPECT_EQ(app().HotKeys[2].Key, 'D');
    EXPECT_EQ(app().HotKeys[1].Modifiers, 2);
    EXPECT_FALSE(app().HotKeys[1].Enabled);
    EXPECT_EQ(app().HotKeys[1].Key, 116);
}

TEST(HotKeyModifiers, TableOfTextsAndSystemFlags) {
    const QStringList texts = HotKeyModifierTexts();
    ASSERT_EQ(texts.size(), 7);
    const std::pair<const char*, int> expected[] = {{"Ctrl + Alt", 3},   {"Ctrl + Alt + Shift", 7},
                                                    {"Ctrl + Shift", 6}, {"Alt + Shift", 5},
                                                    {"Alt", 1},          {"Ctrl", 2},
                                                    {"Shift", 4}};
    for (int code = 0; code < 7; ++code) {
        EXPECT_EQ(texts[code], expected[code].first);
        EXPECT_EQ(HotKeyModifierFlags(code), expected[code].second) << code;
    }
    EXPECT_EQ(HotKeyModifierFlags(-1), 0);
    EXPECT_EQ(HotKeyModifierFlags(7), 0);
    EXPECT_EQ(HotKeyCaption(2), "Disable/Enable automatic wallpaper changing");
    EXPECT_EQ(HotKeyCaption(4), "");
}

TEST(KeyCapture, FunctionKeysLettersDigitsAndNavigationKeys) {
    EXPECT_EQ(shown(Qt::Key_F5), "116=F5");
    EXPECT_EQ(shown(Qt::Key_F1), "112=F1");
    EXPECT_EQ(shown(Qt::Key_F12), "123=F12");
    EXPECT_EQ(shown(Qt::Key_A), "65=A");
    EXPECT_EQ(shown(Qt::Key_Z, Qt::ShiftModifier), "90=Z");
    EXPECT_EQ(shown(Qt::Key_0), "48=0");
    EXPECT_EQ(shown(Qt::Key_9), "57=9");
    EXPECT_EQ(shown(Qt::Key_PageUp), "33=Page Up");
    EXPECT_EQ(shown(Qt::Key_Left), "37=Left");
    EXPECT_EQ(shown(Qt::Key_Home), "36=Home");
    EXPECT_EQ(shown(Qt::Key_Insert), "45=Insert");
    EXPECT_EQ(shown(Qt::Key_Delete), "46=Delete");
    // Keypad navigation keys (Num Lock off) are the navigation keys.
    EXPECT_EQ(shown(Qt::Key_Up, Qt::KeypadModifier), "38=Up");
    // A stored key shows as if it had been pressed.
    EXPECT_EQ(CaptureVirtualKey(116), (CapturedKey{"116", "F5"}));
    EXPECT_EQ(CaptureVirtualKey('R'), (CapturedKey{"82", "R"}));
}

TEST(KeyCapture, RefusesKeysOutsideTheRangesAndKeypadDigits) {
    for (int key : {Qt::Key_Space,   Qt::Key_Tab,       Qt::Key_Backtab,     Qt::Key_Return,
                    Qt::Key_Enter,   Qt::Key_Backspace, Qt::Key_Escape,      Qt::Key_Comma,
                    Qt::Key_Period,  Qt::Key_Semicolon, Qt::Key_BracketLeft, Qt::Key_Minus,
                    Qt::Key_Slash,   Qt::Key_Exclam,    Qt::Key_F13,         Qt::Key_Shift,
                    Qt::Key_Control, Qt::Key_Alt,       Qt::Key_CapsLock,    Qt::Key_unknown})
        EXPECT_EQ(shown(key), std::nullopt) << std::hex << key;
    // Keypad digits and operators are not digits or letters.
    for (int key : {Qt::Key_0, Qt::Key_5, Qt::Key_9, Qt::Key_Plus, Qt::Key_Asterisk, Qt::Key_Slash,
                    Qt::Key_Enter, Qt::Key_Clear})
        EXPECT_EQ(shown(key, Qt::KeypadModifier), std::nullopt) << std::hex << key;
    // Keypad codes are never lowered onto letters, and F-key codes stay F-keys.
    for (int vk : {0, 8, 9, 13, 32, 91, 96, 97, 105, 111, 124, 186, 255})
        EXPECT_EQ(CaptureVirtualKey(vk), std::nullopt) << vk;
}

TEST_F(HotKeyTest, RegistrationRecordsEachRowsAnswer) {
    LoadSettings(app());
    app().HotKeys[0].Enabled = true;                  // Ctrl+Shift+C
    app().HotKeys[1] = {true, false, 116, 0, false};  // Ctrl+Alt+F5
    app().HotKeys[2] = {true, false, 'D', 2, false};  // taken elsewhere
    app().HotKeys[3] = {true, false, 'R', 42, false}; // damaged modifier code
    app().HotKeys[4] = {false, false, 0, 2, true};    // not enabled: untouched
    fake->refuse = {{6, 'D'}};
    RegisterHotKeys(app());

    ASSERT_EQ(fake->registered.size(), 2u);
    EXPECT_EQ(fake->registered[0].id, 0);
    EXPECT_EQ(fake->registered[0].flags, 6);
    EXPECT_EQ(fake->registered[0].key, 'C');
    EXPECT_EQ(fake->registered[1].id, 1);
    EXPECT_EQ(fake->registered[1].flags, 3);
    EXPECT_EQ(fake->registered[1].key, 116);
    const bool registered[] = {true, true, false, false, false, false};
    const bool failed[] = {false, false, true, true, true, false};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(app().HotKeys[i].Registered, registered[i]) << i;
        EXPECT_EQ(app().HotKeys[i].Failed, failed[i]) << i;
    }

    // Accepting the settings: unregister, untick row 1, free row 2's keys,
    // register again. Only registered rows are released; the failed ones
    // keep their mark until they succeed.
    UnregisterHotKeys(app());
    EXPECT_EQ(fake->unregistered, (std::vector<int>{0, 1}));
    app().HotKeys[1].Enabled = false;
    EXPECT_TRUE(app().HotKeys[3].Failed);
    fake->refuse.clear();
    fake->registered.clear();
    RegisterHotKeys(app());
    EXPECT_FALSE(app().HotKeys[1].Registered);
    EXPECT_TRUE(app().HotKeys[2].Registered);
    EXPECT_FALSE(app().HotKeys[2].Failed);
    EXPECT_TRUE(app().HotKeys[3].Failed);
    EXPECT_TRUE(app().HotKeys[4].Failed);

    // Registering again without unregistering first releases the old binding
    // of a row that was unticked meanwhile, and re-registers changed rows.
    fake->unregistered.clear();
    app().HotKeys[0].Enabled = false;
    app().HotKeys[2].Key = 'E';
    RegisterHotKeys(app());
    EXPECT_EQ(fake->unregistered, (std::vector<int>{0, 2}));
    EXPECT_FALSE(app().HotKeys[0].Registered);
    EXPECT_EQ(fake->registered.back().key, 'E');
}

TEST_F(HotKeyTest, NotificationsRunTheActionsUntilUnregistered) {
    LoadSettings(app());
    app().settings.WallpaperTimer = false;
    app().HotKeys[2].Enabled = true;
    RegisterHotKeys(app());
    RegisterHotKeys(app()); // a second registration must not double the actions

    emit fake->activated(2);
    QCoreApplication::processEvents();
    EXPECT_TRUE(app().settings.WallpaperTimer);
    emit fake->activated(2);
    QCoreApplication::processEvents();
    EXPECT_FALSE(app().settings.WallpaperTimer);
    ASSERT_EQ(t.notifier->shown.size(), 2u);
    EXPECT_EQ(t.notifier->shown[0].text, "Automatic wallpaper changing is now Enabled");
    EXPECT_EQ(t.notifier->shown[1].text, "Automatic wallpaper changing is now Disabled");
    EXPECT_EQ(t.notifier->shown[0].ms, 5000);

    int settingsOpened = 0;
    app().showSettingsWindow = [&] { ++settingsOpened; };
    emit fake->activated(3);
    emit fake->activated(5); // no action
    QCoreApplication::processEvents();
    EXPECT_EQ(settingsOpened, 1);

    UnregisterHotKeys(app());
    emit fake->activated(3);
    QCoreApplication::processEvents();
    EXPECT_EQ(settingsOpened, 1);
    EXPECT_EQ(t.notifier->shown.size(), 2u);
}

#ifndef _WIN32
// Without an X connection (here the offscreen platform; likewise Wayland)
// nothing can be grabbed: every row comes back Failed, nothing registered.
TEST(X11HotKeysWithoutX, EveryBindingIsRefused) {
    TestApp t;
    t.services.hotkeys = std::make_unique<X11GlobalHotKeys>();
    LoadSettings(*t.app);
    for (HotKey& hk : t.app->HotKeys)
        hk.Enabled = true;
    t.app->HotKeys[1] = {true, false, 116, 0, false};
    RegisterHotKeys(*t.app);
    for (const HotKey& hk : t.app->HotKeys) {
        EXPECT_TRUE(hk.Failed);
        EXPECT_FALSE(hk.Registered);
    }
    UnregisterHotKeys(*t.app);
}
#endif
