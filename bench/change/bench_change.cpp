// One wallpaper change as the user has it: `tessaly --next` until the new
// picture is the root window's pixmap, for a 6000 x 4000 JPEG on an X screen
// of 3840 x 2160 in "Fit (Reduce/Enlarge)", with the next wallpaper prepared
// and without, against `feh --bg-fill` and `hsetroot -fill` in the same run
// (median of 10 each); decoding and composing alone against `vipsthumbnail`
// to the same size; the program's memory after start, after one change and
// after many; and, on a GNOME-family session with GSettings on its keyfile
// back end, whether a change starts any process. Prints the ratios.
//
// It runs itself inside a private desktop session of that size, with its own
// home folder (tests/support/with-temp-home.sh and desktop-session.sh).
// TESSALY_BENCH_CHANGES sets how many changes the memory is measured after
// (200 by default).
#include "compose/Compose.h"
#include "context/AppContext.h"
#include "platform/IniSettingsStore.h"
#include "settings/PictureListFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace {

constexpr int kRuns = 10;
const QSize kScreen(3840, 2160);

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "bench_change: %s\n", what);
    std::exit(1);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// A photograph-like picture: gradients with fine detail, so that the JPEG is
// of a realistic size; `seed` makes each one different.
QImage makePicture(int w, int h, int seed) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int n = (x * 7919 + y * 104729 + seed * 31) % 53;
            line[x] = qRgb((x * 255 / w + n + seed * 40) & 0xFF, (y * 255 / h + n) & 0xFF,
                           ((x + y) / 40 + n + seed * 90) & 0xFF);
        }
    }
    return img;
}

// Watches the root window for a new wallpaper pixmap (_XROOTPMAP_ID written).
class RootWatch {
public:
    RootWatch() {
        m_c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_c)) fail("no X server");
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        const uint32_t mask[] = {XCB_EVENT_MASK_PROPERTY_CHANGE};
        xcb_change_window_attributes(m_c, m_root, XCB_CW_EVENT_MASK, mask);
        const char name[] = "_XROOTPMAP_ID";
        xcb_intern_atom_reply_t* r =
            xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, sizeof(name) - 1, name), nullptr);
        m_atom = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(r);
    }
    ~RootWatch() { xcb_disconnect(m_c); }
    RootWatch(const RootWatch&) = delete;
    RootWatch& operator=(const RootWatch&) = delete;

    void forget() {
        while (xcb_generic_event_t* e = xcb_poll_for_event(m_c))
            std::free(e);
    }
    bool waitForNewPixmap(int timeoutMs) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(m_c)) {
                const bool hit = (e->response_type & 0x7F) == XCB_PROPERTY_NOTIFY &&
                                 reinterpret_cast<xcb_property_notify_event_t*>(e)->atom == m_atom;
                std::free(e);
                if (hit) return true;
            }
            QThread::usleep(300);
        }
        return false;
    }

private:
    xcb_connection_t* m_c = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_atom = XCB_ATOM_NONE;
};

// A line of /proc/<pid>/stat split after the command name.
QList<QByteArray> statFields(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray line = f.readAll();
    return line.mid(line.lastIndexOf(')') + 2).split(' ');
}

// Processor time used so far, in clock ticks.
qint64 cpuTicks(qint64 pid) {
    const QList<QByteArray> f = statFields(pid);
    return f.size() > 12 ? f[11].toLongLong() + f[12].toLongLong() : -1;
}

// Page faults of the children the process has waited for: any program it
// started and that ended shows here.
qint64 childFaults(qint64 pid) {
    const QList<QByteArray> f = statFields(pid);
    return f.size() > 8 ? f[8].toLongLong() : -1;
}

double rssMb(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return -1;
}

// Whether the program is preparing the next wallpaper (its thread for that
// carries the name).
bool preparing(qint64 pid) {
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks + QLatin1Char('/') + task + QStringLiteral("/comm"));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().startsWith("next wallpaper"))
            return true;
    }
    return false;
}

