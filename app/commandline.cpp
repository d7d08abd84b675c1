// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"

#include "numora/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace numora {

namespace {

enum class Unknown { allowed, refused };

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

std::optional<int> answer(const QStringList &arguments, Unknown unknown)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A two-sided number guessing game against the computer."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const bool parsed = parser.parse(arguments);
    if (parsed && parser.isSet(version)) {
        print(stdout,
            QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion()
                + QLatin1Char('\n'));
        return 0;
    }
    if (parsed && parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (unknown == Unknown::allowed)
        return std::nullopt;
    if (parsed && parser.isSet(QStringLiteral("help-all")))
        parser.process(arguments); // Qt's own options are listed only from here; prints and exits
    QString error;
    if (!parsed)
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (error.isEmpty())
        return std::nullopt;
    const QString name = QCoreApplication::applicationName();
    print(stderr, QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(name, error));
    return 2;
}

} // namespace

void setidentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("numora"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version::numeric));
    // The Wayland app id, which a desktop matches with its entry.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(version::appid));
}

std::optional<int> answerbeforewindows(int argc, char *argv[])
{
    if (argc < 2)
        return std::nullopt;
    const QCoreApplication core(argc, argv); // no display needed
    return answer(QCoreApplication::arguments(), Unknown::allowed);
}

std::optional<int> answercommandline(const QStringList &arguments)
{
    return answer(arguments, Unknown::refused);
}

} // namespace numora
