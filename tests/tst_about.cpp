// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The About and Help windows: their layout, the keys that close About, the
// pictures they and the main window show, and how they live beside the main
// window. Also the program's desktop id.

#include "dialogs/about.h"
#include "formtesting.h"
#include "platform/colourbutton.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QImageReader>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTextBrowser>
#include <QTranslator>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>

using dialogs::Form2;
using dialogs::frmAbout;

namespace {

// Runs what closing a window left to do, deleting it if it asked for that.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget *control(frmAbout *about, const QString &name)
{
    const QHash<QString, QWidget *> controls {
        {QStringLiteral("lblTitle"), about->lblTitle},
        {QStringLiteral("lblDescription"), about->lblDescription},
        {QStringLiteral("lblVersion"), about->lblVersion},
        {QStringLiteral("Label1"), about->Label1},
        {QStringLiteral("picIcon"), about->picIcon},
        {QStringLiteral("cmdOK"), about->cmdOK},
    };
    return controls.value(name);
}

QSet<QRgb> colours(const QImage &image)
{
    QSet<QRgb> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            found.insert(image.pixel(x, y));
    return found;
}

int differentpixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

QImage topframe(int frame)
{
    return QImage(QStringLiteral(":/icons/top-%1.png").arg(frame, 2, 10, QLatin1Char('0')))
        .convertToFormat(QImage::Format_ARGB32);
}

// What a screen reader reads of a window, a line for each paragraph or cell:
// the names of its parts and the text they hold, in the order they come.
QStringList readaloud(QWidget *window)
{
    QStringList lines;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
        QString text = node->text(QAccessible::Name);
        if (QAccessibleTextInterface *body = node->textInterface())
            text += QLatin1Char('\n') + body->text(0, body->characterCount());
        // Paragraphs, lines, and the bounds of a table's cells.
        for (QChar end : {QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator), QChar(0xfdd0), QChar(0xfdd1)})
            text.replace(end, QLatin1Char('\n'));
        for (const QString &line : text.split(QLatin1Char('\n')))
            if (!line.simplified().isEmpty())
                lines.append(line.simplified());
        for (int k = 0; k < node->childCount(); ++k)
            walk(node->child(k));
    };
    walk(QAccessible::queryAccessibleInterface(window));
    return lines;
}

// The design's twips in pixels, 15 to the pixel.
QRect designpixels(const QRect &twips)
{
    return QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
}

// A shown window of one fixed size with a close box only, modeless, in the
// middle of the screen.
void checkfixedwindow(QWidget *window, const QSize &size)
{
    const QPoint off = window->frameGeometry().center() - window->screen()->availableGeometry().center();
    QVERIFY2(off.manhattanLength() <= 1, qPrintable(QStringLiteral("off by %1,%2").arg(off.x()).arg(off.y())));
    for (const QSize &tried : {size, size / 2, size * 2}) {
        window->resize(tried);
        QCOMPARE(window->size(), size);
    }
    QCOMPARE(window->minimumSize(), size);
    QCOMPARE(window->maximumSize(), size);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(!window->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setupformtests(); }

    // --- frmAbout
    void aboutWindowFollowsItsDesign_data();
    void aboutWindowFollowsItsDesign();
    void okButtonHasADarkRedFaceAndABoldLargerFont();
    void pictureIsATrueColourJpegInASunkenBorderTwoPixelsWide();
    void tabOrderRunsFromOkThroughTheLabels();
    void onlyOkTakesTheFocus();
    void waysToUnloadTheAboutWindow_data();
    void waysToUnloadTheAboutWindow();

    // --- Form2
    void helpWindowFollowsItsDesign_data();
    void helpWindowFollowsItsDesign();
    void helpPageIsLightLetteringOnDarkBlue();
    void helpPageWordsAreThereForScreenReaders();
    void helpPageExamplesFollowTheRules();
    void helpPageTextsAreTranslatedAParagraphAtATime();
    void helpPageIsReadByKeyboardColumnByColumn();
    void escClosesTheHelpWindow();

    // --- pictures
    void programIconComesInEverySize_data();
    void programIconComesInEverySize();
    void topFramesAreEighteenSmallIconsWithAMask();
    void topFramesAreAllDifferentAndLoopSmoothly();
    void topFramesShowARedTop();

    // --- beside the main window
    void aboutTwiceLeavesOneAboutWindow();
    void helpTwiceLeavesOneHelpWindow();
    void aboutAndHelpCanBeOpenTogether();
    void aboutAfterOkBuildsAFreshWindow();
    void padsWorkWhileAboutAndHelpAreOpen();
};

