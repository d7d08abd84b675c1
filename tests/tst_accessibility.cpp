// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole matches as a screen reader user plays them: every press is an action
// on an accessibility interface, every reading is text from one, and what a
// reader is told at each step is checked as it is sent.

#include "formtesting.h"

#include <QAccessible>
#include <QRegularExpression>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <functional>

namespace {

using Role = QAccessible::Role;

QStringList heard; // what readers were told, one line per event

QString nameof(QAccessibleInterface *i)
{
    return i ? i->text(QAccessible::Name) : QString();
}

void listen(QAccessibleEvent *event)
{
    QAccessibleInterface *source = event->accessibleInterface();
    const QString who = nameof(source);
    const auto type = event->type();
    if (type == QAccessible::TextInserted)
        heard << who + " +" + static_cast<QAccessibleTextInsertEvent *>(event)->textInserted();
    else if (type == QAccessible::TextRemoved)
        heard << who + " -" + static_cast<QAccessibleTextRemoveEvent *>(event)->textRemoved();
    else if (type == QAccessible::NameChanged)
        heard << "name " + who;
    else if (type == QAccessible::StateChanged
        && static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().checked)
        heard << who + (source->state().checked ? " checked" : " unchecked");
    else if ((type == QAccessible::ObjectCreated || type == QAccessible::ObjectDestroyed)
        && source->role() == QAccessible::ListItem)
        heard << (type == QAccessible::ObjectCreated ? "row in " : "row out of ") + nameof(source->parent()) + ": "
                + who;
    else if (type == QAccessible::Alert)
        heard << "alert " + who;
    else if (type == QAccessible::ObjectShow && source->role() == QAccessible::Notification)
        heard << "notice " + who;
}

QAccessibleInterface *find(QAccessibleInterface *in, Role role, const std::function<bool(const QString &)> &name)
{
    if (!in)
        return nullptr;
    if (in->role() == role && name(in->text(QAccessible::Name)))
        return in;
    for (int i = 0; i < in->childCount(); ++i)
        if (QAccessibleInterface *found = find(in->child(i), role, name))
            return found;
    return nullptr;
}
QAccessibleInterface *find(Role role, const QString &name)
{
    return find(QAccessible::queryAccessibleInterface(qApp), role, [&](const QString &n) { return n == name; });
}
QAccessibleInterface *display(const QString &which) // "My guess", "Your guess"
{
    return find(QAccessible::queryAccessibleInterface(qApp), QAccessible::StaticText,
        [&](const QString &n) { return n.startsWith(which); });
}
QString shown(const QString &which)
{
    QAccessibleTextInterface *text = display(which)->textInterface();
    return text->text(0, text->characterCount());
}
QStringList rows(const QString &list)
{
    QStringList names;
    QAccessibleInterface *box = find(QAccessible::List, list);
    for (int i = 0; box && i < box->childCount(); ++i)
        names << nameof(box->child(i));
    return names;
}
// Push buttons, and the buttons that stand for a choice: digits are check
// boxes (in the typed number or not), signs radio buttons (one per column).
bool buttonrole(Role role)
{
    return role == QAccessible::Button || role == QAccessible::CheckBox || role == QAccessible::RadioButton;
}
QString focused(QAccessibleInterface *in = QAccessible::queryAccessibleInterface(qApp))
{
    if (buttonrole(in->role()) && in->state().focused)
        return nameof(in);
    for (int i = 0; i < in->childCount(); ++i)
        if (const QString name = focused(in->child(i)); !name.isEmpty())
            return name;
    return QString();
}
QAccessibleInterface *button(const QString &name)
{
    for (Role role : {QAccessible::Button, QAccessible::CheckBox, QAccessible::RadioButton})
        if (QAccessibleInterface *found = find(role, name))
            return found;
    return nullptr;
}
bool press(Role role, const QString &name)
{
    QAccessibleInterface *control = buttonrole(role) ? button(name) : find(role, name);
    if (!control || !control->actionInterface())
        return false;
    control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    FormHarness::settle();
    return true;
}
bool checked(const QString &button)
{
    return ::button(button)->state().checked;
}

int score(const QString &a, const QString &b) // plus * 10 + minus
{
    int code = 0;
    for (int i = 0; i < 4; ++i)
        code += a[i] == b[i] ? 10 : b.contains(a[i]) ? 1 : 0;
    return code;
}
QStringList allnumbers()
{
    QStringList all;
    for (int n = 1000; n <= 9999; ++n) {
        const QString s = QString::number(n);
        if (QSet<QChar>(s.begin(), s.end()).size() == 4)
            all << s;
    }
    return all;
}
// A history line read back: the guess and its code.
std::pair<QString, int> parse(const QString &line)
{
    static const QRegularExpression words(QStringLiteral("^(\\d{4}), (\\d) plus, (\\d) minus$"));
    const auto m = words.match(line);
    return {m.captured(1), m.hasMatch() ? m.captured(2).toInt() * 10 + m.captured(3).toInt() : -1};
}

} // namespace

