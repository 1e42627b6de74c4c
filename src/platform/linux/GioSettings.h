#pragma once

#include "platform/linux/DesktopSetters.h"

#include <functional>
#include <memory>

// GSettings in this process through GIO, on whatever back end the session
// uses (dconf, or the keyfile of GSETTINGS_BACKEND=keyfile): no process per
// key. A schema that is not installed is a failure, never an abort.
class GioSettings : public GSettingsWriter {
public:
    GioSettings();
    ~GioSettings() override;
    GioSettings(const GioSettings&) = delete;
    GioSettings& operator=(const GioSettings&) = delete;

    // Writes the key and waits until the back end has it, so that other
    // programs read the new value from then on.
    bool set(const QString& schema, const QString& key, const QString& value) override;
    std::optional<QString> get(const QString& schema, const QString& key) override;
    // Calls `changed` from this thread's event loop whenever the key changes,
    // here or in another program. False when the key does not exist.
    bool watch(const QString& schema, const QString& key, std::function<void()> changed) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
