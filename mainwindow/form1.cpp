// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/form1.h"

#include "dialogs/about.h"
#include "dialogs/outcomes.h"
#include "dialogs/statistics.h"
#include "platform/accessibility.h"
#include "platform/colourbutton.h"
#include "platform/desktop.h"
#include "platform/display.h"
#include "platform/keys.h"
#include "platform/picturebox.h"
#include "platform/rowscale.h"
#include "platform/runtime.h"
#include "platform/twips.h"

#include "engine/strategies.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStyle>
#include <QStyleHints>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <string_view>

using namespace numora;
using platform::ColourButton;
using platform::twips;
namespace colour = platform::colour;

namespace {

constexpr int clientwidth = 3255;
constexpr int clientheight = 6015;
const QString rowscaletext = QStringLiteral("   1   2   3   4   5   6   7   8   9 10");

// The engine speaks English; its three texts reach the player translated, under
// the engine's name.
constexpr const char *enginecontext = "Module1";
constexpr const char *thinking = QT_TRANSLATE_NOOP("Module1", "Thinking...");
constexpr const char *lost = QT_TRANSLATE_NOOP("Module1", " You have lost! My number was : ");
constexpr const char *inconsistent = QT_TRANSLATE_NOOP(
    "Module1", "No valid number matches the information you gave!\r\nPlease be more careful next time.");
static_assert(std::string_view(thinking) == thinkingtext && std::string_view(lost) == lostcaption
    && std::string_view(inconsistent) == wrongsignstext);

QString fromengine(const std::string &text)
{
    // The lost caption is the engine's words followed by its secret number.
    if (text.starts_with(lost))
        return QCoreApplication::translate(enginecontext, lost)
            + QString::fromStdString(text.substr(std::string_view(lost).size()));
    return QCoreApplication::translate(enginecontext, text.c_str());
}

// The client area paints the two rectangle outlines behind everything else.
class ClientArea : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        outline(painter, twips(0, 0, 1575, 2415), colour::maroon); // Shape3
        outline(painter, twips(1680, 0, 1575, 2415), colour::navy); // Shape5
    }

private:
    static void outline(QPainter &painter, const QRect &box, const QColor &colour)
    {
        painter.setPen(QPen(colour, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(box).adjusted(1, 1, -1, -1));
    }
};

template<class Label = QLabel>
Label *makelabel(QWidget *parent, const QString &text, const QRect &place, const QColor &fore, Qt::Alignment align)
{
    auto *label = new Label(parent);
    label->setText(text);
    label->setGeometry(place);
    label->setAlignment(align);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, fore);
    label->setPalette(pal);
    return label;
}

// The two displays: large bold digits in a bordered box whose back colour
// tells the player which side has to act.
platform::Display *makedisplay(QWidget *frame, const QColor &fore, const QColor &back)
{
    auto *display = new platform::NumberDisplay(frame);
    display->setGeometry(twips(120, 240, 1335, 495));
    display->setFont(platform::sansserif(18, true));
    display->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    display->setAutoFillBackground(true);
    QPalette pal = display->palette();
    pal.setColor(QPalette::WindowText, fore);
    pal.setColor(QPalette::Window, back);
    display->setPalette(pal);
    return display;
}

// How the settings name a strength.
const char *strengthkey(Strength strength)
{
    switch (strength) {
    case Strength::easy:
        return "easy";
    case Strength::expert:
        return "expert";
    case Strength::normal:
        break;
    }
    return "normal";
}

void setback(QLabel *label, const QColor &colour)
{
    QPalette pal = label->palette();
    if (pal.color(QPalette::Window) == colour)
        return;
    pal.setColor(QPalette::Window, colour);
    label->setPalette(pal);
}

} // namespace

Form1::Form1(Module1 &game, QWidget *parent) : QMainWindow(parent), engine(game)
{
    setWindowTitle(platform::apptitle);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint);
    setAccessibleName(platform::apptitle);

    auto *client = new ClientArea(this);
    client->setAccessibleName(tr("Numora game board"));
    setCentralWidget(client);
    layoutcontrols(client);
    buildmenu();
    const QSize clientsize(platform::pixels(clientwidth), platform::pixels(clientheight));
    resize(clientsize.width(), menuBar()->sizeHint().height() + clientsize.height());
    layout()->activate();
    resize(size() + clientsize - client->size()); // the menu bar's height is known only now
    designed = size();

    // Decoded once, in the form the window system takes, so that each tick
    // only hands over ready pictures: 32 pixels, and 64 where a screen is dense
    // (each tick sends every size the icon has).
    const bool dense = qApp->devicePixelRatio() > 1;
    for (int frame = 0; frame < int(Image1.size()); ++frame)
        for (const char *size : {"", "@2x"}) {
            if (*size && !dense)
                continue;
            QImage picture(
                QStringLiteral(":/icons/top-%1%2.png").arg(frame, 2, 10, QLatin1Char('0')).arg(QLatin1String(size)));
            picture.setDevicePixelRatio(1); // the icon tells the sizes apart by their pixels
            Image1[frame].addPixmap(QPixmap::fromImage(picture.convertToFormat(QImage::Format_ARGB32)));
        }
    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start();

    // Key preview: the window's own native window sees every key press once,
    // before the focused control.
    winId();
    windowHandle()->installEventFilter(this);
    new platform::KeypadPassage(this); // the keypad past a screen reader

    // A confirm button met again by Tab says where the player is now.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (stepping)
            return;
        if (now == Command[pad::confirmnumber] && numberstep(engine.step()))
            platform::describe(now, turnnews());
        else if (now == Command[pad::confirmsigns] && engine.step() == Step::signs)
            platform::describe(now, tr("I guess %1").arg(Label8->text()) + QStringLiteral(". ") + answernews());
    });

    engine.attach(this);
    form_load();
}

