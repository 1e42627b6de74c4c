#include "shell/Program.h"

#include "collection/Collection.h"
#include "collection/PreparedWallpaper.h"
#include "collection/WallpaperJobs.h"
#include "compose/Compose.h"
#include "context/AppContext.h"
#include "hotkeys/HotKeys.h"
#include "internet/InternetStepping.h"
#include "options_window/AboutBox.h"
#include "options_window/Help.h"
#include "options_window/SettingsWindow.h"
#include "platform/Language.h"
#include "platform/Memory.h"
#include "platform/SingleInstance.h"
#include "settings/DataFolder.h"
#include "settings/FileNames.h"
#include "settings/PictureListFile.h"
#include "settings/SettingsIO.h"
#include "shell/HotKeyActions.h"
#include "shell/Messages.h"
#include "shell/SignalRelay.h"
#include "shell/TrayIcon.h"
#include "widgets/DesktopWidgets.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QSessionManager>
#include <cstdio>

namespace {

// First-run colours of the widgets (0x00BBGGRR).
void FirstRunWidgetColours(Settings& s) {
    s.Ctitle.color = 0x800000;
    s.CDnames.color = 0x800000;
    s.CD.color = 0xFF0000;
    s.CTD.color = 0xC00000;
    s.ClockDigit.color = 0xC00000;
    s.Sec = 0xC00000;
    s.Min = 0x800000;
    s.Hour = 0x800000;
}

// A problem the user must hear of: in a bubble, which the notifier itself
// puts on standard error in a session without notifications (and without
// the tray icon's own message), so it is said once there.
void tell(AppContext& app, const QString& text) {
    app.platform.notifier->showBubble(text, 10000, BubbleKind::Message);
}

} // namespace

Program::Program(AppContext& app, CommandLine commandLine, QObject* parent)
    : QObject(parent), m_app(app), m_commandLine(std::move(commandLine)),
      m_tray(std::make_unique<TrayIcon>(app)) {
    connect(&m_app.events, &AppEvents::changeTimerWanted, m_tray.get(), &TrayIcon::setChangeTimer);
    connect(&m_app.events, &AppEvents::settingsWindowWanted, this, &Program::showSettingsWindow);
    connect(&m_app.events, &AppEvents::hotKeyPressed, this,
            [this](int id) { HotKeyAction(m_app, id); });
    // Every monitor gets its wallpaper; a new monitor layout (a laptop docked)
    // is composed again within a moment, without moving to the next picture.
    m_app.screens = &CurrentScreenLayout;
    m_layoutChanged.setSingleShot(true);
    m_layoutChanged.setInterval(300);
    // A change under way starts over for the new layout.
    connect(&m_layoutChanged, &QTimer::timeout, this, [this] {
        if (!m_ended) RecomposeWallpaper(m_app);
    });
    const auto watch = [this](QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, &m_layoutChanged, qOverload<>(&QTimer::start));
    };
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        for (QScreen* screen : QGuiApplication::screens())
            watch(screen);
        connect(gui, &QGuiApplication::screenAdded, this, [this, watch](QScreen* screen) {
            watch(screen);
            m_layoutChanged.start();
        });
        connect(gui, &QGuiApplication::screenRemoved, &m_layoutChanged,
                qOverload<>(&QTimer::start));
        connect(gui, &QGuiApplication::primaryScreenChanged, &m_layoutChanged,
                qOverload<>(&QTimer::start));
    }
    // The internet source's changes go through its cooldown and its queue.
    m_internet = std::make_unique<InternetSource>(m_app);
    connect(&m_app.events, &AppEvents::internetNextWanted, m_internet.get(),
            [this] { m_internet->InternetNext(false); });
    // The history shows an internet picture again from the download cache.
    JobsOf(m_app).setInternetPictures(
        [internet = QPointer<InternetSource>(m_internet.get())](const QString& address) {
            return internet ? internet->cache().CacheLookup(address) : std::nullopt;
        });
    if (m_app.IsNT) {
        m_widgets = std::make_unique<DesktopWidgets>(m_app);
        m_app.widgetWindows = true;
        m_tray->setWidgets(m_widgets.get());
    }
    // The timer, the picture list and the hot keys follow every change of
    // their settings, whoever made it.
    connect(&m_app.events, &AppEvents::changed, this, [this](SettingsParts parts) {
        if (m_ended) return;
        if (parts & (SettingsPart::Timer | SettingsPart::PictureLists))
            RefreshSettings(m_app, parts.testFlag(SettingsPart::PictureLists));
        if (parts.testFlag(SettingsPart::HotKeys)) RegisterHotKeys(m_app);
    });
    connect(m_tray.get(), &TrayIcon::settingsRequested, this, &Program::showSettingsWindow);
    connect(m_tray.get(), &TrayIcon::nextWallpaperRequested, this,
            [this] { NextWallpaper(m_app); });
    connect(m_tray.get(), &TrayIcon::previousWallpaperRequested, this,
            [this] { PreviousWallpaper(m_app); });
    connect(m_tray.get(), &TrayIcon::clearWallpaperRequested, this,
            [this] { ClearWallpaper(m_app); });
    connect(m_tray.get(), &TrayIcon::aboutRequested, this, &Program::showAbout);
    connect(m_tray.get(), &TrayIcon::helpRequested, this,
            [this] { m_app.platform.shell->openUrl(HelpAddress(m_app, 5)); });
    connect(m_tray.get(), &TrayIcon::exitRequested, this, &Program::EndProgram);
}

