// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows as players get them on a real desktop, which ondesktop.sh starts:
// openbox on X11 or weston on Wayland, on the screen and at the scale CTest
// names. Where a window lies, its frame, what stands above what and what the
// program asked of the desktop are read from the desktop itself: the X server
// and its window manager, or weston's scene and protocol log.
// NUMORA_DESKTOP_SHOTS=DIR keeps a screenshot of each window for people.

#include "../formtesting.h"
#include "dialogs/about.h"
#include "dialogs/outcomes.h"
#include "platform/desktop.h"
#include "platform/picturebox.h"
#include "platform/twips.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QWindow>

#include <optional>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qwindowsysteminterface.h>

namespace {

const bool wayland = qEnvironmentVariable("NUMORA_DESKTOP") == QLatin1String("weston");
const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
// How near its place a window lies: placed in whole device-independent pixels, on a finer screen.
const int near = qCeil(scale) + 1;
QTemporaryDir logs; // weston's protocol log

QByteArray run(const QString &program, const QStringList &arguments, const QString &folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    process.waitForFinished(20000);
    return process.readAllStandardOutput();
}

// Every number in an answer after its name, decimal or hexadecimal.
QList<qint64> numbers(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("0x[0-9a-fA-F]+|-?\\d+"));
    QList<qint64> found;
    for (const auto &m : number.globalMatch(text.mid(text.indexOf(QRegularExpression(QStringLiteral("[=:]"))) + 1)))
        found << m.captured().toLongLong(nullptr, 0);
    return found;
}

// A property of a window, or of the root window.
QString xprop(const QWidget *window, const char *name)
{
    QStringList arguments = window ? QStringList {QStringLiteral("-id"), QString::number(window->winId())}
                                   : QStringList {QStringLiteral("-root")};
    return QString::fromUtf8(
        run(QStringLiteral("xprop"), arguments << QStringLiteral("-notype") << QLatin1String(name)));
}

// The pointer moved to a point of the screen, and a button pressed there (4
// and 5 turn the wheel).
void xclick(QPoint at, int button = 1)
{
    run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
            QString::number(button)});
}

// Weston's scene, top first: each window's place, its title, and the part it
// draws opaque, which is a Qt window's client area.
struct View
{
    QString what;
    QRect place, opaque;
};
QList<View> scene()
{
    static const QRegularExpression view(
        QStringLiteral(R"(View \d+ \(role [^,]*, PID \d+, surface ID \d+, (.*), 0x\w+\):)"
                       R"(\s*position: (\(.*\))\s*(?:\[opaque: (\(.*\))\])?)"));
    const auto rect = [](const QString &corners) { // (left, top) -> (right, bottom)
        const auto n = numbers(QLatin1Char(':') + corners);
        return n.size() == 4 ? QRect(QPoint(n[0], n[1]), QPoint(n[2] - 1, n[3] - 1)) : QRect();
    };
    QList<View> views;
    for (const auto &m :
        view.globalMatch(QString::fromUtf8(run(QStringLiteral("weston-debug"), {QStringLiteral("scene-graph")}))))
        views << View {m.captured(1), rect(m.captured(2)), rect(m.captured(3))};
    return views;
}

// The screen less the desktop's panels, or with them: under Wayland the program
// is not told of them and leaves room for one.
QRect workarea(bool panels = true)
{
    if (!wayland) {
        const auto n = numbers(xprop(nullptr, "_NET_WORKAREA"));
        return n.size() >= 4 ? QRect(n[0], n[1], n[2], n[3]) : QRect();
    }
    QRect area, panel;
    for (const View &v : scene()) {
        if (v.what.startsWith(QLatin1String("background for output")))
            area = v.place;
        if (v.what.startsWith(QLatin1String("panel for output")))
            panel = v.place;
    }
    return panels ? area.adjusted(0, panel.height(), 0, 0) : area;
}

// Wholly in the work area (under Wayland, Qt's own title bar and border may
// reach a pixel past the room it was given).
bool onscreen(const QRect &frame)
{
    return workarea().adjusted(-wayland, 0, wayland, wayland).contains(frame);
}

