#pragma once

#include <QString>

class AppContext;

// The address of the help pages installed beside the program, at the
// section of a help context (the contents for 0).
QString HelpAddress(const AppContext& app, int context);
