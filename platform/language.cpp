// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/language.h"

#include "numora/version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace platform {

namespace {

// The translators in use; they must outlive every window that asked them.
std::unique_ptr<QTranslator> game, qt;

void drop(std::unique_ptr<QTranslator> &translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

// "de_DE" and then "de" for "de-DE"; nothing for English and the C locale.
QStringList candidates(const QString &uilanguage, bool &english)
{
    QString name = uilanguage;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0); // "de_DE.UTF-8@euro"
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    english = language == QLatin1String("en") || language == QLatin1String("c") || language == QLatin1String("posix");
    QStringList names;
    if (english || language.isEmpty())
        return names;
    for (; !name.isEmpty(); name = name.section(QLatin1Char('_'), 0, -2))
        names.append(name);
    return names;
}

} // namespace

QString translationsdir()
{
    return QDir::cleanPath(
        QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(numora::version::translations));
}

QString uselanguage(const QStringList &preferred, const QString &directory)
{
    drop(game);
    drop(qt);
    for (const QString &uilanguage : preferred) {
        bool english = false;
        for (QString name : candidates(uilanguage, english)) {
            auto translator = std::make_unique<QTranslator>();
            if (!translator->load(QStringLiteral("numora_") + name, directory))
                continue;
            game = std::move(translator);
            QCoreApplication::installTranslator(game.get());
            name = QFileInfo(game->filePath()).completeBaseName().mid(7); // the file taken: "de" for "de_DE"
            // Qt's own words (the OK of a message box), where the system has them.
            translator = std::make_unique<QTranslator>();
            if (translator->load(
                    QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                qt = std::move(translator);
                QCoreApplication::installTranslator(qt.get());
            }
            return name;
        }
        if (english)
            break;
    }
    return QString();
}

} // namespace platform
