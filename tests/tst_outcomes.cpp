// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The three outcome dialogs: their layout, their keys and buttons, and where
// they open.

#include "dialogs/outcomes.h"
#include "dialogs/programicon.h"
#include "platform/colourbutton.h"
#include "platform/runtime.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using dialogs::OutcomeDialog;

namespace {

enum Kind { won, lost, draw };

OutcomeDialog *make(Kind kind, QWidget *owner)
{
    switch (kind) {
    case won:
        return new dialogs::frmUwin(owner);
    case lost:
        return new dialogs::frmUlost(owner);
    case draw:
        return new dialogs::TSdraw(owner);
    }
    return nullptr;
}

// A control by the name it has in the dialog's design.
QWidget *control(OutcomeDialog *dialog, const QString &name)
{
    if (name == QLatin1String("Command1"))
        return dialog->Command1;
    if (name == QLatin1String("Command2"))
        return dialog->Command2;
    if (auto *w = qobject_cast<dialogs::frmUwin *>(dialog))
        return name == QLatin1String("Label1") ? w->Label1 : name == QLatin1String("Picture2") ? w->Picture2 : nullptr;
    if (auto *l = qobject_cast<dialogs::frmUlost *>(dialog))
        return name == QLatin1String("Label1") ? l->Label1 : name == QLatin1String("Picture1") ? l->Picture1 : nullptr;
    if (auto *d = qobject_cast<dialogs::TSdraw *>(dialog))
        return name == QLatin1String("Label1")  ? d->Label1
            : name == QLatin1String("Label2")   ? d->Label2
            : name == QLatin1String("Picture1") ? d->Picture1
                                                : nullptr;
    return nullptr;
}

void flushdeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool contains(const QImage &image, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

class tst_outcomes : public QObject
{
    Q_OBJECT

private:
    QWidget *owner = nullptr;
    int endings = 0;

    OutcomeDialog *shown(Kind kind)
    {
        OutcomeDialog *dialog = make(kind, owner);
        dialog->show();
        dialog->activateWindow();
        return dialog;
    }

private slots:
    void initTestCase()
    {
        platform::setupapplication(*qApp);
        owner = new QWidget;
        platform::hooks().endprogram = [this] { ++endings; };
    }
    void cleanupTestCase()
    {
        platform::hooks().endprogram = nullptr;
        delete owner;
    }
    void cleanup()
    {
        flushdeletes();
        qDeleteAll(owner->findChildren<OutcomeDialog *>(Qt::FindDirectChildrenOnly));
        endings = 0;
    }

    // Each picture is stored in the sizes its dialog can use.
    void picturesAreStored_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("size");
        const auto row = [](const char *name, int size) {
            QTest::addRow("%s %d", name, size)
                << QStringLiteral(":/outcomes/%1-%2.png").arg(QLatin1String(name)).arg(size) << size;
        };
        for (int size : {16, 32, 48})
            row("oldman", size);
        for (int size : {16, 32}) {
            row("wheelchair", size);
            row("handshake", size);
        }
    }
    void picturesAreStored()
    {
        QFETCH(QString, file);
        QFETCH(int, size);
        const QImage image(file);
        QVERIFY2(!image.isNull(), qPrintable(file));
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
    }

    // Title, client size, border, background and font of each window.
    void windowSettings_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("ownwindow");
        QTest::addColumn<bool>("bold");
        QTest::newRow("frmUwin") << int(won) << "You Won!" << QSize(272, 125) << false << true;
        QTest::newRow("frmUlost") << int(lost) << " You have lost!" << QSize(287, 78) << false << false;
        QTest::newRow("TSdraw") << int(draw) << " It's a draw!" << QSize(186, 114) << true << false;
    }
    void windowSettings()
    {
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(QSize, client);
        QFETCH(bool, ownwindow);
        QFETCH(bool, bold);
        OutcomeDialog *dialog = shown(Kind(kind));
        QCOMPARE(dialog->windowTitle(), title);
        QCOMPARE(dialog->size(), client);
        QVERIFY(!dialog->isModal());
        QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));

        const Qt::WindowFlags flags = dialog->windowFlags();
        QCOMPARE(dialog->windowType(), ownwindow ? Qt::Window : Qt::Dialog);
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
        QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), ownwindow);
        QCOMPARE(flags.testFlag(Qt::WindowMaximizeButtonHint), ownwindow);
        QCOMPARE(dialog->minimumSize() == dialog->maximumSize(), !ownwindow);

        QCOMPARE(dialog->font().pointSizeF(), 8.25);
        QCOMPARE(dialog->font().bold(), bold);

        // The program's own icon, whatever the application's icon is.
        const QIcon programicon = dialogs::programicon();
        QVERIFY(!programicon.isNull());
        QCOMPARE(dialog->windowIcon().pixmap(32, 32).toImage(), programicon.pixmap(32, 32).toImage());

        const QImage image = dialog->grab().toImage();
        QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(image.width() / 2, 2), QColor(0, 0, 0));
    }

    // Every control's place in pixels, caption, colours and font.
    void controls_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("colour"); // label text or button face
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");

        const QColor brightred(255, 0, 0), darkred(192, 0, 0), green(0, 192, 0), olive(192, 192, 0);
        QTest::newRow("frmUwin Label1") << int(won) << "Label1" << QRect(16, 8, 169, 49)
                                        << "Congratulations!  Play again?" << brightred << 15.0 << true;
        QTest::newRow("frmUwin Command1")
            << int(won) << "Command1" << QRect(16, 88, 81, 25) << "YES" << darkred << 8.25 << true;
        QTest::newRow("frmUwin Command2")
            << int(won) << "Command2" << QRect(176, 88, 81, 25) << "NO" << darkred << 8.25 << true;
        QTest::newRow("frmUlost Label1") << int(lost) << "Label1" << QRect(8, 8, 233, 25) << "Play again?" << brightred
                                         << 15.0 << true;
        QTest::newRow("frmUlost Command1")
            << int(lost) << "Command1" << QRect(8, 48, 97, 25) << "YES" << green << 8.25 << true;
        QTest::newRow("frmUlost Command2")
            << int(lost) << "Command2" << QRect(184, 48, 97, 25) << "NO" << green << 8.25 << true;
        QTest::newRow("TSdraw Label1") << int(draw) << "Label1" << QRect(0, 8, 233, 25) << " Not bad at all!"
                                       << brightred << 15.0 << true;
        QTest::newRow("TSdraw Label2") << int(draw) << "Label2" << QRect(0, 40, 129, 25) << " Play again?" << brightred
                                       << 15.0 << true;
        QTest::newRow("TSdraw Command1") << int(draw) << "Command1" << QRect(8, 80, 81, 25) << "YES" << olive << 8.25
                                         << false;
        QTest::newRow("TSdraw Command2") << int(draw) << "Command2" << QRect(96, 80, 81, 25) << "NO" << olive << 8.25
                                         << false;
    }
    void controls()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, caption);
        QFETCH(QColor, colour);
        QFETCH(double, points);
        QFETCH(bool, bold);
        OutcomeDialog *dialog = shown(Kind(kind));
        QWidget *widget = control(dialog, name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), place);
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), bold);

        const QImage image = widget->grab().toImage();
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            QCOMPARE(label->text(), caption);
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            QVERIFY(!label->autoFillBackground());
            QVERIFY2(contains(image, colour), "no pixel of the text colour");
            QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), QColor(0, 0, 0));
        } else {
            auto *button = qobject_cast<platform::ColourButton *>(widget);
            QVERIFY(button);
            QCOMPARE(button->text(), caption);
            QCOMPARE(button->backcolor(), colour);
            QCOMPARE(image.pixelColor(6, image.height() / 2), colour);
        }
    }

    // The pictures sit borderless on black, as big as the 32-pixel image.
    void pictures_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("frmUwin Picture2") << int(won) << "Picture2" << QRect(120, 64, 32, 32);
        QTest::newRow("frmUlost Picture1") << int(lost) << "Picture1" << QRect(128, 32, 32, 32);
        QTest::newRow("TSdraw Picture1") << int(draw) << "Picture1" << QRect(136, 32, 32, 32);
    }
    void pictures()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QRect, place);
        OutcomeDialog *dialog = shown(Kind(kind));
        auto *box = qobject_cast<QLabel *>(control(dialog, name));
        QVERIFY(box);
        QCOMPARE(box->geometry(), place);
        QCOMPARE(box->frameShape(), QFrame::NoFrame);
        QCOMPARE(box->focusPolicy(), Qt::NoFocus);
        const QPixmap pixmap = box->pixmap();
        QVERIFY(!pixmap.isNull());
        QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(32, 32));
        QVERIFY(pixmap.hasAlphaChannel());

        // What the picture leaves transparent shows the black box behind it.
        const QImage image = box->grab().toImage();
        QCOMPARE(image.size(), QSize(32, 32));
        bool transparent = false;
        const QImage picture = pixmap.toImage();
        for (int y = 0; y < picture.height() && !transparent; ++y)
            for (int x = 0; x < picture.width() && !transparent; ++x)
                if (picture.pixelColor(x, y).alpha() == 0) {
                    transparent = true;
                    QCOMPARE(image.pixelColor(x * 32 / picture.width(), y * 32 / picture.height()), QColor(0, 0, 0));
                }
        QVERIFY2(transparent, "the picture has no transparent part");
    }

    // The two-line message of the winner's dialog fits its box; the draw
    // dialog's first line runs past the window's right edge.
    void messageWrapping()
    {
        auto *wondialog = static_cast<dialogs::frmUwin *>(shown(won));
        QLabel *label = wondialog->Label1;
        QVERIFY(label->wordWrap());
        const QFontMetrics metrics(label->font());
        QVERIFY(metrics.horizontalAdvance(label->text()) > label->width());
        const QRect wrapped = metrics.boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
        QVERIFY(wrapped.height() >= 2 * metrics.height());
        QVERIFY(wrapped.height() <= label->height());

        auto *drawdialog = static_cast<dialogs::TSdraw *>(shown(draw));
        QVERIFY(drawdialog->Label1->geometry().right() >= drawdialog->width());
        QVERIFY(!drawdialog->Label1->wordWrap());
    }

    void yesIsDefaultAndHasTheFocus_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("frmUwin") << int(won);
        QTest::newRow("frmUlost") << int(lost);
        QTest::newRow("TSdraw") << int(draw);
    }
    void yesIsDefaultAndHasTheFocus()
    {
        QFETCH(int, kind);
        OutcomeDialog *dialog = make(Kind(kind), owner);
        QVERIFY(dialog->Command1->isDefault()); // by design, not only by having the focus
        QCOMPARE(dialog->focusWidget(), dialog->Command1);
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QVERIFY(dialog->Command1->isDefault());
        QVERIFY(!dialog->Command2->isDefault());
        QCOMPARE(QApplication::focusWidget(), dialog->Command1);

        // Tab goes YES -> NO -> YES; nothing else takes the focus.
        QTest::keyClick(dialog->Command1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog->Command2);
        QTest::keyClick(dialog->Command2, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog->Command1);
        QTest::keyClick(dialog->Command1, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), dialog->Command2);
    }

    void enterPressesYes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        const std::pair<Kind, const char *> dialogs[] = {{won, "frmUwin"}, {lost, "frmUlost"}, {draw, "TSdraw"}};
        for (auto [kind, name] : dialogs) {
            QTest::addRow("%s Return", name) << int(kind) << int(Qt::Key_Return) << false;
            QTest::addRow("%s keypad Enter", name) << int(kind) << int(Qt::Key_Enter) << true;
        }
    }
    void enterPressesYes()
    {
        QFETCH(int, kind);
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QPointer<OutcomeDialog> dialog = shown(Kind(kind));
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QSignalSpy yes(dialog.data(), &OutcomeDialog::yes);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(yes.count(), 1);
        QVERIFY(!dialog || !dialog->isVisible());
        flushdeletes();
        QVERIFY(dialog.isNull());
        QCOMPARE(endings, 0);
    }

    void escapeDoesNothing_data() { yesIsDefaultAndHasTheFocus_data(); }
    void escapeDoesNothing()
    {
        QFETCH(int, kind);
        QPointer<OutcomeDialog> dialog = shown(Kind(kind));
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QSignalSpy yes(dialog.data(), &OutcomeDialog::yes);
        QSignalSpy rejected(dialog.data(), &QDialog::rejected);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTest::keyClick(dialog.data(), Qt::Key_Escape);
        flushdeletes();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(yes.count(), 0);
        QCOMPARE(rejected.count(), 0);
        QCOMPARE(endings, 0);
    }

    // YES answers first and then unloads: whoever hears the answer still
    // finds the dialog on the screen.
    void yesAnswersThenUnloads_data() { yesIsDefaultAndHasTheFocus_data(); }
    void yesAnswersThenUnloads()
    {
        QFETCH(int, kind);
        QPointer<OutcomeDialog> dialog = shown(Kind(kind));
        bool visibleatanswer = false;
        connect(dialog.data(), &OutcomeDialog::yes, this, [&] { visibleatanswer = dialog && dialog->isVisible(); });
        QSignalSpy yes(dialog.data(), &OutcomeDialog::yes);
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);
        QCOMPARE(yes.count(), 1);
        QVERIFY(visibleatanswer);
        flushdeletes();
        QVERIFY(dialog.isNull());
    }

    void closeBoxUnloadsWithoutAnswer_data() { yesIsDefaultAndHasTheFocus_data(); }
    void closeBoxUnloadsWithoutAnswer()
    {
        QFETCH(int, kind);
        QPointer<OutcomeDialog> dialog = shown(Kind(kind));
        QSignalSpy yes(dialog.data(), &OutcomeDialog::yes);
        QVERIFY(dialog->close());
        flushdeletes();
        QVERIFY(dialog.isNull());
        QCOMPARE(yes.count(), 0);
        QCOMPARE(endings, 0);
    }

    void noEndsTheProgram_data() { yesIsDefaultAndHasTheFocus_data(); }
    void noEndsTheProgram()
    {
        QFETCH(int, kind);
        QPointer<OutcomeDialog> dialog = shown(Kind(kind));
        QSignalSpy yes(dialog.data(), &OutcomeDialog::yes);
        QTest::mouseClick(dialog->Command2, Qt::LeftButton);
        QCOMPARE(endings, 1);
        QCOMPARE(yes.count(), 0);
    }

    // The keyboard's way to NO: Tab from YES, then Enter presses the focused button.
    void tabEnterEndsTheProgram_data() { yesIsDefaultAndHasTheFocus_data(); }
    void tabEnterEndsTheProgram()
    {
        QFETCH(int, kind);
        QPointer<OutcomeDialog> dialog = shown(Kind(kind));
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QSignalSpy yes(dialog.data(), &OutcomeDialog::yes);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(endings, 1);
        QCOMPARE(yes.count(), 0);
    }

    // Only the draw window can be resized; its controls stay where they are.
    void resizing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("got");
        QTest::newRow("frmUwin larger") << int(won) << QSize(500, 400) << QSize(272, 125);
        QTest::newRow("frmUwin smaller") << int(won) << QSize(100, 50) << QSize(272, 125);
        QTest::newRow("frmUlost larger") << int(lost) << QSize(500, 400) << QSize(287, 78);
        QTest::newRow("TSdraw larger") << int(draw) << QSize(500, 400) << QSize(500, 400);
        QTest::newRow("TSdraw smaller") << int(draw) << QSize(120, 60) << QSize(120, 60);
    }
    void resizing()
    {
        QFETCH(int, kind);
        QFETCH(QSize, asked);
        QFETCH(QSize, got);
        OutcomeDialog *dialog = shown(Kind(kind));
        QList<QRect> before;
        const QList<QWidget *> children = dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *child : children)
            before << child->geometry();
        dialog->resize(asked);
        QCOMPARE(dialog->size(), got);
        for (qsizetype i = 0; i < children.size(); ++i)
            QCOMPARE(children[i]->geometry(), before[i]);
    }

    void drawWindowMaximizes()
    {
        OutcomeDialog *dialog = shown(draw);
        dialog->showMaximized();
        QVERIFY(dialog->isMaximized());
        QCOMPARE(dialog->Command1->geometry(), QRect(8, 80, 81, 25));
        dialog->showMinimized();
        QVERIFY(dialog->isMinimized());
    }

    // The dialog opens over the lower part of the main window, centred across
    // it, and never leaves the screen.
    void placement_data()
    {
        QTest::addColumn<QPoint>("mainat"); // relative to the available area
        QTest::addColumn<int>("kind");
        QTest::newRow("middle, won") << QPoint(250, 60) << int(won);
        QTest::newRow("middle, draw") << QPoint(250, 60) << int(draw);
        QTest::newRow("left edge") << QPoint(0, 60) << int(won);
        QTest::newRow("far right") << QPoint(10000, 60) << int(lost);
        QTest::newRow("low down") << QPoint(250, 10000) << int(won);
    }
    void placement()
    {
        QFETCH(QPoint, mainat);
        QFETCH(int, kind);
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget mainwindow;
        mainwindow.resize(217, 401);
        QPoint at = available.topLeft() + mainat;
        at.setX(std::min(at.x(), available.right() + 1 - 217));
        at.setY(std::min(at.y(), available.bottom() + 1 - 401));
        mainwindow.move(at);
        mainwindow.show();
        OutcomeDialog *dialog = shown(Kind(kind));
        dialogs::placedialog(dialog, &mainwindow);

        const QRect main = mainwindow.frameGeometry();
        const QRect placed = dialog->frameGeometry();
        QVERIFY2(available.contains(placed), "the dialog leaves the screen");
        QVERIFY(placed.intersects(main));
        // Unless the screen's edge is in the way: centred across it, below its middle.
        const int half = placed.width() / 2;
        if (main.center().x() - half > available.left() && main.center().x() + half < available.right())
            QVERIFY(std::abs(placed.center().x() - main.center().x()) <= 1);
        else
            QVERIFY(placed.left() == available.left() || placed.right() == available.right());
        if (placed.bottom() < available.bottom())
            QVERIFY(placed.center().y() > main.center().y());
        else
            QVERIFY(placed.top() > main.top());
    }

    void placementWithoutMainWindow()
    {
        OutcomeDialog *dialog = shown(won);
        dialogs::placedialog(dialog, nullptr);
        const QRect available = dialog->screen()->availableGeometry();
        QVERIFY(available.contains(dialog->frameGeometry()));
        QVERIFY((dialog->frameGeometry().center() - available.center()).manhattanLength() <= 2);
    }
};

QTEST_MAIN(tst_outcomes)
#include "tst_outcomes.moc"
