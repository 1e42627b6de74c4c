#pragma once

#include "platform/SettingsStore.h"

#include <QSettings>
#include <memory>

// Settings kept through QSettings: on Linux an INI file
// ($XDG_CONFIG_HOME/tessaly/tessaly.conf), one INI section per store section;
// on Windows the registry under HKEY_CURRENT_USER\Software\tessaly.
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
    QString filePath() const;

private:
    std::unique_ptr<QSettings> m_settings;
};
