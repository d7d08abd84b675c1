// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The help page: light and coloured lettering on dark blue in two columns under
// four red headings, a numeric keypad with its legend, and "Good luck!" in the
// bottom right corner. All of it is text drawn at the screen's own detail and
// readable by screen readers; each paragraph is one unit for a translator, with
// %1, %2, ... standing for the signs and numbers that no language changes.

#include "dialogs/about.h"

#include "platform/accessibility.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>

#include <algorithm>

namespace dialogs {

namespace {

constexpr int pagewidth = 897;
constexpr int pageheight = 541;
constexpr int margin = 26; // left and right of the columns
constexpr int gap = 40; // between the columns
constexpr int columnwidth = (pagewidth - 2 * margin - gap) / 2;
constexpr int columntop = 8;
constexpr int rightcolumn = pagewidth - margin - columnwidth;

const QColor ground(14, 22, 84);
const QColor body(226, 230, 242);
const QColor heading(255, 88, 80);
const QColor subheading(150, 200, 255);
const QColor yellow(255, 226, 100);
const QColor green(130, 232, 130);
const QColor orange(255, 158, 96);
const QColor rule(50, 74, 170);

QFont pixelfont(const QString &family, int pixels, bool bold = false, bool italic = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

const QString stylesheet
    = QStringLiteral("body { color: %1; font-family: 'Liberation Sans'; font-size: 14px; }"
                     "h1 { color: %2; font-family: 'Liberation Serif'; font-size: 21px; font-weight: bold;"
                     "     margin-top: 10px; margin-bottom: 3px; }"
                     "h2 { color: %3; font-size: 15px; font-weight: bold; margin-top: 6px; margin-bottom: 1px; }"
                     "p { margin-top: 0px; margin-bottom: 5px; }"
                     ".number { color: %4; font-weight: bold; }"
                     ".good { color: %5; font-weight: bold; }"
                     ".bad { color: %6; font-weight: bold; }"
                     ".sign { color: %4; font-weight: bold; font-family: 'Liberation Mono'; }"
                     ".key { color: %4; }")
          .arg(body.name(), heading.name(), subheading.name(), yellow.name(), green.name(), orange.name());

// Signs and numbers in their inks; blanks between signs do not break.
QString sign(const QString &signs)
{
    return QStringLiteral("<span class='sign'>%1</span>").arg(QString(signs).replace(QLatin1Char(' '), "&nbsp;"));
}
QString span(const char *style, const char *number)
{
    return QStringLiteral("<span class='%1'>%2</span>").arg(QLatin1String(style), QLatin1String(number));
}
QString h1(const QString &text)
{
    return QStringLiteral("<h1>%1</h1>").arg(text);
}
QString h2(const QString &text)
{
    return QStringLiteral("<h2>%1</h2>").arg(text);
}
QString p(const QString &text)
{
    return QStringLiteral("<p>%1</p>").arg(text);
}

// The width of the example's first column: the design's, or a longer word's.
int examplelabels(const QString &secret, const QString &guess, const QString &signs)
{
    const QFontMetrics metrics(pixelfont(QStringLiteral("Liberation Sans"), 14));
    int width = 62;
    for (const QString &label : {secret, guess, signs})
        width = std::max(width, metrics.horizontalAdvance(label) + 6);
    return width;
}

// A column of the page: rich text on the page's ground, neither scrolled nor
// edited. It takes the focus from Tab, so a reader reads the page column by
// column.
QTextBrowser *column(const QString &html, int left, const QString &spacing, QWidget *page)
{
    auto *text = new QTextBrowser(page);
    text->setFrameShape(QFrame::NoFrame);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    text->setCursorWidth(0);
    text->setTabChangesFocus(true);
    text->setFocusPolicy(Qt::TabFocus);
    text->setContextMenuPolicy(Qt::NoContextMenu);
    text->viewport()->setCursor(Qt::ArrowCursor);
    QTextDocument *document = text->document();
    document->setDocumentMargin(0);
    document->setDefaultFont(pixelfont(QStringLiteral("Liberation Sans"), 14));
    document->setDefaultStyleSheet(stylesheet + spacing);
    text->setHtml(QStringLiteral("<body>") + html + QStringLiteral("</body>"));
    text->setGeometry(left, columntop, columnwidth, pageheight - columntop);
    document->setTextWidth(columnwidth);
    return text;
}

// A column as a reader should say it: signs as words ("minus", not "dash"), no
// colons, and the example table a row to a sentence ("Guess 1 8 4 2"), with none
// of the frame marks rich text puts around a table.
QString spokenhelp(const QTextDocument *document)
{
    QStringList said;
    bool cell = false; // the last line was a table cell of one character
    for (const QString &text : document->toPlainText().split(QLatin1Char('\n'))) {
        // Readers name these marks aloud: colons go, the rest become pauses.
        QString plain = text;
        plain.remove(QLatin1Char(':')).remove(QLatin1Char(')')).replace(QLatin1Char(';'), QLatin1Char(','));
        plain.replace(QLatin1Char('('), QLatin1String(", "));
        QStringList words = plain.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        const bool onecharacter = words.size() == 1 && words[0].size() == 1;
        static const QRegularExpression signword(QStringLiteral("^([+-])(\\W*)$"));
        for (QString &word : words)
            if (const auto m = signword.match(word); m.hasMatch())
                word = (m.captured(1) == QLatin1String("+") ? Form2::tr("plus") : Form2::tr("minus")) + m.captured(2);
        const QString line = words.join(QLatin1Char(' '));
        if (onecharacter && !said.isEmpty() && (cell || said.last().split(QLatin1Char(' ')).size() == 1))
            said.last() += QLatin1Char(' ') + line;
        else
            said << line;
        cell = onecharacter;
    }
    for (QString &line : said)
        if (!line.back().isPunct())
            line += QLatin1Char('.');
    return said.join(QLatin1Char(' '));
}

// The page's ground and the rule between the columns.
class Page : public QWidget
{
public:
    explicit Page(QWidget *parent) : QWidget(parent)
    {
        QPalette pal = palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            pal.setColor(group, QPalette::Window, ground);
            pal.setColor(group, QPalette::Base, ground);
            pal.setColor(group, QPalette::Text, body);
            pal.setColor(group, QPalette::WindowText, body);
        }
        setPalette(pal);
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(rule, 1.5));
        const double middle = (margin + columnwidth + rightcolumn) / 2.0;
        painter.drawLine(QPointF(middle, 24), QPointF(middle, pageheight - 24));
    }
};

// The keypad's decimal key as the keyboards of the language print it: "," on
// German ones, where the text calls it the comma key.
QString decimalkey()
{
    return Form2::tr(".", "the numeric keypad's decimal key");
}

// A numeric keypad with the keys the game uses picked out in the inks of the
// legend beside it.
class Keypad : public QWidget
{
public:
    static constexpr int key = 30, step = 35;

