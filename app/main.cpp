// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/autoplay.h"
#include "app/commandline.h"
#include "dialogs/statistics.h"
#include "mainwindow/form1.h"
#include "platform/language.h"
#include "platform/runtime.h"
#include "record/record.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>

#include <memory>

int main(int argc, char *argv[])
{
    numora::setidentity();
    if (const auto status = numora::answerbeforewindows(argc, argv))
        return *status;
    QApplication app(argc, argv);
    if (const auto status = numora::answercommandline(QCoreApplication::arguments()))
        return *status;
    platform::setupapplication(app);
    platform::uselanguage(platform::preferredlanguages(), platform::translationsdir());
    platform::printcaptionswhenasked();
    auto engine = std::make_unique<numora::Module1>();
    // For tests that play the real program: every match drawn from the same seed.
    if (const QByteArray seed = qgetenv("NUMORA_TEST_SEED"); !seed.isEmpty())
        engine->setseeder([value = seed.toUInt()] { return value; });
    // The record hears of every match beside the window, before its outcome shows.
    record::Record record;
    Form1 form(*engine);
    // The chosen strength, kept between runs (on Linux ~/.config/numora/numora.ini).
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("numora"), QStringLiteral("numora"));
    form.usesettings(&settings);
    QObject::connect(&record, &record::Record::problem, &form,
        [&form](const record::Problem &problem) { dialogs::tellrecordproblem(&form, problem); });
    engine->listen(&record);
    form.setrecord(&record);
    // Opened once the window is up, so that what it finds is told on it.
    QTimer::singleShot(0, &record, &record::Record::open);
    numora::autoplaywhenasked(form, *engine, record);
    return app.exec();
}
