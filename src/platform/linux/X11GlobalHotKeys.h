#pragma once

#include "platform/GlobalHotKeys.h"

class X11GlobalHotKeys : public GlobalHotKeys {
    Q_OBJECT
public:
    using GlobalHotKeys::GlobalHotKeys;
    bool registerHotKey(int, int, int) override { return false; }
    void unregisterHotKey(int) override {}
};