Program::~Program() {
    delete m_about;
    delete m_settingsWindow;
    m_tray->setWidgets(nullptr);
}

void Program::Main() {
    InitDataFolder(m_app);
    const QStringList repaired = LoadSettings(m_app);
    const QString damaged = m_app.platform.store->damagedCopy();
    if (!damaged.isEmpty())
        tell(m_app, QCoreApplication::translate(
                        "Program", "Tessaly could not read its settings file and uses the default "
                                   "settings. The damaged file was kept as %1.")
                        .arg(damaged));
    // Mended values are saved as mended, so this is said once.
    else if (!repaired.isEmpty())
        tell(m_app,
             QCoreApplication::translate(
                 "Program", "Some settings held values Tessaly cannot use and were reset: %1.")
                 .arg(repaired.join(QStringLiteral(", "))));
    // The log-on start follows AutoStart, and an entry left by this program
    // at another path (moved, or reinstalled elsewhere) now names this one.
    if (!KeepLogOnStartInStep(m_app))
        tell(m_app, QCoreApplication::translate("Program",
                                                "Tessaly could not set up its start at log-on: %1.")
                        .arg(m_app.platform.logOnStart->lastError()));
    const bool firstRun = StoredFirstRun(*m_app.platform.store);
    // The icon with its menu comes first, so that a long first folder scan
    // shows its progress beside a live icon.
    m_tray->PlaceTray();
    if (firstRun)
        FirstRunSetup();
    else
        RefreshSettings(m_app, true);
    // Until the settings window can rebuild it, the internet file list is
    // built at start-up from the stored category choices when there is none.
    if (m_app.settings.WPSource == WallpaperSource::Internet &&
        !QFileInfo::exists(m_app.paths.InternetListPath))
        m_internet->RefreshAndRebuild();
    // The clock and calendar at their places, styled by the loaded settings.
    if (m_widgets) m_widgets->arrange();
    RegisterHotKeys(m_app);

    const bool manualStart =
        !m_commandLine.logOn && m_commandLine.remote == CommandLine::Remote::None;
    if (manualStart || m_commandLine.remote == CommandLine::Remote::Settings) {
        showSettingsWindow();
        if (manualStart && firstRun) m_app.platform.shell->openUrl(HelpAddress(m_app, 0));
    }
    if (m_commandLine.logOn) {
        if (!m_app.settings.AutoStart) {
            EndProgram();
            return;
        }
        if (m_app.settings.WallpaperStartup) NextWallpaper(m_app);
    }
    // A remote-control option with no instance running: do its action now.
    runRemote(m_commandLine.remote);
}

void Program::runRemote(CommandLine::Remote remote) {
    switch (remote) {
    case CommandLine::Remote::Next:
        NextWallpaper(m_app);
        break;
    case CommandLine::Remote::Previous:
        PreviousWallpaper(m_app);
        break;
    case CommandLine::Remote::Clear:
        ClearWallpaper(m_app);
        break;
    case CommandLine::Remote::ToggleTimer:
        ToggleAutomaticChanging(m_app);
        break;
    case CommandLine::Remote::Settings:
        showSettingsWindow();
        break;
    case CommandLine::Remote::Quit:
        EndProgram();
        break;
    case CommandLine::Remote::None:
        break;
    }
}

