#include "FakePlatform.h"
#include "settings/SettingsIO.h"
#include "settings/StoredText.h"

#include <QLocale>
#include <QSettings>

TEST(SettingsStore, DefaultsFirstSaveWritesEveryKeyAndRoundTripKeepsEveryValueAndType) {
    TestApp t;
    t.app->settings.IntervalTimer = 99; // must be replaced by the default
    LoadSettings(*t.app);
    EXPECT_EQ(t.app->settings.IntervalTimer, 10);
    EXPECT_EQ(t.app->settings.WallPaperPosition.text, "Center");

    ASSERT_TRUE(SaveSettings(*t.app));
    // 40 options + 1strun, Transparency and 8 other widget options, 5 font sets
    // of 6 keys, 3 hand colours, 6 hot-key sections of 3 keys, and the news
    // bar's 7 options and 2 font sets of 6 keys.
    EXPECT_EQ(QSettings(t.iniPath(), QSettings::IniFormat).allKeys().size(),
              40 + 1 + 9 + 30 + 3 + 18 + 7 + 12);
    EXPECT_EQ(t.stored("NewsBar/Interval"), "60");
    EXPECT_EQ(t.stored("NewsBar/SourceBold"), "True");
    EXPECT_EQ(t.stored("Options/WallpaperTimer"), "True");
    EXPECT_EQ(t.stored("Options/IntCoolDown"), "900000");
    EXPECT_EQ(t.stored("Ctitle/name"), "MS Sans Serif");
    EXPECT_FALSE(StoredFirstRun(*t.services.store));

    // Every value is checked by the second save: one the load missed would be
    // saved as its default.
    Settings& s = t.app->settings;
    s.WallpaperTimer = false;
    s.IntervalTimer = 0.05;
    s.TechniqueTimer = ChangeTechnique::Random;
    s.WPSource = WallpaperSource::Internet;
    s.ERed = -255;
    s.IntProxy = "proxy.example:8080, backup";
    s.IntCoolDown = 123456.5;
    s.WaterMarkText = "  <b>#fn</b> = \"x\" ; [y] ";
    s.MonitorPictures = {"/p/a, b.jpg", "/p/\"c\" = d.png"};
    s.WaterMarkColor = 0x123456;
    s.Transparency = 77;
    s.CTD = {"DejaVu Sans", 10.5, false, true, true, 0x00FF00};
    s.CalTop = 1234.5f;
    s.NBInterval = 0.5;
    s.NBSource = {"DejaVu Serif", 11, false, true, false, 0x0000FF};
    // A position text no control offers is kept exactly as it was stored.
    s.WallPaperPosition = WallpaperPosition::fromText(" fit screen (reduce)");
    t.app->HotKeys[2] = {true, true, 116, 0, true};
    ASSERT_TRUE(SaveSettings(*t.app));
    const QByteArray first = readFile(t.iniPath());

    t.reopenStore();
    s = Settings{};
    t.app->HotKeys = {};
    LoadSettings(*t.app);
    EXPECT_EQ(s.IntervalTimer, 0.05);
    EXPECT_EQ(s.WallPaperPosition.mode, PositionMode::Other);
    EXPECT_FALSE(t.app->HotKeys[2].Registered); // run-time state, never stored
    ASSERT_TRUE(SaveSettings(*t.app));
    EXPECT_EQ(readFile(t.iniPath()), first);
}

// A text that does not convert, or a number no control can produce, takes the
// default or the nearest allowed value; the rest still loads, each key mended
// is named once, and saved mended they load without a word the next time.
TEST(SettingsStore, UnusableValuesAreMendedAndNamedOnce) {
    // The key, the text stored, the value as saved again, whether it is named.
    const std::tuple<const char*, const char*, const char*, bool> rows[] = {
        {"TechniqueTimer", "-1", "1", true}, // no known technique: Sequence, not a no-op
        {"WPSource", "7", "0", true},        // no known source: the files list
        {"WaterMarkColor", "abc", "12582912", true},
        {"EBlue", "70000", "0", true}, // out of the 16-bit range: default
        {"SubFols", "maybe", "True", true},
        {"WaterMarkPos", "2.5", "2", false}, // halves round to even
        {"EInvert", "-1", "True", false},    // a number: non-zero is True
        {"IntervalTimer", "0", "10", true},  // a zero interval would change every second
        {"EBright", "-1", "0", true},        // clamped into the slider's range
        {"ERed", "300", "255", true},
        {"EGamma", "5", "1.99", true},
        {"CPULimit", "250", "100", true},
        {"WaterMarkSize", "-3", "12", true},
        {"IntTimeOut", "0", "60", true},
        {"Transparency", "999", "255", true},
        {"EGreen", "-255", "-255", false}, // in range: left alone
    };
    TestApp t;
    QStringList named;
    for (const auto& [key, text, loaded, mended] : rows) {
        t.services.store->setValue("Options", key, text);
        if (mended) named << key;
    }
    EXPECT_EQ(sorted(LoadSettings(*t.app)), sorted(named));
    ASSERT_TRUE(SaveSettings(*t.app));
    t.reopenStore();
    EXPECT_TRUE(LoadSettings(*t.app).isEmpty());
    for (const auto& [key, text, loaded, mended] : rows)
        EXPECT_EQ(t.stored(QStringLiteral("Options/") + key), loaded) << key << "=" << text;
}