Form1::~Form1()
{
    // The focus leaves the window's controls as they go: this is no Form1 any more then.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    engine.attach(nullptr);
}

void Form1::layoutcontrols(QWidget *client)
{
    const QFont padfont = platform::sansserif(9.75, true);
    const QFont windowfont = platform::sansserif(8.25);

    // Upper half: the two histories with their row scales.
    Label4 = new platform::RowScale(rowscaletext, colour::maroon, client);
    Label4->setGeometry(twips(120, 120, 285, 1995));
    Picture2 = new platform::PictureBox(client);
    Picture2->setGeometry(twips(480, 120, 975, 1995));
    Picture2->setforecolor(colour::maroon);
    Picture2->setAccessibleName(tr("My progress"));
    Label2 = makelabel(
        client, tr("My progress"), twips(120, 2160, 1335, 255), colour::maroon, Qt::AlignHCenter | Qt::AlignTop);

    Label5 = new platform::RowScale(rowscaletext, colour::navy, client);
    Label5->setGeometry(twips(1800, 120, 285, 1995));
    Picture1 = new platform::PictureBox(client);
    Picture1->setGeometry(twips(2160, 120, 975, 1995));
    Picture1->setforecolor(colour::navy);
    Picture1->setAccessibleName(tr("Your progress"));
    Label1 = makelabel(
        client, tr("Your progress"), twips(1800, 2160, 1335, 255), colour::navy, Qt::AlignHCenter | Qt::AlignTop);

    // Lower half: the frames are decoration behind the pads.
    Frame1 = new QGroupBox(tr("My guess is"), client);
    Frame1->setGeometry(twips(0, 2520, 1575, 3255));
    Frame2 = new QGroupBox(tr("Your guess is"), client);
    Frame2->setGeometry(twips(1680, 2520, 1575, 3255));
    for (auto [frame, fore] : {std::pair {Frame1, colour::darkred}, std::pair {Frame2, colour::navy}}) {
        QPalette pal = frame->palette();
        pal.setColor(QPalette::WindowText, fore);
        frame->setPalette(pal);
    }
    Label8 = makedisplay(Frame1, colour::maroon, colour::lightgrey);
    Label8->setAccessibleName(tr("My guess is"));
    Label10 = makedisplay(Frame2, colour::navy, colour::peach);
    Label10->setAccessibleName(tr("Your guess is"));

    makebuttons(client);

    Label6 = makelabel<platform::Display>(
        client, QString(), twips(0, 5805, 750, 195), colour::maroon, Qt::AlignLeft | Qt::AlignTop);
    Label6->setAccessibleName(tr("Status"));
    // A translated status may run on over the empty line to its right, as far
    // as the sign pad's frame reaches; the English one keeps its own width.
    if (const QString status = QCoreApplication::translate(enginecontext, thinking); status != QLatin1String(thinking))
        Label6->resize(
            std::clamp(Label6->fontMetrics().horizontalAdvance(status) + 2, Label6->width(), platform::pixels(1575)),
            Label6->height());

    // For readers: what the displays show, which buttons stand for a choice, how
    // the history lines read aloud, and what the row scales number.
    Label6->setreading(tr("Status, %1"), QString());
    Label8->setreading(tr("My guess is %1"), tr("My guess, none yet"));
    Label10->setreading(tr("Your guess is %1"), tr("Your guess, nothing typed"));
    for (int digit = 0; digit <= 9; ++digit)
        Command[pad::ofdigit(digit)]->setchosen(false);
    for (int count = 0; count <= 4; ++count) {
        Command[pad::pluscolumn[count]]->setchosen(false);
        Command[pad::minuscolumn[count]]->setchosen(false);
    }
    platform::readlinesas(Picture1, &Form1::spokenline);
    platform::readlinesas(Picture2, &Form1::spokenline);
    Label4->setAccessibleName(tr("My rounds"));
    Label5->setAccessibleName(tr("Your rounds"));
}

