#include "platform/IniSettingsStore.h"

#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>

namespace {

QString fullKey(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

// The first free name of "<path>.damaged", "<path>.damaged.2", ...
QString damagedName(const QString& path) {
    QString name = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = path + QStringLiteral(".damaged.%1").arg(n);
    return name;
}

// The fewest bytes an INI file holding `values` can have: each key, "=", its
// value and a line end, and each section's "[name]" line. Escaping only adds.
qint64 leastIniSize(const QMap<QString, QVariant>& values) {
    qint64 size = 0;
    QString section;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        const QString s = slash < 0 ? QString() : it.key().left(slash);
        if (s != section) size += s.toUtf8().size() + 3;
        section = s;
        size += it.key().mid(slash + 1).toUtf8().size() + 2;
        size += it.value().toString().toUtf8().size();
    }
    return size;
}

// The file's lines without those whose value holds a serialised variant
// ("@Variant(…)" as the value or as an item of a list). Qt's INI reader
// decodes such values as binary streams, and a damaged or hand-made one can
// make it allocate without bound or crash; this program never writes them.
QByteArray withoutVariantValues(const QByteArray& bytes) {
    static const QRegularExpression variant(QStringLiteral(R"(^[^=]*=(.*,)?\s*"?@Variant\()"));
    QByteArray kept;
    kept.reserve(bytes.size());
    for (const QByteArray& line : bytes.split('\n'))
        if (!variant.match(QString::fromUtf8(line)).hasMatch()) kept += line + '\n';
    return kept;
}

} // namespace

IniSettingsStore::IniSettingsStore(const QString& filePath) : m_path(filePath) {
    load();
}

IniSettingsStore::IniSettingsStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings)) {}

QString IniSettingsStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/tessaly/tessaly.conf");
}

void IniSettingsStore::load() {
    if (!QFileInfo::exists(m_path)) return;
    QFile file(m_path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    bool damaged = bytes.isEmpty() || bytes.contains('\0');
    // Read from a copy of its own, without serialised variants: QSettings
    // keeps what it parsed per file name and takes it again while the size
    // and the time (to the millisecond) are the same, which a file rewritten
    // within one millisecond to a value of the same length still has.
    // Without room for the copy, a file with no variants is read as it is.
    QTemporaryFile copy;
    QString readFrom = m_path;
    if (!damaged) {
        const bool variants = bytes.contains("@Variant(");
        const QByteArray kept = variants ? withoutVariantValues(bytes) : bytes;
        if (copy.open() && copy.write(kept) == kept.size() && copy.flush())
            readFrom = copy.fileName();
        else if (variants)
            damaged = true;
    }
    if (!damaged) {
        const QSettings ini(readFrom, QSettings::IniFormat);
        damaged = ini.status() != QSettings::NoError;
        if (!damaged)
            for (const QString& key : ini.allKeys()) {
                // A hand-typed name such as "[Options\\]" lists as
                // "Options//key", which QSettings reads and writes as
                // "Options/key": kept under that name, so that the values
                // held are the ones written (a second copy would make every
                // later save look cut short).
                const QString name =
                    key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
                const QVariant value = ini.value(name);
                if (!name.isEmpty() && value.isValid() && !m_values.contains(name))
                    m_values.insert(name, value);
            }
    }
    if (damaged) {
        // Kept for the user to look at or mend; the program goes on with its
        // defaults and writes a new file at the next save.
        m_values.clear();
        const QString aside = damagedName(m_path);
        if (QFile::rename(m_path, aside)) m_damagedCopy = aside;
    }
}

std::optional<QString> IniSettingsStore::value(const QString& section, const QString& key) const {
    const QVariant v = m_settings ? m_settings->value(fullKey(section, key))
                                  : m_values.value(fullKey(section, key));
    if (!v.isValid()) return std::nullopt;
    // An unquoted value with commas, typed by hand, comes back as a list.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

void IniSettingsStore::setValue(const QString& section, const QString& key, const QString& text) {
    if (m_settings)
        m_settings->setValue(fullKey(section, key), text);
    else
        m_values.insert(fullKey(section, key), text);
}

void IniSettingsStore::remove(const QString& section, const QString& key) {
    if (m_settings)
        m_settings->remove(fullKey(section, key));
    else
        m_values.remove(fullKey(section, key));
}

bool IniSettingsStore::sync() {
    m_error.clear();
    if (m_settings) {
        m_settings->sync();
        if (m_settings->status() == QSettings::NoError) return true;
        m_error =
            QCoreApplication::translate("IniSettingsStore", "the settings could not be written");
        return false;
    }
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder)) {
        m_error = QCoreApplication::translate("IniSettingsStore", "cannot create the folder %1")
                      .arg(folder);
        return false;
    }
    // The INI text comes from QSettings, written to a scratch file of its own;
    // it does not always report a write refused for lack of space, so the
    // result is checked against the least size it must have before it goes
    // through the checked write that replaces the real file.
    QByteArray bytes;
    {
        QTemporaryFile scratch(m_path + QStringLiteral(".XXXXXX"));
        if (!scratch.open()) {
            m_error = scratch.errorString();
            return false;
        }
        scratch.close();
        {
            QSettings ini(scratch.fileName(), QSettings::IniFormat);
            ini.clear();
            for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
                ini.setValue(it.key(), it.value());
            ini.sync();
            if (ini.status() != QSettings::NoError) {
                m_error = QCoreApplication::translate("IniSettingsStore",
                                                      "the settings could not be written");
                return false;
            }
        }
        // QSettings replaced the scratch file by name: read it by name.
        QFile written(scratch.fileName());
        if (written.open(QIODevice::ReadOnly)) bytes = written.readAll();
    }
    if (bytes.size() < leastIniSize(m_values)) {
        m_error = QCoreApplication::translate(
            "IniSettingsStore", "the settings could not be written in full (is the disk full?)");
        return false;
    }
    return WriteFileAtomically(m_path, bytes, &m_error);
}

QString IniSettingsStore::filePath() const {
    return m_settings ? m_settings->fileName() : m_path;
}
