// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QDir>
#include <QLibraryInfo>

namespace {
const QString Folder = QStringLiteral(":/i18n");
const QString Prefix = QStringLiteral("slidora_");
QString installed; // the newest Translations' language

// A translation that answers "RTL" here mirrors the layout; Qt's own
// catalogues answer it with this very disambiguation.
const struct {
    const char *source, *comment;
} Direction = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left languages (such "
    "as Hebrew and Arabic) to get proper widget layout.");
} // namespace

Translations::Translations(const QLocale& locale)
    : languageBefore(installed), direction(QGuiApplication::layoutDirection()) {
    if (!LoadTranslation(own, locale)) return;
    language = installed = own.language();
    QCoreApplication::installTranslator(&own);
    if (own.translate("QGuiApplication", Direction.source, Direction.comment) == QLatin1String("RTL"))
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    // Qt's own buttons and dialogs in the same language, where Qt has it.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qt.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(&qt);
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&qt);
    QCoreApplication::removeTranslator(&own);
    QGuiApplication::setLayoutDirection(direction);
    installed = languageBefore;
}

QString InstalledLanguage() { return installed; }

bool LoadTranslation(QTranslator& translation, const QLocale& locale) {
    return translation.load(locale, QStringLiteral("slidora"), QStringLiteral("_"), Folder);
}

QStringList TranslatedLanguages() {
    QStringList languages;
    for (const QString& file : QDir(Folder).entryList({Prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
        languages << file.mid(Prefix.size()).chopped(3);
    return languages;
}
