#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace {
const QString Folder = QStringLiteral(":/i18n");
const QString Prefix = QStringLiteral("slidora_");

// Qt mirrors the layout for a translation that answers "RTL" here.
[[maybe_unused]] const struct {
    const char *source, *comment;
} Direction = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left languages");
} // namespace

Translations::Translations(const QLocale& locale) {
    if (!own.load(locale, QStringLiteral("slidora"), QStringLiteral("_"), Folder)) return;
    language = own.language();
    QCoreApplication::installTranslator(&own);
    // Qt's own buttons and dialogs in the same language, where Qt has it.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qt.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(&qt);
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&qt);
    QCoreApplication::removeTranslator(&own);
}

QStringList TranslatedLanguages() {
    QStringList languages;
    for (const QString& file : QDir(Folder).entryList({Prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
        languages << file.mid(Prefix.size()).chopped(3);
    return languages;
}
