// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/language.h"

#include "numora/version.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

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

// "de_DE" and then "de" for "de-DE"; nothing for English, and nothing for the
// C locale or the "C" that Qt puts after a code it cannot map.
QStringList candidates(const QString &uilanguage, const QString &directory, bool &english)
{
    QString name = uilanguage;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0); // "de_DE.UTF-8@euro"
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    english = language == QLatin1String("en");
    QStringList names;
    if (english || language.isEmpty() || language == QLatin1String("c") || language == QLatin1String("posix"))
        return names;
    for (; !name.isEmpty(); name = name.section(QLatin1Char('_'), 0, -2))
        names.append(name);
    // Any country's translation before none: Brazilian texts read better to
    // a Portuguese player than English ones.
    const QStringList others
        = QDir(directory).entryList({QStringLiteral("numora_%1_*.qm").arg(language)}, QDir::Files, QDir::Name);
    for (const QString &file : others)
        names.append(QFileInfo(file).completeBaseName().mid(7));
    return names;
}

} // namespace

QString translationsdir()
{
    return QDir::cleanPath(
        QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(numora::version::translations));
}

QStringList preferredlanguages(const QProcessEnvironment &environment)
{
    auto value = [&environment](const char *name) { return environment.value(QLatin1String(name)); };
    QString locale = value("LC_ALL");
    if (locale.isEmpty())
        locale = value("LC_MESSAGES");
    if (locale.isEmpty())
        locale = value("LANG");
    const QString languages = value("LANGUAGE");
    if (locale.isEmpty() && languages.isEmpty())
        return QLocale::system().uiLanguages();
    // The C locale asks for the program's own words, LANGUAGE or not: what
    // people run a program in to quote it in a bug report.
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX"))
        return {};
    if (!languages.isEmpty())
        return languages.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return {locale};
}

QString uselanguage(const QStringList &preferred, const QString &directory)
{
    drop(game);
    drop(qt);
    for (const QString &uilanguage : preferred) {
        bool english = false;
        for (QString name : candidates(uilanguage, directory, english)) {
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

void printcaptionswhenasked()
{
    if (!qEnvironmentVariableIsSet("NUMORA_PRINT_CAPTIONS"))
        return;
    QTimer::singleShot(0, qApp, [] {
        QStringList captions;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            captions << window->windowTitle();
            for (QMenuBar *bar : window->findChildren<QMenuBar *>())
                for (QAction *action : bar->actions()) {
                    captions << action->text();
                    if (action->menu())
                        for (QAction *item : action->menu()->actions())
                            captions << item->text();
                }
            for (QGroupBox *frame : window->findChildren<QGroupBox *>())
                captions << frame->title();
            for (QPushButton *button : window->findChildren<QPushButton *>())
                captions << button->text();
        }
        std::fputs((captions.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8().constData(), stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}

} // namespace platform