// ---------------------------------------------------------------- frmAbout

// The window and each control: where it sits, what it says, its hint, and for
// a label its font and ink. Text or tip null: the design leaves the words open.
void TestAbout::aboutWindowFollowsItsDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QColor>("ink"); // a label's
    QTest::addColumn<bool>("serifbold"); // a label's font, else the window's
    const QColor black(0, 0, 0), maroon(128, 0, 0);
    QTest::newRow("frmAbout") << "frmAbout" << QRect(0, 0, 3150, 2760) << "About the game..."
                              << "" << QColor() << false;
    QTest::newRow("lblTitle") << "lblTitle" << QRect(120, 120, 2880, 195) << "TESSARIN 2.0 (the smarter version)"
                              << "" << black << false;
    QTest::newRow("lblDescription") << "lblDescription" << QRect(120, 405, 1770, 195) << "Number Guessing Game."
                                    << "" << black << false;
    QTest::newRow("lblVersion") << "lblVersion" << QRect(120, 705, 1845, 195) << QString() << "" << maroon << true;
    QTest::newRow("Label1") << "Label1" << QRect(2400, 705, 510, 195) << "E-mail" << QString() << black << true;
    QTest::newRow("picIcon") << "picIcon" << QRect(120, 960, 2925, 1260) << ""
                             << "That was what I used to do before I began writing unnecessary programs!" << QColor()
                             << false;
    QTest::newRow("cmdOK") << "cmdOK" << QRect(120, 2280, 2925, 345) << "OK"
                           << "Move your mouse on the picture!" << QColor() << false;
}

void TestAbout::aboutWindowFollowsItsDesign()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    QFETCH(QString, tip);
    QFETCH(QColor, ink);
    QFETCH(bool, serifbold);
    const QColor lightcyan(192, 255, 255);
    const QRect pixels = designpixels(twips);
    QWidget owner;
    owner.move(owner.screen()->availableGeometry().topLeft());
    owner.show();
    QPointer<frmAbout> about = new frmAbout(&owner);
    about->show();
    QWidget *widget = name == QLatin1String("frmAbout") ? about.data() : control(about, name);
    QVERIFY(widget);

    QString shown = widget->isWindow() ? widget->windowTitle() : widget->property("text").toString();
    if (text.isNull())
        QVERIFY(!shown.isEmpty());
    else
        QCOMPARE(shown, text);
    if (tip.isNull())
        QVERIFY(!widget->toolTip().trimmed().isEmpty());
    else
        QCOMPARE(widget->toolTip(), tip);

    if (widget->isWindow()) {
        checkfixedwindow(about, pixels.size());
        QCOMPARE(about->windowType(), Qt::Dialog);
        // Owned by the main window, so it stays out of the task bar.
        QCOMPARE(about->parentWidget(), &owner);
        QCOMPARE(about->windowHandle()->transientParent(), owner.windowHandle());
        QVERIFY(owner.isEnabled());
        QVERIFY(about->windowIcon().availableSizes().contains(QSize(16, 16)));
        const QImage icon = about->windowIcon().pixmap(32).toImage();
        QCOMPARE(icon, QImage(QStringLiteral(":/icons/numora-32.png")).convertToFormat(icon.format()));
        // The ground between the title and the right edge, and below the button.
        const QImage shot = about->grab().toImage();
        QCOMPARE(shot.pixelColor(205, 30), lightcyan);
        QCOMPARE(shot.pixelColor(100, 180), lightcyan);
        QCOMPARE(about->font().pointSizeF(), 8.25);
        QVERIFY(!about->font().bold());
        return;
    }

    QCOMPARE(widget->pos(), pixels.topLeft());
    QCOMPARE(widget->height(), pixels.height());
    QVERIFY(about->rect().contains(widget->geometry()));
    auto *label = qobject_cast<QLabel *>(widget);
    if (!ink.isValid()) {
        QCOMPARE(widget->size(), pixels.size());
        return;
    }
    // A label is sized to its text: as the design where the stand-in font
    // fits, wider where it needs more room, never wider than the text needs.
    const int needs = label->sizeHint().width();
    QCOMPARE(widget->width(), std::max(pixels.width(), needs));
    QVERIFY2(needs <= pixels.width() * 115 / 100,
        qPrintable(QStringLiteral("the text needs %1 px of the design's %2").arg(needs).arg(pixels.width())));
    // One line, all of it inside the label in the font it is shown in.
    QVERIFY(!label->text().contains(QLatin1Char('\n')));
    QVERIFY(!label->wordWrap());
    const QFontMetrics metrics(label->font());
    QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
        qPrintable(QStringLiteral("%1 px of text in %2 px")
                       .arg(metrics.horizontalAdvance(label->text()))
                       .arg(label->width())));
    QVERIFY(metrics.height() <= label->height() + 1);

    QCOMPARE(label->font().pointSizeF(), 8.25);
    QCOMPARE(label->font().bold(), serifbold);
    QCOMPARE(QFontInfo(label->font()).bold(), serifbold);
    // The window's font is the sans-serif one; the two serif labels differ from it.
    QCOMPARE(QFontInfo(label->font()).family() != QFontInfo(about->font()).family(), serifbold);

    // Drawn: ink where the strokes are, light cyan around them, nothing else.
    const QImage shot = about->grab(label->geometry()).toImage();
    bool inked = false;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            inked = inked || c == ink;
            // Every pixel lies between the ink and the ground.
            for (auto [from, to, got] : {std::tuple {ink.red(), lightcyan.red(), c.red()},
                     {ink.green(), lightcyan.green(), c.green()}, {ink.blue(), lightcyan.blue(), c.blue()}})
                QVERIFY2(got >= std::min(from, to) - 2 && got <= std::max(from, to) + 2,
                    qPrintable(QStringLiteral("pixel %1,%2 is %3").arg(x).arg(y).arg(c.name())));
        }
    QVERIFY(inked);
}