void Program::FirstRunSetup() {
    if (m_app.IsNT) FirstRunWidgetColours(m_app.settings);
    m_app.settings.CurWallPaper = 1;
    // A picture list that is already there (settings lost or damaged, a
    // reinstall) is the user's: it is kept, and the wallpaper left as it is.
    if (QFileInfo::exists(m_app.paths.WallPapersListPath)) {
        RefreshSettings(m_app, true);
        return;
    }
    PictureListData list;
    list.files.append({AddBackslash(m_app.programFolder), QStringLiteral("sample.jpg")});
    if (!WritePictureListFile(m_app.paths.WallPapersListPath, list, false))
        tell(m_app,
             QCoreApplication::translate("Program", "Tessaly could not write its picture list %1.")
                 .arg(m_app.paths.WallPapersListPath));
    RefreshSettings(m_app, true);
    m_app.settings.WallPaperPosition = WallpaperPosition::of(PositionMode::FitReduceEnlarge);
    ShowPictureAsWallpaper(m_app, AddBackslash(m_app.programFolder) + QStringLiteral("sample.jpg"),
                           std::nullopt);
}

void Program::EndProgram() {
    if (m_ended) return;
    m_ended = true;
    // The window may be the caller's caller (its own Exit): it goes once
    // the call has returned.
    if (m_settingsWindow) {
        m_settingsWindow->hide();
        m_settingsWindow->deleteLater();
    }
    if (m_about) {
        m_about->hide();
        m_about->deleteLater();
    }
    // Every job stops where it is (a folder scan, a change, the preparation
    // of the next wallpaper) and nothing they were doing reaches the desktop
    // or a file; downloads in flight end now instead of at their time-out.
    emit m_app.events.ending();
    if (m_app.prepared) m_app.prepared->drop();
    m_tray->removeTrayIcon();
    EndHotKeys(m_app);
    if (!SaveSettings(m_app))
        tell(m_app, QCoreApplication::translate(
                        "Program", "Tessaly could not save its settings: %1. The previous settings "
                                   "are kept.")
                        .arg(m_app.platform.store->lastError()));
    QCoreApplication::exit(0);
}

void Program::showSettingsWindow() {
    if (m_ended) return;
    // One window at a time: asking again brings the open one to the front.
    if (!m_settingsWindow) {
        OptionsWindowParts parts;
        parts.internet = m_internet.get();
        parts.widgets = m_widgets.get();
        parts.feeds = m_widgets ? &m_widgets->feeds() : nullptr;
        // Until the timer's first tick starts the count, it counts from now.
        parts.lastChangeTick = [this] {
            return m_tray->scheduler().tag.isEmpty() ? m_tray->LastChangeTick()
                                                     : m_app.platform.clock->nowMs();
        };
        parts.shutdown = [this] { EndProgram(); };
        parts.about = [this] { showAbout(); };
        m_settingsWindow = new SettingsWindow(m_app, std::move(parts));
    }
    m_settingsWindow->show();
    m_settingsWindow->raise();
    m_settingsWindow->activateWindow();
}

