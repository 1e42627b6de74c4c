#pragma once

#include <QString>

// The desktop's start of the program at user log-on ("tessaly /y"), kept in
// step with the AutoStart setting.
class LogOnStart {
public:
    virtual ~LogOnStart() = default;
    // While `enabled`, the desktop starts this program, at its current path,
    // with "/y" at log-on; otherwise it does not. False, with the reason in
    // lastError(), when that could not be arranged.
    virtual bool apply(bool enabled) = 0;
    virtual QString lastError() const = 0;
};