void TestAbout::okButtonHasADarkRedFaceAndABoldLargerFont()
{
    frmAbout about;
    QCOMPARE(about.cmdOK->font().pointSizeF(), 9.75);
    QVERIFY(about.cmdOK->font().bold());
    QVERIFY(QFontInfo(about.cmdOK->font()).pixelSize() > QFontInfo(about.lblTitle->font()).pixelSize());
    QVERIFY(about.cmdOK->isDefault());
    const QImage face = about.cmdOK->grab().toImage();
    QCOMPARE(face.pixelColor(12, face.height() / 2), QColor(192, 0, 0));
    QCOMPARE(face.pixelColor(face.width() - 12, face.height() / 2), QColor(192, 0, 0));
}

void TestAbout::pictureIsATrueColourJpegInASunkenBorderTwoPixelsWide()
{
    frmAbout about;
    QLabel *box = about.picIcon;
    QCOMPARE(box->pixmap().size(), QSize(191, 80));
    QCOMPARE(box->frameShadow(), QFrame::Sunken);
    QCOMPARE(box->frameWidth(), 2);
    QCOMPARE(box->contentsRect(), QRect(2, 2, 191, 80));
    QCOMPARE(QImageReader(QStringLiteral(":/pictures/about.jpg")).format(), QByteArray("jpeg"));
    const QImage picture = box->pixmap().toImage();
    QVERIFY(!picture.isGrayscale());
    QVERIFY(colours(picture).size() > 256);
    // The picture shows inside the border, pixel for pixel.
    const QImage shot = box->grab().toImage();
    for (QPoint p : {QPoint(0, 0), QPoint(190, 0), QPoint(0, 79), QPoint(190, 79), QPoint(95, 40)})
        QCOMPARE(shot.pixelColor(p + QPoint(2, 2)), picture.pixelColor(p));
    // A sunken border is dark at the top left, light at the bottom right.
    QVERIFY(qGray(shot.pixel(0, 40)) < qGray(shot.pixel(194, 40)));
}

void TestAbout::tabOrderRunsFromOkThroughTheLabels()
{
    frmAbout about;
    const QList<QWidget *> expected {
        about.cmdOK, about.picIcon, about.lblDescription, about.lblTitle, about.lblVersion, about.Label1};
    QList<QWidget *> chain;
    QWidget *w = about.cmdOK;
    do {
        if (expected.contains(w))
            chain.append(w);
        w = w->nextInFocusChain();
    } while (w != about.cmdOK && chain.size() < 12);
    QCOMPARE(chain, expected);
}

