// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows on screens of 1, 1.25, 1.5 and 2 device pixels to the pixel (four
// offscreen screens side by side, or one scaled by QT_SCALE_FACTOR): printed
// history lines and the help page are drawn with the screen's own detail, the
// displays centre their digits, and every place stays what it is at 1.

#include "dialogs/about.h"
#include "dialogs/outcomes.h"
#include "formtesting.h"
#include "platform/picturebox.h"
#include "platform/rowscale.h"

#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTextBrowser>
#include <QWindow>

#include <cmath>
#include <functional>

namespace {

// Puts a window on a screen and shows it there.
void showon(QWidget *window, QScreen *screen)
{
    window->winId();
    window->windowHandle()->setScreen(screen);
    window->move(screen->availableGeometry().topLeft() + QPoint(40, 40));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->screen(), screen);
    QCOMPARE(window->devicePixelRatioF(), screen->devicePixelRatio());
}

// The device pixels of a logical rectangle of a widget grabbed from its window,
// left out where a pixel is only partly inside.
QRect devicerect(const QRect &logical, qreal ratio)
{
    const int left = int(std::ceil(logical.left() * ratio));
    const int top = int(std::ceil(logical.top() * ratio));
    const int right = int(std::floor((logical.right() + 1) * ratio)) - 1;
    const int bottom = int(std::floor((logical.bottom() + 1) * ratio)) - 1;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// The bounding box of what differs from the ground in a region.
QRect inkof(const QImage &image, const QRect &region, QRgb ground)
{
    QRect ink;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (image.pixel(x, y) != ground)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// How much detail the ink of a region has on a screen of n device pixels to
// the pixel. A picture drawn at one device pixel to the pixel and stretched
// has none: stretched as it is, every n x n block of device pixels (one pixel
// of the design) is flat, n x n equal pixels; stretched smoothly, hardly any
// two neighbouring pixels differ by much. Text drawn at the screen's own
// detail has few flat blocks and many steep steps along its strokes.
struct Detail
{
    int inked = 0; // blocks with ink
    int flat = 0; // of those, flat ones
    int pairs = 0; // side by side pixels with ink
    int steep = 0; // of those, pairs that differ by more than 96 grey levels

    bool sharp() const { return inked > 0 && flat * 2 < inked && steep * 20 > pairs; }
    QString text() const
    {
        return QStringLiteral("%1 of %2 inked blocks flat, %3 of %4 steps steep")
            .arg(flat)
            .arg(inked)
            .arg(steep)
            .arg(pairs);
    }
};
Detail detail(const QImage &image, const QRect &region, QRgb ground, int n)
{
    Detail found;
    const int left = (region.left() + n - 1) / n * n, top = (region.top() + n - 1) / n * n;
    for (int y = top; y + n - 1 <= region.bottom(); y += n)
        for (int x = left; x + n - 1 <= region.right(); x += n) {
            bool inked = false, flat = true;
            for (int dy = 0; dy < n; ++dy)
                for (int dx = 0; dx < n; ++dx) {
                    inked = inked || image.pixel(x + dx, y + dy) != ground;
                    flat = flat && image.pixel(x + dx, y + dy) == image.pixel(x, y);
                }
            found.inked += inked;
            found.flat += inked && flat;
        }
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x < region.right(); ++x) {
            const QRgb a = image.pixel(x, y), b = image.pixel(x + 1, y);
            if (a == ground && b == ground)
                continue;
            ++found.pairs;
            found.steep += std::abs(qGray(a) - qGray(b)) > 96;
        }
    return found;
}

// The screens from the least dense to the densest.
QList<QScreen *> screens()
{
    QList<QScreen *> all = QGuiApplication::screens();
    std::stable_sort(all.begin(), all.end(),
        [](const QScreen *a, const QScreen *b) { return a->devicePixelRatio() < b->devicePixelRatio(); });
    return all;
}

void screenrows()
{
    QTest::addColumn<int>("screen");
    const QList<QScreen *> all = screens();
    for (int k = 0; k < all.size(); ++k)
        QTest::addRow("%g device pixels to the pixel", all[k]->devicePixelRatio()) << k;
}

// The windows, each made afresh; a main window comes with its harness.
using Maker = std::function<std::shared_ptr<QWidget>()>;
const QList<std::pair<const char *, Maker>> &windows()
{
    static const QList<std::pair<const char *, Maker>> all {
        {"Form1",
            [] {
                auto h = std::make_shared<FormHarness>();
                return std::shared_ptr<QWidget>(h, h->form.get());
            }},
        {"frmAbout", [] { return std::make_shared<dialogs::frmAbout>(); }},
        {"Form2", [] { return std::make_shared<dialogs::Form2>(); }},
        {"frmUwin", [] { return std::make_shared<dialogs::frmUwin>(); }},
        {"frmUlost", [] { return std::make_shared<dialogs::frmUlost>(); }},
        {"TSdraw", [] { return std::make_shared<dialogs::TSdraw>(); }},
    };
    return all;
}

// Every widget of a window with its place, in the order they were made.
QStringList layoutof(QWidget *window)
{
    QStringList places;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const QRect r = w->geometry();
        places.append(QStringLiteral("%1 %2 %3,%4 %5x%6")
                          .arg(QLatin1String(w->metaObject()->className()), w->accessibleName())
                          .arg(r.x())
                          .arg(r.y())
                          .arg(r.width())
                          .arg(r.height()));
    }
    return places;
}

