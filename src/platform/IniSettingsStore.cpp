#include "platform/IniSettingsStore.h"

#include <QStandardPaths>
#include <QStringList>

IniSettingsStore::IniSettingsStore(const QString& filePath)
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

IniSettingsStore::IniSettingsStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings)) {}

QString IniSettingsStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/tessaly/tessaly.conf");
}

static QString fullKey(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

std::optional<QString> IniSettingsStore::value(const QString& section, const QString& key) const {
    const QVariant v = m_settings->value(fullKey(section, key));
    if (!v.isValid()) return std::nullopt;
    // An unquoted value with commas, typed by hand, comes back as a list.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

void IniSettingsStore::setValue(const QString& section, const QString& key, const QString& text) {
    m_settings->setValue(fullKey(section, key), text);
}

void IniSettingsStore::remove(const QString& section, const QString& key) {
    m_settings->remove(fullKey(section, key));
}

bool IniSettingsStore::sync() {
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

QString IniSettingsStore::filePath() const {
    return m_settings->fileName();
}
