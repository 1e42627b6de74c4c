#pragma once

#include "platform/SettingsStore.h"

#include <QMap>
#include <QSettings>
#include <QVariant>
#include <memory>

// Settings kept in an INI file ($XDG_CONFIG_HOME/tessaly/tessaly.conf), one INI
// section per store section, or in any other QSettings back end (the registry
// on Windows).
//
// The file is read once, when the store is made, and written whole by sync()
// through a checked temporary file and a rename: a full disk or any other
// failure leaves the previous file as it was. A file that cannot be read (empty,
// holding NUL bytes, or not an INI file) is set aside beside it as
// "<name>.damaged" and never deleted; the store then starts empty.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(const QString& filePath);
    // Any other QSettings back end (the registry on Windows).
    explicit IniSettingsStore(std::unique_ptr<QSettings> settings);
    static QString defaultPath();

    std::optional<QString> value(const QString& section, const QString& key) const override;
    void setValue(const QString& section, const QString& key, const QString& text) override;
    void remove(const QString& section, const QString& key) override;
    bool sync() override;
    QString lastError() const override { return m_error; }
    QString damagedCopy() const override { return m_damagedCopy; }
    QString filePath() const;

private:
    void load();

    QString m_path;
    QMap<QString, QVariant> m_values;      // "section/key" -> value, for the file
    std::unique_ptr<QSettings> m_settings; // the other back ends
    QString m_error;
    QString m_damagedCopy;
};
