#include "platform/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace {

bool g_translated = false;

// "de_DE.UTF-8@euro" -> "de_DE".
QString LocaleName(const QString& value) {
    QString name = value.trimmed();
    const qsizetype cut = name.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (cut >= 0) name.truncate(cut);
    return name;
}

QString LanguageOf(const QString& localeName) {
    return localeName.section(QLatin1Char('_'), 0, 0).toLower();
}

} // namespace

QString ChooseLanguage(const std::function<QString(const char*)>& environment,
                       const QStringList& translated) {
    const auto chosen = [&translated](const QString& name) {
        return translated.contains(LanguageOf(name)) ? name : QString();
    };
    for (const QString& entry :
         environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString name = LocaleName(entry);
        if (LanguageOf(name) == QLatin1String("en")) return {};
        if (!chosen(name).isEmpty()) return name;
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString name = LocaleName(environment(variable));
        if (!name.isEmpty()) return chosen(name);
    }
    return {};
}

QStringList TranslatedLanguages() {
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

void InstallTranslations() {
    const QString name = ChooseLanguage(
        [](const char* variable) { return qEnvironmentVariable(variable); }, TranslatedLanguages());
    if (name.isEmpty()) return;
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(QStringLiteral(":/i18n/tessaly_") + LanguageOf(name))) {
        delete own;
        return;
    }
    QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + LanguageOf(name),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QLocale::setDefault(QLocale(name));
    g_translated = true;
}

bool InterfaceTranslated() {
    return g_translated;
}
