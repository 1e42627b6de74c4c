#pragma once

#include <QLatin1String>
#include <QString>
#include <span>

// One row per file ending that counts as a picture. Every ending is four
// characters, compared with a name's last four characters ignoring case, so
// "jpeg" (no dot) matches any name ending in those letters. The decoder is
// chosen by the file's content, never by its ending.
struct PictureFormat {
    QLatin1String ending; // the last four characters of a picture's name
    QLatin1String name;   // what the help page and the file dialog call it
};

// The table itself, in the order the file dialog lists the endings.
std::span<const PictureFormat> PictureFormats();

// Whether the file name ends in one of the table's endings. Names shorter
// than four characters are never pictures.
bool HasPictureEnding(const QString& fileName);

// The file dialog's filters: "Pictures (*.jpg *.bmp …)" with every ending of
// the table, then "All Files (*)", separated by ";;" as QFileDialog takes them.
QString PicturesFileDialogFilter();
