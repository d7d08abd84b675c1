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

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The options QApplication takes for itself, as Qt lists them under --help-all,
// and those it takes without listing them. They are known here so that a
// command line can be judged before QApplication exists: QApplication needs a
// display, and without one it aborts instead of refusing a bad option.
struct QtOption
{
    const char *name;
    const char *value; // nullptr: a switch
    const char *description; // nullptr: taken but not listed
};
constexpr QtOption qtoptions[] = {
    {"qmljsdebugger", "value",
        "Activates the QML/JS debugger with a specified port. The value must be of format "
        "port:1234[,block]. \"block\" makes the application wait for a connection."},
    {"platform", "platformName[:options]",
        "QPA plugin. See QGuiApplication documentation for available options for each plugin."},
    {"platformpluginpath", "path", "Path to the platform plugins."},
    {"platformtheme", "theme", "Platform theme."},
    {"plugin", "plugin", "Additional plugins to load, can be specified multiple times."},
    {"qwindowgeometry", "geometry", "Window geometry for the main window, using the X11-syntax, like 100x100+50+50."},
    {"qwindowicon", "icon", "Default window icon."},
    {"qwindowtitle", "title", "Title of the first window."},
    {"reverse", nullptr, "Sets the application's layout direction to Qt::RightToLeft (debugging helper)."},
    {"session", "session", "Restores the application from an earlier session."},
    {"style", "style", nullptr},
    {"stylesheet", "stylesheet", nullptr},
    {"widgetcount", nullptr, nullptr},
    {"display", "display", nullptr}, // X11's own
    {"name", "name", nullptr},
    {"geometry", "geometry", nullptr},
    {"title", "title", nullptr},
    {"icon", "icon", nullptr},
    {"visual", "visual", nullptr},
    {"nograb", nullptr, nullptr},
    {"dograb", nullptr, nullptr},
    {"sync", nullptr, nullptr},
};

struct Parser
{
    QCommandLineParser parser;
    const QCommandLineOption help;
    const QCommandLineOption version;

    // Qt's options are listed only when helpall is set.
    explicit Parser(bool helpall) : help(parser.addHelpOption()), version(parser.addVersionOption())
    {
        parser.setApplicationDescription(QStringLiteral("A two-sided number guessing game against the computer."));
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions); // -platform, as Qt writes it
        for (const QtOption &qt : qtoptions) {
            QCommandLineOption option(QString::fromLatin1(qt.name),
                QString::fromLatin1(qt.description ? qt.description : ""),
                QString::fromLatin1(qt.value ? qt.value : ""));
            if (!helpall || !qt.description)
                option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }
};

// Returns the exit status when the command line is answered here.
std::optional<int> answer(const QStringList &arguments)
{
    Parser p(false);
    QCommandLineParser &parser = p.parser;
    const bool parsed = parser.parse(arguments);
    if (parsed && parser.isSet(p.version)) {
        print(stdout,
            QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion()
                + QLatin1Char('\n'));
        return 0;
    }
    if (parsed && parser.isSet(p.help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parsed && parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, Parser(true).parser.helpText());
        return 0;
    }
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
    return answer(QCoreApplication::arguments());
}

std::optional<int> answercommandline(const QStringList &arguments)
{
    return answer(arguments);
}

} // namespace numora
