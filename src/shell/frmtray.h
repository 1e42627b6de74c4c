#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class AppContext;
class QSystemTrayIcon;

// The program's hidden main object: it owns the tray icon and the change
// timer, and lives from start-up to shutdown.
class frmtray : public QObject {
    Q_OBJECT
public:
    explicit frmtray(AppContext& app, QObject* parent = nullptr);
    ~frmtray() override;

    // Adds the tray icon. Without a notification area the program runs on
    // without it and says so once.
    void PlaceTray();
    void removeTrayIcon();
    QSystemTrayIcon* trayIcon() const { return m_icon; }

    // Ticks every 1000 ms while automatic changing is on.
    QTimer Timer1;
    void setChangeTimer(bool enabled);

signals:
    void settingsRequested();
    void exitRequested();

private:
    AppContext& m_app;
    QSystemTrayIcon* m_icon = nullptr;
};
