#include "FakePlatform.h"
#include "settings/SettingsIO.h"
#include "settings/StoredText.h"

#include <QFile>
#include <QLocale>
#include <QSettings>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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
    EXPECT_EQ(t.app->settings.WallPaperPosition, u"Center"_s);
    EXPECT_EQ(t.app->HotKeys[1].Key, 0x53); // preset "S"
    EXPECT_EQ(t.app->HotKeys[4].Key, 0);

    ASSERT_TRUE(SaveSettings(*t.app));
    // 36 options + 1strun, Transparency and 8 other widget options, 5 font sets
    // of 6 keys, 3 hand colours, 6 hot-key sections of 3 keys.
    EXPECT_EQ(QSettings(t.iniPath(), QSettings::IniFormat).allKeys().size(),
              36 + 1 + 9 + 30 + 3 + 18);
    EXPECT_EQ(stored(t, u"Options"_s, u"1strun"_s), u"False"_s);
    EXPECT_EQ(stored(t, u"Options"_s, u"WallpaperTimer"_s), u"True"_s);
    EXPECT_EQ(stored(t, u"Options"_s, u"IntervalTimer"_s), u"10"_s);
    EXPECT_EQ(stored(t, u"Options"_s, u"IntCoolDown"_s), u"900000"_s);
    EXPECT_EQ(stored(t, u"Options"_s, u"WaterMarkColor"_s), u"12582912"_s);
    EXPECT_EQ(stored(t, u"HK3"_s, u"ASCIIkey"_s), u"82"_s);
    EXPECT_EQ(stored(t, u"Ctitle"_s, u"name"_s), u"MS Sans Serif"_s);
    EXPECT_FALSE(StoredFirstRun(*t.services.store));
}

TEST(SettingsStore, RoundTripKeepsEveryValueAndType) {
    TestApp t;
    Settings& s = t.app->settings;
    s = Settings{};
    s.WallpaperTimer = false;
    s.IntervalTimer = 0.05;
    s.TechniqueTimer = 0;
    s.CurWallPaper = 7;
    s.ERed = -255;
    s.EGamma = 1.99;
    s.IntProxy = u"proxy.example:8080, backup"_s;
    s.IntCoolDown = 123456.5;
    s.WaterMarkText = u"  <b>#fn</b> = \"x\" ; [y] "_s;
    s.WaterMarkColor = 0x123456;
    s.Transparency = 77;
    s.CTD = {u"DejaVu Sans"_s, 10.5, false, true, true, 0x00FF00};
    s.CalTop = 1234.5f;
    t.app->HotKeys[2] = {true, true, 116, 0, true};
    ASSERT_TRUE(SaveSettings(*t.app));
    const QByteArray first = fileBytes(t.iniPath());

    // Load into fresh values and save again: the file must come out identical.
    t.reopenStore();
    s = Settings{};
    t.app->HotKeys = {};
    LoadSettings(*t.app);
    EXPECT_EQ(s.IntervalTimer, 0.05);
    EXPECT_EQ(s.WaterMarkText, u"  <b>#fn</b> = \"x\" ; [y] "_s);
    EXPECT_EQ(s.CTD.size, 10.5);
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
                                    {"EInvert", "-1"}})
        t.services.store->setValue(u"Options"_s, QString::fromLatin1(key),
                                   QString::fromLatin1(text));
    LoadSettings(*t.app);
    const Settings& s = t.app->settings;
    EXPECT_EQ(s.IntervalTimer, 3);
    EXPECT_EQ(s.TechniqueTimer, 1); // default
    EXPECT_EQ(s.EBright, 100);      // out of the 16-bit range: default
    EXPECT_TRUE(s.SubFols);         // default
    EXPECT_EQ(s.WPSource, 1);
    EXPECT_EQ(s.WaterMarkPos, 2); // halves round to even
    EXPECT_TRUE(s.EInvert);       // a number: non-zero is True
}

TEST(SettingsStore, WithoutWidgetsNoWidgetKeyIsReadOrWritten) {
    TestApp t;
    t.app->IsNT = false;
    t.services.store->setValue(u"Options"_s, u"Transparency"_s, u"42"_s);
    LoadSettings(*t.app);
    EXPECT_EQ(t.app->settings.Transparency, 150);
    t.app->settings.Transparency = 200;
    ASSERT_TRUE(SaveSettings(*t.app));
    EXPECT_EQ(stored(t, u"Options"_s, u"Transparency"_s), u"42"_s);
    for (const QString& k : QSettings(t.iniPath(), QSettings::IniFormat).allKeys())
        EXPECT_FALSE(k.startsWith(u"Ctitle/"_s) || k.startsWith(u"ClockPointers/"_s) ||
                     k == u"Options/CalTop"_s)
            << k.toStdString();
}

TEST(StoredText, FractionsAreShortestAndReadBackUnderAnyLocale) {
    EXPECT_EQ(StoredText::fromDouble(0.5), u"0.5"_s);
    EXPECT_EQ(StoredText::fromDouble(0.1), u"0.1"_s);
    EXPECT_EQ(StoredText::fromFloat(1234.5f), u"1234.5"_s);

    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(StoredText::fromDouble(0.5), u"0,5"_s);
    EXPECT_EQ(StoredText::toDouble(u"0,5"_s), 0.5);
    EXPECT_EQ(StoredText::toDouble(u"0.5"_s), 0.5); // written under another locale
    QLocale::setDefault(saved);

    EXPECT_FALSE(StoredText::toDouble(u""_s));
    EXPECT_FALSE(StoredText::toInt16(u"3.5.1"_s));
    EXPECT_EQ(StoredText::toBool(u"TRUE"_s), true);
    EXPECT_FALSE(StoredText::toBool(u"yes"_s));
    EXPECT_FALSE(StoredText::toInt32(u"4294967296"_s));
}
