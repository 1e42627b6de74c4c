#include "platform/linux/LinuxDesktopService.h"

#include "platform/ScreenInfo.h"

#include "platform/AtomicFile.h"
#include "platform/SettingsStore.h"
#include "platform/linux/GioSettings.h"
#include "platform/linux/WaylandLayers.h"
#include "platform/linux/X11RootPixmap.h"

#include <QAbstractEventDispatcher>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QScreen>

#include <unistd.h>
#include <utility>

namespace {
constexpr quint32 kDefaultDesktopColor = 0x984E00; // RGB(0, 78, 152)

quint32 bgrToRgb(quint32 bgr) {
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

QString hexColor(quint32 bgr) {
    return QStringLiteral("#%1").arg(bgrToRgb(bgr), 6, 16, QLatin1Char('0'));
}

bool onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Where a canvas goes on the root window: a bitmap of the whole virtual
// desktop (several monitors) at its top-left corner, one of the primary
// monitor's size at that monitor.
QPoint rootOrigin(QSize canvas) {
    const ScreenLayout layout = CurrentScreenLayout();
    if (canvas == layout.bounds().size()) return layout.bounds().topLeft();
    if (QScreen* primary = QGuiApplication::primaryScreen())
        return primary->geometry().topLeft() * primary->devicePixelRatio();
    return QPoint(0, 0);
}

// GSettings reports changes through GLib's main loop, which Qt's event loop
// runs unless it was built or started without it.
bool glibEventLoop() {
    const QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance();
    return loop && loop->inherits("QEventDispatcherGlib");
}
} // namespace

LinuxDesktopService::LinuxDesktopService(SettingsStore& store,
                                         std::unique_ptr<CommandRunner> runner,
                                         QProcessEnvironment env)
    : m_store(store),
      m_runner(runner ? std::move(runner) : std::make_unique<ProcessCommandRunner>()),
      m_env(std::move(env)), m_desktop(DetectLinuxDesktop(m_env)) {
    if (HasDesktopColorSetting(m_desktop)) m_gsettings = std::make_unique<GioSettings>();
}

LinuxDesktopService::~LinuxDesktopService() = default;

// Desktops keep a picture whose file name has not changed: Plasma and
// xfdesktop compare the name and do nothing, and GNOME writes no change for
// an equal key. So the desktop is given one of two names in turn, hard links
// to (or copies of) the bitmap, and every change is a new name to it.
QString LinuxDesktopService::presentationCopy(const QString& bitmapPath) {
    const QFileInfo info(bitmapPath);
    const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName();
    const QString suffix = QLatin1Char('.') + info.suffix();
    const QString a = stem + QStringLiteral(" 1") + suffix;
    const QString b = stem + QStringLiteral(" 2") + suffix;
    QString next;
    if (m_shownPath == a)
        next = b;
    else if (m_shownPath == b)
        next = a;
    else {
        // First change of this run: the name the desktop is less likely to hold.
        const QFileInfo ia(a), ib(b);
        next = !ia.exists()   ? a
               : !ib.exists() ? b
                              : (ia.lastModified() <= ib.lastModified() ? a : b);
    }
    QFile::remove(next);
    // A hard link costs nothing and keeps the content of this composition
    // even after the fixed name is replaced by the next one; a copy serves
    // where links are refused.
    if (::link(QFile::encodeName(bitmapPath).constData(), QFile::encodeName(next).constData()) !=
            0 &&
        !QFile::copy(bitmapPath, next))
        return bitmapPath;
    return next;
}

QString LinuxDesktopService::colorPicture(const QString& bitmapPath, quint32 color) {
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(QColor(QRgb(bgrToRgb(color))));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QString path = QFileInfo(bitmapPath).path() + QStringLiteral("/Orvane Desktop Color.bmp");
    QString error;
    if (!picture.save(&buffer, "BMP") || !WriteFileAtomically(path, bytes, &error)) {
        qWarning("Tessaly: the desktop colour could not be written to %s (%s); the desktop "
                 "keeps its picture.",
                 qPrintable(path), qPrintable(error));
        return QString();
    }
    // A new name each time, as for the pictures.
    return presentationCopy(path);
}

WaylandBackground* LinuxDesktopService::waylandBackground() {
    if (m_backgroundTried) return m_background.get();
    m_backgroundTried = true;
    const bool wayland =
        !m_env.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
        m_env.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland");
    if (!wayland) return nullptr;
    // A desktop with its own interface keeps it (its settings and lock screen
    // then show the same picture), unless the user asks for the surface.
    const bool own =
        m_store.value(QStringLiteral("Options"), QStringLiteral("OwnWaylandBackground"))
            .value_or(QString()) == QLatin1String("1");
    if (m_desktop != LinuxDesktop::Other && !own) return nullptr;
    m_background = WaylandBackground::create();
    if (!m_background && m_desktop == LinuxDesktop::Other)
        qWarning("Tessaly: this Wayland compositor offers no layer-shell interface and Tessaly "
                 "knows no wallpaper interface of it; the wallpaper cannot be shown here.");
    else if (!m_background)
        qWarning("Tessaly: OwnWaylandBackground is set, but this compositor offers no "
                 "layer-shell interface; the desktop's own wallpaper interface is used.");
    return m_background.get();
}

bool LinuxDesktopService::showCanvas(const QImage& canvas) {
    if (WaylandBackground* background = waylandBackground(); background && !canvas.isNull()) {
        background->show(canvas);
        m_canvasShown = true;
        return true;
    }
    m_canvasShown = m_rootPixmap && onX11() && !canvas.isNull() &&
                    SetX11RootPixmap(canvas, rootOrigin(canvas.size()), bgrToRgb(desktopColor()));
    return m_canvasShown;
}

std::optional<QList<MonitorPictureFile>>
LinuxDesktopService::monitorPictureFiles(const QString& file) {
    const ScreenLayout layout = CurrentScreenLayout();
    const QRect bounds = layout.bounds();
    // One monitor, or one canvas of the primary monitor alone ("Primary"):
    // the one file serves every monitor.
    if (layout.monitors.size() < 2 || QImageReader(file).size() != bounds.size())
        return std::nullopt;
    QList<MonitorPictureFile> parts;
    for (const MonitorInfo& m : layout.monitors)
        parts.append({m.name, m.logicalGeometry, QString()});
    if (!TakesMonitorFiles(m_desktop)) return parts;
    const QImage canvas(file);
    if (canvas.isNull()) return std::nullopt;
    // "<name> 1 monitor 2.bmp": one file per monitor, named after the
    // presentation copy it is cut from, so that it changes name in turn too.
    const QFileInfo info(file);
    const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName();
    const auto name = [&](qsizetype i) {
        return stem + QStringLiteral(" monitor %1.").arg(i + 1) + info.suffix();
    };
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        const QRect area = layout.monitors[i].geometry.translated(-bounds.topLeft());
        if (!canvas.copy(area).save(&buffer, "BMP") || !WriteFileAtomically(name(i), bytes))
            return std::nullopt;
        parts[i].file = name(i);
    }
    // The files of monitors no longer there.
    for (qsizetype i = parts.size(); QFile::exists(name(i)); ++i)
        QFile::remove(name(i));
    return parts;
}