// Waits until the process has used no processor time for half a second and
// prepares nothing: its change and the preparation of the next are done.
void waitIdle(qint64 pid) {
    QElapsedTimer t;
    t.start();
    qint64 before = cpuTicks(pid);
    int quiet = 0;
    while (quiet < 5 && t.elapsed() < 300000) {
        QThread::msleep(100);
        const qint64 now = cpuTicks(pid);
        quiet = now == before && !preparing(pid) ? quiet + 1 : 0;
        before = now;
    }
}

QProcessEnvironment childEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
    env.remove(QStringLiteral("GSETTINGS_BACKEND"));
    return env;
}

// Runs a program and measures until the root window has a new pixmap.
double timeToRoot(RootWatch& watch, const QString& program, const QStringList& args,
                  const QProcessEnvironment& env) {
    watch.forget();
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    const bool changed = watch.waitForNewPixmap(120000);
    const double ms = double(t.nsecsElapsed()) / 1e6;
    p.waitForFinished(120000);
    if (!changed) fail(qPrintable(program + QStringLiteral(": no new root pixmap")));
    return ms;
}

// The program running as a user has it, started at log-on.
class Tessaly {
public:
    explicit Tessaly(const QProcessEnvironment& env) : m_env(env) {
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start(QStringLiteral(TESSALY_PROGRAM), {QStringLiteral("/y")});
        if (!m_process.waitForStarted()) fail("tessaly did not start");
        QThread::msleep(1500);
        waitIdle(pid());
    }
    ~Tessaly() {
        QProcess::execute(QStringLiteral(TESSALY_PROGRAM), {QStringLiteral("--quit")});
        if (!m_process.waitForFinished(30000)) m_process.kill();
    }
    Tessaly(const Tessaly&) = delete;
    Tessaly& operator=(const Tessaly&) = delete;
    qint64 pid() const { return m_process.processId(); }
    // One `tessaly --next`; the time until the root window shows it.
    double next(RootWatch& watch) {
        return timeToRoot(watch, QStringLiteral(TESSALY_PROGRAM), {QStringLiteral("--next")},
                          m_env);
    }

private:
    QProcessEnvironment m_env;
    QProcess m_process;
};

struct NoDesktop : DesktopService {
    void setWallpaper(const QString&, const QString&) override {}
    quint32 desktopColor() override { return 0x984E00; }
    void setDesktopColor(quint32) override {}
};

// Writes the settings and the picture list a user of these pictures has.
void setUp(const QStringList& pictures, bool prepare) {
    PlatformServices services;
    services.store = std::make_unique<IniSettingsStore>(IniSettingsStore::defaultPath());
    services.desktop = std::make_unique<NoDesktop>();
    AppContext app(services);
    InitDataFolder(app);
    Settings& s = app.settings;
    s.WallPaperPosition = WallpaperPosition::of(PositionMode::FitReduceEnlarge);
    s.TechniqueTimer = ChangeTechnique::Sequence;
    s.WallpaperTimer = false;
    s.WallpaperStartup = false;
    s.WaterMarkFont = QStringLiteral("DejaVu Sans");
    s.PrepareNextWallpaper = prepare;
    if (!SaveSettings(app)) fail("could not write the settings");
    PictureListData list;
    for (const QString& p : pictures)
        list.files.append({QFileInfo(p).path() + QLatin1Char('/'), QFileInfo(p).fileName()});
    QDir().mkpath(QFileInfo(app.paths.WallPapersListPath).path());
    if (!WritePictureListFile(app.paths.WallPapersListPath, list))
        fail("could not write the picture list");
}

void report(const char* what, const std::vector<double>& ms) {
    std::printf("%-44s %7.1f ms (median of %zu; %.1f to %.1f)\n", what, median(ms), ms.size(),
                *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()));
}

