#pragma once

#include "shell/CommandLine.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

class AppContext;
class TrayIcon;
class InternetSource;
class DesktopWidgets;
class AboutBox;
class SettingsWindow;

// One running Tessaly: start-up after the single-instance check, the
// messages from later starts, and the orderly shutdown.
class Program : public QObject {
    Q_OBJECT
public:
    Program(AppContext& app, CommandLine commandLine, QObject* parent = nullptr);
    ~Program() override;

    // The start-up steps from choosing the data folder to the first wallpaper
    // change. The program may already have ended when it returns (ended()).
    void Main();

    // Prepares the first picture list with the sample picture and makes it
    // the wallpaper.
    void FirstRunSetup();

    // Removes the tray icon, releases the hot keys, saves every setting and
    // ends the event loop.
    void EndProgram();
    bool ended() const { return m_ended; }

    // Opens the settings window, or raises it when it is open.
    void showSettingsWindow();
    SettingsWindow* settingsWindow() const;
    // Shows the about box (modal; one at a time).
    void showAbout();
    AboutBox* aboutBox() const;
    // A message from a later start of the program.
    void handleMessage(const QString& message);
    // Does what a command-line option asks of the running program.
    void runRemote(CommandLine::Remote remote);

    TrayIcon& tray() { return *m_tray; }
    InternetSource& internet() { return *m_internet; }
    // The clock and calendar; null where widgets do not exist.
    DesktopWidgets* widgets() { return m_widgets.get(); }

private:
    AppContext& m_app;
    CommandLine m_commandLine;
    std::unique_ptr<TrayIcon> m_tray;
    std::unique_ptr<InternetSource> m_internet;
    // Collects the signals of one monitor-layout change into one recompose.
    QTimer m_layoutChanged;
    std::unique_ptr<DesktopWidgets> m_widgets;
    // The settings window while it is open (it deletes itself on closing).
    QPointer<SettingsWindow> m_settingsWindow;
    // The about box while it is open (it deletes itself on closing).
    QPointer<AboutBox> m_about;
    bool m_ended = false;
};

// The whole program: command line, single instance, start-up, event loop.
int RunTessaly(int argc, char** argv);
