#include "platform/linux/X11GlobalHotKeys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xproto.h>

// Only the key-symbol values are needed, not Xlib itself.
#define XK_MISCELLANY
#define XK_LATIN1
#include <X11/keysymdef.h>

#include <cstdlib>
#include <memory>

namespace {

// Modifier bits of the program's bindings (the Windows values).
constexpr int kAlt = 1;
constexpr int kControl = 2;
constexpr int kShift = 4;

// XF86Switch_VT_1 … XF86Switch_VT_12.
constexpr xcb_keysym_t kSwitchVT1 = 0x1008FE01;
constexpr xcb_keysym_t kSwitchVT12 = 0x1008FE0C;

struct KeySymbolsDeleter {
    void operator()(xcb_key_symbols_t* s) const { xcb_key_symbols_free(s); }
};
using KeySymbols = std::unique_ptr<xcb_key_symbols_t, KeySymbolsDeleter>;

// The screen number of the display name ("host:display.screen"), 0 when absent.
int screenNumberFromDisplayName(const QByteArray& name) {
    const int colon = name.lastIndexOf(':');
    const int dot = name.indexOf('.', colon < 0 ? 0 : colon);
    if (dot < 0) return 0;
    bool ok = false;
    const int n = name.mid(dot + 1).toInt(&ok);
    return ok && n >= 0 ? n : 0;
}

} // namespace

X11GlobalHotKeys::X11GlobalHotKeys(QObject* parent) : GlobalHotKeys(parent) {}

X11GlobalHotKeys::~X11GlobalHotKeys() {
    if (m_connection) {
        for (const Binding& b : std::as_const(m_bindings))
            for (const Grab& g : b.grabs)
                ungrab(g);
        xcb_flush(m_connection);
    }
    if (m_filterInstalled && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

quint32 X11GlobalHotKeys::keysymForVirtualKey(int vk) {
    if (vk >= '0' && vk <= '9') return XK_0 + (vk - '0');
    if (vk >= 'A' && vk <= 'Z') return XK_a + (vk - 'A');
    if (vk >= 112 && vk <= 123) // F1 … F12
        return XK_F1 + (vk - 112);
    switch (vk) {
    case 33:
        return XK_Prior; // Page Up
    case 34:
        return XK_Next; // Page Down
    case 35:
        return XK_End;
    case 36:
        return XK_Home;
    case 37:
        return XK_Left;
    case 38:
        return XK_Up;
    case 39:
        return XK_Right;
    case 40:
        return XK_Down;
    case 41:
        return XK_Select;
    case 43:
        return XK_Execute;
    case 44:
        return XK_Print; // Print Screen
    case 45:
        return XK_Insert;
    case 46:
        return XK_Delete;
    case 47:
        return XK_Help;
    default:
        return 0; // 42 (the old print key) and 58 … 64 have no key here
    }
}

bool X11GlobalHotKeys::connectToDisplay() {
    if (m_triedDisplay) return m_connection != nullptr;
    m_triedDisplay = true;
    auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!gui || QGuiApplication::platformName() != QLatin1String("xcb")) return false;
    auto* x11 = gui->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return false;
    xcb_connection_t* c = x11->connection();
    const int screen = screenNumberFromDisplayName(qgetenv("DISPLAY"));
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screen && it.rem > 1; ++i)
        xcb_screen_next(&it);
    if (!it.data) return false;
    m_connection = c;
    m_root = it.data->root;
    return true;
}