class AccessibleMatch : public QObject
{
    Q_OBJECT
    std::unique_ptr<FormHarness> h;

    // `expected` were told in this order, among other events; of the notices
    // (what readers speak at once) exactly those expected, none twice. Then the
    // slate is clean.
    void told(const QStringList &expected)
    {
        qsizetype at = 0;
        for (const QString &line : std::as_const(heard))
            if (at < expected.size() && line == expected[at])
                ++at;
        const QString all = heard.join(QLatin1Char('\n'));
        QVERIFY2(at == expected.size(), qPrintable("missing \"" + expected.value(at) + "\" in:\n" + all));
        const auto notices = [](const QStringList &lines) {
            return lines.filter(QRegularExpression(QStringLiteral("^notice ")));
        };
        QCOMPARE(notices(heard), notices(expected));
        heard.clear();
    }

private slots:
    void initTestCase()
    {
        setupformtests();
        QPlatformAccessibility *bridge = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(bridge);
        bridge->setActive(true);
        QAccessible::installUpdateHandler(listen);
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    }
    void init()
    {
        h = std::make_unique<FormHarness>();
        h->form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h->form.get()));
        heard.clear();
    }
    void cleanup() { h.reset(); }

    void wholeMatchByEar_data()
    {
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("words"); // the dialog's labels, in order
        QTest::newRow("lost on the first guess") << " You have lost!"
                                                 << "Play again?";
        QTest::newRow("won after the check") << "You Won!"
                                             << "Congratulations!  Play again?";
        QTest::newRow("draw in the same round") << " It's a draw!"
                                                << "Not bad at all!|Play again?";
    }
    void wholeMatchByEar()
    {
        QFETCH(QString, outcome);
        QFETCH(QString, words);
        QVERIFY(press(QAccessible::MenuItem, "New"));
        QCOMPARE(nameof(display("Your guess")), "Your guess, nothing typed");
        QCOMPARE(::button("Confirm Number")->text(QAccessible::Description), "New match. Your turn, round 1");
        QStringList mine = allnumbers(); // the player's number: any that fits the answers given
        QAccessibleInterface *dialog = nullptr;
        for (int round = 0; round < 12 && !dialog; ++round) {
            QCOMPARE(focused(), "Confirm Number"); // each step begins on its confirm button
            // The player guesses the first number that fits every answer heard so far.
            QStringList history = rows("Your progress");
            QString guess;
            for (const QString &n : allnumbers())
                if (std::all_of(history.begin(), history.end(),
                        [&](const QString &l) { return score(parse(l).first, n) == parse(l).second; })) {
                    guess = n;
                    break;
                }
            for (QChar digit : guess)
                QVERIFY(press(QAccessible::Button, digit));
            QCOMPARE(nameof(display("Your guess")), "Your guess is " + guess);
            for (int d = 0; d <= 9; ++d)
                QCOMPARE(checked(QString::number(d)), guess.contains(QString::number(d)));
            QCOMPARE(::button(guess.left(1))->role(), QAccessible::CheckBox);
            // each digit tells the number so far, once
            told({"Your guess is " + guess.left(1) + " +" + guess[0], "name Your guess is " + guess.left(1),
                "notice " + guess.left(1), QString(guess[0]) + " checked", "notice " + guess.left(2),
                "notice " + guess.left(3), "Your guess is " + guess + " +" + guess[3], "notice " + guess});

            QCOMPARE(focused(), "Confirm Number");
            QVERIFY(press(QAccessible::Button, "Confirm Number"));
            QCOMPARE(focused(), "Confirm Signs");
            history = rows("Your progress");
            QCOMPARE(history.size(), round + 1);
            QCOMPARE(parse(history.last()).first, guess);
            const QString computer = shown("My guess");
            QCOMPARE(computer.size(), 4);
            const auto [guessed, scored] = parse(history.last());
            // the score and the computer's guess, told once; the player's number is not told again
            Q_UNUSED(guessed);
            const QString news =
                QString("Your score, %1 plus, %2 minus. I guess %3").arg(scored / 10).arg(scored % 10).arg(computer);
            told({"row in Your progress: " + history.last(), "Your guess, nothing typed -" + guess,
                "My guess is " + computer + " +" + computer, "name My guess is " + computer, "notice " + news});
            QVERIFY(::button("1")->state().disabled);
            for (const char *sign : {"0 plus", "0 minus", "1 plus", "4 minus"}) {
                QCOMPARE(checked(sign), QByteArray(sign).startsWith('0'));
                QCOMPARE(::button(sign)->role(), QAccessible::RadioButton);
            }

            // The answer: the one that leaves the player's number most open, or four plus
            // for the outcome this row wants.
            const bool solved = parse(history.last()).second == 40;
            QMap<int, QStringList> split;
            for (const QString &n : std::as_const(mine))
                split[score(computer, n)] << n;
            int code = split.firstKey();
            for (auto [c, numbers] : split.asKeyValueRange())
                if (c != 40 && (code == 40 || numbers.size() > split[code].size()))
                    code = c;
            if (outcome == " You have lost!" || (solved && outcome == " It's a draw!"))
                code = 40;
            mine = split[code];
            const QString plus = QString::number(code / 10) + " plus", minus = QString::number(code % 10) + " minus";
            QVERIFY(press(QAccessible::Button, plus));
            QVERIFY(press(QAccessible::Button, minus));
            QVERIFY(checked(plus) && checked(minus));
            // each choice tells the whole answer, and Confirm Signs says the one it will give
            told({"notice " + plus + ", 0 minus", "notice " + plus + ", " + minus});
            QCOMPARE(::button("Confirm Signs")->text(QAccessible::Description), plus + ", " + minus);
            QVERIFY(press(QAccessible::Button, "Confirm Signs"));
            const QString line = computer + QString(", %1 plus, %2 minus").arg(code / 10).arg(code % 10);
            QCOMPARE(rows("My progress").value(round), line);
            dialog = find(QAccessible::queryAccessibleInterface(qApp), QAccessible::Dialog,
                [](const QString &n) { return n.contains('!'); });
            QCOMPARE(bool(dialog), code == 40 || solved);
            // The deciding line is told before the outcome.
            told({"row in My progress: " + line, "My guess, none yet -" + computer,
                dialog ? "alert " + nameof(dialog) : "name My guess, none yet"});
            if (!dialog) // the next step begins on Confirm Number, which tells whose turn and which round
                QCOMPARE(::button("Confirm Number")->text(QAccessible::Description),
                    QString("Your turn, round %1").arg(round + 2));
        }
        QVERIFY(dialog);
        QVERIFY(nameof(dialog).trimmed().startsWith(outcome.trimmed()));
        QVERIFY(!nameof(dialog).contains(':')); // readers would say "colon"
        QCOMPARE(focused(), "YES");
        // The message's lines label the dialog, and its description holds them
        // all: readers speak it with the title when the dialog opens.
        QStringList labels;
        for (int i = 0; i < dialog->childCount(); ++i)
            if (dialog->child(i)->role() == QAccessible::StaticText) {
                labels << nameof(dialog->child(i));
                const auto relations = dialog->child(i)->relations(QAccessible::Label);
                QVERIFY(relations.size() == 1 && relations.first().first->object() == dialog->object());
            }
        QCOMPARE(labels.join('|'), words);
        // the end is told with the player's last line (and the number found) before the message
        const QStringList lines = rows("Your progress");
        QString end = QString("Round %1, your %2").arg(lines.size()).arg(lines.last());
        if (outcome != "You Won!")
            end += ". I found your number, " + rows("My progress").last().left(4);
        QCOMPARE(dialog->text(QAccessible::Description), end + ". " + labels.join(' ').simplified());
        if (outcome == " You have lost!") // the caption names the computer's number, and it fits every answer
            for (const QString &l : rows("Your progress"))
                QCOMPARE(score(parse(l).first, nameof(dialog).right(4)), parse(l).second);

        // Row k of each box stands beside row k of its scale.
        for (auto [box, scale] : {std::pair {"My progress", "My rounds"}, {"Your progress", "Your rounds"}}) {
            QAccessibleInterface *lines = find(QAccessible::List, box), *numbers = find(QAccessible::List, scale);
            for (int k = 0; k < lines->childCount(); ++k) {
                QCOMPARE(nameof(numbers->child(k)), QString::number(k + 1));
                QCOMPARE(lines->child(k)->rect().top(), numbers->child(k)->rect().top());
                QCOMPARE(lines->child(k)->rect().height(), numbers->child(k)->rect().height());
            }
            QVERIFY(!lines->textInterface()); // rows once, as items: not again as lines of text
        }

        // YES: a new match, and both boxes read empty again.
        const QStringList mylines = rows("My progress");
        QVERIFY(press(QAccessible::Button, "YES"));
        QVERIFY(rows("My progress").isEmpty() && rows("Your progress").isEmpty());
        told({"row out of My progress: " + mylines.last()});
        QVERIFY(!::button("1")->state().disabled);
        h->form->activateWindow(); // as the window manager does when the dialog goes
        QVERIFY(QTest::qWaitForWindowActive(h->form.get()));
        QCOMPARE(focused(), "Confirm Number");
    }
};

QTEST_MAIN(AccessibleMatch)
#include "tst_accessibility.moc"