// A window as the desktop shows it, in device pixels.
struct Shown
{
    QRect frame; // with what the desktop draws around it: title bar and border
    QRect client;
    int stacking = 0; // higher is nearer the top
};

// The client height a window can have by the program's own reckoning.
int roomleft(const Shown &window)
{
    const int room = workarea(false).height() - (window.frame.height() - window.client.height());
    return wayland ? room - qRound(platform::panelroom * scale) : room;
}

std::optional<Shown> shown(const QWidget *window)
{
    if (wayland) {
        const QList<View> views = scene();
        for (int i = 0; i < views.size(); ++i)
            if (views[i].what.startsWith(QStringLiteral("top-level window '%1' of ").arg(window->windowTitle())))
                return Shown {views[i].place, views[i].opaque, -i};
        return std::nullopt;
    }
    const QString info
        = QString::fromUtf8(run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window->winId())}));
    const auto field = [&](const char *name) {
        return QRegularExpression(QLatin1String(name) + QStringLiteral(":\\s*(-?\\d+)"))
            .match(info)
            .captured(1)
            .toInt();
    };
    const auto extents = numbers(xprop(window, "_NET_FRAME_EXTENTS")); // left, right, top, bottom
    if (!info.contains(QLatin1String("IsViewable")) || extents.size() != 4)
        return std::nullopt;
    const QRect client(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"));
    return Shown {client.adjusted(-extents[0], -extents[2], extents[1], extents[3]), client,
        int(numbers(xprop(nullptr, "_NET_CLIENT_LIST_STACKING")).indexOf(qint64(window->winId())))};
}

// Shown, once the desktop has framed and placed it and it stays put (a busy
// window manager may take its time).
std::optional<Shown> settled(const QWidget *window)
{
    std::optional<Shown> last;
    for (int i = 0, still = 0; i < 100; ++i) {
        QTest::qWait(100);
        const auto now = shown(window);
        still = now && last && now->frame == last->frame && now->client == last->client ? still + 1 : 0;
        if (still == 4)
            return now;
        last = now;
    }
    return std::nullopt;
}

