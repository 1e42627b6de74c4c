#include "FakePlatform.h"
#include "settings/SettingsIO.h"
#include "settings/StoredText.h"

#include <QFile>
#include <QLocale>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

QString stored(TestApp& t, const QString& section, const QString& key) {
    return t.services.store->value(section, key).value_or(QStringLiteral("<missing>"));
}

QStringList iniKeys(const QString& iniPath) {
    QSettings ini(iniPath, QSettings::IniFormat);
    return ini.allKeys();
}

} // namespace

TEST(SettingsStore, EmptyStoreGivesDefaultsAndFirstSaveWritesEveryKey) {
    TestApp t;
    t.app->settings.IntervalTimer = 99; // must be replaced by the default
    LoadSettings(*t.app);
    const Settings& s = t.app->settings;
    EXPECT_TRUE(s.WallpaperTimer);
    EXPECT_EQ(s.IntervalTimer, 10);
    EXPECT_EQ(s.TechniqueTimer, 1);
    EXPECT_EQ(s.WallPaperPosition, "Center");
    EXPECT_EQ(s.EGamma, 1.0);
    EXPECT_EQ(s.IntCoolDown, 900000);
    EXPECT_EQ(s.WaterMarkText, "Orvane Tessaly - #fn");
    EXPECT_EQ(s.WaterMarkColor, 0xC00000);
    EXPECT_EQ(s.Transparency, 150);
    EXPECT_EQ(t.app->HotKeys[1].Key, 0x53); // preset "S"
    EXPECT_EQ(t.app->HotKeys[4].Key, 0);
    EXPECT_FALSE(t.app->HotKeys[0].Enabled);
    EXPECT_EQ(t.app->HotKeys[0].Modifiers, 2);

    ASSERT_TRUE(SaveSettings(*t.app));
    const QStringList keys = iniKeys(t.iniPath());
    // 36 options + 1strun, Transparency and 8 other widget options, 5 font sets
    // of 6 keys, 3 hand colours, 6 hot-key sections of 3 keys.
    EXPECT_EQ(keys.size(), 36 + 1 + 9 + 30 + 3 + 18);
    EXPECT_EQ(stored(t, "Options", "1strun"), "False");
    EXPECT_EQ(stored(t, "Options", "WallpaperTimer"), "True");
    EXPECT_EQ(stored(t, "Options", "IntervalTimer"), "10");
    EXPECT_EQ(stored(t, "Options", "IntCoolDown"), "900000");
    EXPECT_EQ(stored(t, "Options", "WaterMarkColor"), "12582912");
    EXPECT_EQ(stored(t, "HK3", "ASCIIkey"), "82");
    EXPECT_EQ(stored(t, "Ctitle", "name"), "MS Sans Serif");
    EXPECT_EQ(stored(t, "ClockPointers", "Sec"), "16777215");
    EXPECT_FALSE(StoredFirstRun(*t.services.store));
}

TEST(SettingsStore, RoundTripKeepsEveryValueAndType) {
    TestApp t;
    Settings& s = t.app->settings;
    s.WallpaperTimer = false;
    s.IntervalTimer = 0.05;
    s.TechniqueTimer = 0;
    s.WallPaperPosition = "Fit screen (Enlarge)";
    s.CurWallPaper = 7;
    s.EBright = 0;
    s.ERed = -255;
    s.EGamma = 1.99;
    s.IntProxy = "proxy.example:8080, backup";
    s.IntCoolDown = 123456.5;
    s.WaterMarkText = "  <b>#fn</b> = \"x\" ; [y] ";
    s.WaterMarkColor = 0x123456;
    s.Transparency = 77;
    s.CTD = {"DejaVu Sans", 10.5, false, true, true, 0x00FF00};
    s.CalTop = 1234.5f;
    s.ClockOnTop = true;
    s.Hour = 0x0000FF;
    t.app->HotKeys[2] = {true, true, 116, 0, true};
    t.app->HotKeys[5].Key = 90;
    ASSERT_TRUE(SaveSettings(*t.app));

    t.reopenStore();
    const Settings before = s;
    s = Settings{};
    t.app->HotKeys = {};
    LoadSettings(*t.app);
    EXPECT_EQ(s.WallpaperTimer, before.WallpaperTimer);
    EXPECT_EQ(s.IntervalTimer, before.IntervalTimer);
    EXPECT_EQ(s.TechniqueTimer, 0);
    EXPECT_EQ(s.WallPaperPosition, before.WallPaperPosition);
    EXPECT_EQ(s.CurWallPaper, 7);
    EXPECT_EQ(s.EBright, 0);
    EXPECT_EQ(s.ERed, -255);
    EXPECT_EQ(s.EGamma, 1.99);
    EXPECT_EQ(s.IntProxy, before.IntProxy);
    EXPECT_EQ(s.IntCoolDown, 123456.5);
    EXPECT_EQ(s.WaterMarkText, before.WaterMarkText);
    EXPECT_EQ(s.WaterMarkColor, 0x123456);
    EXPECT_EQ(s.Transparency, 77);
    EXPECT_EQ(s.CTD.name, "DejaVu Sans");
    EXPECT_EQ(s.CTD.size, 10.5);
    EXPECT_TRUE(s.CTD.Italic && s.CTD.Underline && !s.CTD.bold);
    EXPECT_EQ(s.CTD.color, 0x00FF00);
    EXPECT_EQ(s.CalTop, 1234.5f);
    EXPECT_TRUE(s.ClockOnTop);
    EXPECT_EQ(s.Hour, 0x0000FF);
    EXPECT_TRUE(t.app->HotKeys[2].Enabled);
    EXPECT_EQ(t.app->HotKeys[2].Key, 116);
    EXPECT_EQ(t.app->HotKeys[2].Modifiers, 0);
    EXPECT_FALSE(t.app->HotKeys[2].Registered); // run-time state, never stored
    EXPECT_EQ(t.app->HotKeys[5].Key, 90);
}