void Program::showAbout() {
    if (m_ended) return;
    // One at a time, and nothing else of the program takes input meanwhile.
    if (!m_about) {
        m_about = new AboutBox(m_app);
        m_about->setWindowModality(Qt::ApplicationModal);
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void Program::handleMessage(const QString& message) {
    if (m_ended) return;
    if (message == Messages::Restore)
        runRemote(CommandLine::Remote::Settings);
    else if (message == Messages::End)
        runRemote(CommandLine::Remote::Quit);
    else if (message == Messages::Next)
        runRemote(CommandLine::Remote::Next);
    else if (message == Messages::Previous)
        runRemote(CommandLine::Remote::Previous);
    else if (message == Messages::Clear)
        runRemote(CommandLine::Remote::Clear);
    else if (message == Messages::ToggleTimer)
        runRemote(CommandLine::Remote::ToggleTimer);
}

int RunTessaly(int argc, char** argv) {
    ReturnLargeBlocksWhenFreed();
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const CommandLine cl = CommandLine::parse(args);
    if (!cl.unknown.isEmpty() || cl.help) {
        // The help speaks the desktop's language too; it needs no display.
        QCoreApplication core(argc, argv);
        InstallTranslations();
        if (cl.help) {
            std::fputs(qPrintable(CommandLineUsage()), stdout);
            return 0;
        }
        std::fputs(qPrintable(QCoreApplication::translate("Program", "tessaly: unknown option '%1'")
                                  .arg(cl.unknown) +
                              QStringLiteral("\n\n") + CommandLineUsage()),
                   stderr);
        return 2;
    }
    if (cl.version) {
        std::printf("Tessaly %s\n", TESSALY_VERSION);
        return 0;
    }

    // One instance per user: a later start hands its message over and ends,
    // before it opens a display or reads anything.
    QString socketError;
    const QString serverName = SingleInstance::defaultServerName(&socketError);
    if (serverName.isEmpty()) {
        std::fprintf(stderr, "Tessaly: %s\n", qPrintable(socketError));
        return 1;
    }
    using Sent = SingleInstance::SendResult;
    // An instance that holds the socket but takes no message is hung: say so
    // rather than report success, and do not start a second one beside it.
    const auto notResponding = [] {
        std::fputs("Tessaly is not responding\n", stderr);
        return 1;
    };
    const auto otherUser = [&serverName] {
        std::fprintf(stderr, "Tessaly: %s belongs to another user's program\n",
                     qPrintable(serverName));
        return 1;
    };
    if (cl.remote == CommandLine::Remote::Quit) {
        const Sent sent = SingleInstance::send(serverName, cl.messageForRunningInstance());
        if (sent == Sent::NotResponding) return notResponding();
        if (sent == Sent::OtherUser) return otherUser();
        if (sent == Sent::NotRunning) std::puts("Tessaly is not running");
        return 0;
    }
    SingleInstance instance(serverName);
    instance.lock();
    const Sent sent = SingleInstance::send(serverName, cl.messageForRunningInstance());
    if (sent == Sent::Delivered) return 0;
    if (sent == Sent::NotResponding) return notResponding();
    if (sent == Sent::OtherUser) return otherUser();

    // With no display at all the program still runs, without its icon.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    InstallTranslations();
    QApplication::setApplicationName(QStringLiteral("tessaly"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tessaly"));
    // Ties the windows and the tray icon to the menu entry (Wayland, StatusNotifierItem).
    QGuiApplication::setDesktopFileName(QStringLiteral(TESSALY_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);

    if (!instance.listen())
        std::fprintf(stderr,
                     "Tessaly: could not listen on %s; later starts will not reach this one.\n",
                     qPrintable(serverName));
    instance.unlock();

    std::unique_ptr<PlatformServices> services = createPlatformServices();
    // A log-on start with automatic start switched off ends before loading anything.
    if (cl.logOn && !StoredAutoStart(*services->store)) return 0;

    AppContext app(*services);
    app.IsNT = services->widgetsSupported;
    Program program(app, cl);
    QObject::connect(&instance, &SingleInstance::messageReceived, &program,
                     &Program::handleMessage);

    // Log-out, SIGTERM and Ctrl+C end the program in order, so nothing is lost.
    SignalRelay relay;
    QObject::connect(&relay, &SignalRelay::terminationRequested, &program, &Program::EndProgram);
    QObject::connect(&qapp, &QCoreApplication::aboutToQuit, &program, &Program::EndProgram);
    // A session manager ending the session asks for data first; the X
    // connection may be gone before the program would otherwise save.
    QObject::connect(&qapp, &QGuiApplication::commitDataRequest, &program,
                     [&app](QSessionManager&) { SaveSettings(app); });

    program.Main();
    const int status = program.ended() ? 0 : QApplication::exec();
    // The settings are saved; the jobs still stopping do not keep a new start
    // waiting.
    instance.stopListening();
    return status;
}

AboutBox* Program::aboutBox() const {
    return m_about;
}

SettingsWindow* Program::settingsWindow() const {
    return m_settingsWindow;
}