// The screens of a whole number of device pixels to the pixel, from two up.
void densescreens()
{
    QTest::addColumn<int>("screen");
    const QList<QScreen *> all = screens();
    int rows = 0;
    for (int k = 0; k < all.size(); ++k)
        if (const qreal ratio = all[k]->devicePixelRatio(); ratio >= 2 && ratio == std::floor(ratio)) {
            QTest::addRow("%g device pixels to the pixel", ratio) << k;
            ++rows;
        }
    if (rows == 0)
        QSKIP("no screen of two or more whole device pixels to the pixel");
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setupformtests(); }

    void historyLinesAreDrawnLikeTheirRowScale_data();
    void historyLinesAreDrawnLikeTheirRowScale();
    void displaysCentreTheirDigits_data();
    void displaysCentreTheirDigits();
    void windowsKeepTheirLayout_data();
    void windowsKeepTheirLayout();
    void helpTextHasTwiceTheDetail_data();
    void helpTextHasTwiceTheDetail();
    void picturesShowTheirDoubleSizeImages_data();
    void picturesShowTheirDoubleSizeImages();
    void iconFramesShowTheirDoubleSizeImages_data();
    void iconFramesShowTheirDoubleSizeImages();
};

void TestHighDpi::historyLinesAreDrawnLikeTheirRowScale_data()
{
    screenrows();
}

// Line k of a box starts with the digit k, which row k of the scale beside it
// shows too: the two stand in the same device pixel rows, give or take one.
// Lines printed on the least dense screen and carried over to this one are
// drawn afresh with its detail, like the last line printed here, as sharp on
// a screen of two device pixels to the pixel as the scale beside them.
void TestHighDpi::historyLinesAreDrawnLikeTheirRowScale()
{
    QFETCH(int, screen);
    FormHarness h;
    Form1 &f = *h.form;
    showon(&f, screens().first());
    constexpr int rows = 9;
    auto printrow = [&](int row) {
        for (platform::PictureBox *box : {f.Picture1, f.Picture2}) {
            box->print(QString::number(row), false);
            box->print(QStringLiteral("  ++"), false);
            box->print(QStringLiteral(" -"), true);
        }
    };
    for (int row = 1; row < rows; ++row)
        printrow(row);
    showon(&f, screens()[screen]);
    printrow(rows);

    const qreal ratio = f.devicePixelRatioF();
    QWidget *client = f.centralWidget();
    const QImage shot = client->grab().toImage();
    const int line = QFontMetrics(f.Picture1->font()).height();
    for (auto [box, scale] : {std::pair {f.Picture1, f.Label5}, std::pair {f.Picture2, f.Label4}}) {
        const QRgb ground = box->palette().color(QPalette::Window).rgb();
        QCOMPARE(scale->palette().color(QPalette::Window).rgb(), ground);
        const QRect inbox = box->contentsRect().translated(box->pos());
        const QRect inscale = scale->contentsRect().translated(scale->pos());
        QCOMPARE(inbox.top(), inscale.top());
        for (int row = 1; row <= rows; ++row) {
            const int top = inbox.top() + (row - 1) * line;
            const QRect printed = inkof(shot, devicerect(QRect(inbox.left(), top, line, line), ratio), ground);
            const QRect numbered
                = inkof(shot, devicerect(QRect(inscale.left(), top, inscale.width(), line), ratio), ground);
            QVERIFY2(
                std::abs(printed.top() - numbered.top()) <= 1 && std::abs(printed.bottom() - numbered.bottom()) <= 1,
                qPrintable(QStringLiteral("%1, row %2: printed in rows %3 to %4, numbered in %5 to %6")
                               .arg(box->accessibleName())
                               .arg(row)
                               .arg(printed.top())
                               .arg(printed.bottom())
                               .arg(numbered.top())
                               .arg(numbered.bottom())));
        }
        if (ratio >= 2 && ratio == std::floor(ratio)) {
            const QRect lines(inbox.left(), inbox.top(), inbox.width(), rows * line);
            const Detail printed = detail(shot, devicerect(lines, ratio), ground, int(ratio));
            const Detail numbered = detail(shot, devicerect(inscale, ratio), ground, int(ratio));
            QVERIFY2(numbered.sharp(), qPrintable(numbered.text()));
            QVERIFY2(printed.sharp(),
                qPrintable(QStringLiteral("%1: %2; on the scale %3")
                               .arg(box->accessibleName(), printed.text(), numbered.text())));
        }
    }
}

