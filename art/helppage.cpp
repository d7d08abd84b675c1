// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The help page: light and coloured lettering on dark blue in two columns
// under four red headings, "Good luck!" in the bottom right corner. Laid out
// with Qt's rich text and reduced to 256 colours, each a blend of the ground
// and one of the few ink colours, so the lettering keeps its smooth edges.

#include "art.h"

#include <QAbstractTextDocumentLayout>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>

#include <cmath>
#include <memory>

namespace art {

namespace {

constexpr int pagewidth = 897;
constexpr int pageheight = 541;

const QColor ground(14, 22, 84);
const QColor body(226, 230, 242);
const QColor heading(255, 88, 80);
const QColor subheading(150, 200, 255);
const QColor yellow(255, 226, 100);
const QColor green(130, 232, 130);
const QColor orange(255, 158, 96);
const QColor rule(50, 74, 170);

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

const QString leftcolumn = QStringLiteral(
    "<h1>THE GAME</h1>"
    "<p>You and the computer each hold a secret number and try to find the other's. "
    "You take turns to guess, and every guess is answered with plus and minus signs. "
    "Whoever finds the other's number first wins the match.</p>"
    "<p>It is a fair fight: you always make the first guess, and both of you get the "
    "same number of guesses.</p>"
    "<h1>THE RULES</h1>"
    "<h2>The secret number</h2>"
    "<p>Four digits, no digit twice, and the first digit is not 0.</p>"
    "<p>Good:&nbsp; <span class='good'>1234</span>&nbsp;&nbsp; <span class='good'>5079</span>&nbsp;&nbsp; "
    "<span class='good'>9860</span><br>"
    "Not allowed:&nbsp; <span class='bad'>0123</span> (starts with 0),&nbsp; "
    "<span class='bad'>4474</span> and <span class='bad'>5165</span> (a digit twice)</p>"
    "<h2>Marking a guess</h2>"
    "<p>Every digit of the guess that stands at the same place in the secret number "
    "earns a <span class='sign'>+</span>. Every digit that is in the secret number but at "
    "another place earns a <span class='sign'>-</span>. So a guess gets at most four signs, "
    "and <span class='sign'>+&nbsp;+&nbsp;+&nbsp;+</span> means the number is found.</p>"
    "<table cellspacing='0' cellpadding='0' style='margin-top: 8px'><tr><td>"
    "<table cellspacing='0' cellpadding='1'>"
    "<tr><td width='62'>Secret</td><td width='16' class='number'>4</td><td width='16' class='number'>8</td>"
    "<td width='16' class='number'>1</td><td width='16' class='number'>5</td></tr>"
    "<tr><td>Guess</td><td class='number'>1</td><td class='number'>8</td><td class='number'>4</td>"
    "<td class='number'>2</td></tr>"
    "<tr><td>Signs</td><td class='sign'>-</td><td class='sign'>+</td><td class='sign'>-</td><td></td></tr>"
    "</table></td><td width='18'></td><td>"
    "<p>For example: the 8 is in its place, <span class='sign'>+</span>; the 1 and the 4 are "
    "elsewhere, <span class='sign'>-&nbsp;-</span>; the 2 is not there at all. The answer to "
    "<span class='number'>1842</span> is <span class='sign'>+&nbsp;-&nbsp;-</span></p>"
    "</td></tr></table>");

const QString rightcolumn
    = QStringLiteral("<h1>PLAYING</h1>"
                     "<p>Type your guess on the <span class='key'>numeric keypad</span> (with Num Lock on) or "
                     "click the digit buttons. The keypad's <span class='key'>decimal point</span> deletes the "
                     "last digit. Press <span class='key'>Enter</span> to confirm your number.</p>"
                     "<p>Then answer the computer's guess: each press of the keypad's "
                     "<span class='sign'>+</span> or <span class='sign'>-</span> key adds one sign, and its "
                     "<span class='key'>decimal point</span> starts the answer again at "
                     "<span class='sign'>0&nbsp;+&nbsp;0&nbsp;-</span>. Or click the sign buttons. Press "
                     "<span class='key'>Enter</span> to confirm the signs.</p>"
                     "<p>The mouse does everything the keys do.</p>"
                     "<h1>STRATEGY</h1>"
                     "<p>Do not hope for a lucky hit with your first guesses. Use them to gather "
                     "information: a guess that leaves fewer numbers possible is worth more than one "
                     "that might be right.</p>"
                     "<p>The computer thinks for a while before it guesses: longest in the first few "
                     "moves, and faster with every move after that.</p>");

QTextDocument *column(const QString &html, double width, const QString &spacing)
{
    auto *doc = new QTextDocument;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(14);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    doc->setDefaultFont(font);
    doc->setDefaultStyleSheet(stylesheet + spacing);
    doc->setDocumentMargin(0);
    doc->setHtml(QStringLiteral("<body>") + html + QStringLiteral("</body>"));
    doc->setTextWidth(width);
    return doc;
}

// The words of a column for screen readers: a table's rows become lines.
QString wordsof(QString html)
{
    html.replace(QRegularExpression(QStringLiteral("</?table[^>]*>|<tr>|<td[^>]*>")), QString());
    html.replace(QStringLiteral("</td>"), QStringLiteral(" "));
    html.replace(QStringLiteral("</tr>"), QStringLiteral("<br>"));
    QTextDocument doc;
    doc.setHtml(html);
    QStringList lines;
    for (const QString &line : doc.toPlainText().split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            lines.append(line.simplified());
    return lines.join(QLatin1Char('\n'));
}

void draw(QPainter &painter, QTextDocument *doc, QPointF at)
{
    painter.save();
    painter.translate(at);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, body);
    doc->documentLayout()->draw(&painter, context);
    painter.restore();
}

// A numeric keypad with the keys the game uses picked out in the inks of the
// legend beside it. Returns the legend as text.
QString keypad(QPainter &painter, QPointF at)
{
    constexpr double key = 30, step = 35;
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
        {QStringLiteral("Num"), 0, 0, 1, 1, unused},
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
        {QStringLiteral("Enter"), 3, 3, 1, 2, green},
        {QStringLiteral("0"), 0, 4, 2, 1, body},
        {QStringLiteral("."), 2, 4, 1, 1, orange},
    };
    for (const Key &k : keys) {
        const QRectF face(
            at.x() + k.column * step, at.y() + k.row * step, key + (k.wide - 1) * step, key + (k.tall - 1) * step);
        painter.setPen(QPen(k.ink, 1.5));
        painter.setBrush(rule);
        painter.drawRoundedRect(face, 4, 4);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(k.label.size() > 1 ? 10 : k.label == QLatin1String(".") ? 24 : 16);
        font.setBold(true);
        font.setStyleStrategy(QFont::NoSubpixelAntialias);
        painter.setFont(font);
        painter.drawText(face, Qt::AlignCenter, k.label);
    }