QImage screenshot()
{
    if (!wayland)
        return QImage::fromData(run(
            QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")}));
    QTemporaryDir folder;
    run(QStringLiteral("weston-screenshooter"), {}, folder.path());
    const QStringList files = QDir(folder.path()).entryList({QStringLiteral("*.png")});
    return files.isEmpty() ? QImage() : QImage(folder.filePath(files.first()));
}

void keepshot(const char *name)
{
    if (const QString folder = qEnvironmentVariable("NUMORA_DESKTOP_SHOTS"); !folder.isEmpty())
        screenshot().save(
            QStringLiteral("%1/%2-%3.png").arg(folder, qEnvironmentVariable("NUMORA_DESKTOP"), QLatin1String(name)));
}

// What the program asked of the compositor for each of its windows, from
// weston's protocol log: title, owner's title, app id, size limits.
struct Asked
{
    QString title, owner, appid;
    QSize least, most;
};
QList<Asked> asked()
{
    static const QRegularExpression made(
        QStringLiteral(R"(client (\w+) rq xdg_surface@\d+\.get_toplevel\(new id xdg_toplevel@(\d+)\))"));
    static const QRegularExpression request(QStringLiteral(R"(client (\w+) rq xdg_toplevel@(\d+)\.(\w+)\((.*)\)$)"));
    QFile log(logs.filePath(QStringLiteral("proto.log")));
    log.open(QIODevice::ReadOnly);
    QMap<QString, Asked> windows; // by client and protocol id, which a later window may take again
    for (const QString &line : QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'))) {
        if (const auto m = made.match(line); m.hasMatch())
            windows[m.captured(1) + m.captured(2)] = Asked {};
        const auto m = request.match(line);
        const QString what = m.captured(3), args = m.captured(4);
        Asked &window = windows[m.captured(1) + m.captured(2)];
        const auto n = numbers(QLatin1Char(':') + args);
        if (what == QLatin1String("set_title"))
            window.title = args.mid(1, args.size() - 2);
        else if (what == QLatin1String("set_app_id"))
            window.appid = args.mid(1, args.size() - 2);
        else if (what == QLatin1String("set_parent") && !n.isEmpty())
            window.owner = windows[m.captured(1) + QString::number(n.last())].title;
        else if (what == QLatin1String("set_min_size") && n.size() == 2)
            window.least = QSize(n[0], n[1]);
        else if (what == QLatin1String("set_max_size") && n.size() == 2)
            window.most = QSize(n[0], n[1]);
    }
    return windows.values();
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

    std::unique_ptr<FormHarness> harness;
    QProcess protocol;

    Form1 &form() { return *harness->form; }
    QScrollArea *scroller() { return form().findChild<QScrollArea *>(); }
    bool reach(QWidget *control);
    bool press(QWidget *window, QWidget *control);

private slots:
    void initTestCase();
    void cleanupTestCase() { protocol.kill(), protocol.waitForFinished(); }
    void init();
    void cleanup() { harness.reset(); }
    void mainWindowFitsTheScreenTitleBarAndAll();
    void aWholeMatchIsPlayedByClicks();
    void windowsOpenWhereTheirLayoutPlacesThem_data();
    void windowsOpenWhereTheirLayoutPlacesThem();
    void lossDialogShowsTheWholeNumber();
    void drawDialogStaysAboveTheMainWindow();
    void helpShowsOnlyTheScrollBarsItNeeds();
    void waylandAppIdIsTheDesktopFileName();
    void keypadAsTheKeyboardGivesIt_data();
    void keypadAsTheKeyboardGivesIt();
};

void TestDesktop::initTestCase()
{
    QVERIFY2(!qEnvironmentVariable("NUMORA_DESKTOP").isEmpty(), "run by ondesktop.sh");
    setupformtests();
    if (wayland) {
        protocol.start(QStringLiteral("weston-debug"),
            {QStringLiteral("proto"), QStringLiteral("-o"), logs.filePath(QStringLiteral("proto.log"))});
        QVERIFY(protocol.waitForStarted());
    }
}

void TestDesktop::init()
{
    harness = std::make_unique<FormHarness>();
    QVERIFY(settled(&form()));
}

// Framed by the desktop, the main window lies wholly in its work area. Where it
// fits there it has its designed size, on X11 centred, and nothing scrolls.
void TestDesktop::mainWindowFitsTheScreenTitleBarAndAll()
{
    const auto window = settled(&form());
    QVERIFY(window);
    keepshot("main");
    QVERIFY(onscreen(window->frame));
    const bool fits = qRound((401 + form().menuWidget()->height()) * scale) <= roomleft(*window);
    const QScrollArea *area = scroller();
    QCOMPARE(area && (area->verticalScrollBar()->isVisible() || area->horizontalScrollBar()->isVisible()), !fits);
    // A bar only where the screen has no more room that way (a window one bar
    // too narrow would scroll across as well); the window manager may keep a
    // few pixels of its own.
    if (area) {
        const int slack = qRound(form().style()->pixelMetric(QStyle::PM_ScrollBarExtent) * scale / 2);
        if (area->horizontalScrollBar()->isVisible())
            QVERIFY(window->frame.width() >= workarea().width() - slack);
        if (area->verticalScrollBar()->isVisible())
            QVERIFY(window->frame.height() >= workarea().height() - slack);
    }
    if (fits && !wayland)
        QVERIFY((window->frame.center() - workarea().center()).manhattanLength() <= 2 * near);
    if (!area)
        return;
    // The lowest control that takes the focus by key comes into view with it.
    form().newgame_Click();
    QAbstractButton *lowest = nullptr;
    const auto bottom = [&](QWidget *w) { return w->mapTo(area->widget(), QPoint(0, w->height())).y(); };
    for (auto *button : area->widget()->findChildren<QAbstractButton *>())
        if (button->isEnabled() && button->isVisible() && (button->focusPolicy() & Qt::TabFocus)
            && (!lowest || bottom(button) > bottom(lowest)))
            lowest = button;
    QVERIFY(lowest);
    area->verticalScrollBar()->setValue(0);
    area->horizontalScrollBar()->setValue(0);
    form().activateWindow();
    if (!wayland) // a Wayland compositor gives the focus at its own will
        QTRY_VERIFY(form().isActiveWindow());
    if (!form().isActiveWindow())
        return;
    lowest->clearFocus();
    lowest->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(area->viewport()->rect().contains(QRect(lowest->mapTo(area->viewport(), QPoint()), lowest->size())));
}

// Turns the wheel over the main window until `control` is wholly in view, and
// says whether it is then on the screen, inside the window the desktop shows.
bool TestDesktop::reach(QWidget *control)
{
    QWidget *view = scroller() ? scroller()->viewport() : form().centralWidget();
    const auto seen = [&] { return QRect(control->mapTo(view, QPoint()), control->size()); };
    for (int turns = 0; !view->rect().contains(seen()) && turns < 40; ++turns) {
        const bool down = seen().top() > 0;
        if (wayland) {
            QWheelEvent wheel(view->rect().center(), view->mapToGlobal(view->rect().center()), {},
                {0, down ? -120 : 120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(view, &wheel);
        } else
            xclick(
                shown(&form())->client.topLeft() + view->mapTo(&form(), view->rect().center()) * scale, down ? 5 : 4);
        QTest::qWait(30);
    }
    const auto window = shown(&form());
    const QRect onscreen(window->client.topLeft() + control->mapTo(&form(), QPoint()) * scale, control->size() * scale);
    return view->rect().contains(seen()) && ::onscreen(onscreen) && window->client.contains(onscreen);
}

// A click as the player makes it, with the pointer, where the control can be
// reached; under Wayland, whose compositor takes no input here, the toolkit's.
bool TestDesktop::press(QWidget *window, QWidget *control)
{
    if (window == &form() && !reach(control))
        return false;
    if (wayland)
        QTest::mouseClick(control, Qt::LeftButton);
    else
        xclick(shown(window)->client.topLeft() + control->mapTo(window, control->rect().center()) * scale);
    QTest::qWait(50);
    FormHarness::settle();
    return true;
}

// The player's number is 9876, every answer true; whoever wins, the outcome
// dialog's YES starts a new match.
void TestDesktop::aWholeMatchIsPlayedByClicks()
{
    form().newgame->trigger();
    FormHarness::settle();
    const auto click = [this](int command) { return press(&form(), form().Command[command]); };
    const auto outcome = [this]() -> dialogs::OutcomeDialog * {
        for (dialogs::OutcomeDialog *d : {form().frmUwin.data(), form().frmUlost.data(), form().TSdraw.data()})
            if (d && d->isVisible())
                return d;
        return nullptr;
    };
    const QString mine = QStringLiteral("9876");
    for (const char *guess : {"1023", "4567", "8901", "2345", "6789", "1234", "5678", "9012", "3456", "7890"}) {
        for (const char *digit = guess; *digit; ++digit)
            QVERIFY2(click(pad::ofdigit(*digit - '0')), digit);
        QVERIFY2(click(pad::confirmnumber), "Confirm Number");
        QTRY_VERIFY(outcome() || form().Label8->text().size() == 4);
        if (outcome())
            break;
        int plus = 0, minus = 0;
        for (int i = 0; i < 4; ++i)
            (form().Label8->text()[i] == mine[i] ? plus : minus) += mine.contains(form().Label8->text()[i]);
        QVERIFY2(click(pad::pluscolumn[plus]) && click(pad::minuscolumn[minus]), "signs");
        QVERIFY2(click(pad::confirmsigns), "Confirm Signs");
        QTRY_VERIFY(outcome() || form().Command[pad::confirmnumber]->isEnabled());
        if (outcome())
            break;
    }
    dialogs::OutcomeDialog *dialog = outcome();
    QVERIFY2(dialog, "no outcome after ten rounds");
    const auto placed = settled(dialog);
    QVERIFY(placed && onscreen(placed->frame));
    keepshot("match-end");
    QVERIFY(press(dialog, dialog->Command1));
    QTRY_VERIFY(!outcome() && form().Picture1->lines().isEmpty() && form().Command[pad::ofdigit(1)]->isEnabled());
}

using Opener = std::function<QWidget *(Form1 &)>;
Q_DECLARE_METATYPE(Opener)

void TestDesktop::windowsOpenWhereTheirLayoutPlacesThem_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<bool>("centred"); // on the screen, or else on the main window
    QTest::addColumn<bool>("fixed");
    QTest::newRow("About") << Opener([](Form1 &f) { return f.about_Click(), static_cast<QWidget *>(f.aboutwindow); })
                           << true << true;
    QTest::newRow("Help") << Opener([](Form1 &f) { return f.help_Click(), static_cast<QWidget *>(f.helpwindow); })
                          << true << true;
    const auto outcome = [](numora::Outcome which, QPointer<dialogs::OutcomeDialog> Form1::*dialog) {
        return Opener([=](Form1 &f) {
            f.showoutcome(which, which == numora::Outcome::lost ? std::string(numora::lostcaption) + "5342" : "");
            return static_cast<QWidget *>(f.*dialog);
        });
    };
    QTest::newRow("won") << outcome(numora::Outcome::won, &Form1::frmUwin) << false << true;
    QTest::newRow("lost") << outcome(numora::Outcome::lost, &Form1::frmUlost) << false << true;
    QTest::newRow("draw") << outcome(numora::Outcome::draw, &Form1::TSdraw) << false << false;
}

// Wholly on the screen, frame and all, above the main window. On X11 where the
// layout places it: About and Help centred on the screen, an outcome centred
// across the main window, below its middle. Under Wayland, where the compositor
// places it, owned by the main window. A window of fixed size cannot be
// maximized, minimized (where the window manager lets the program say so) or
// resized.
void TestDesktop::windowsOpenWhereTheirLayoutPlacesThem()
{
    QFETCH(Opener, open);
    QFETCH(bool, centred);
    QFETCH(bool, fixed);
    QWidget *window = open(form());
    const auto placed = settled(window);
    QVERIFY(placed);
    keepshot(QTest::currentDataTag());
    QVERIFY(onscreen(placed->frame));
    const auto main = shown(&form());
    QVERIFY(placed->stacking > main->stacking);
    if (wayland) {
        const auto owned = [&] {
            const QList<Asked> windows = asked();
            return std::any_of(windows.begin(), windows.end(), [&](const Asked &w) {
                return w.title == window->windowTitle() && w.owner == form().windowTitle()
                    && (w.least == w.most && !w.most.isEmpty()) == fixed;
            });
        };
        QTRY_VERIFY(owned());
        return;
    }
    if (centred)
        QVERIFY((placed->frame.center() - workarea().center()).manhattanLength() <= 2 * near);
    else {
        QVERIFY(std::abs(placed->frame.center().x() - main->frame.center().x()) <= near);
        QVERIFY(placed->frame.center().y() > main->frame.center().y());
    }
    const QString allowed = xprop(window, "_NET_WM_ALLOWED_ACTIONS");
    QCOMPARE(allowed.contains(QLatin1String("_NET_WM_ACTION_MAXIMIZE")), !fixed);
    QCOMPARE(allowed.contains(QLatin1String("_NET_WM_ACTION_RESIZE")), !fixed);
    // What other window managers go by: no minimize (8) or maximize (16) function.
    const auto motif = numbers(xprop(window, "_MOTIF_WM_HINTS"));
    QVERIFY(motif.size() >= 2);
    QCOMPARE(bool(motif[1] & (8 | 16)), !fixed);
}

// Whatever the desktop does with the title, the computer's number stands in
// the dialog, wholly drawn inside its window, on the screen.
void TestDesktop::lossDialogShowsTheWholeNumber()
{
    form().showoutcome(numora::Outcome::lost, std::string(numora::lostcaption) + "5342");
    auto *dialog = static_cast<dialogs::frmUlost *>(form().frmUlost.data());
    const auto placed = settled(dialog);
    QVERIFY(placed && onscreen(placed->frame));
    QCOMPARE(dialog->windowTitle(), QStringLiteral(" You have lost! My number was : 5342"));
    QCOMPARE(dialog->mynumber(), QStringLiteral("5342"));
    // Within the window, clear of the question and the buttons.
    const QRect drawn = dialog->numberplace();
    QCOMPARE(drawn.width(), QFontMetrics(platform::sansserif(15, true)).horizontalAdvance(QStringLiteral("5342")));
    QVERIFY(dialog->rect().contains(drawn));
    QVERIFY(
        drawn.left() > dialog->Label1->x() + dialog->Label1->fontMetrics().horizontalAdvance(dialog->Label1->text()));
    QVERIFY(drawn.bottom() < dialog->Command2->y());
    // On the screen as the dialog draws it, bright red on black (weston's
    // screen keeps six bits a colour).
    const QRect digits(drawn.topLeft() * scale, drawn.size() * scale);
    const QImage own = dialog->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(digits);
    const QImage seen
        = screenshot().convertToFormat(QImage::Format_RGB32).copy(digits.translated(placed->client.topLeft()));
    const auto like = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) < 8 && std::abs(qGreen(a) - qGreen(b)) < 8
            && std::abs(qBlue(a) - qBlue(b)) < 8;
    };
    int red = 0, differ = 0;
    for (int y = 0; y < seen.height(); ++y)
        for (int x = 0; x < seen.width(); ++x) {
            red += like(seen.pixel(x, y), qRgb(255, 0, 0));
            differ += !like(seen.pixel(x, y), own.pixel(x, y));
        }
    QVERIFY2(red > 20 * scale * scale, "no digits in bright red");
    QCOMPARE(differ, 0);
}

// The draw dialog keeps its task bar entry, and stays above the main window
// when the player clicks that.
void TestDesktop::drawDialogStaysAboveTheMainWindow()
{
    form().showoutcome(numora::Outcome::draw, {});
    QWidget *dialog = form().TSdraw;
    QVERIFY(settled(dialog));
    if (!wayland) {
        QCOMPARE(numbers(xprop(dialog, "WM_TRANSIENT_FOR")), QList<qint64> {qint64(form().winId())});
        QVERIFY(xprop(dialog, "_NET_WM_WINDOW_TYPE").contains(QLatin1String("_NET_WM_WINDOW_TYPE_NORMAL")));
        QVERIFY(!xprop(dialog, "_NET_WM_STATE").contains(QLatin1String("SKIP_TASKBAR")));
        const auto main = shown(&form());
        const QPoint title(main->frame.center().x(), (main->frame.top() + main->client.top()) / 2);
        QVERIFY(!shown(dialog)->frame.contains(title));
        xclick(title);
        QTRY_VERIFY(form().isActiveWindow());
    }
    QTest::qWait(300);
    QVERIFY(shown(dialog)->stacking > shown(&form())->stacking);
}

// A scroll bar shows only where the page does not fit, and every part of the
// page can be scrolled to.
void TestDesktop::helpShowsOnlyTheScrollBarsItNeeds()
{
    form().help_Click();
    dialogs::Form2 *help = form().helpwindow;
    const auto placed = settled(help);
    QVERIFY(placed);
    const QSize page(901, 546);
    const QSize room
        = QSize(workarea(false).width() - (placed->frame.width() - placed->client.width()), roomleft(*placed)) / scale;
    const int bar = help->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    bool across = page.width() > room.width(), down = page.height() > room.height();
    across = across || (down && page.width() + bar > room.width());
    down = down || (across && page.height() + bar > room.height());
    auto *scroller = help->findChild<QScrollArea *>();
    QCOMPARE(scroller != nullptr, across || down);
    if (!scroller)
        return;
    QCOMPARE(scroller->horizontalScrollBar()->isVisible(), across);
    QCOMPARE(scroller->verticalScrollBar()->isVisible(), down);
    QCOMPARE(scroller->geometry(), help->rect());
    QVERIFY(help->Picture1->isVisible());
    QVERIFY(scroller->horizontalScrollBar()->maximum() >= page.width() - scroller->viewport()->width());
    QVERIFY(scroller->verticalScrollBar()->maximum() >= page.height() - 1 - scroller->viewport()->height());
}

// The compositor knows the game by its desktop file's name, as a desktop
// matches a window with its menu entry and icon.
void TestDesktop::waylandAppIdIsTheDesktopFileName()
{
    if (!wayland)
        QSKIP("an X11 window has no app id");
    QProcess game;
    game.start(QStringLiteral(NUMORA_PROGRAM), {});
    QVERIFY(game.waitForStarted());
    const auto appid = [] {
        for (const Asked &w : asked())
            if (w.title == QLatin1String("Numora") && w.appid != QCoreApplication::applicationName())
                return w.appid;
        return QString();
    };
    QTRY_VERIFY_WITH_TIMEOUT(!appid().isEmpty(), 10000);
    game.kill();
    game.waitForFinished();
    QCOMPARE(appid(), QStringLiteral("org.numora.Numora"));
}

void TestDesktop::keypadAsTheKeyboardGivesIt_data()
{
    QTest::addColumn<bool>("numlock");
    QTest::addColumn<QString>("keys"); // keypad keys by their place on the keyboard, or keysyms
    QTest::addColumn<bool>("signs"); // in the sign step, or else in number entry
    QTest::addColumn<QString>("shown"); // the number on display, or the signs chosen
    QTest::addColumn<QStringList>("heard");
    // The keypad's own keys: 1 0 2 3 and the decimal key (87 90 88 89 91);
    // + and - (86 82). A German keyboard's decimal key gives KP_Separator.
    QTest::newRow("Num Lock on") << true << "87 90 88 89 91" << false << "102" << QStringList();
    QTest::newRow("Num Lock off: the reader's") << false << "87 90 88 89 91" << false << "" << QStringList();
    QTest::newRow("German decimal key") << true << "87 88 KP_Separator" << false << "1" << QStringList();
    QTest::newRow("sign step: decimal key starts again")
        << true << "86 86 82 91 82" << true << "0 + 1 -"
        << QStringList {Form1::signsaloud(1, 0), Form1::signsaloud(2, 0), Form1::signsaloud(2, 1),
               Form1::signsaloud(0, 0), Form1::signsaloud(0, 1)};
    QTest::newRow("sign step: German decimal key") << true << "86 KP_Separator" << true << "0 + 0 -"
                                                   << QStringList {Form1::signsaloud(1, 0), Form1::signsaloud(0, 0)};
    QTest::newRow("sign step, Num Lock off") << false << "91" << true << "0 + 0 -" << QStringList();
}

// Keys pressed on the X server's own keyboard, as the player presses them:
// with Num Lock off the keypad is the screen reader's and the game takes none
// of it; each sign key is told as it is pressed.
void TestDesktop::keypadAsTheKeyboardGivesIt()
{
    if (wayland || scale != 1)
        QSKIP("keys pressed by xdotool on X11, once");
    QFETCH(bool, numlock);
    QFETCH(QString, keys);
    QFETCH(bool, signs);
    QFETCH(QString, shown);
    QFETCH(QStringList, heard);
    form().newgame_Click();
    if (signs) {
        harness->confirmnumber(QStringLiteral("5678"));
        QTRY_COMPARE(harness->engine->step(), numora::Step::signs);
    }
    static QStringList told;
    told.clear();
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        if (event->type() == QAccessible::ObjectShow
            && event->accessibleInterface()->role() == QAccessible::Notification)
            told << event->accessibleInterface()->text(QAccessible::Name);
    });
    const auto quiet = qScopeGuard([] {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    });
    form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form()));
    run(QStringLiteral("numlockx"), {numlock ? QStringLiteral("on") : QStringLiteral("off")});
    for (const QString &key : keys.split(QLatin1Char(' '))) {
        if (key != QLatin1String("KP_Separator"))
            run(QStringLiteral("xdotool"), {QStringLiteral("key"), key});
        else // as the X server's keymap gives it, which this server cannot be set to
            for (auto type : {QEvent::KeyPress, QEvent::KeyRelease})
                QWindowSystemInterface::handleExtendedKeyEvent(form().windowHandle(), type, Qt::Key_Comma,
                    Qt::KeypadModifier, 91, 0xffac, numlock ? 0x10 : 0, QStringLiteral(","));
        QTest::qWait(50);
    }
    QTest::qWait(200);
    FormHarness::settle();
    QString chosen;
    for (const auto &[column, sign] : {std::pair {pad::pluscolumn, " + "}, std::pair {pad::minuscolumn, " -"}})
        for (int count = 0; count <= 4; ++count)
            if (form().Command[column[count]]->backcolor() == platform::colour::red)
                chosen += QString::number(count) + QLatin1String(sign);
    QCOMPARE(signs ? chosen : form().Label10->text(), shown);
    if (signs)
        QCOMPARE(told, heard);
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
