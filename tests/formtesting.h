// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Shared set-up for tests that drive the real main window: the application's
// style and fonts, a seeded engine, and the platform seams that would
// otherwise beep, block on a message box or end the program. A message box
// opens only where the test names its text beforehand: any other, or none
// where one is named, fails the test.

#include "engine/module1.h"
#include "mainwindow/form1.h"
#include "platform/colourbutton.h"
#include "platform/runtime.h"

#include <QApplication>
#include <QStyleHints>
#include <QtTest>

#include <memory>
#include <utility>

struct FormHarness
{
    FormHarness()
    {
        engine = std::make_unique<numora::Module1>();
        engine->setseeder([this] { return seed++; });
        auto &hooks = platform::hooks();
        hooks.beep = [this] { ++beeps; };
        hooks.messagebox = [this](const QString &text) {
            if (expected.isEmpty() || expected.takeFirst() != text)
                unexpected << text;
        };
        hooks.endprogram = [this] { ++ends; };
        form = std::make_unique<Form1>(*engine);
    }
    ~FormHarness()
    {
        checkmessages();
        form.reset();
        platform::hooks() = {};
    }

    // Lets posted work run: the engine resumes after a confirm has returned.
    static void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // unloaded windows
        }
    }

    // The next action opens a message box with this text.
    void expectmessage(const QString &text) { expected << text; }
    void checkmessages()
    {
        const QStringList opened = std::exchange(unexpected, {}), missing = std::exchange(expected, {});
        QVERIFY2(opened.isEmpty(), qPrintable("unexpected message box: " + opened.join(" | ")));
        QVERIFY2(missing.isEmpty(), qPrintable("no message box: " + missing.join(" | ")));
    }

    void click(int command)
    {
        QTest::mouseClick(form->Command[command], Qt::LeftButton);
        settle();
        checkmessages();
    }
    void type(const QString &digits)
    {
        for (QChar c : digits)
            click(pad::ofdigit(c.digitValue()));
    }
    void confirmnumber(const QString &digits)
    {
        type(digits);
        click(pad::confirmnumber);
    }
    void answer(int plus, int minus)
    {
        click(pad::pluscolumn[plus]);
        click(pad::minuscolumn[minus]);
        click(pad::confirmsigns);
    }
    void keypad(int key)
    {
        QTest::keyClick(form->windowHandle(), Qt::Key(key), Qt::KeypadModifier);
        settle();
        checkmessages();
    }

    std::uint32_t seed = 1;
    int beeps = 0;
    int ends = 0;
    QStringList expected, unexpected; // message box texts
    std::unique_ptr<numora::Module1> engine;
    std::unique_ptr<Form1> form;
};

inline void setupformtests()
{
    platform::setupapplication(*qApp);
    // Keys answer the computer's guess at once; the reply delay has a test of its own.
    QGuiApplication::styleHints()->setKeyboardInputInterval(0);
}