void X11GlobalHotKeys::readModifierMap() {
    m_numLockMask = 0;
    m_altMask = 0;
    KeySymbols syms(xcb_key_symbols_alloc(m_connection));
    xcb_get_modifier_mapping_reply_t* reply = xcb_get_modifier_mapping_reply(
        m_connection, xcb_get_modifier_mapping(m_connection), nullptr);
    if (syms && reply) {
        const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(reply);
        const int perModifier = reply->keycodes_per_modifier;
        // Indexes 0 … 2 are Shift, Lock and Control; 3 … 7 are Mod1 … Mod5.
        for (int mod = 3; mod < 8; ++mod) {
            for (int j = 0; j < perModifier; ++j) {
                const xcb_keycode_t code = codes[mod * perModifier + j];
                if (code == 0) continue;
                for (int col = 0; col < 4; ++col) {
                    const xcb_keysym_t sym = xcb_key_symbols_get_keysym(syms.get(), code, col);
                    if (sym == XK_Num_Lock && !m_numLockMask) m_numLockMask = quint16(1u << mod);
                    if ((sym == XK_Alt_L || sym == XK_Alt_R) && !m_altMask)
                        m_altMask = quint16(1u << mod);
                }
            }
        }
    }
    std::free(reply);
    // The usual layout when the map says nothing.
    if (!m_numLockMask) m_numLockMask = XCB_MOD_MASK_2;
    if (!m_altMask) m_altMask = XCB_MOD_MASK_1;
}

quint16 X11GlobalHotKeys::xModifiers(int flags) const {
    quint16 m = 0;
    if (flags & kAlt) m |= m_altMask;
    if (flags & kControl) m |= XCB_MOD_MASK_CONTROL;
    if (flags & kShift) m |= XCB_MOD_MASK_SHIFT;
    return m;
}

QList<quint16> X11GlobalHotKeys::lockCombinations() const {
    return {0, quint16(XCB_MOD_MASK_LOCK), m_numLockMask,
            quint16(XCB_MOD_MASK_LOCK | m_numLockMask)};
}

void X11GlobalHotKeys::ungrab(const Grab& g) {
    for (quint16 locks : lockCombinations())
        xcb_ungrab_key(m_connection, g.keycode, m_root, quint16(g.modifiers | locks));
}