// What each button of the pads stands for; its number follows from that.
enum class Role { digit, plus, minus, command };

void Form1::makebuttons(QWidget *client)
{
    struct Place
    {
        Role role;
        int value; // the digit, the count of plus or of minus, or a command button's number
        int left, top, width, height;
        int tab;
    };
    static constexpr Place places[] = {
        // sign pad: plus counts left, minus counts right, 4 at the top
        {Role::plus, 4, 120, 3360, 615, 300, 19},
        {Role::minus, 4, 840, 3360, 615, 300, 20},
        {Role::plus, 3, 120, 3738, 615, 300, 21},
        {Role::minus, 3, 840, 3738, 615, 300, 22},
        {Role::plus, 2, 120, 4116, 615, 300, 23},
        {Role::minus, 2, 840, 4116, 615, 300, 24},
        {Role::plus, 1, 120, 4494, 615, 300, 26},
        {Role::minus, 1, 840, 4494, 615, 300, 25},
        {Role::plus, 0, 120, 4875, 615, 300, 33},
        {Role::minus, 0, 840, 4875, 615, 300, 32},
        {Role::command, pad::confirmsigns, 120, 5280, 1335, 375, 11},
        // digit pad, laid out like a calculator
        {Role::digit, 7, 1800, 3360, 375, 375, 6},
        {Role::digit, 8, 2280, 3360, 375, 375, 7},
        {Role::digit, 9, 2760, 3360, 375, 375, 8},
        {Role::digit, 4, 1800, 3840, 375, 375, 3},
        {Role::digit, 5, 2280, 3840, 375, 375, 4},
        {Role::digit, 6, 2760, 3840, 375, 375, 5},
        {Role::digit, 1, 1800, 4320, 375, 375, 0},
        {Role::digit, 2, 2280, 4320, 375, 375, 1},
        {Role::digit, 3, 2760, 4320, 375, 375, 2},
        {Role::digit, 0, 1800, 4800, 375, 375, 34},
        {Role::command, pad::clear, 2280, 4800, 375, 375, 9},
        {Role::command, pad::clearall, 2760, 4800, 375, 375, 12},
        {Role::command, pad::confirmnumber, 1800, 5280, 1335, 375, 10},
    };
    const QFont padfont = platform::sansserif(9.75, true);
    const QFont windowfont = platform::sansserif(8.25);
    std::array<std::pair<int, ColourButton *>, std::size(places)> taborder {};
    int made = 0;
    for (const Place &p : places) {
        int number = p.value;
        QString caption;
        std::function<void()> handler;
        switch (p.role) {
        case Role::digit:
            number = pad::ofdigit(p.value);
            caption = QString::number(p.value);
            handler = [this, digit = p.value] { digitbutton(digit); };
            break;
        case Role::plus:
            number = pad::pluscolumn[p.value];
            caption = QStringLiteral("%1 +").arg(p.value);
            handler = [this, count = p.value] {
                plusbutton(count);
                tell(answernews());
            };
            break;
        case Role::minus:
            number = pad::minuscolumn[p.value];
            caption = QStringLiteral("%1 -").arg(p.value);
            handler = [this, count = p.value] {
                minusbutton(count);
                tell(answernews());
            };
            break;
        case Role::command:
            // C and CA read the same in every language, like the digits and signs.
            if (p.value == pad::clear) {
                caption = QStringLiteral("C");
                handler = [this] { Command11_Click(); };
            } else if (p.value == pad::clearall) {
                caption = QStringLiteral("CA");
                handler = [this] { Command24_Click(); };
            } else if (p.value == pad::confirmnumber) {
                caption = tr("Confirm Number");
                handler = [this] { Command12_Click(); };
            } else {
                caption = tr("Confirm Signs");
                handler = [this] { Command23_Click(); };
            }
            break;
        }
        const bool signside = p.role == Role::plus || p.role == Role::minus || number == pad::confirmsigns;
        auto *button = new ColourButton(caption, signside ? colour::lightred : colour::lightblue, client);
        button->setGeometry(twips(p.left, p.top, p.width, p.height));
        button->setFont(p.role == Role::command ? windowfont : padfont);
        button->setAutoDefault(true); // Enter presses the focused button
        button->setAccessibleName(caption);
        if (p.role == Role::plus || p.role == Role::minus) {
            // Each sign column is one choice, read as counts: "1 minus", not "1 dash".
            platform::oneofaset(button);
            button->setAccessibleName(
                p.role == Role::plus ? tr("%n plus", nullptr, p.value) : tr("%n minus", nullptr, p.value));
        }
        connect(button, &QPushButton::clicked, this, handler);
        Command[number] = button;
        taborder[made++] = {p.tab, button};
    }
    std::sort(taborder.begin(), taborder.end(), [](auto &a, auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < taborder.size(); ++i)
        setTabOrder(taborder[i - 1].second, taborder[i].second);
}

void Form1::buildmenu()
{
    QMenu *game = menuBar()->addMenu(tr("&Game"));
    newgame = game->addAction(tr("&New"), this, &Form1::newgame_Click);
    statistics = game->addAction(
        QCoreApplication::translate("dialogs::frmStatistics", "S&tatistics..."), this, &Form1::statistics_Click);
    statistics->setEnabled(false); // until there is a record to show
    strengthmenu = game->addMenu(tr("&Strength"));
    auto *group = new QActionGroup(this);
    const std::array<QString, 3> captions = {tr("&Easy"), tr("&Normal"), tr("E&xpert")};
    for (int k = 0; k < 3; ++k) {
        const auto strength = static_cast<Strength>(k);
        strengths[k] = strengthmenu->addAction(captions[k], this, [this, strength] { strength_Click(strength); });
        strengths[k]->setCheckable(true);
        group->addAction(strengths[k]);
    }
    strengths[int(Strength::normal)]->setChecked(true);
    exitgame = game->addAction(tr("E&xit"), this, &Form1::exitgame_Click);
    help = menuBar()->addAction(tr("&Help"), this, &Form1::help_Click);
    about = menuBar()->addAction(tr("&About"), this, &Form1::about_Click);
}

std::array<ColourButton *, 13> Form1::numberpad() const
{
    std::array<ColourButton *, 13> buttons {};
    for (int digit = 0; digit <= 9; ++digit)
        buttons[digit] = Command[pad::ofdigit(digit)];
    buttons[10] = Command[pad::clear];
    buttons[11] = Command[pad::clearall];
    buttons[12] = Command[pad::confirmnumber];
    return buttons;
}

std::array<ColourButton *, 11> Form1::signpad() const
{
    std::array<ColourButton *, 11> buttons {};
    for (int count = 0; count <= 4; ++count) {
        buttons[count] = Command[pad::pluscolumn[count]];
        buttons[5 + count] = Command[pad::minuscolumn[count]];
    }
    buttons[10] = Command[pad::confirmsigns];
    return buttons;
}

// ---------------------------------------------------------------- window state

void Form1::keylock()
{
    for (ColourButton *button : numberpad())
        button->setEnabled(numberkeys == True);
    for (ColourButton *button : signpad())
        button->setEnabled(signkeys == True);
    setback(Label8, signkeys == True ? colour::lightgrey : colour::grey);
    setback(Label10, numberkeys == True ? colour::lightgrey : colour::grey);
}

void Form1::form_load()
{
    showstrength(); // a new match may bring the strength chosen during the last
    Label8->settext(QString());
    settyped(QString());
    Picture1->cls();
    Picture2->cls();
    show();
    keylock(); // a game being set up has no step yet: locked
}

// The one place where the window follows the step the engine waits for.
void Form1::stepchanged(Step step)
{
    const int16 number = numberstep(step) ? True : False;
    const int16 signs = step == Step::none || numberstep(step) ? False : True;
    // A pad that opens gives its confirm button the focus: Enter on it with too
    // few digits or before the guess is shown does nothing, and readers hear
    // which step has begun. Straight there, by no other button on the way.
    ColourButton *confirm = number == True && numberkeys == False ? Command[pad::confirmnumber]
        : signs == True && signkeys == False                      ? Command[pad::confirmsigns]
                                                                  : nullptr;
    if (confirm)
        if (QWidget *focused = focusWidget())
            focused->clearFocus();
    numberkeys = number;
    signkeys = signs;
    keylock();
    if (step == Step::signs) {
        wait();
        // The focus is on Confirm Signs since the guess was asked for: the news
        // comes now, and only now (a reader may still be reading the focus).
        tell(turnnews());
    }
    if (confirm) {
        // Whose turn and which round, heard with the focus; a new match says so.
        platform::describe(confirm, turnnews());
        stepping = true;
        confirm->setFocus();
        stepping = false;
    }
    historyat = -1;
}

// The end of a match as readers hear it: the player's last line and the number
// the computer found, or (answers that contradict each other) the one it held.
QString Form1::endnews(bool contradiction) const
{
    const QStringList yours = Picture1->lines(), mine = Picture2->lines();
    QString news;
    if (!yours.isEmpty())
        news = tr("Round %1, your %2").arg(yours.size()).arg(spokenline(yours.last()));
    QString found = Label8->text();
    if (found.isEmpty() && !mine.isEmpty() && mine.last().count(QLatin1Char('+')) == 4)
        found = mine.last().trimmed().section(QLatin1Char(' '), 0, 0);
    if (!found.isEmpty())
        news += QStringLiteral(". ") + tr("I found your number, %1").arg(found);
    if (contradiction)
        news += QStringLiteral(". ") + tr("My number was %1").arg(QString::fromStdString(engine.state().mynumber));
    return news;
}

QString Form1::turnnews() const
{
    const MatchState &game = engine.state();
    if (numberstep(engine.step())) {
        const QString turn = tr("Your turn, round %1").arg(game.yourround + 1);
        if (!Label10->text().isEmpty())
            return turn + QStringLiteral(". ") + Label10->text();
        if (engine.step() != Step::number)
            return turn;
        const QString match = tr("New match. %1").arg(turn);
        if (engine.strength() == Strength::normal)
            return match;
        // No colon: readers would say it.
        return tr("%1 strength").arg(dialogs::strengthtext(engine.strength())) + QStringLiteral(". ") + match;
    }
    if (engine.step() != Step::signs || game.yourround < 1)
        return QString();
    // The player's own number was heard as it was typed: only its score, then the guess to answer.
    const int last = game.yourround - 1;
    QString news = tr("Your score, %1").arg(signsaloud(game.yourplus[last], game.yourminus[last]))
        + QStringLiteral(". ") + tr("I guess %1").arg(Label8->text());
    if (plus != 0 || minus != 0) // chosen before the guess showed, or told again by R
        news += QStringLiteral(". ") + tr("Your answer, %1").arg(answernews());
    return news;
}

// The computer's guess is on display: the sign step begins.
void Form1::wait()
{
    // The selection in force: "0 +" and "0 -" after a guess, or a choice made
    // while the computer was still thinking.
    paintmeonly();
    paintmeonly2();
    keyplus = 0;
    keyminus = 0;
    // The guess goes on screen now: the moment from which a key can be a reply to it.
    Label8->repaint();
    signstepbegan = keyclock.now();
}

// ---------------------------------------------------------------- number pad

void Form1::digitbutton(int digit)
{
    newdigit = QString::number(digit);
    displaybutton();
    if (pick != 0)
        Command[pad::ofdigit(digit)]->setbackcolor(colour::blue);
}

void Form1::displaybutton()
{
    pick = 0;
    entry = Label10->text();
    // Refused digits: the eye sees nothing happen, the ear is told why.
    if (entry.size() > 3)
        return tell(tr("Four digits already"));
    if (entry.contains(newdigit))
        return tell(tr("%1 is in already").arg(newdigit));
    if (entry.isEmpty() && newdigit == QLatin1String("0"))
        return tell(tr("No 0 first"));
    entry += newdigit;
    settyped(entry);
    pick = 1;
    Command[pad::confirmnumber]->setFocus();
}

// The number display, and for readers the digit buttons whose digits it holds.
void Form1::settyped(const QString &text)
{
    Label10->settext(text);
    if (numberstep(engine.step()) && !text.isEmpty()) {
        platform::describe(Command[pad::confirmnumber], text);
        tell(text);
    }
    for (int digit = 0; digit <= 9; ++digit)
        Command[pad::ofdigit(digit)]->setchosen(text.contains(QString::number(digit)));
}

void Form1::recolorbutton()
{
    if (pick >= 1 && pick <= 10)
        Command[pick]->setbackcolor(colour::lightblue);
}

void Form1::initiatebuttons()
{
    for (int n = 1; n <= 10; ++n)
        Command[n]->setbackcolor(colour::lightblue);
}

void Form1::Command11_Click()
{
    entry = Label10->text();
    if (!entry.isEmpty()) {
        pick = static_cast<int16>(pad::ofdigit(entry.back().digitValue()));
        entry.chop(1);
    }
    recolorbutton();
    settyped(entry);
}

void Form1::Command24_Click()
{
    settyped(QString());
    initiatebuttons();
}

void Form1::Command12_Click()
{
    entry = Label10->text();
    const Scored scored = engine.recordguess(entry.toStdString());
    if (scored.refusal == Refusal::triedbefore)
        platform::messagebox(this, tr("You have tried that number before!"));
    if (scored.refusal == Refusal::notanumber)
        tell(tr("Type four digits first"));
    if (scored.refusal != Refusal::none)
        return; // too few digits, or tried before: the number stays to be corrected
    printhistory(Picture1, entry, scored.plus, scored.minus);
    settyped(QString());
    initiatebuttons();
    plus = 0; // the answer to the computer's guess starts at no plus and no minus
    minus = 0;
}

// ---------------------------------------------------------------- sign pad

void Form1::paintmeonly()
{
    for (int count = 0; count <= 4; ++count) {
        ColourButton *button = Command[pad::pluscolumn[count]];
        button->setbackcolor(count == plus ? colour::red : colour::lightred);
        button->setchosen(count == plus);
    }
}

void Form1::paintmeonly2()
{
    for (int count = 0; count <= 4; ++count) {
        ColourButton *button = Command[pad::minuscolumn[count]];
        button->setbackcolor(count == minus ? colour::red : colour::lightred);
        button->setchosen(count == minus);
    }
}

void Form1::plusbutton(int count)
{
    plus = static_cast<int16>(count);
    paintmeonly();
    // However it was chosen, Confirm Signs says the answer it will give.
    platform::describe(Command[pad::confirmsigns], answernews());
}

void Form1::minusbutton(int count)
{
    minus = static_cast<int16>(count);
    paintmeonly2();
    platform::describe(Command[pad::confirmsigns], answernews());
}

QString Form1::answernews() const
{
    QString news = signsaloud(plus, minus);
    if (plus + minus > 4)
        news += QStringLiteral(". ") + tr("More than four signs, not possible");
    else if (plus == 3 && minus == 1)
        news += QStringLiteral(". ") + tr("3 plus and 1 minus is not possible");
    return news;
}

void Form1::Command23_Click()
{
    // The engine takes an answer only for the guess on display, and only one
    // that two numbers can give each other.
    if (const Refusal refused = engine.answer(plus, minus); refused != Refusal::none) {
        if (refused == Refusal::impossible)
            tell(answernews());
        return;
    }
    for (ColourButton *button : signpad())
        if (button != Command[pad::confirmsigns]) {
            button->setbackcolor(colour::lightred);
            button->setchosen(false);
        }
    const MatchState &game = engine.state();
    printhistory(Picture2, QString::fromStdString(numbertext(game.myguesses[game.myround])), plus, minus);
    Label8->settext(QString());
}

// ---------------------------------------------------------------- history boxes

void Form1::printhistory(platform::PictureBox *box, const QString &guess, int plus, int minus)
{
    box->print(QLatin1Char(' ') + guess + QLatin1Char(' '), false);
    box->print(QString(plus, QLatin1Char('+')), false);
    for (int m = 0; m < minus; ++m)
        box->print(QStringLiteral(" -"), false);
    box->print(QString(), true);
}

QString Form1::signsaloud(int plus, int minus)
{
    return tr("%n plus", nullptr, plus) + QStringLiteral(", ") + tr("%n minus", nullptr, minus);
}

QString Form1::spokenline(const QString &printed)
{
    // Counts rather than runs of signs: a count is heard at once, "-" is often
    // not spoken at all, and both counts in the same place every time.
    const QString line = printed.trimmed();
    const int plus = int(line.count(QLatin1Char('+')));
    const int minus = int(line.count(QLatin1Char('-')));
    return tr("%1, %2, %3")
        .arg(line.section(QLatin1Char(' '), 0, 0), tr("%n plus", nullptr, plus), tr("%n minus", nullptr, minus));
}

// ---------------------------------------------------------------- keyboard

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::KeyPress) {
        auto *press = static_cast<QKeyEvent *>(event);
        const qint64 pressed = keyclock.timeof(press->timestamp());
        if (laptopkey(press))
            return true;
        const int code = platform::keycode(*press);
        QWidget *focus = QApplication::focusWidget();
        const bool keypadenter = press->key() == Qt::Key_Enter;
        Form_KeyDown(code, int(press->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)));
        // A key that would confirm the answer takes it only when it comes well
        // after the guess went on screen: one pressed before, or so soon after
        // that it cannot be a reply (the quick second Enter of a double tap after
        // the number), is dropped. Choosing a sign is never held back.
        if (engine.step() == Step::signs && platform::pressesbutton(*press)
            && (focus == Command[pad::confirmsigns] || keypadenter)
            && pressed + 1 < signstepbegan + QGuiApplication::styleHints()->keyboardInputInterval())
            return true;
        // The keypad's Enter confirms the step's entry whatever button has the
        // focus: on a sign it would choose that sign instead, unheard.
        ColourButton *confirm = numberkeys == True ? Command[pad::confirmnumber]
            : signkeys == True                     ? Command[pad::confirmsigns]
                                                   : nullptr;
        if (keypadenter && confirm && focus != confirm && qobject_cast<QAbstractButton *>(focus) && isActiveWindow()) {
            confirm->click();
            return true;
        }
        // The default button: Enter confirms the number when no button has the focus.
        if (code == platform::key::enter && !qobject_cast<QAbstractButton *>(QApplication::focusWidget())
            && Command[pad::confirmnumber]->isEnabled() && isActiveWindow())
            Command[pad::confirmnumber]->click();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::Form_KeyDown(int keycode, int /*shift*/)
{
    using namespace platform::key;
    if (signkeys == False && numberkeys == False)
        return;
    if (numberkeys == True) {
        if (keycode >= keypad0 && keycode <= keypad0 + 9)
            digitbutton(keycode - keypad0);
        else if (keycode == keypaddecimal)
            Command11_Click();
        else if (keycode == keypadplus || keycode == keypadminus)
            tell(tr("Type your guess first"));
        return;
    }
    if (keycode >= keypad0 && keycode <= keypad0 + 9 && engine.step() == Step::signs)
        tell(tr("Answer my guess first"));
    const int was = plus * 10 + minus;
    if (keycode == keypaddecimal) {
        minusbutton(0);
        plusbutton(0);
        keyplus = 0;
        keyminus = 0;
    }
    if (keycode == keypadplus)
        ++keyplus;
    if (keycode == keypadminus)
        ++keyminus;
    if (keyplus >= 1 && keyplus <= 4)
        plusbutton(keyplus);
    if (keyminus >= 1 && keyminus <= 4)
        minusbutton(keyminus);
    if ((keycode == keypadplus && keyplus > 4) || (keycode == keypadminus && keyminus > 4))
        tell(signsaloud(plus, minus) + QStringLiteral(". ") + tr("More than four signs, not possible"));
    else if (keycode == keypaddecimal || keycode == keypadplus || keycode == keypadminus)
        tell(answernews());
    else if (plus * 10 + minus != was) // any key brings back the keypad's counts: never unheard
        tell(answernews());
}

