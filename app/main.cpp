// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"
#include "mainwindow/form1.h"
#include "platform/language.h"
#include "platform/runtime.h"

#include <QApplication>

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
    Form1 form(*engine);
    return app.exec();
}
