#pragma once

#include <QString>
#include <optional>

// The per-user settings store: (section, key) -> text. The application name is
// fixed by the implementation ("tessaly").
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or nothing when the key is missing.
    virtual std::optional<QString> value(const QString& section, const QString& key) const = 0;
    virtual void setValue(const QString& section, const QString& key, const QString& text) = 0;
    virtual void remove(const QString& section, const QString& key) = 0;
    // Writes pending changes to permanent storage; false when that failed,
    // with the reason in lastError().
    virtual bool sync() = 0;
    virtual QString lastError() const { return {}; }
    // Where a stored file that could not be read was set aside when the store
    // was opened; empty when nothing was.
    virtual QString damagedCopy() const { return {}; }
};
