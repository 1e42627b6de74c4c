#pragma once

#include "platform/ShellActions.h"

class LinuxShellActions : public ShellActions {
public:
    bool openFile(const QString& path) override;
    bool showInFolder(const QString& path) override;
    bool showProperties(const QString& path) override;
    bool openUrl(const QString& url) override;
};