    explicit Keypad(QWidget *parent) : QWidget(parent)
    {
        resize(3 * step + key + 2, 4 * step + key + 2); // and the keys' rims
        setAccessibleName(Form2::tr("The numeric keypad"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        struct Key
        {
            QString label;
            int column, row, wide, tall;
            QColor ink;
        };
        const QColor unused = QColor::fromRgbF(0.45f * float(subheading.redF()) + 0.55f * float(ground.redF()),
            0.45f * float(subheading.greenF()) + 0.55f * float(ground.greenF()),
            0.45f * float(subheading.blueF()) + 0.55f * float(ground.blueF()));
        const QList<Key> keys {
            {Form2::tr("Num"), 0, 0, 1, 1, unused},
            {QStringLiteral("/"), 1, 0, 1, 1, unused},
            {QStringLiteral("*"), 2, 0, 1, 1, unused},
            {QStringLiteral("-"), 3, 0, 1, 1, yellow},
            {QStringLiteral("7"), 0, 1, 1, 1, body},
            {QStringLiteral("8"), 1, 1, 1, 1, body},
            {QStringLiteral("9"), 2, 1, 1, 1, body},
            {QStringLiteral("+"), 3, 1, 1, 2, yellow},
            {QStringLiteral("4"), 0, 2, 1, 1, body},
            {QStringLiteral("5"), 1, 2, 1, 1, body},
            {QStringLiteral("6"), 2, 2, 1, 1, body},
            {QStringLiteral("1"), 0, 3, 1, 1, body},
            {QStringLiteral("2"), 1, 3, 1, 1, body},
            {QStringLiteral("3"), 2, 3, 1, 1, body},
            {Form2::tr("Enter"), 3, 3, 1, 2, green},
            {QStringLiteral("0"), 0, 4, 2, 1, body},
            {decimalkey(), 2, 4, 1, 1, orange},
        };
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const Key &k : keys) {
            const QRectF face(
                k.column * step + 0.75, k.row * step + 0.75, key + (k.wide - 1) * step, key + (k.tall - 1) * step);
            painter.setPen(QPen(k.ink, 1.5));
            painter.setBrush(rule);
            painter.drawRoundedRect(face, 4, 4);
            const bool word = k.label.size() > 1, point = k.label == decimalkey();
            painter.setFont(pixelfont(QStringLiteral("Liberation Sans"), word ? 10 : point ? 24 : 16, true));
            painter.drawText(face, Qt::AlignCenter, k.label);
        }
    }
};

} // namespace

// The page and everything on it, inside the sunken box.
void Form2::makepage()
{
    auto *page = new Page(Picture1);
    page->setGeometry(Picture1->contentsRect());

    const QString left = h1(tr("THE GAME"))
        + p(tr("You and the computer each hold a secret number and try to find the other's. "
               "You take turns to guess, and every guess is answered with plus and minus signs. "
               "Whoever finds the other's number first wins the match."))
        + p(tr("It is a fair fight: you always make the first guess, and both of you get the "
               "same number of guesses."))
        + h1(tr("THE RULES")) + h2(tr("The secret number"))
        + p(tr("Four digits, no digit twice, and the first digit is not 0."))
        + p(tr("Good:&nbsp; %1&nbsp;&nbsp; %2&nbsp;&nbsp; %3")
                .arg(span("good", "1234"), span("good", "5079"), span("good", "9860"))
            + QStringLiteral("<br>")
            + tr("Not allowed:&nbsp; %1 (starts with 0),&nbsp; %2 and %3 (a digit twice)")
                  .arg(span("bad", "0123"), span("bad", "4474"), span("bad", "5165")))
        + h2(tr("Marking a guess"))
        + p(tr("Every digit of the guess that stands at the same place in the secret number "
               "earns a %1. Every digit that is in the secret number but at another place earns "
               "a %2. So a guess gets at most four signs, and %3 means the number is found.")
                .arg(sign(QStringLiteral("+")), sign(QStringLiteral("-")), sign(QStringLiteral("+ + + +"))))
        + QStringLiteral("<table cellspacing='0' cellpadding='0' style='margin-top: 8px'><tr><td>"
                         "<table cellspacing='0' cellpadding='1'>"
                         "<tr><td width='%5'>%1</td><td width='16' class='number'>4</td>"
                         "<td width='16' class='number'>8</td><td width='16' class='number'>1</td>"
                         "<td width='16' class='number'>5</td></tr>"
                         "<tr><td>%2</td><td class='number'>1</td><td class='number'>8</td>"
                         "<td class='number'>4</td><td class='number'>2</td></tr>"
                         "<tr><td>%3</td><td class='sign'>-</td><td class='sign'>+</td><td class='sign'>-</td>"
                         "<td></td></tr></table></td><td width='18'></td><td>%4</td></tr></table>")
              .arg(tr("Secret"), tr("Guess"), tr("Signs"),
                  p(tr("For example: the 8 is in its place, %1; the 1 and the 4 are elsewhere, %2; "
                       "the 2 is not there at all. The answer to %3 is %4")
                          .arg(sign(QStringLiteral("+")), sign(QStringLiteral("- -")), span("number", "1842"),
                              sign(QStringLiteral("+ - -")))),
                  QString::number(examplelabels(tr("Secret"), tr("Guess"), tr("Signs"))));

    const QString right = h1(tr("PLAYING"))
        + p(tr("Type your guess on the <span class='key'>numeric keypad</span> (with Num Lock on) or "
               "click the digit buttons. The keypad's <span class='key'>decimal point</span> deletes the "
               "last digit. Press <span class='key'>Enter</span> to confirm your number."))
        + p(tr("Then answer the computer's guess: each press of the keypad's %1 or %2 key adds one "
               "sign, and its <span class='key'>decimal point</span> starts the answer again at %3. "
               "Or click the sign buttons. Press <span class='key'>Enter</span> to confirm the signs.")
                .arg(sign(QStringLiteral("+")), sign(QStringLiteral("-")), sign(QStringLiteral("0 + 0 -"))))
        + p(tr("The mouse does everything the keys do.")) + h1(tr("STRATEGY"))
        + p(tr("Do not hope for a lucky hit with your first guesses. Use them to gather information: "
               "a guess that leaves fewer numbers possible is worth more than one that might be right."))
        + p(tr("The computer thinks for a while before it guesses: longest in the first few moves, "
               "and faster with every move after that."));

    // The left column is the shorter one: it gets more air between paragraphs.
    QTextBrowser *leftcolumn
        = column(left, margin, QStringLiteral("p { margin-bottom: 9px; } h1 { margin-top: 16px; }"), page);
    QTextBrowser *rightcolumn = column(right, dialogs::rightcolumn, QString(), page);
    setTabOrder(leftcolumn, rightcolumn);
    leftcolumn->setFocus();
    platform::readaspanel(Picture1);
    // Heard with the page when the window opens: how to read it, and how to play.
    leftcolumn->setAccessibleDescription(
        tr("Tab reads the other column, Esc closes this window. "
           "In the game the numeric keypad works with Num Lock on. Its digits type your guess, its decimal "
           "key takes back a digit or starts the answer again, its plus and minus keys add a sign, Enter "
           "confirms. Without a keypad the digits, plus, minus, Backspace and Enter of the main keyboard "
           "do the same. Page Up and Page Down read both histories line by line; R tells whose turn it "
           "is and the guess to answer."));

    // The keypad under the right column, and beside it what its keys do.
    struct Line
    {
        QColor ink;
        QString keys, meaning;
        QString spoken; // the key by name, and what it does
    };
    const QList<Line> legend {
        {body, tr("0 to 9"), tr("type your guess"), tr("0 to 9, type your guess")},
        {orange, decimalkey(), tr("delete the last digit, or start the signs again"),
            tr("decimal key, delete the last digit, or start the signs again")},
        {yellow, QStringLiteral("+  -"), tr("one more plus or minus sign"),
            tr("plus and minus, one more plus or minus sign")},
        {green, tr("Enter"), tr("confirm the number or the signs"), tr("Enter, confirm the number or the signs")},
    };
    const QFont meaningfont = pixelfont(QStringLiteral("Liberation Sans"), 14);
    const auto meaningheight = [&meaningfont](const QString &meaning) {
        return QFontMetrics(meaningfont)
            .boundingRect(QRect(0, 0, 190, 60), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, meaning)
            .height();
    };
    int legendheight = 2;
    for (const Line &line : legend)
        legendheight += meaningheight(line.meaning) + 8;
    const QFont wishfont = pixelfont(QStringLiteral("Liberation Serif"), 30, true, true);
    const int wishtop = pageheight - 16 - QFontMetrics(wishfont).height();

    // A longer translation draws the column's paragraphs closer together,
    // then the keypad closer to the text, before the keypad loses its air
    // below or its legend meets the closing wish.
    auto *keypad = new Keypad(page);
    constexpr int air = 18, gap = 22, leastgap = 10; // the English page: 22 and 18
    const auto room = [&] {
        return std::min(pageheight - air - keypad->height(), wishtop - legendheight) - columntop
            - int(rightcolumn->document()->size().height());
    };
    if (room() < gap) {
        delete rightcolumn;
        rightcolumn = column(
            right, dialogs::rightcolumn, QStringLiteral("p { margin-bottom: 2px; } h1 { margin-top: 6px; }"), page);
    }
    keypad->raise(); // over a column laid out again
    keypad->move(dialogs::rightcolumn + 1,
        columntop + int(rightcolumn->document()->size().height()) + std::clamp(room(), leastgap, gap));
    // The left column first says how to read the page and how to play.
    platform::readtextas(leftcolumn, [leftcolumn] {
        return QString(leftcolumn->accessibleDescription()).replace(QLatin1Char(';'), QLatin1Char(','))
            + QLatin1Char(' ') + spokenhelp(leftcolumn->document());
    });
    platform::readtextas(rightcolumn, [rightcolumn] { return spokenhelp(rightcolumn->document()); });
    const int keysleft = keypad->x() + 4 * Keypad::step + 14;
    int top = keypad->y() + 2;
    for (const Line &line : legend) {
        const bool point = line.keys == decimalkey();
        auto *keys = new QLabel(line.keys, page);
        keys->setFont(pixelfont(QStringLiteral("Liberation Sans"), point ? 24 : 14, true)); // a lone point needs size
        keys->setStyleSheet(QStringLiteral("color: %1").arg(line.ink.name()));
        keys->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        keys->setGeometry(keysleft, top - (point ? 10 : 0), 48, 40);

        auto *meaning = new QLabel(line.meaning, page);
        meaning->setFont(meaningfont);
        meaning->setWordWrap(true);
        meaning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        const int height = meaningheight(line.meaning);
        meaning->setGeometry(keysleft + 50, top, 190, height);
        meaning->setAccessibleName(line.spoken);
        platform::labelfor(keys, meaning); // read once, with what the key does
        top += height + 8;
    }

    auto *wish = new QLabel(tr("Good luck!"), page);
    wish->setFont(wishfont);
    wish->setStyleSheet(QStringLiteral("color: %1").arg(yellow.name()));
    wish->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    wish->setGeometry(0, 0, pagewidth - margin, pageheight - 16);
}

void Form2::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace dialogs
