#pragma once

#include "platform/SettingsStore.h"

#include <QSettings>
#include <memory>

// Settings kept in an INI file, one INI section per store section. On Linux the
// file is $XDG_CONFIG_HOME/tessaly/tessaly.conf.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(const QString& filePath);
    static QString defaultPath();

    std::optional<QString> value(const QString& section, const QString& key) const override;
    void setValue(const QString& section, const QString& key, const QString& text) override;
    void remove(const QString& section, const QString& key) override;
    bool sync() override;
    QString filePath() const;

private:
    std::unique_ptr<QSettings> m_settings;
};