void LinuxDesktopService::setWallpaper(const QString& bitmapPath, const QString& position) {
    const bool clear = position == QLatin1String("Clear");
    const bool canvasShown = std::exchange(m_canvasShown, false);
    const quint32 color = desktopColor();
    if (WaylandBackground* background = waylandBackground()) {
        if (clear)
            background->showColor(QColor(QRgb(bgrToRgb(color))));
        else if (!canvasShown)
            background->show(QImage(bitmapPath));
        return;
    }
    if (m_desktop != LinuxDesktop::Other) {
        QStringList monitors;
        for (QScreen* s : QGuiApplication::screens())
            monitors << s->name();
        QString file = clear ? QString() : presentationCopy(bitmapPath);
        QString shownAs = position;
        // pcmanfm-qt goes on showing its picture when told to show its colour
        // alone: LXQt is cleared with a picture of the desktop colour.
        if (clear && m_desktop == LinuxDesktop::Lxqt) {
            file = colorPicture(bitmapPath, color);
            if (!file.isEmpty()) shownAs = QStringLiteral("Stretch");
        }
        const std::optional<QList<MonitorPictureFile>> parts =
            clear ? std::nullopt : monitorPictureFiles(file);
        if ((parts ? SetDesktopPictures(*m_runner, m_desktop, file, *parts, shownAs,
                                        m_gsettings.get())
                   : SetDesktopPicture(*m_runner, m_desktop, file, shownAs, hexColor(color),
                                       monitors, m_gsettings.get())) &&
            !clear)
            m_shownPath = file;
    }
    if (!m_rootPixmap || !onX11()) return;
    if (clear) {
        ClearX11RootPixmap(bgrToRgb(color));
        return;
    }
    // The change showed its canvas from memory already.
    if (canvasShown) return;
    const QImage image(bitmapPath);
    if (image.isNull()) return;
    SetX11RootPixmap(image, rootOrigin(image.size()), bgrToRgb(color));
}

std::optional<quint32> LinuxDesktopService::readDesktopColor() {
    if (!m_gsettings) return std::nullopt;
    if (m_followingColor) return m_color;
    const std::optional<quint32> color = ReadDesktopColorSetting(*m_gsettings, m_desktop);
    // Kept, and from now on followed, when the desktop can say it changed.
    if (color && glibEventLoop() && WatchDesktopColorSetting(*m_gsettings, m_desktop, [this] {
            m_color = ReadDesktopColorSetting(*m_gsettings, m_desktop);
        })) {
        m_followingColor = true;
        m_color = color;
    }
    return color;
}

quint32 LinuxDesktopService::desktopColor() {
    if (const std::optional<quint32> c = readDesktopColor()) return *c;
    bool ok = false;
    const quint32 v = m_store.value(QStringLiteral("Options"), QStringLiteral("DesktopColor"))
                          .value_or(QString())
                          .toUInt(&ok);
    return ok ? (v & 0xFFFFFF) : kDefaultDesktopColor;
}

void LinuxDesktopService::setDesktopColor(quint32 color) {
    if (m_gsettings && WriteDesktopColorSetting(*m_gsettings, m_desktop, color)) {
        if (m_followingColor) m_color = color & 0xFFFFFF;
        return;
    }
    m_store.setValue(QStringLiteral("Options"), QStringLiteral("DesktopColor"),
                     QString::number(color & 0xFFFFFF));
    m_store.sync();
}
