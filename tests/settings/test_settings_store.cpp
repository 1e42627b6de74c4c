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

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(SettingsStore, EmptyStoreGivesDefaultsAndFirstSaveWritesEveryKey) {
    TestApp t;
    t.app->settings.IntervalTimer = 99; // must be replaced by the default
    LoadSettings(*t.app);
    EXPECT_EQ(t.app->settings.IntervalTimer, 10);
    EXPECT_EQ(t.app->settings.WallPaperPosition.text, "Center");
    EXPECT_EQ(t.app->HotKeys[1].Key, 0x53); // preset "S"
    EXPECT_EQ(t.app->HotKeys[4].Key, 0);

    ASSERT_TRUE(SaveSettings(*t.app));
    // 36 options + 1strun, Transparency and 8 other widget options, 5 font sets
    // of 6 keys, 3 hand colours, 6 hot-key sections of 3 keys.
    EXPECT_EQ(QSettings(t.iniPath(), QSettings::IniFormat).allKeys().size(),
              36 + 1 + 9 + 30 + 3 + 18);
    EXPECT_EQ(stored(t, "Options", "1strun"), "False");
    EXPECT_EQ(stored(t, "Options", "WallpaperTimer"), "True");
    EXPECT_EQ(stored(t, "Options", "IntervalTimer"), "10");
    EXPECT_EQ(stored(t, "Options", "IntCoolDown"), "900000");
    EXPECT_EQ(stored(t, "Options", "WaterMarkColor"), "12582912");
    EXPECT_EQ(stored(t, "HK3", "ASCIIkey"), "82");
    EXPECT_EQ(stored(t, "Ctitle", "name"), "MS Sans Serif");
    EXPECT_FALSE(StoredFirstRun(*t.services.store));
}

TEST(SettingsStore, RoundTripKeepsEveryValueAndType) {
    TestApp t;
    Settings& s = t.app->settings;
    s.WallpaperTimer = false;
    s.IntervalTimer = 0.05;
    s.TechniqueTimer = ChangeTechnique::Random;
    s.WPSource = WallpaperSource::Internet;
    s.CurWallPaper = 7;
    s.ERed = -255;
    s.EGamma = 1.99;
    s.IntProxy = "proxy.example:8080, backup";
    s.IntCoolDown = 123456.5;
    s.WaterMarkText = "  <b>#fn</b> = \"x\" ; [y] ";
    s.WaterMarkColor = 0x123456;
    s.Transparency = 77;
    s.CTD = {"DejaVu Sans", 10.5, false, true, true, 0x00FF00};
    s.CalTop = 1234.5f;
    // A position text no control offers is kept exactly as it was stored.
    s.WallPaperPosition = WallpaperPosition::fromText(" fit screen (reduce)");
    t.app->HotKeys[2] = {true, true, 116, 0, true};
    ASSERT_TRUE(SaveSettings(*t.app));
    const QByteArray first = fileBytes(t.iniPath());

    // Load into fresh values and save again: the file must come out identical.
    t.reopenStore();
    s = Settings{};
    t.app->HotKeys = {};
    LoadSettings(*t.app);
    EXPECT_EQ(s.IntervalTimer, 0.05);
    EXPECT_EQ(s.WaterMarkText, "  <b>#fn</b> = \"x\" ; [y] ");
    EXPECT_EQ(s.CTD.size, 10.5);
    EXPECT_EQ(s.TechniqueTimer, ChangeTechnique::Random);
    EXPECT_EQ(s.WPSource, WallpaperSource::Internet);
    EXPECT_EQ(s.WallPaperPosition.mode, PositionMode::Other);
    EXPECT_FALSE(t.app->HotKeys[2].Registered); // run-time state, never stored
    ASSERT_TRUE(SaveSettings(*t.app));
    EXPECT_EQ(fileBytes(t.iniPath()), first);
}