void TestHighDpi::displaysCentreTheirDigits_data()
{
    screenrows();
}

// As many rows of the display's ground between the digits and the top border
// as between them and the bottom one, give or take one device pixel.
void TestHighDpi::displaysCentreTheirDigits()
{
    QFETCH(int, screen);
    FormHarness h;
    Form1 &f = *h.form;
    showon(&f, screens()[screen]);
    for (auto [display, number] : {std::pair {f.Label8, "5037"}, std::pair {f.Label10, "1289"}}) {
        display->setText(QString::fromLatin1(number));
        const QImage shot = display->grab().toImage();
        const QRgb ground = display->palette().color(QPalette::Window).rgb();
        // Rows across the middle half of the display: ground, digits or border.
        auto plain = [&](int y) {
            for (int x = shot.width() / 4; x < shot.width() * 3 / 4; ++x)
                if (shot.pixel(x, y) != ground)
                    return false;
            return true;
        };
        const int middle = shot.height() / 2;
        QVERIFY(!plain(middle));
        int top = middle, bottom = middle;
        while (top > 0 && !plain(top - 1))
            --top;
        while (bottom + 1 < shot.height() && !plain(bottom + 1))
            ++bottom;
        int above = 0, below = 0;
        while (top - above - 1 >= 0 && plain(top - above - 1))
            ++above;
        while (bottom + below + 1 < shot.height() && plain(bottom + below + 1))
            ++below;
        QVERIFY2(std::abs(above - below) <= 1,
            qPrintable(QStringLiteral("%1: %2 rows above the digits, %3 below").arg(number).arg(above).arg(below)));
    }
}

void TestHighDpi::windowsKeepTheirLayout_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("window");
    const QList<QScreen *> all = screens();
    for (int k = 0; k < all.size(); ++k)
        for (int w = 0; w < windows().size(); ++w)
            QTest::addRow("%s at %g", windows()[w].first, all[k]->devicePixelRatio()) << k << w;
}

// Every control keeps its place in pixels of the design on every screen, and
// a window of two device pixels to the pixel is drawn with exactly twice as
// many pixels each way.
void TestHighDpi::windowsKeepTheirLayout()
{
    QFETCH(int, screen);
    QFETCH(int, window);
    QStringList plain;
    {
        const std::shared_ptr<QWidget> w = windows()[window].second();
        showon(w.get(), screens().first());
        plain = layoutof(w.get());
    }
    const std::shared_ptr<QWidget> w = windows()[window].second();
    showon(w.get(), screens()[screen]);
    QCOMPARE(layoutof(w.get()), plain);
    const qreal ratio = w->devicePixelRatioF();
    if (ratio == std::floor(ratio))
        QCOMPARE(w->grab().size(), w->size() * int(ratio));
}

void TestHighDpi::helpTextHasTwiceTheDetail_data()
{
    densescreens();
}

// The help page's columns of text have the detail of the screen, as the
// history lines do.
void TestHighDpi::helpTextHasTwiceTheDetail()
{
    QFETCH(int, screen);
    dialogs::Form2 help;
    showon(&help, screens()[screen]);
    const qreal ratio = help.devicePixelRatioF();
    const QImage shot = help.grab().toImage();
    const QList<QTextBrowser *> columns = help.findChildren<QTextBrowser *>();
    QCOMPARE(columns.size(), 2);
    for (QTextBrowser *column : columns) {
        const QRect place(column->mapTo(&help, QPoint(0, 0)), column->size());
        const QRgb ground = shot.pixel(devicerect(place, ratio).topLeft());
        const Detail text = detail(shot, devicerect(place, ratio), ground, int(ratio));
        QVERIFY(text.inked > 2000);
        QVERIFY2(text.sharp(), qPrintable(text.text()));
    }
}