void TestAbout::onlyOkTakesTheFocus()
{
    frmAbout about;
    about.show();
    about.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QCOMPARE(QApplication::focusWidget(), about.cmdOK);
    QTest::keyClick(about.windowHandle(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), about.cmdOK);
    for (QLabel *label : {about.lblTitle, about.lblDescription, about.lblVersion, about.Label1, about.picIcon})
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

// ---------------------------------------------------------------- frmAbout: closing

namespace {
enum Way { click = -1, handler = -2, closebox = -3 }; // the ways that are not keys
}

void TestAbout::waysToUnloadTheAboutWindow_data()
{
    QTest::addColumn<int>("way"); // a key, or one of the other ways
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("unloads");
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier) << true;
    QTest::newRow("space on the focused OK") << int(Qt::Key_Space) << int(Qt::NoModifier) << true;
    QTest::newRow("a letter") << int(Qt::Key_O) << int(Qt::NoModifier) << false;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << int(Qt::NoModifier) << false;
    QTest::newRow("keypad digit") << int(Qt::Key_5) << int(Qt::KeypadModifier) << false;
    QTest::newRow("mouse click on OK") << int(click) << 0 << true;
    QTest::newRow("cmdOK_Click called directly") << int(handler) << 0 << true;
    QTest::newRow("close box") << int(closebox) << 0 << true;
}

void TestAbout::waysToUnloadTheAboutWindow()
{
    QFETCH(int, way);
    QFETCH(int, modifiers);
    QFETCH(bool, unloads);
    QWidget owner;
    owner.show();
    QPointer<frmAbout> about = new frmAbout(&owner);
    about->show();
    about->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(about));
    if (way == click)
        QTest::mouseClick(about->cmdOK, Qt::LeftButton);
    else if (way == handler)
        about->cmdOK_Click();
    else if (way == closebox)
        about->close();
    else
        QTest::keyClick(about->windowHandle(), Qt::Key(way), Qt::KeyboardModifiers(modifiers));
    settle();
    QCOMPARE(about.isNull(), unloads);
    if (!unloads)
        QVERIFY(about->isVisible());
    QVERIFY(owner.isVisible());
    delete about;
}

// ---------------------------------------------------------------- Form2

void TestAbout::helpWindowFollowsItsDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Form2") << "Form2" << QRect(0, 0, 13515, 8190);
    QTest::newRow("Picture1") << "Picture1" << QRect(0, 0, 13515, 8175);
}

void TestAbout::helpWindowFollowsItsDesign()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    Form2 help;
    help.show();
    if (name == QLatin1String("Form2")) {
        checkfixedwindow(&help, designpixels(twips).size());
        QCOMPARE(help.windowTitle(), QStringLiteral("Game Help"));
        QCOMPARE(help.windowType(), Qt::Window);
        QCOMPARE(help.parentWidget(), nullptr); // its own entry in the task bar
        QVERIFY(help.windowIcon().availableSizes().contains(QSize(32, 32)));
        return;
    }
    // The page in a sunken box on white, two pixels of border all round.
    QFrame *box = help.Picture1;
    QCOMPARE(box->geometry(), designpixels(twips));
    QCOMPARE(box->frameShadow(), QFrame::Sunken);
    QCOMPARE(box->contentsRect(), designpixels(twips).adjusted(2, 2, -2, -2));
    QVERIFY(box->autoFillBackground());
    QCOMPARE(box->palette().color(QPalette::Window), QColor(255, 255, 255));
    // The page's dark ground reaches every corner inside the border, and no further.
    const QImage shot = box->grab().toImage();
    const QColor ground = shot.pixelColor(2, 2);
    for (QPoint p : {QPoint(898, 2), QPoint(2, 542), QPoint(898, 542)})
        QCOMPARE(shot.pixelColor(p), ground);
    for (QPoint p : {QPoint(0, 0), QPoint(1, 270), QPoint(899, 270), QPoint(450, 543)})
        QVERIFY(shot.pixelColor(p) != ground);
}
void TestAbout::helpPageIsLightLetteringOnDarkBlue()
{
    Form2 help;
    const QImage page = help.Picture1->grab(help.Picture1->contentsRect()).toImage();
    QCOMPARE(page.size(), QSize(897, 541));
    const QColor ground = page.pixelColor(0, 0);
    QVERIFY(ground.blue() > 2 * std::max(ground.red(), ground.green()));
    QVERIFY(ground.lightness() < 80);
    QCOMPARE(page.pixelColor(896, 0), ground);
    QCOMPARE(page.pixelColor(0, 540), ground);
    int red = 0, lightblue = 0, light = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 120 && c.blue() < 120;
            lightblue += c.blue() > 200 && c.green() > 150 && c.red() < 190;
            light += c.lightness() > 180;
        }
    QVERIFY2(red > 400 && lightblue > 200 && light > 5000,
        qPrintable(QStringLiteral("red %1, light blue %2, light %3").arg(red).arg(lightblue).arg(light)));
    bool lettered = false;
    for (int y = 470; y < 541 && !lettered; ++y)
        for (int x = 700; x < 897 && !lettered; ++x)
            lettered = page.pixelColor(x, y).lightness() > 150;
    QVERIFY(lettered);
}