// A fraction with a comma and no quotes (as a German locale and hand edits
// leave it) comes out of the INI file as a list: every fractional key reads
// it as its number under any locale, and nothing is reset.
TEST(SettingsStore, HandEditedFilesCommaFractionsSerialisedVariantsAndStoredFractions) {
    QTemporaryDir dir;
    const QString path = dir.filePath("tessaly.conf");
    writeFile(path, "[Options]\nIntervalTimer=2,5\nEGamma=0,75\nIntCoolDown=1,5\nCalTop=12,5\n"
                    "CurWallPaper=3\n[NewsBar]\nInterval=-0,5\nHeadlineSize=10,5\n"
                    "[Ctitle]\nsize=9,5\n");
    const QLocale saved;
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::German, QLocale::Germany)}) {
        SCOPED_TRACE(locale.name().toStdString());
        QLocale::setDefault(locale);
        const IniSettingsStore store(path);
        Settings s;
        HotKeyTable keys{};
        EXPECT_EQ(LoadSettings(store, s, keys, true), QStringList{"NewsBar/Interval"});
        EXPECT_EQ(s.IntervalTimer, 2.5);
        EXPECT_EQ(s.EGamma, 0.75);
        EXPECT_EQ(s.IntCoolDown, 1.5);
        EXPECT_EQ(s.CalTop, 12.5f);
        EXPECT_EQ(s.CurWallPaper, 3);
        EXPECT_EQ(s.NBHeadline.size, 10.5);
        EXPECT_EQ(s.Ctitle.size, 9.5);
    }
    QLocale::setDefault(saved);

    // Qt's reader decodes "@Variant(" values as binary streams; a damaged one
    // must not reach it (the program never writes them): skipped, and the
    // rest is kept.
    writeFile(path, "[Options]\nEGamma=@Variant(\\0\\0\\0Array(DejaVu)\n"
                    "WaterMarkText=a, @Variant(\\0\\0\\0\\x7f)\nIntervalTimer=12\n"
                    "WaterMarkFont=\"@@Variant(kept)\"\n");
    IniSettingsStore store(path);
    EXPECT_EQ(store.value("Options", "IntervalTimer"), QString("12"));
    EXPECT_EQ(store.value("Options", "WaterMarkFont"), QString("@Variant(kept)"));
    EXPECT_FALSE(store.value("Options", "EGamma"));
    EXPECT_FALSE(store.value("Options", "WaterMarkText"));
    EXPECT_FALSE(QFileInfo::exists(path + ".damaged")) << "the file is not set aside";

    // Rewritten with a value of the same length and the same time to the
    // millisecond (two saves in quick succession): read anew, not as parsed
    // before.
    writeFile(path, "[Options]\nIntervalTimer=34\n");
    EXPECT_EQ(IniSettingsStore(path).value("Options", "IntervalTimer"), QString("34"));
    const QDateTime stamp = QFileInfo(path).lastModified();
    writeFile(path, "[Options]\nIntervalTimer=56\n");
    setModified(path, stamp);
    EXPECT_EQ(IniSettingsStore(path).value("Options", "IntervalTimer"), QString("56"));

    // Fractions are stored in their shortest form and read back under any
    // locale.
    EXPECT_EQ(StoredText::fromDouble(0.1), "0.1");
    EXPECT_EQ(StoredText::fromFloat(1234.5f), "1234.5");

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(StoredText::fromDouble(0.5), "0,5");
    EXPECT_EQ(StoredText::toDouble("0,5"), 0.5);
    EXPECT_EQ(StoredText::toDouble("0.5"), 0.5); // written under another locale
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(StoredText::toDouble("2,5"), 2.5);    // written under German, read under C
    EXPECT_EQ(StoredText::toDouble("-2, 5"), -2.5); // unquoted: an INI store's list
    EXPECT_FALSE(StoredText::toDouble("2, 5, 1"));
    EXPECT_EQ(StoredText::toFloat("0,75"), 0.75f);
    QLocale::setDefault(saved);

    EXPECT_FALSE(StoredText::toDouble(""));
    EXPECT_FALSE(StoredText::toInt16("3.5.1"));
    EXPECT_EQ(StoredText::toBool("TRUE"), true);
    EXPECT_FALSE(StoredText::toInt32("4294967296"));
}

TEST(SettingsStore, WithoutWidgetsNoWidgetKeyIsReadOrWritten) {
    TestApp t;
    t.app->IsNT = false;
    t.services.store->setValue("Options", "Transparency", "42");
    LoadSettings(*t.app);
    EXPECT_EQ(t.app->settings.Transparency, 150);
    t.app->settings.Transparency = 200;
    ASSERT_TRUE(SaveSettings(*t.app));
    EXPECT_EQ(t.stored("Options/Transparency"), "42");
    for (const QString& k : QSettings(t.iniPath(), QSettings::IniFormat).allKeys())
        EXPECT_FALSE(k.startsWith("Ctitle/") || k.startsWith("ClockPointers/") ||
                     k == "Options/CalTop")
            << k.toStdString();
}
