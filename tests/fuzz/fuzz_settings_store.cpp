// The settings file as any editor may leave it. It must load without fault;
// what the program then saves it must load again without a complaint; and
// each stored-text conversion must read back what it writes.
#include "FuzzTarget.h"
#include "platform/IniSettingsStore.h"
#include "settings/SettingsIO.h"
#include "settings/StoredText.h"

#include <cmath>

namespace {

void checkStoredText(const QString& text) {
    StoredText::toBool(text);
    StoredText::toInt16(text);
    StoredText::toInt32(text);
    StoredText::toFloat(text);
    if (const std::optional<double> d = StoredText::toDouble(text)) {
        const std::optional<double> back = StoredText::toDouble(StoredText::fromDouble(*d));
        if (!back || *back != *d) abort();
    }
}

} // namespace

TESSALY_FUZZ_TARGET(settings_store) {
    const QByteArray bytes = FuzzBytes(data, size);
    checkStoredText(QString::fromUtf8(bytes));
    // A new name for every input: QSettings keeps what it read of a file.
    static int count = 0;
    const QString path = FuzzFile(QStringLiteral("tessaly-%1.conf").arg(++count), bytes);
    Settings s;
    HotKeyTable keys{};
    {
        IniSettingsStore store(path);
        LoadSettings(store, s, keys, true);
        if (!SaveSettings(store, s, keys, true)) abort();
    }
    IniSettingsStore again(path);
    if (!again.damagedCopy().isEmpty()) abort();
    if (!LoadSettings(again, s, keys, true).isEmpty()) abort();
    ClearFuzzFolder();
    return 0;
}
