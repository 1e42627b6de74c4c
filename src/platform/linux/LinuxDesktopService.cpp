#include "platform/linux/LinuxDesktopService.h"

#include "platform/ScreenInfo.h"

#include "platform/AtomicFile.h"
#include "platform/SettingsStore.h"
#include "platform/linux/X11RootPixmap.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QScreen>

#include <unistd.h>

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
} // namespace

LinuxDesktopService::LinuxDesktopService(SettingsStore& store,
                                         std::unique_ptr<CommandRunner> runner,
                                         QProcessEnvironment env)
    : m_store(store),
      m_runner(runner ? std::move(runner) : std::make_unique<ProcessCommandRunner>()),
      m_env(std::move(env)), m_desktop(DetectLinuxDesktop(m_env)) {}

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
    const quint32 color = desktopColor();
    if (m_desktop != LinuxDesktop::Other) {
        QStringList monitors;
        for (QScreen* s : QGuiApplication::screens())
            monitors << s->name();
        const QString file = clear ? QString() : presentationCopy(bitmapPath);
        const std::optional<QList<MonitorPictureFile>> parts =
            clear ? std::nullopt : monitorPictureFiles(file);
        if ((parts ? SetDesktopPictures(*m_runner, m_desktop, file, *parts, position)
                   : SetDesktopPicture(*m_runner, m_desktop, file, position, hexColor(color),
                                       monitors)) &&
            !clear)
            m_shownPath = file;
    }
    if (!m_rootPixmap || !onX11()) return;
    if (clear) {
        ClearX11RootPixmap(bgrToRgb(color));
        return;
    }
    const QImage image(bitmapPath);
    if (image.isNull()) return;
    // A bitmap of the whole virtual desktop (several monitors) starts at its
    // top-left corner; one of the primary monitor's size at that monitor.
    QPoint origin(0, 0);
    const ScreenLayout layout = CurrentScreenLayout();
    if (image.size() == layout.bounds().size())
        origin = layout.bounds().topLeft();
    else if (QScreen* primary = QGuiApplication::primaryScreen())
        origin = primary->geometry().topLeft() * primary->devicePixelRatio();
    SetX11RootPixmap(image, origin, bgrToRgb(color));
}

quint32 LinuxDesktopService::desktopColor() {
    if (HasDesktopColorSetting(m_desktop)) {
        if (const auto c = ReadDesktopColorSetting(*m_runner, m_desktop)) return *c;
    }
    bool ok = false;
    const quint32 v = m_store.value(QStringLiteral("Options"), QStringLiteral("DesktopColor"))
                          .value_or(QString())
                          .toUInt(&ok);
    return ok ? (v & 0xFFFFFF) : kDefaultDesktopColor;
}

void LinuxDesktopService::setDesktopColor(quint32 color) {
    if (HasDesktopColorSetting(m_desktop) && WriteDesktopColorSetting(*m_runner, m_desktop, color))
        return;
    m_store.setValue(QStringLiteral("Options"), QStringLiteral("DesktopColor"),
                     QString::number(color & 0xFFFFFF));
    m_store.sync();
}
