#include "hotkeys/HotKeys.h"

#include "context/AppContext.h"

#include <QCoreApplication>
#include <QObject>
#include <array>

namespace {

constexpr int kAlt = 1;
constexpr int kControl = 2;
constexpr int kShift = 4;

struct Modifier {
    const char* text;
    int flags;
};

constexpr std::array<Modifier, 7> kModifiers = {{
    {QT_TRANSLATE_NOOP("HotKeys", "Ctrl + Alt"), kControl | kAlt},
    {QT_TRANSLATE_NOOP("HotKeys", "Ctrl + Alt + Shift"), kControl | kAlt | kShift},
    {QT_TRANSLATE_NOOP("HotKeys", "Ctrl + Shift"), kControl | kShift},
    {QT_TRANSLATE_NOOP("HotKeys", "Alt + Shift"), kAlt | kShift},
    {QT_TRANSLATE_NOOP("HotKeys", "Alt"), kAlt},
    {QT_TRANSLATE_NOOP("HotKeys", "Ctrl"), kControl},
    {QT_TRANSLATE_NOOP("HotKeys", "Shift"), kShift},
}};

const QString kDispatcherName = QStringLiteral("tessaly-hotkey-dispatcher");

// Carries the hot-key notifications of the platform service to the events
// of one AppContext. It is a child of the service, so the
// connection ends with it.
class Dispatcher : public QObject {
public:
    Dispatcher(AppContext& app, GlobalHotKeys* service) : QObject(service), m_app(&app) {
        setObjectName(kDispatcherName);
        connect(
            service, &GlobalHotKeys::activated, this,
            [this](int id) { emit m_app->events.hotKeyPressed(id); }, Qt::QueuedConnection);
    }
    AppContext* app() const { return m_app; }

private:
    AppContext* m_app;
};

Dispatcher* findDispatcher(GlobalHotKeys* service) {
    return static_cast<Dispatcher*>(
        service->findChild<QObject*>(kDispatcherName, Qt::FindDirectChildrenOnly));
}

void ensureDispatcher(AppContext& app) {
    GlobalHotKeys* service = app.platform.hotkeys.get();
    Dispatcher* d = findDispatcher(service);
    if (d && d->app() == &app) return;
    delete d;
    new Dispatcher(app, service);
}

} // namespace

int HotKeyModifierFlags(int code) {
    if (code < 0 || code >= int(kModifiers.size())) return 0;
    return kModifiers[code].flags;
}

QStringList HotKeyModifierTexts() {
    QStringList texts;
    for (const Modifier& m : kModifiers)
        texts << QCoreApplication::translate("HotKeys", m.text);
    return texts;
}

QString HotKeyCaption(int index) {
    switch (index) {
    case 0:
        return QCoreApplication::translate("HotKeys", "Clear Wallpaper");
    case 1:
        return QCoreApplication::translate("HotKeys", "Switch wallpaper");
    case 2:
        return QCoreApplication::translate("HotKeys",
                                           "Disable/Enable automatic wallpaper changing");
    case 3:
        return QCoreApplication::translate("HotKeys", "Open this window.");
    default:
        return {};
    }
}

void RegisterHotKeys(AppContext& app) {
    GlobalHotKeys* service = app.platform.hotkeys.get();
    if (!service) return;
    ensureDispatcher(app);
    // Every binding still held from an earlier registration is released
    // before any row is registered again: rows that exchanged their keys
    // would otherwise find the combination still held by the other row.
    for (int k = 0; k < int(app.HotKeys.size()); ++k) {
        HotKey& hk = app.HotKeys[k];
        if (!hk.Registered) continue;
        service->unregisterHotKey(k);
        hk.Registered = false;
    }
    for (int k = 0; k < int(app.HotKeys.size()); ++k) {
        HotKey& hk = app.HotKeys[k];
        // A row that is not enabled was not tried: it neither holds nor
        // failed a binding.
        if (!hk.Enabled) {
            hk.Failed = false;
            continue;
        }
        // A stored modifier code outside the table is refused rather than
        // registered as a bare key.
        const int flags = HotKeyModifierFlags(hk.Modifiers);
        const bool ok = flags != 0 && service->registerHotKey(k, flags, hk.Key);
        hk.Registered = ok;
        hk.Failed = !ok;
    }
}

void UnregisterHotKeys(AppContext& app) {
    GlobalHotKeys* service = app.platform.hotkeys.get();
    if (!service) return;
    for (int k = 0; k < int(app.HotKeys.size()); ++k) {
        HotKey& hk = app.HotKeys[k];
        if (!hk.Registered) continue;
        service->unregisterHotKey(k);
        hk.Registered = false;
    }
    delete findDispatcher(service);
}
