#pragma once

#include <QString>

// The folder with exactly one trailing path separator; an empty folder gives
// the separator alone. Every folder and file name is joined through it.
QString AddBackslash(const QString& folder);

// Replaces each of : / \ | * ? " < > with a space, so that outside text can
// serve as a file name.
void MakeSafeFileName(QString& text);