    struct Line
    {
        QColor ink;
        QString keys, meaning;
    };
    const QList<Line> legend {
        {body, QStringLiteral("0 to 9"), QStringLiteral("type your guess")},
        {orange, QStringLiteral("."), QStringLiteral("delete the last digit, or start the signs again")},
        {yellow, QStringLiteral("+  -"), QStringLiteral("one more plus or minus sign")},
        {green, QStringLiteral("Enter"), QStringLiteral("confirm the number or the signs")},
    };
    QFont keysfont(QStringLiteral("Liberation Sans"));
    keysfont.setPixelSize(14);
    keysfont.setBold(true);
    keysfont.setStyleStrategy(QFont::NoSubpixelAntialias);
    QFont meaningfont = keysfont;
    meaningfont.setBold(false);
    QString text;
    const double left = at.x() + 4 * step + 14;
    double top = at.y() + 2;
    for (const Line &line : legend) {
        QFont font = keysfont;
        if (line.keys == QLatin1String("."))
            font.setPixelSize(24); // a lone point needs size to be seen
        painter.setFont(font);
        painter.setPen(line.ink);
        painter.drawText(QRectF(left, top - (line.keys == QLatin1String(".") ? 10 : 0), 48, 40),
            Qt::AlignLeft | Qt::AlignTop, line.keys);
        painter.setFont(meaningfont);
        painter.setPen(body);
        QRectF used;
        painter.drawText(
            QRectF(left + 50, top, 190, 60), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line.meaning, &used);
        top += used.height() + 8;
        text += line.keys + QLatin1Char('\t') + line.meaning + QLatin1Char('\n');
    }
    return text;
}

} // namespace