TEST(SettingsStore, UnconvertibleValueGivesThatKeyItsDefaultAndLoadingGoesOn) {
    TestApp t;
    for (const auto& [key, text] : {std::pair{"IntervalTimer", "3"},
                                    {"TechniqueTimer", "abc"},
                                    {"EBright", "70000"},
                                    {"SubFols", "maybe"},
                                    {"WPSource", "1"},
                                    {"WaterMarkPos", "2.5"},
                                    {"EInvert", "-1"},
                                    {"WallPaperPosition", "Fit screen (Reduce)"}})
        t.services.store->setValue("Options", key, text);
    LoadSettings(*t.app);
    const Settings& s = t.app->settings;
    EXPECT_EQ(s.IntervalTimer, 3);
    EXPECT_EQ(s.TechniqueTimer, ChangeTechnique::Sequence); // default
    EXPECT_EQ(s.EBright, 100);                              // out of the 16-bit range: default
    EXPECT_TRUE(s.SubFols);                                 // default
    EXPECT_EQ(s.WPSource, WallpaperSource::LocalFolders);
    EXPECT_EQ(s.WallPaperPosition.mode, PositionMode::FitReduce);
    EXPECT_EQ(s.WaterMarkPos, 2); // halves round to even
    EXPECT_TRUE(s.EInvert);       // a number: non-zero is True

    // A source or technique number no control can produce takes the default
    // instead of making every change do nothing.
    t.services.store->setValue("Options", "WPSource", "7");
    t.services.store->setValue("Options", "TechniqueTimer", "-1");
    LoadSettings(*t.app);
    EXPECT_EQ(s.WPSource, WallpaperSource::LocalFiles);
    EXPECT_EQ(s.TechniqueTimer, ChangeTechnique::Sequence);
}

TEST(SettingsStore, NumbersNoControlCanProduceAreMendedAndNamed) {
    TestApp t;
    for (const auto& [key, text] : {std::pair{"IntervalTimer", "0"},
                                    {"EBright", "-1"},
                                    {"ERed", "300"},
                                    {"EGamma", "5"},
                                    {"CPULimit", "250"},
                                    {"WaterMarkSize", "-3"},
                                    {"IntTimeOut", "0"},
                                    {"EGreen", "-255"}})
        t.services.store->setValue("Options", key, text);
    t.services.store->setValue("Options", "Transparency", "999");
    const QStringList repaired = LoadSettings(*t.app);
    const Settings& s = t.app->settings;
    EXPECT_EQ(s.IntervalTimer, 10); // a zero interval would change every second
    EXPECT_EQ(s.EBright, 0);        // clamped into the slider's range
    EXPECT_EQ(s.ERed, 255);
    EXPECT_EQ(s.EGamma, 1.99);
    EXPECT_EQ(s.CPULimit, 100);
    EXPECT_EQ(s.WaterMarkSize, 12);
    EXPECT_EQ(s.IntTimeOut, 60);
    EXPECT_EQ(s.Transparency, 255);
    EXPECT_EQ(s.EGreen, -255); // in range: left alone
    EXPECT_EQ(repaired, (QStringList{"IntervalTimer", "EBright", "ERed", "EGamma", "CPULimit",
                                     "WaterMarkSize", "IntTimeOut", "Transparency"}));
    // Saved mended, they load without a word the next time.
    ASSERT_TRUE(SaveSettings(*t.app));
    t.reopenStore();
    EXPECT_TRUE(LoadSettings(*t.app).isEmpty());
}

TEST(SettingsStore, WithoutWidgetsNoWidgetKeyIsReadOrWritten) {
    TestApp t;
    t.app->IsNT = false;
    t.services.store->setValue("Options", "Transparency", "42");
    LoadSettings(*t.app);
    EXPECT_EQ(t.app->settings.Transparency, 150);
    t.app->settings.Transparency = 200;
    ASSERT_TRUE(SaveSettings(*t.app));
    EXPECT_EQ(stored(t, "Options", "Transparency"), "42");
    for (const QString& k : QSettings(t.iniPath(), QSettings::IniFormat).allKeys())
        EXPECT_FALSE(k.startsWith("Ctitle/") || k.startsWith("ClockPointers/") ||
                     k == "Options/CalTop")
            << k.toStdString();
}

TEST(StoredText, FractionsAreShortestAndReadBackUnderAnyLocale) {
    EXPECT_EQ(StoredText::fromDouble(0.5), "0.5");
    EXPECT_EQ(StoredText::fromDouble(0.1), "0.1");
    EXPECT_EQ(StoredText::fromFloat(1234.5f), "1234.5");

    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(StoredText::fromDouble(0.5), "0,5");
    EXPECT_EQ(StoredText::toDouble("0,5"), 0.5);
    EXPECT_EQ(StoredText::toDouble("0.5"), 0.5); // written under another locale
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(StoredText::toDouble("2,5"), 2.5); // written under German, read under C
    EXPECT_EQ(StoredText::toFloat("0,75"), 0.75f);
    QLocale::setDefault(saved);

    EXPECT_FALSE(StoredText::toDouble(""));
    EXPECT_FALSE(StoredText::toInt16("3.5.1"));
    EXPECT_EQ(StoredText::toBool("TRUE"), true);
    EXPECT_FALSE(StoredText::toBool("yes"));
    EXPECT_FALSE(StoredText::toInt32("4294967296"));
}