void TestAbout::helpPageWordsAreThereForScreenReaders()
{
    Form2 help;
    const QString words = readaloud(&help).join(QLatin1Char('\n'));
    // The headings, the examples of the rules and the closing wish.
    for (const char *needle : {"THE GAME", "THE RULES", "PLAYING", "STRATEGY", "The secret number", "Marking a guess",
             "The numeric keypad", "confirm the number or the signs", "Good luck!"})
        QVERIFY2(words.contains(QLatin1String(needle)), needle);
    QVERIFY(words.indexOf(QLatin1String("Good luck!")) > words.indexOf(QLatin1String("STRATEGY")));
}

void TestAbout::helpPageExamplesFollowTheRules()
{
    Form2 help;
    const QStringList lines = readaloud(&help);
    auto line = [&](const QString &start) {
        for (const QString &l : lines)
            if (l.startsWith(start))
                return l.mid(start.size());
        return QString();
    };
    auto numbers = [](const QString &text) {
        QStringList found;
        static const QRegularExpression four(QStringLiteral("\\b\\d{4}\\b"));
        for (auto m = four.globalMatch(text); m.hasNext();)
            found.append(m.next().captured());
        return found;
    };
    auto allowed = [](const QString &n) {
        return n.size() == 4 && n[0] != QLatin1Char('0') && QSet<QChar>(n.begin(), n.end()).size() == 4;
    };

    const QStringList good = numbers(line(QStringLiteral("Good:")));
    QCOMPARE(good.size(), 3);
    for (const QString &n : good)
        QVERIFY2(allowed(n), qPrintable(n));
    const QStringList bad = numbers(line(QStringLiteral("Not allowed:")));
    QCOMPARE(bad.size(), 3);
    int leadingzero = 0, repeated = 0;
    for (const QString &n : bad) {
        QVERIFY2(!allowed(n), qPrintable(n));
        leadingzero += n[0] == QLatin1Char('0');
        repeated += QSet<QChar>(n.begin(), n.end()).size() < 4;
    }
    QCOMPARE(leadingzero, 1);
    QCOMPARE(repeated, 2);

    // The worked example, a table read cell by cell: one digit absent, one in
    // place, two elsewhere.
    auto row = [&](const QString &name) {
        const qsizetype at = lines.indexOf(name);
        return at < 0 ? QString() : lines.mid(at + 1, 4).join(QString());
    };
    const QString secret = row(QStringLiteral("Secret"));
    const QString guess = row(QStringLiteral("Guess"));
    QVERIFY2(allowed(secret) && allowed(guess), qPrintable(secret + QLatin1Char(' ') + guess));
    int plus = 0, minus = 0, absent = 0;
    for (int i = 0; i < 4; ++i) {
        if (guess[i] == secret[i])
            ++plus;
        else if (secret.contains(guess[i]))
            ++minus;
        else
            ++absent;
    }
    QCOMPARE(plus, 1);
    QCOMPARE(minus, 2);
    QCOMPARE(absent, 1);
    QCOMPARE(lines.mid(lines.indexOf(QStringLiteral("Signs")) + 1, 3), QStringList({"-", "+", "-"}));
    const QString example = line(QStringLiteral("For example:"));
    QVERIFY(example.endsWith(QStringLiteral("is + - -")));
}