// Keys of the main keyboard: its digits, + (or =), - and Backspace work as the
// keypad's do, for keyboards without one and for Num Lock off, when the keypad
// is the reader's; Page Up and Page Down read the histories, R tells the turn again.
bool Form1::laptopkey(QKeyEvent *press)
{
    if (press->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::KeypadModifier))
        return false;
    using namespace platform::key;
    const int k = press->key();
    if (k == Qt::Key_PageUp || k == Qt::Key_PageDown) {
        readhistory(k == Qt::Key_PageUp ? -1 : 1);
        return true;
    }
    constexpr quint32 rkey = 27; // where R is on every layout, Cyrillic too
    if (k == Qt::Key_R || (press->nativeScanCode() == rkey && QGuiApplication::platformName() == QLatin1String("xcb"))) {
        tell(turnnews());
        return true;
    }
    int code = other;
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        code = keypad0 + (k - Qt::Key_0);
    else if (k == Qt::Key_Plus || k == Qt::Key_Equal)
        code = keypadplus;
    else if (k == Qt::Key_Minus)
        code = keypadminus;
    else if (k == Qt::Key_Backspace)
        code = keypaddecimal;
    if (code == other)
        return false;
    Form_KeyDown(code, 0);
    return true;
}

QStringList Form1::historylines() const
{
    const QStringList yours = Picture1->lines(), mine = Picture2->lines();
    QStringList lines;
    for (int round = 0; round < std::max(yours.size(), mine.size()); ++round) {
        if (round < yours.size())
            lines << tr("Round %1, your %2").arg(round + 1).arg(spokenline(yours[round]));
        if (round < mine.size())
            lines << tr("Round %1, my %2").arg(round + 1).arg(spokenline(mine[round]));
    }
    return lines;
}