bool X11GlobalHotKeys::registerHotKey(int id, int modifierFlags, int virtualKey) {
    unregisterHotKey(id);
    const auto refuse = [&](const QString& why) {
        setStatus(id, {HotKeyStatus::State::Refused, why, {}});
        return false;
    };
    const quint32 keysym = keysymForVirtualKey(virtualKey);
    // A binding needs a key this program knows and at least one modifier.
    if (keysym == 0 || (modifierFlags & (kAlt | kControl | kShift)) == 0)
        return refuse(QCoreApplication::translate("HotKeys", "not a combination Tessaly can bind"));
    if (!connectToDisplay())
        return refuse(QCoreApplication::translate("HotKeys", "no X display to grab keys on"));
    readModifierMap();

    KeySymbols syms(xcb_key_symbols_alloc(m_connection));
    if (!syms)
        return refuse(
            QCoreApplication::translate("HotKeys", "the X server's key map cannot be read"));
    QList<xcb_keycode_t> keycodes;
    for (quint32 sym :
         {keysym,
          quint32(virtualKey >= 'A' && virtualKey <= 'Z' ? XK_A + (virtualKey - 'A') : 0)}) {
        if (sym == 0) continue;
        xcb_keycode_t* found = xcb_key_symbols_get_keycode(syms.get(), sym);
        for (xcb_keycode_t* k = found; k && *k != XCB_NO_SYMBOL; ++k)
            if (!keycodes.contains(*k)) keycodes.append(*k);
        std::free(found);
    }
    if (keycodes.isEmpty())
        return refuse(QCoreApplication::translate("HotKeys", "the keyboard has no such key"));
    // Where the keymap gives Ctrl+Alt+F1 … F12 to the server for switching
    // virtual terminals, those presses never reach any client: a grab would
    // succeed yet the binding would never fire, so it is refused instead.
    if ((modifierFlags & (kAlt | kControl | kShift)) == (kAlt | kControl)) {
        for (xcb_keycode_t code : std::as_const(keycodes))
            for (int col = 0; col < 8; ++col) {
                const xcb_keysym_t sym = xcb_key_symbols_get_keysym(syms.get(), code, col);
                if (sym >= kSwitchVT1 && sym <= kSwitchVT12)
                    return refuse(QCoreApplication::translate(
                        "HotKeys", "not allowed by the desktop: the X server "
                                   "keeps it for switching consoles"));
            }
    }

    const quint16 mods = xModifiers(modifierFlags);
    // The server lets a client grab its own combination twice; another of
    // this program's bindings holding it counts as taken.
    for (auto it = m_bindings.cbegin(); it != m_bindings.cend(); ++it)
        for (const Grab& g : it->grabs)
            if (g.modifiers == mods && keycodes.contains(g.keycode))
                return refuse(
                    QCoreApplication::translate("HotKeys", "taken by another Tessaly hot key"));

    Binding binding;
    bool refused = false;
    for (xcb_keycode_t code : std::as_const(keycodes)) {
        const Grab grab{code, mods};
        QList<xcb_void_cookie_t> cookies;
        for (quint16 locks : lockCombinations())
            cookies.append(xcb_grab_key_checked(m_connection, 1, m_root, quint16(mods | locks),
                                                code, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        for (const xcb_void_cookie_t& cookie : std::as_const(cookies)) {
            if (xcb_generic_error_t* error = xcb_request_check(m_connection, cookie)) {
                // BadAccess: another client holds the combination. Any other
                // error leaves the binding unusable as well.
                refused = true;
                std::free(error);
            }
        }
        binding.grabs.append(grab);
        if (refused) break;
    }
    if (refused) {
        // Release whatever part of the combination was grabbed.
        for (const Grab& g : std::as_const(binding.grabs))
            ungrab(g);
        xcb_flush(m_connection);
        return refuse(QCoreApplication::translate("HotKeys", "taken by another program"));
    }
    m_bindings.insert(id, binding);
    setStatus(id, {HotKeyStatus::State::InForce, {}, {}});
    if (!m_filterInstalled) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        m_filterInstalled = true;
    }
    xcb_flush(m_connection);
    return true;
}

void X11GlobalHotKeys::unregisterHotKey(int id) {
    clearStatus(id);
    const auto it = m_bindings.find(id);
    if (it == m_bindings.end()) return;
    for (const Grab& g : std::as_const(it->grabs)) {
        ungrab(g);
        m_held.remove(g.keycode);
        m_releaseTime.remove(g.keycode);
    }
    m_bindings.erase(it);
    // A round trip: once this returns the server has let the keys go, so
    // another program (or a row taking them over) can grab them at once.
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

bool X11GlobalHotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || m_bindings.isEmpty()) return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    const quint8 type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) return false;
    auto* key = reinterpret_cast<xcb_key_press_event_t*>(event);
    if (key->event != m_root) return false;
    if (type == XCB_KEY_RELEASE) {
        m_releaseTime.insert(key->detail, key->time);
        return m_held.remove(key->detail);
    }
    // Compare only Shift, Control and Mod1 … Mod5, without Num Lock.
    const quint16 relevant =
        quint16((XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_2 |
                 XCB_MOD_MASK_3 | XCB_MOD_MASK_4 | XCB_MOD_MASK_5) &
                ~m_numLockMask);
    const quint16 state = key->state & relevant;
    for (auto it = m_bindings.cbegin(); it != m_bindings.cend(); ++it) {
        for (const Grab& g : it->grabs) {
            if (g.keycode == key->detail && g.modifiers == state) {
                // A key held down repeats: either presses with no release in
                // between, or a release and a press with the same time stamp.
                // One press of the keys is one action.
                const bool repeat = m_held.contains(key->detail) ||
                                    m_releaseTime.value(key->detail, key->time + 1) == key->time;
                if (repeat) {
                    m_held.insert(key->detail);
                    return true;
                }
                m_held.insert(key->detail);
                emit activated(it.key());
                return true;
            }
        }
    }
    return false;
}
