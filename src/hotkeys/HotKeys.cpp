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
        // A desktop that answers later (a refusal, or the key it gave) moves
        // the row's flags along.
        connect(service, &GlobalHotKeys::statusChanged, this, [this, service](int id) {
            if (id < 0 || id >= int(m_app->HotKeys.size())) return;
            HotKey& hk = m_app->HotKeys[id];
            if (!hk.Enabled) return;
            const HotKeyStatus::State state = service->status(id).state;
            if (state == HotKeyStatus::State::None) return;
            hk.Registered = state != HotKeyStatus::State::Refused;
            hk.Failed = state == HotKeyStatus::State::Refused;
        });
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
    case 4:
        return QCoreApplication::translate("HotKeys", "Previous wallpaper");
    default:
        return {};
    }
}

QString HotKeyCommandOption(int index) {
    switch (index) {
    case 0:
        return QStringLiteral("--clear");
    case 1:
        return QStringLiteral("--next");
    case 2:
        return QStringLiteral("--toggle-timer");
    case 3:
        return QStringLiteral("--settings");
    case 4:
        return QStringLiteral("--previous");
    default:
        return {};
    }
}

QString HotKeyActionName(int index) {
    switch (index) {
    case 0:
        return QCoreApplication::translate("HotKeys", "Clear the wallpaper");
    case 1:
        return QCoreApplication::translate("HotKeys", "Next wallpaper");
    case 2:
        return QCoreApplication::translate("HotKeys",
                                           "Switch automatic wallpaper changing on or off");
    case 3:
        return QCoreApplication::translate("HotKeys", "Open the settings window");
    case 4:
        return QCoreApplication::translate("HotKeys", "Previous wallpaper");
    default:
        return {};
    }
}

QString HotKeyStatusText(const HotKeyStatus& s) {
    switch (s.state) {
    case HotKeyStatus::State::None:
        return {};
    case HotKeyStatus::State::Pending:
        return QCoreApplication::translate("HotKeys", "waiting for the desktop's answer");
    case HotKeyStatus::State::InForce:
        return s.where.isEmpty()
                   ? QCoreApplication::translate("HotKeys", "in force")
                   : QCoreApplication::translate("HotKeys", "in force; shown in %1").arg(s.where);
    case HotKeyStatus::State::Handed:
        return QCoreApplication::translate("HotKeys", "handed to the desktop; shown in %1")
            .arg(s.where);
    case HotKeyStatus::State::Refused:
        return s.why.isEmpty() ? QCoreApplication::translate("HotKeys", "refused")
                               : QStringLiteral("refused: %1").arg(s.why);
    }
    return {};
}

void RegisterHotKeys(AppContext& app) {
    GlobalHotKeys* service = app.platform.hotkeys.get();
    if (!service) return;
    ensureDispatcher(app);
    service->beginChanges();
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
        service->describeAction(k, HotKeyActionName(k), HotKeyCommandOption(k));
        const bool ok = flags != 0 && service->registerHotKey(k, flags, hk.Key);
        hk.Registered = ok;
        hk.Failed = !ok;
    }
    // Services that take the whole set at once get it now; their answers
    // come through statusChanged.
    service->commitChanges();
}

void UnregisterHotKeys(AppContext& app) {
    GlobalHotKeys* service = app.platform.hotkeys.get();
    if (!service) return;
    service->beginChanges();
    for (int k = 0; k < int(app.HotKeys.size()); ++k) {
        HotKey& hk = app.HotKeys[k];
        if (!hk.Registered) continue;
        service->unregisterHotKey(k);
        hk.Registered = false;
    }
    service->commitChanges();
    delete findDispatcher(service);
}

void EndHotKeys(AppContext& app) {
    if (GlobalHotKeys* service = app.platform.hotkeys.get())
        service->keepHandedAfterEnd(app.settings.AutoStart);
    UnregisterHotKeys(app);
}