// Every text of the page is asked of the translator in Form2's context, a
// paragraph, heading or legend line at a time: with a translator that marks
// each text it is asked for, every line a screen reader reads is one mark.
void TestAbout::helpPageTextsAreTranslatedAParagraphAtATime()
{
    struct Marker : QTranslator
    {
        QStringList asked; // context: source
        bool isEmpty() const override { return false; }
        QString translate(const char *context, const char *source, const char *, int) const override
        {
            const QString text = QString::fromUtf8(source);
            if (text == QLatin1String("QT_LAYOUT_DIRECTION")) // Qt's own question
                return QString();
            const_cast<Marker *>(this)->asked.append(QString::fromLatin1(context) + QStringLiteral(": ") + text);
            return QString(QChar(0xab)) + text + QChar(0xbb); // « and »
        }
    } marker;
    QVERIFY(QCoreApplication::installTranslator(&marker));
    std::unique_ptr<Form2> help(new Form2);
    help->grab(); // the keypad names its keys as it draws them
    const QStringList lines = readaloud(help.get());
    QCoreApplication::removeTranslator(&marker);

    const QString context = QString::fromLatin1(Form2::staticMetaObject.className()) + QStringLiteral(": ");
    for (const QString &asked : marker.asked)
        QVERIFY2(asked.startsWith(context), qPrintable(asked));
    QVERIFY(marker.asked.contains(context + QStringLiteral("Num")));
    QVERIFY(marker.asked.contains(context + QStringLiteral("Enter")));
    int translated = 0;
    for (const QString &line : lines) {
        if (!line.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))) || line == help->windowTitle())
            continue;
        QVERIFY2(line.startsWith(QChar(0xab)) && line.endsWith(QChar(0xbb)) && line.count(QChar(0xab)) == 1,
            qPrintable(line));
        ++translated;
    }
    QVERIFY(translated >= 20);
}

// The page's text takes the focus: the left column first, Tab to the right
// one; the arrow keys move a caret through the text, which readers follow.
void TestAbout::helpPageIsReadByKeyboardColumnByColumn()
{
    Form2 help;
    help.show();
    help.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&help));
    auto *left = qobject_cast<QTextBrowser *>(QApplication::focusWidget());
    QVERIFY(left);
    QVERIFY(left->toPlainText().startsWith(QLatin1String("THE GAME")));
    QVERIFY(!left->accessibleDescription().isEmpty()); // how to read the page, and how to play
    QTest::keyClick(left, Qt::Key_Down);
    QVERIFY(left->textCursor().position() > 0);
    QTest::keyClick(left, Qt::Key_Tab);
    auto *right = qobject_cast<QTextBrowser *>(QApplication::focusWidget());
    QVERIFY(right && right != left);
    QVERIFY(right->toPlainText().startsWith(QLatin1String("PLAYING")));
}

void TestAbout::escClosesTheHelpWindow()
{
    QPointer<Form2> help = new Form2;
    help->show();
    help->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    settle();
    QVERIFY(help.isNull());
}

// ---------------------------------------------------------------- pictures

void TestAbout::programIconComesInEverySize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%d px", size) << size;
}

void TestAbout::programIconComesInEverySize()
{
    QFETCH(int, size);
    const QIcon icon = dialogs::programicon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    const QImage image(QStringLiteral(":/icons/numora-%1.png").arg(size));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    QVERIFY(image.depth() == 32);
    // A picture, not a flat tile: true colour with many shades.
    QVERIFY(colours(image.convertToFormat(QImage::Format_ARGB32)).size() > std::min(size * 2, 200));
    QCOMPARE(icon.pixmap(size).size(), QSize(size, size));
}

void TestAbout::topFramesAreEighteenSmallIconsWithAMask()
{
    for (int frame = 0; frame < 18; ++frame) {
        QVERIFY(!QPixmap(QStringLiteral(":/icons/top-%1.png").arg(frame, 2, 10, QLatin1Char('0'))).isNull());
        const QImage image = topframe(frame);
        QCOMPARE(image.size(), QSize(32, 32));
        QVERIFY(colours(image).size() <= 16);
        // A one-bit mask: each pixel wholly there or wholly not, the corners not.
        for (QRgb c : colours(image))
            QVERIFY(qAlpha(c) == 0 || qAlpha(c) == 255);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(31, 0)), 0);
    }
    QVERIFY(QPixmap(QStringLiteral(":/icons/top-18.png")).isNull());
}