HelpPage helppage()
{
    QImage rgb(pagewidth, pageheight, QImage::Format_RGB32);
    rgb.fill(ground);
    QPainter painter(&rgb);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const double margin = 26, gap = 40;
    const double columnwidth = (pagewidth - 2 * margin - gap) / 2;
    // The left column is the shorter one: it gets more air between paragraphs.
    const QString airy = QStringLiteral("p { margin-bottom: 9px; } h1 { margin-top: 16px; }");
    std::unique_ptr<QTextDocument> left(column(leftcolumn, columnwidth, airy));
    std::unique_ptr<QTextDocument> right(column(rightcolumn, columnwidth, QString()));
    draw(painter, left.get(), QPointF(margin, 8));
    draw(painter, right.get(), QPointF(margin + columnwidth + gap, 8));
    const QString legend = keypad(painter, QPointF(margin + columnwidth + gap + 2, 8 + right->size().height() + 22));

    painter.setPen(QPen(rule, 1.5));
    const double middle = margin + columnwidth + gap / 2;
    painter.drawLine(QPointF(middle, 24), QPointF(middle, pageheight - 24));

    QFont wish(QStringLiteral("Liberation Serif"));
    wish.setPixelSize(30);
    wish.setBold(true);
    wish.setItalic(true);
    wish.setStyleStrategy(QFont::NoSubpixelAntialias);
    painter.setFont(wish);
    painter.setPen(yellow);
    const QString goodluck = QStringLiteral("Good luck!");
    painter.drawText(QRectF(0, 0, pagewidth - margin, pageheight - 16), Qt::AlignRight | Qt::AlignBottom, goodluck);
    painter.end();

    // Palette: the ground, and for each ink 35 steps from the ground to the ink.
    const QList<QColor> inks {body, heading, subheading, yellow, green, orange, rule};
    QList<QRgb> palette {ground.rgb()};
    constexpr int steps = 35;
    for (const QColor &ink : inks)
        for (int s = 1; s <= steps; ++s) {
            const double t = double(s) / steps;
            auto mix = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
            palette.append(
                qRgb(mix(ground.red(), ink.red()), mix(ground.green(), ink.green()), mix(ground.blue(), ink.blue())));
        }

    QImage indexed(pagewidth, pageheight, QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    QHash<QRgb, int> seen;
    for (int y = 0; y < pageheight; ++y) {
        const QRgb *from = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *to = indexed.scanLine(y);
        for (int x = 0; x < pagewidth; ++x) {
            const QRgb colour = from[x] | 0xff000000u;
            auto found = seen.find(colour);
            if (found == seen.end())
                found = seen.insert(colour, nearest(palette, colour));
            to[x] = uchar(found.value());
        }
    }

    const QString text = wordsof(leftcolumn) + QStringLiteral("\n\n") + wordsof(rightcolumn)
        + QStringLiteral("\n\nThe numeric keypad:\n") + legend + QStringLiteral("\n") + goodluck + QLatin1Char('\n');
    return {indexed, text};
}

} // namespace art
