// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/outcomes.h"

#include "dialogs/programicon.h"

#include "platform/accessibility.h"
#include "platform/colourbutton.h"
#include "platform/desktop.h"
#include "platform/picture.h"
#include "platform/runtime.h"
#include "platform/twips.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

#include <algorithm>
#include <initializer_list>

namespace dialogs {

namespace {

// A bright red line of the large bold message font, drawn from its top-left
// corner straight onto the black window, beneath the buttons and pictures.
QLabel *message(const QString &text, const QRect &place, QWidget *dialog)
{
    auto *label = new QLabel(dialog);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(platform::sansserif(15, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette pal = label->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::WindowText, platform::colour::brightred);
    label->setPalette(pal);
    label->setGeometry(place);
    label->lower();
    return label;
}

// A borderless box on black at the given place, sized to its 32-pixel picture;
// the icon's larger images serve screens that scale.
QLabel *picture(const QString &name, std::initializer_list<int> sizes, const QRect &place, QWidget *dialog)
{
    // Each picture is loaded once: a fresh icon per dialog would leave its
    // scaled copies behind in the pixmap cache every time a dialog opens.
    static QHash<QString, QIcon> loaded;
    QIcon &icon = loaded[name];
    if (icon.isNull())
        for (int size : sizes)
            icon.addFile(QStringLiteral(":/outcomes/%1-%2.png").arg(name).arg(size), QSize(size, size));
    auto *box = new platform::Picture(icon, QSize(32, 32), dialog);
    box->setFrameShape(QFrame::NoFrame);
    box->setAutoFillBackground(true);
    box->setBackgroundRole(QPalette::Window);
    box->setGeometry(QRect(place.topLeft(), QSize(32, 32)));
    return box;
}

void blackbackground(QWidget *dialog)
{
    QPalette pal = dialog->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Window, platform::colour::black);
    dialog->setPalette(pal);
    dialog->setAutoFillBackground(true);
}

// The dialogs that cannot be resized and keep out of the task bar.
void fixeddialog(QDialog *dialog, QSize client)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog->setFixedSize(client);
}

} // namespace

OutcomeDialog::OutcomeDialog(QWidget *parent) : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowIcon(programicon());
    setSizeGripEnabled(false);
    blackbackground(this);
}

void OutcomeDialog::Command1_Click()
{
    QPointer<OutcomeDialog> self(this);
    emit yes();
    if (self)
        close();
}

void OutcomeDialog::Command2_Click()
{
    platform::endprogram();
}

