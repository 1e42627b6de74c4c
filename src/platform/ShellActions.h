#pragma once

#include <QString>

// Handing files and addresses to the desktop.
class ShellActions {
public:
    virtual ~ShellActions() = default;
    // Opens a file with the program the desktop associates with it.
    virtual bool openFile(const QString& path) = 0;
    // Shows the file selected in the file manager (or at least its folder).
    virtual bool showInFolder(const QString& path) = 0;
    // Shows the file manager's properties of a file or folder; where there is
    // no such dialog, opens the folder (a file's own folder) instead.
    virtual bool showProperties(const QString& path) = 0;
    // Opens an address (web page, local help page) in the browser.
    virtual bool openUrl(const QString& url) = 0;
};
