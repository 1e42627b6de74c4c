#pragma once

#include <QString>
#include <optional>

class QKeyEvent;

// What a hot-key box `txthotkey` holds after a key was captured: the key's
// virtual-key code as decimal text (the tag, which is what gets stored) and
// the text the box shows.
struct CapturedKey {
    QString tag;
    QString text;
    bool operator==(const CapturedKey&) const = default;
};

// The capture of a virtual-key code: F1 … F12 (112 … 123) and the codes
// 33 … 90 (navigation keys, digits, letters) are taken; every other code is
// refused. Also used to show a stored key as if it had been pressed.
std::optional<CapturedKey> CaptureVirtualKey(int virtualKey);

// The Windows virtual-key code of a Qt key event, or 0 when the key has none
// this program knows. Keypad digits and operators get their own keypad codes
// (96 … 111), so they are never mistaken for letters or digits; keypad
// navigation keys (Num Lock off) share the codes of the navigation keys.
int VirtualKeyFromKeyEvent(const QKeyEvent& event);

// The key-down response of a hot-key box: the captured key, or nothing when
// the key is refused (the box then keeps what it had).
std::optional<CapturedKey> CaptureHotKey(const QKeyEvent& event);