TEST(SettingsStore, UnconvertibleValueGivesThatKeyItsDefaultAndLoadingGoesOn) {
    TestApp t;
    auto& store = *t.services.store;
    store.setValue("Options", "IntervalTimer", "3");
    store.setValue("Options", "TechniqueTimer", "abc");
    store.setValue("Options", "EBright", "70000"); // out of a 16-bit range
    store.setValue("Options", "SubFols", "maybe");
    store.setValue("Options", "WPSource", "1");
    store.setValue("Options", "WaterMarkBold", "False");
    store.setValue("Options", "WaterMarkPos", "2.5"); // rounds half to even
    store.setValue("Options", "EInvert", "-1");       // a number: non-zero is True
    LoadSettings(*t.app);
    const Settings& s = t.app->settings;
    EXPECT_EQ(s.IntervalTimer, 3);
    EXPECT_EQ(s.TechniqueTimer, 1);
    EXPECT_EQ(s.EBright, 100);
    EXPECT_TRUE(s.SubFols);
    EXPECT_EQ(s.WPSource, 1);
    EXPECT_FALSE(s.WaterMarkBold);
    EXPECT_EQ(s.WaterMarkPos, 2);
    EXPECT_TRUE(s.EInvert);
}

TEST(SettingsStore, WithoutWidgetsNoWidgetKeyIsReadOrWritten) {
    TestApp t;
    t.app->IsNT = false;
    auto& store = *t.services.store;
    store.setValue("Options", "Transparency", "42");
    store.setValue("Options", "ClockV", "False");
    LoadSettings(*t.app);
    EXPECT_EQ(t.app->settings.Transparency, 150);
    EXPECT_TRUE(t.app->settings.ClockV);
    t.app->settings.Transparency = 200;
    ASSERT_TRUE(SaveSettings(*t.app));
    EXPECT_EQ(stored(t, "Options", "Transparency"), "42");
    for (const QString& k : iniKeys(t.iniPath())) {
        EXPECT_FALSE(k.startsWith("Ctitle/") || k.startsWith("ClockPointers/") || k == "Options/CalTop")
            << k.toStdString();
    }
}

TEST(StoredText, FractionsAreShortestAndReadBackUnderAnyLocale) {
    EXPECT_EQ(StoredText::fromDouble(10), "10");
    EXPECT_EQ(StoredText::fromDouble(0.5), "0.5");
    EXPECT_EQ(StoredText::fromDouble(900000), "900000");
    EXPECT_EQ(StoredText::fromDouble(0.1), "0.1");
    EXPECT_EQ(StoredText::fromFloat(1234.5f), "1234.5");

    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(StoredText::fromDouble(0.5), "0,5");
    EXPECT_EQ(StoredText::toDouble("0,5"), 0.5);
    EXPECT_EQ(StoredText::toDouble("0.5"), 0.5); // written under another locale
    EXPECT_EQ(StoredText::toInt16("2,5"), 2);
    QLocale::setDefault(saved);

    EXPECT_EQ(StoredText::toDouble("1.99"), 1.99);
    EXPECT_FALSE(StoredText::toDouble(""));
    EXPECT_FALSE(StoredText::toInt16("3.5.1"));
    EXPECT_EQ(StoredText::toInt16("3.5"), 4);
    EXPECT_EQ(StoredText::toBool("TRUE"), true);
    EXPECT_EQ(StoredText::toBool("0"), false);
    EXPECT_FALSE(StoredText::toBool("yes"));
    EXPECT_FALSE(StoredText::toInt32("4294967296"));
}
