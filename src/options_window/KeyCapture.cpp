#include "options_window/KeyCapture.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

// Names of the keys 33 … 47, which would otherwise show as punctuation.
const char* navigationKeyName(int vk) {
    switch (vk) {
    case 33:
        return QT_TRANSLATE_NOOP("KeyCapture", "Page Up");
    case 34:
        return QT_TRANSLATE_NOOP("KeyCapture", "Page Down");
    case 35:
        return QT_TRANSLATE_NOOP("KeyCapture", "End");
    case 36:
        return QT_TRANSLATE_NOOP("KeyCapture", "Home");
    case 37:
        return QT_TRANSLATE_NOOP("KeyCapture", "Left");
    case 38:
        return QT_TRANSLATE_NOOP("KeyCapture", "Up");
    case 39:
        return QT_TRANSLATE_NOOP("KeyCapture", "Right");
    case 40:
        return QT_TRANSLATE_NOOP("KeyCapture", "Down");
    case 41:
        return QT_TRANSLATE_NOOP("KeyCapture", "Select");
    case 42:
        return QT_TRANSLATE_NOOP("KeyCapture", "Print");
    case 43:
        return QT_TRANSLATE_NOOP("KeyCapture", "Execute");
    case 44:
        return QT_TRANSLATE_NOOP("KeyCapture", "Print Screen");
    case 45:
        return QT_TRANSLATE_NOOP("KeyCapture", "Insert");
    case 46:
        return QT_TRANSLATE_NOOP("KeyCapture", "Delete");
    case 47:
        return QT_TRANSLATE_NOOP("KeyCapture", "Help");
    default:
        return nullptr;
    }
}

} // namespace

std::optional<CapturedKey> CaptureVirtualKey(int vk) {
    if (vk >= 112 && vk <= 123)
        return CapturedKey{QString::number(vk), QStringLiteral("F%1").arg(vk - 111)};
    if (vk >= 33 && vk <= 90) {
        if (const char* name = navigationKeyName(vk))
            return CapturedKey{QString::number(vk),
                               QCoreApplication::translate("KeyCapture", name)};
        return CapturedKey{QString::number(vk), QString(QChar(vk))};
    }
    return std::nullopt;
}

int VirtualKeyFromKeyEvent(const QKeyEvent& event) {
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? 96 + (key - Qt::Key_0) : key; // VK_NUMPAD0 … or '0' …
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key; // Qt's letter keys are the upper-case codes, like the virtual keys
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Select:
        return 41;
    case Qt::Key_Execute:
        return 43;
    case Qt::Key_Print:
        return 44;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Help:
        return 47;
    // Codes below 33 and above 90 that a box must refuse.
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Clear:
        return 12;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Asterisk:
        return keypad ? 106 : 0;
    case Qt::Key_Plus:
        return keypad ? 107 : 0;
    case Qt::Key_Minus:
        return keypad ? 109 : 0;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return keypad ? 110 : 0;
    case Qt::Key_Slash:
        return keypad ? 111 : 0;
    default:
        return 0;
    }
}

std::optional<CapturedKey> CaptureHotKey(const QKeyEvent& event) {
    return CaptureVirtualKey(VirtualKeyFromKeyEvent(event));
}