void Form1::readhistory(int step)
{
    const QStringList lines = historylines();
    if (lines.isEmpty())
        return tell(tr("No lines yet"));
    const int at = (historyat < 0 ? int(lines.size()) : historyat) + step;
    if (at < 0)
        return tell(tr("No earlier line"));
    if (at >= lines.size())
        return tell(tr("No later line"));
    historyat = at;
    tell(lines[at]);
}

void Form1::tell(const QString &news)
{
    platform::say(this, news);
}

// ---------------------------------------------------------------- menus, icon, closing

void Form1::newgame_Click()
{
    engine.startgame();
}

void Form1::exitgame_Click()
{
    engine.abandongame();
    platform::endprogram();
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    engine.abandongame();
    platform::endprogram();
}

void Form1::setrecord(record::Record *matches)
{
    record = matches;
    statistics->setEnabled(record != nullptr);
}

void Form1::usesettings(QSettings *kept)
{
    settings = kept;
    if (!settings)
        return;
    const QString saved = settings->value(QStringLiteral("strength")).toString();
    for (const Strength strength : {Strength::easy, Strength::normal, Strength::expert})
        if (saved == QLatin1String(strengthkey(strength)))
            setstrength(strength);
}

void Form1::setstrength(Strength strength)
{
    chosen = strength;
    strengths[int(strength)]->setChecked(true);
    engine.setstrategy(makestrategy(strength));
    showstrength();
}

