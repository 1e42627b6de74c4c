#include "platform/linux/XdgAutostart.h"

#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

XdgAutostart::XdgAutostart(QString entryPath, QString programPath)
    : m_entryPath(std::move(entryPath)), m_programPath(std::move(programPath)) {}

QString XdgAutostart::defaultEntryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + QStringLiteral(TESSALY_APP_ID) +
           QStringLiteral(".desktop");
}

QString XdgAutostart::execArgument(const QString& program) {
    // An argument with a reserved character is put in double quotes, inside
    // which '"', '`', '$' and '\' take a backslash; '%' is always doubled.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString arg = program;
    arg.replace(QLatin1Char('%'), QLatin1String("%%"));
    bool quote = false;
    for (const QChar c : arg)
        quote = quote || reserved.contains(c);
    if (quote) {
        QString quoted;
        for (const QChar c : arg) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        arg = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    // The Exec value is a string value too: its backslashes are escaped once more.
    return arg.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"));
}

QByteArray XdgAutostart::entryText(const QString& programPath) {
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Tessaly\n"
                                        "Comment=Changes the desktop wallpaper at log-on\n"
                                        "Exec=%1 /y\n"
                                        "Icon=%2\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(execArgument(programPath), QStringLiteral(TESSALY_APP_ID));
    return text.toUtf8();
}

bool XdgAutostart::apply(bool enabled) {
    m_error.clear();
    if (!enabled) {
        if (!QFileInfo::exists(m_entryPath) && !QFileInfo(m_entryPath).isSymLink()) return true;
        if (QFile::remove(m_entryPath)) return true;
        m_error = QCoreApplication::translate("XdgAutostart", "cannot remove %1").arg(m_entryPath);
        return false;
    }
    const QString program =
        m_programPath.isEmpty() ? QCoreApplication::applicationFilePath() : m_programPath;
    const QByteArray text = entryText(program);
    QFile current(m_entryPath);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == text) return true;
    current.close();
    if (!QDir().mkpath(QFileInfo(m_entryPath).path())) {
        m_error = QCoreApplication::translate("XdgAutostart", "cannot create %1")
                      .arg(QFileInfo(m_entryPath).path());
        return false;
    }
    QString error;
    if (WriteFileAtomically(m_entryPath, text, &error)) return true;
    m_error =
        QCoreApplication::translate("XdgAutostart", "cannot write %1: %2").arg(m_entryPath, error);
    return false;
}