void TestAbout::topFramesAreAllDifferentAndLoopSmoothly()
{
    QList<QImage> frames;
    for (int frame = 0; frame < 18; ++frame)
        frames.append(topframe(frame));
    for (int a = 0; a < 18; ++a)
        for (int b = a + 1; b < 18; ++b)
            QVERIFY2(frames[a] != frames[b], qPrintable(QStringLiteral("frames %1 and %2").arg(a).arg(b)));
    // From the last frame back to the first is a step like the others: no jump.
    int largest = 0;
    for (int k = 0; k + 1 < 18; ++k)
        largest = std::max(largest, differentpixels(frames[k], frames[k + 1]));
    QVERIFY2(differentpixels(frames[17], frames[0]) <= largest * 11 / 10,
        qPrintable(QStringLiteral("%1 > %2").arg(differentpixels(frames[17], frames[0])).arg(largest)));
}

void TestAbout::topFramesShowARedTop()
{
    // Of the coloured (not grey) pixels of each frame, most are red.
    for (int frame = 0; frame < 18; ++frame) {
        const QImage image = topframe(frame);
        int opaque = 0, coloured = 0, red = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb c = image.pixel(x, y);
                if (qAlpha(c) == 0)
                    continue;
                ++opaque;
                const int spread = std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
                if (spread < 30)
                    continue;
                ++coloured;
                red += qRed(c) > qGreen(c) + 40 && qRed(c) > qBlue(c) + 40;
            }
        QVERIFY(opaque > 150);
        QVERIFY2(
            2 * red > coloured, qPrintable(QStringLiteral("frame %1: %2 of %3").arg(frame).arg(red).arg(coloured)));
    }
}

// ---------------------------------------------------------------- beside the main window

void TestAbout::aboutTwiceLeavesOneAboutWindow()
{
    FormHarness h;
    h.form->about_Click();
    QPointer<frmAbout> first = h.form->aboutwindow;
    QVERIFY(first && first->isVisible());
    h.form->about_Click();
    settle();
    QCOMPARE(h.form->aboutwindow.data(), first.data());
    QCOMPARE(h.form->findChildren<frmAbout *>().size(), 1);
    QCOMPARE(first->parentWidget(), h.form.get());
    QVERIFY(first->isActiveWindow());
}

void TestAbout::helpTwiceLeavesOneHelpWindow()
{
    FormHarness h;
    h.form->help_Click();
    std::unique_ptr<Form2> keep(h.form->helpwindow.data()); // a top-level window outlives the form
    QVERIFY(keep && keep->isVisible());
    h.form->help_Click();
    settle();
    QCOMPARE(h.form->helpwindow.data(), keep.get());
    int helpwindows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        helpwindows += qobject_cast<Form2 *>(w) != nullptr;
    QCOMPARE(helpwindows, 1);
}

void TestAbout::aboutAndHelpCanBeOpenTogether()
{
    FormHarness h;
    h.form->help_Click();
    std::unique_ptr<Form2> help(h.form->helpwindow.data());
    h.form->about_Click();
    settle();
    QVERIFY(help->isVisible());
    QVERIFY(h.form->aboutwindow && h.form->aboutwindow->isVisible());
    // Closing About leaves Help where it is, and the other way round.
    h.form->aboutwindow->cmdOK_Click();
    settle();
    QVERIFY(h.form->aboutwindow.isNull());
    QVERIFY(help->isVisible());
    h.form->about_Click();
    help->close();
    settle();
    QVERIFY(h.form->helpwindow.isNull());
    help.release(); // deleted on close
    QVERIFY(h.form->aboutwindow && h.form->aboutwindow->isVisible());
}

void TestAbout::aboutAfterOkBuildsAFreshWindow()
{
    FormHarness h;
    h.form->about_Click();
    QPointer<frmAbout> first = h.form->aboutwindow;
    QTest::keyClick(first->windowHandle(), Qt::Key_Escape);
    settle();
    QVERIFY(first.isNull());
    h.form->about_Click();
    QVERIFY(h.form->aboutwindow);
    QVERIFY(h.form->aboutwindow->isVisible());
    QCOMPARE(h.form->aboutwindow->size(), QSize(210, 184));
}

void TestAbout::padsWorkWhileAboutAndHelpAreOpen()
{
    FormHarness h;
    h.form->newgame_Click();
    h.settle();
    h.form->help_Click();
    std::unique_ptr<Form2> help(h.form->helpwindow.data());
    h.form->about_Click();
    settle();
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // The player goes back to the main window and types on both pads.
    h.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
    h.click(1);
    h.keypad(Qt::Key_2);
    QCOMPARE(h.form->Label10->text(), QStringLiteral("12"));
    QVERIFY(h.form->aboutwindow && h.form->aboutwindow->isVisible());
    QVERIFY(help->isVisible());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