void TestHighDpi::picturesShowTheirDoubleSizeImages_data()
{
    densescreens();
}

// On a screen of two device pixels to the pixel every picture shows its
// double-size image pixel for pixel: the About picture, the outcome pictures
// and the program icon.
void TestHighDpi::picturesShowTheirDoubleSizeImages()
{
    QFETCH(int, screen);
    QScreen *dense = screens()[screen];
    const int ratio = int(dense->devicePixelRatio());
    // The pixels of an image, whatever density it is meant for.
    auto pixels = [](QImage image, QImage::Format format = QImage::Format_RGB32) {
        image.setDevicePixelRatio(1);
        return image.convertToFormat(format);
    };
    // What a box shows: the image on the box's black ground.
    auto onground = [&](const QString &file) {
        QImage shown(pixels(QImage(file)).size(), QImage::Format_RGB32);
        shown.fill(Qt::black);
        QPainter(&shown).drawImage(0, 0, pixels(QImage(file), QImage::Format_ARGB32));
        return shown;
    };

    dialogs::frmAbout about;
    showon(&about, dense);
    const QImage picture = about.picIcon->grab(about.picIcon->contentsRect()).toImage();
    QCOMPARE(picture.size(), QSize(191, 80) * ratio);
    QCOMPARE(pixels(picture), onground(QStringLiteral(":/pictures/about@2x.jpg")));
    // Carried to a plain screen, it shows the plain image again.
    if (QScreen *plain = screens().first(); plain->devicePixelRatio() == 1) {
        showon(&about, plain);
        QCOMPARE(pixels(about.picIcon->grab(about.picIcon->contentsRect()).toImage()),
            onground(QStringLiteral(":/pictures/about.jpg")));
    }

    const std::pair<std::shared_ptr<dialogs::OutcomeDialog>, const char *> outcomes[] {
        {std::make_shared<dialogs::frmUwin>(), "oldman"},
        {std::make_shared<dialogs::frmUlost>(), "wheelchair"},
        {std::make_shared<dialogs::TSdraw>(), "handshake"},
    };
    for (const auto &[dialog, name] : outcomes) {
        showon(dialog.get(), dense);
        const QList<QLabel *> pictures = dialog->findChildren<QLabel *>();
        QLabel *box = *std::find_if(
            pictures.begin(), pictures.end(), [](const QLabel *label) { return !label->pixmap().isNull(); });
        QCOMPARE(
            pixels(box->grab().toImage()), onground(QStringLiteral(":/outcomes/%1-64.png").arg(QLatin1String(name))));
    }

    const auto argb = QImage::Format_ARGB32;
    QCOMPARE(pixels(dialogs::programicon().pixmap(QSize(32, 32), ratio).toImage(), argb),
        pixels(QImage(QStringLiteral(":/icons/numora-64.png")), argb));
}

void TestHighDpi::iconFramesShowTheirDoubleSizeImages_data()
{
    QTest::addColumn<int>("screen");
    const QList<QScreen *> all = screens();
    for (int k = 0; k < all.size(); ++k)
        if (all[k]->devicePixelRatio() > 1)
            QTest::addRow("%g device pixels to the pixel", all[k]->devicePixelRatio()) << k;
    if (all.last()->devicePixelRatio() == 1)
        QSKIP("no screen of more than one device pixel to the pixel");
}

// On any screen denser than one device pixel to the pixel, whole or not, each
// frame of the spinning top is drawn from its double-size image: that image
// itself at two, brought down smoothly in between, never the plain one blown up.
void TestHighDpi::iconFramesShowTheirDoubleSizeImages()
{
    QFETCH(int, screen);
    QScreen *dense = screens()[screen];
    const qreal ratio = dense->devicePixelRatio();
    const int size = qRound(32 * ratio);
    auto premultiplied = [](QImage image) {
        image.setDevicePixelRatio(1);
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    FormHarness h;
    showon(h.form.get(), dense);
    for (int frame = 0; frame < 18; ++frame) {
        const QImage shown = premultiplied(h.form->Image1[frame].pixmap(QSize(32, 32), ratio).toImage());
        const QImage twice
            = premultiplied(QImage(QStringLiteral(":/icons/top-%1@2x.png").arg(frame, 2, 10, QLatin1Char('0'))));
        QCOMPARE(shown, twice.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