void Form1::strength_Click(Strength strength)
{
    if (strength == chosen)
        return;
    setstrength(strength);
    if (settings) {
        settings->setValue(QStringLiteral("strength"), QLatin1String(strengthkey(strength)));
        settings->sync();
    }
    // The match being played keeps its opponent: a strength changed halfway
    // would make its figures and its record meaningless.
    if (engine.gamerunning()) {
        platform::announce(Label6, tr("%1 from the next match on").arg(dialogs::strengthtext(strength)));
        platform::describe(Label6, QString()); // told once, not with every later reading
    }
}

void Form1::showstrength()
{
    // The match's own, or before the first match the one it will be played at.
    const Strength strength = engine.gameid() == 0 ? chosen : engine.strength();
    setWindowTitle(strength == Strength::normal ? platform::apptitle
                                                : tr("Numora - %1").arg(dialogs::strengthtext(strength)));
}

void Form1::statistics_Click()
{
    if (!record)
        return;
    if (!statisticswindow)
        statisticswindow = new dialogs::frmStatistics(*record, this);
    statisticswindow->show();
    statisticswindow->raise();
    statisticswindow->activateWindow();
}

void Form1::help_Click()
{
    if (!helpwindow)
        helpwindow = new dialogs::Form2(this);
    helpwindow->show();
    helpwindow->raise();
    helpwindow->activateWindow();
}