void OutcomeDialog::keyPressEvent(QKeyEvent *event)
{
    // No button cancels: Esc must not close the dialog as a plain QDialog would.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void OutcomeDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The match is over: readers hear it whatever has the focus.
    if (!event->spontaneous() && QAccessible::isActive()) {
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void OutcomeDialog::makebuttons(const QRect &yesplace, const QRect &noplace, const QColor &face)
{
    Command1 = new platform::ColourButton(tr("YES"), face, this);
    Command1->setGeometry(yesplace);
    Command1->setDefault(true);
    Command2 = new platform::ColourButton(tr("NO"), face, this);
    Command2->setGeometry(noplace);
    connect(Command1, &QPushButton::clicked, this, &OutcomeDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &OutcomeDialog::Command2_Click);
    setTabOrder(Command1, Command2);
    Command1->setFocus();
}

void OutcomeDialog::readmessage(std::initializer_list<QLabel *> lines)
{
    QStringList texts;
    for (QLabel *line : lines) {
        texts << line->text().simplified();
        platform::labelfor(line, this);
    }
    said = texts.join(QLatin1Char(' '));
    setAccessibleDescription(said);
}

void OutcomeDialog::tellfirst(const QString &news)
{
    setAccessibleDescription(news.isEmpty() ? said : news + QStringLiteral(". ") + said);
}

frmUwin::frmUwin(QWidget *parent) : OutcomeDialog(parent)
{
    setWindowTitle(tr("You Won!"));
    fixeddialog(this, platform::twips(0, 0, 4080, 1875).size());
    setFont(platform::sansserif(8.25, true));

    makebuttons(
        platform::twips(240, 1320, 1215, 375), platform::twips(2640, 1320, 1215, 375), platform::colour::darkred);
    Label1 = message(tr("Congratulations!  Play again?"), platform::twips(240, 120, 2535, 735), this);
    Label1->setWordWrap(true);
    Picture2 = picture(QStringLiteral("oldman"), {32, 48, 16, 64}, platform::twips(1800, 960, 480, 480), this);
    readmessage({Label1});
}

frmUlost::frmUlost(QWidget *parent) : OutcomeDialog(parent)
{
    setWindowTitle(tr(" You have lost!"));
    fixeddialog(this, platform::twips(0, 0, 4305, 1170).size());
    setFont(platform::sansserif(8.25));

    makebuttons(platform::twips(120, 720, 1455, 375), platform::twips(2760, 720, 1455, 375), platform::colour::green);
    for (auto *button : {Command1, Command2})
        button->setFont(platform::sansserif(8.25, true));
    Label1 = message(tr("Play again?"), platform::twips(120, 120, 3495, 375), this);
    Picture1 = picture(QStringLiteral("wheelchair"), {32, 16, 64}, platform::twips(1920, 480, 480, 480), this);
    readmessage({Label1});
}

void frmUlost::shownumber(const QString &secret)
{
    number = secret;
    update();
}

// On the question's line in the message font, ending at NO's right edge.
QRect frmUlost::numberplace() const
{
    const QFontMetrics metrics(platform::sansserif(15, true));
    const QRect line = platform::twips(120, 120, 4095, 375);
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignRight | Qt::AlignTop,
        QSize(metrics.horizontalAdvance(number), metrics.height()), line);
}

void frmUlost::paintEvent(QPaintEvent *event)
{
    OutcomeDialog::paintEvent(event);
    QPainter painter(this);
    painter.setFont(platform::sansserif(15, true));
    painter.setPen(platform::colour::brightred);
    painter.drawText(numberplace(), Qt::AlignLeft | Qt::AlignTop, number);
}

TSdraw::TSdraw(QWidget *parent) : OutcomeDialog(parent)
{
    setWindowTitle(tr(" It's a draw!"));
    // A window of its own: resizable, minimizable, with a task bar entry.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(platform::twips(0, 0, 2790, 1710).size());
    setFont(platform::sansserif(8.25));

    makebuttons(platform::twips(120, 1200, 1215, 375), platform::twips(1440, 1200, 1215, 375), platform::colour::olive);
    // Label1 is wider than the window: its text simply runs to the edge. Each
    // message goes beneath everything made before it, so the second line is
    // made first and readers meet the lines in the order they are read.
    Label2 = message(tr(" Play again?"), platform::twips(0, 600, 1935, 375), this);
    Label1 = message(tr(" Not bad at all!"), platform::twips(0, 120, 3495, 375), this);
    Picture1 = picture(QStringLiteral("handshake"), {32, 16, 64}, platform::twips(2040, 480, 480, 480), this);
    readmessage({Label1, Label2});
}

void placedialog(QWidget *dialog, const QWidget *mainwindow)
{
    if (!dialog)
        return;
    // Centred across the main window and over its pads, so the answer is where the
    // player was already looking; always wholly on that window's screen.
    const QScreen *screen = mainwindow ? mainwindow->screen() : dialog->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize size = platform::frameof(dialog).size();
    QPoint centre = available.center();
    if (mainwindow) {
        const QRect owner = platform::frameof(mainwindow);
        centre = QPoint(owner.center().x(), owner.top() + owner.height() * 3 / 4);
    }
    QPoint topleft = centre - QPoint(size.width() / 2, size.height() / 2);
    topleft.setX(std::max(available.left(), std::min(topleft.x(), available.right() + 1 - size.width())));
    topleft.setY(std::max(available.top(), std::min(topleft.y(), available.bottom() + 1 - size.height())));
    platform::placeframe(dialog, topleft);
}

} // namespace dialogs