int runInSession(int argc, char** argv) {
    // Offscreen for this process only: the programs it starts use the X server.
    std::vector<char*> args(argv, argv + argc);
    char platform[] = "-platform", offscreen[] = "offscreen";
    args.push_back(platform);
    args.push_back(offscreen);
    int n = int(args.size());
    QGuiApplication qapp(n, args.data());
    const int changes = qEnvironmentVariableIsSet("TESSALY_BENCH_CHANGES")
                            ? qEnvironmentVariableIntValue("TESSALY_BENCH_CHANGES")
                            : 200;
    QTemporaryDir dir;
    QStringList pictures;
    for (int i = 0; i < 3; ++i) {
        pictures << dir.filePath(QStringLiteral("photo-%1.jpg").arg(i));
        if (!makePicture(6000, 4000, i).save(pictures.last(), "JPEG", 92))
            fail("could not write the test pictures");
    }
    std::printf("input: 6000 x 4000 JPEG, %.1f MB; X screen %d x %d, \"Fit (Reduce/Enlarge)\"\n",
                double(QFileInfo(pictures[0]).size()) / 1e6, kScreen.width(), kScreen.height());
    RootWatch watch;
    const QProcessEnvironment env = childEnvironment();

    // With the next wallpaper prepared: memory after start, after one change
    // and after many; the time of ten changes in between.
    std::vector<double> prepared, unprepared;
    double rssStart = 0, rssOne = 0, rssMany = 0;
    {
        setUp(pictures, true);
        Tessaly t(env);
        rssStart = rssMb(t.pid());
        t.next(watch);
        waitIdle(t.pid());
        rssOne = rssMb(t.pid());
        for (int i = 1; i < changes; ++i) {
            const double ms = t.next(watch);
            if (i <= kRuns) prepared.push_back(ms);
            waitIdle(t.pid());
        }
        rssMany = rssMb(t.pid());
    }
    {
        setUp(pictures, false);
        Tessaly t(env);
        t.next(watch);
        for (int i = 0; i < kRuns; ++i) {
            waitIdle(t.pid());
            unprepared.push_back(t.next(watch));
        }
    }
    std::vector<double> feh, hsetroot;
    const QString fehPath = QStandardPaths::findExecutable(QStringLiteral("feh"));
    const QString hsetrootPath = QStandardPaths::findExecutable(QStringLiteral("hsetroot"));
    for (int i = 0; i <= kRuns; ++i) {
        const QString picture = pictures[i % pictures.size()];
        if (!fehPath.isEmpty()) {
            const double ms =
                timeToRoot(watch, fehPath, {QStringLiteral("--bg-fill"), picture}, env);
            if (i > 0) feh.push_back(ms);
        }
        if (!hsetrootPath.isEmpty()) {
            const double ms =
                timeToRoot(watch, hsetrootPath, {QStringLiteral("-fill"), picture}, env);
            if (i > 0) hsetroot.push_back(ms);
        }
    }
    report("tessaly --next, next wallpaper prepared:", prepared);
    report("tessaly --next, not prepared:", unprepared);
    if (!feh.empty()) report("feh --bg-fill:", feh);
    if (!hsetroot.empty()) report("hsetroot -fill:", hsetroot);
    if (!feh.empty()) {
        std::printf("ratio prepared / feh:      %.3f (goal: at most 0.4)\n",
                    median(prepared) / median(feh));
        std::printf("ratio not prepared / feh:  %.3f (goal: at most 0.7)\n",
                    median(unprepared) / median(feh));
    } else {
        std::printf("feh not found, no ratio\n");
    }
    if (!hsetroot.empty())
        std::printf("ratio prepared / hsetroot: %.3f; not prepared / hsetroot: %.3f\n",
                    median(prepared) / median(hsetroot), median(unprepared) / median(hsetroot));

    // Decoding and composing alone, in this process, against vipsthumbnail
    // making the same size.
    std::vector<double> compose, vips;
    const ScreenInfo screen{kScreen, QRect(QPoint(0, 0), kScreen), 96};
    CompositionInputs in;
    in.position = PositionMode::FitReduceEnlarge;
    in.screen = screen;
    in.watermark.WaterMarkFont = QStringLiteral("DejaVu Sans");
    const ScreenLayout layout = SingleScreenLayout(screen);
    const QString vipsPath = QStandardPaths::findExecutable(QStringLiteral("vipsthumbnail"));
    for (int i = 0; i <= 5; ++i) {
        QElapsedTimer t;
        t.start();
        SourcePicture source;
        if (!LoadPictureFor(pictures[0], in.position, kScreen, source)) fail("load failed");
        QImage canvas = ComposeDesktopPictures(layout, MonitorSharing::Same, {{&source, {}}}, in);
        DrawDesktopWatermarks(canvas, layout, MonitorSharing::Same,
                              {WatermarkFieldsForPicture(pictures[0])}, in);
        if (canvas.isNull()) fail("composition failed");
        if (i > 0) compose.push_back(double(t.nsecsElapsed()) / 1e6);
        if (vipsPath.isEmpty()) continue;
        t.restart();
        if (QProcess::execute(
                vipsPath, {pictures[0], QStringLiteral("--size"),
                           QStringLiteral("%1x%2").arg(kScreen.width()).arg(kScreen.height()),
                           QStringLiteral("-o"), dir.filePath(QStringLiteral("%s-vips.v"))}) != 0)
            fail("vipsthumbnail failed");
        if (i > 0) vips.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    report("tessaly decode + compose (in process):", compose);
    if (!vips.empty()) {
        report("vipsthumbnail to the same size:", vips);
        std::printf("ratio decode + compose / vipsthumbnail: %.3f (goal: at most 0.8)\n",
                    median(compose) / median(vips));
    } else {
        std::printf("vipsthumbnail not found, no ratio\n");
    }

    std::printf("tessaly memory (RSS), next wallpaper prepared: %.1f MB after start, %.1f MB "
                "after 1 change, %.1f MB after %d changes (goal: at most 64 MB)\n",
                rssStart, rssOne, rssMany, changes);

    // A GNOME-family session, GSettings on the keyfile back end: the keys
    // are written in the process, without a program per key.
    {
        setUp(pictures, true);
        QProcessEnvironment gnome = env;
        gnome.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
        gnome.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("keyfile"));
        Tessaly t(gnome);
        const qint64 before = childFaults(t.pid());
        for (int i = 0; i < 5; ++i) {
            t.next(watch);
            waitIdle(t.pid());
        }
        const qint64 after = childFaults(t.pid());
        QFile keyfile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                      QStringLiteral("/glib-2.0/settings/keyfile"));
        const bool written =
            keyfile.open(QIODevice::ReadOnly) && keyfile.readAll().contains("picture-uri=");
        std::printf("GNOME family (keyfile back end), 5 changes: %s; wallpaper keys %s\n",
                    after == before ? "no child process" : "child processes started",
                    written ? "written" : "NOT written");
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsSet("TESSALY_BENCH_SESSION")) return runInSession(argc, argv);
    // Again, inside a private desktop session of the measured size.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TESSALY_BENCH_SESSION"), QStringLiteral("1"));
    env.insert(QStringLiteral("TESSALY_TEST_SCREEN"), QStringLiteral("3840x2160x24"));
    QProcess session;
    session.setProcessEnvironment(env);
    session.setProcessChannelMode(QProcess::ForwardedChannels);
    const QString support = QStringLiteral(TESSALY_SOURCE_DIR "/tests/support/");
    session.start(support + QStringLiteral("with-temp-home.sh"),
                  {support + QStringLiteral("desktop-session.sh"),
                   QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath()});
    if (!session.waitForFinished(-1)) return 1;
    return session.exitStatus() == QProcess::NormalExit ? session.exitCode() : 1;
}