void Form1::about_Click()
{
    if (!aboutwindow)
        aboutwindow = new dialogs::frmAbout(this);
    aboutwindow->show();
    aboutwindow->raise();
    aboutwindow->activateWindow();
}

void Form1::Timer1_Timer()
{
    // Straight to the native window: QWidget::setWindowIcon would also tell
    // every child widget, twenty times a second.
    windowHandle()->setIcon(Image1[iconframe]);
    QGuiApplication::sync(); // without it the X server sees the icon late
    iconframe = static_cast<int16>((iconframe + 1) % 18);
}

void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (placed)
        return;
    placed = true;
    fitscreen();
    platform::whenframed(this, [this] { fitscreen(); });
}

// Centred on the screen at its designed size; where the screen has less room
// (a high scale on a small screen), as much room as there is, title bar and
// all, and the client area scrolls.
void Form1::fitscreen()
{
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QSize room = platform::roomonscreen(this, screen);
    QSize size = designed;
    if (designed.width() > room.width() || designed.height() > room.height()) {
        scrollable();
        // Only the compositor knows the room its panels leave: it gives a
        // maximized window all of it.
        if (!platform::placeswindows()) {
            setWindowState(windowState() | Qt::WindowMaximized);
            return;
        }
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller);
        if (size.height() > room.height())
            size.rwidth() += bar;
        if (size.width() > room.width())
            size.rheight() += bar;
        size = size.boundedTo(room);
    }
    resize(size);
    QRect frame = platform::frameof(this);
    frame.moveCenter(screen->availableGeometry().center());
    platform::placeframe(this, platform::keptinside(frame, screen->availableGeometry()).topLeft());
}

