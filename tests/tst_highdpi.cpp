// The windows on screens of 1, 1.25, 1.5 and 2 device pixels to the pixel (four
// offscreen screens side by side, or one scaled by QT_SCALE_FACTOR): printed
// history lines and the help page are drawn with the screen's own detail, the
// displays centre their digits, and every place stays what it is at 1.

#include "formtesting.h"
#include "platform/picturebox.h"
#include "platform/rowscale.h"

#include <QLabel>
#include <QScreen>
#include <QWindow>

#include <cmath>

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

// The blocks of n x n device pixels (one pixel of the design each) that hold
// ink, and how many of those are flat: n x n equal pixels, as a picture drawn
// at one device pixel to the pixel and stretched would give every one of them.
struct Blocks
{
    int inked = 0;
    int flat = 0;
};
Blocks blocks(const QImage &image, const QRect &region, QRgb ground, int n)
{
    Blocks found;
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
    return found;
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
};

namespace {

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

} // namespace

void TestHighDpi::historyLinesAreDrawnLikeTheirRowScale_data()
{
    screenrows();
}

// Line k of a box starts with the digit k, which row k of the scale beside it
// shows too: the two stand in the same device pixel rows, give or take one.
// Lines printed on the least dense screen and carried over to this one are
// drawn afresh with its detail, like the last line printed here: on a screen
// of two device pixels to the pixel, few of the 2 x 2 blocks they ink are
// four equal pixels, as few as on the scale beside them.
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
            const Blocks printed = blocks(shot, devicerect(lines, ratio), ground, int(ratio));
            const Blocks numbered = blocks(shot, devicerect(inscale, ratio), ground, int(ratio));
            QVERIFY(printed.inked > 0 && numbered.inked > 0);
            QVERIFY2(printed.flat * 4 < printed.inked,
                qPrintable(QStringLiteral("%1: %2 of %3 inked blocks are flat, on the scale %4 of %5")
                               .arg(box->accessibleName())
                               .arg(printed.flat)
                               .arg(printed.inked)
                               .arg(numbered.flat)
                               .arg(numbered.inked)));
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

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