// The client area in a scroll area, at its designed size; whatever takes the
// focus, by key or as a step begins, is scrolled into view.
void Form1::scrollable()
{
    if (scroller)
        return;
    QWidget *client = takeCentralWidget();
    scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroller->setWidget(client);
    setCentralWidget(scroller);
    connect(qApp, &QApplication::focusChanged, scroller, [this](QWidget *, QWidget *now) {
        if (now && scroller->widget()->isAncestorOf(now))
            scroller->ensureWidgetVisible(now, 0, 0);
    });
}

// ---------------------------------------------------------------- the engine's view

void Form1::setstatus(const std::string &text)
{
    Label6->settext(fromengine(text));
}

void Form1::showguess(const std::string &text)
{
    Label8->settext(QString::fromStdString(text));
}

void Form1::processevents()
{
    QCoreApplication::processEvents();
}

void Form1::defer(std::function<void()> work)
{
    QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

void Form1::beep()
{
    platform::beep();
}

void Form1::showoutcome(Outcome outcome, const std::string &caption)
{
    QPointer<dialogs::OutcomeDialog> &slot = outcome == Outcome::won ? frmUwin
        : outcome == Outcome::lost                                   ? frmUlost
                                                                     : TSdraw;
    if (!slot) {
        if (outcome == Outcome::won)
            slot = new dialogs::frmUwin(this);
        else if (outcome == Outcome::lost)
            slot = new dialogs::frmUlost(this);
        else {
            // A window of its own in the task bar, kept above the window it belongs to.
            slot = new dialogs::TSdraw(this);
            platform::belongtoowner(slot);
        }
        connect(
            slot, &dialogs::OutcomeDialog::yes, this, [this, outcome] { engine.dialogyes(outcome); },
            Qt::QueuedConnection);
    }
    if (!caption.empty()) {
        slot->setWindowTitle(fromengine(caption));
        slot->setAccessibleName(fromengine(caption).remove(QLatin1Char(':')).simplified()); // readers say colons
    }
    slot->tellfirst(endnews(false));
    if (auto *lostdialog = qobject_cast<dialogs::frmUlost *>(slot); lostdialog && caption.starts_with(lost))
        lostdialog->shownumber(QString::fromStdString(caption.substr(std::string_view(lost).size())));
    slot->show();
    dialogs::placedialog(slot, this);
    slot->raise();
    slot->activateWindow();
}

void Form1::showmessage(const std::string &text)
{
    tell(endnews(text == wrongsignstext));
    QString shown = fromengine(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    platform::messagebox(this, shown);
}
