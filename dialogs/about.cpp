// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/about.h"

#include "platform/colourbutton.h"
#include "platform/desktop.h"
#include "platform/picture.h"
#include "platform/runtime.h"
#include "platform/twips.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QStyle>
#include <QWindow>

#include <algorithm>

namespace dialogs {

namespace {

constexpr Qt::WindowFlags fixedframe = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
    | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

void setcolour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette pal = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, role, colour);
    widget->setPalette(pal);
}

// The screen a window opens on: its owner's.
QScreen *screenof(QWidget *window)
{
    QWidget *owner = window->parentWidget();
    QScreen *screen = owner ? owner->screen() : window->screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

// Both windows open in the middle of the screen their owner is on, frame and
// all as far as the frame is known yet, and wholly inside its available area.
// Placed once before the first show (so nothing else places them) and again as
// that show begins.
void centreonscreen(QWidget *window)
{
    QScreen *screen = screenof(window);
    if (!screen)
        return;
    QRect place = platform::frameof(window);
    place.moveCenter(screen->availableGeometry().center());
    platform::placeframe(window, platform::keptinside(place, screen->availableGeometry()).topLeft());
}

// A one-line label on the window's ground. Its place is the design's; it only
// grows if a stand-in font needs more room than the design's font did.
QLabel *label(const QString &text, const QRect &place, const QFont &font, const QColor &ink, QWidget *window)
{
    auto *l = new QLabel(window);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setFont(font);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setcolour(l, QPalette::WindowText, ink);
    QRect sized = place;
    sized.setWidth(std::max(place.width(), l->sizeHint().width()));
    l->setGeometry(sized);
    return l;
}

// A picture in a sunken border two pixels wide, the box as big as picture and border.
QLabel *picturebox(const QIcon &images, const QRect &place, QWidget *window)
{
    auto *box = new platform::Picture(images, place.size() - QSize(4, 4), window);
    box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    box->setGeometry(place);
    return box;
}

// The About picture, and the same at twice the size for dense screens.
QIcon aboutpicture()
{
    static const QIcon icon = [] {
        QIcon made;
        for (const char *name : {":/pictures/about.jpg", ":/pictures/about@2x.jpg"}) {
            QImage picture(QString::fromLatin1(name));
            picture.setDevicePixelRatio(1); // told apart by their pixels
            made.addPixmap(QPixmap::fromImage(picture));
        }
        return made;
    }();
    return icon;
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent, Qt::Dialog | fixedframe)
{
    using platform::twips;
    namespace colour = platform::colour;

    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(tr("About the game..."));
    setWindowIcon(programicon());
    setFixedSize(platform::pixels(3150), platform::pixels(2760));
    setFont(platform::sansserif(8.25));
    setcolour(this, QPalette::Window, colour::lightcyan);
    setAutoFillBackground(true);

    // The controls are made in their tab order, which is the order of the focus
    // chain; only OK can take the focus.
    cmdOK = new platform::ColourButton(tr("OK"), colour::darkred, this);
    cmdOK->setGeometry(twips(120, 2280, 2925, 345));
    cmdOK->setFont(platform::sansserif(9.75, true));
    cmdOK->setToolTip(tr("Move your mouse on the picture!"));
    // Readers take a tool tip for the description: the hint is for the mouse, not the keyboard.
    cmdOK->setAccessibleDescription(tr("Closes this window"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    picIcon = picturebox(aboutpicture(), twips(120, 960, 2925, 1260), this);
    picIcon->setToolTip(tr("That was what I used to do before I began writing unnecessary programs!"));

    const QFont windowfont = platform::sansserif(8.25);
    const QFont serifbold = platform::serif(8.25, true);
    lblDescription = label(tr("Number Guessing Game."), twips(120, 405, 1770, 195), windowfont, colour::black, this);
    lblTitle
        = label(tr("TESSARIN 2.0 (the smarter version)"), twips(120, 120, 2880, 195), windowfont, colour::black, this);
    lblVersion = label(tr("by the Numora team"), twips(120, 705, 1845, 195), serifbold, colour::maroon, this);
    Label1 = label(tr("E-mail"), twips(2400, 705, 510, 195), serifbold, colour::black, this);
    Label1->setToolTip(tr("The Numora team"));
    // For the ear: no dots, no brackets named aloud.
    setAccessibleName(windowTitle().remove(QStringLiteral("...")).remove(QChar(0x2026)).trimmed());
    lblTitle->setAccessibleName(
        lblTitle->text().replace(QLatin1Char('('), QStringLiteral(", ")).remove(QLatin1Char(')')).simplified());

    cmdOK->setFocus();
    centreonscreen(this);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::showEvent(QShowEvent *event)
{
    if (!event->spontaneous() && !placed) {
        placed = true;
        centreonscreen(this);
        platform::whenframed(this, [this] { centreonscreen(this); });
    }
    QDialog::showEvent(event);
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // OK is also the cancel button: Esc presses it instead of rejecting the dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

Form2::Form2(QWidget *parent) : QWidget(parent, Qt::Window | fixedframe)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Game Help"));
    setWindowIcon(programicon());

    Picture1 = new QFrame(this);
    Picture1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Picture1->setGeometry(platform::twips(0, 0, 13515, 8175));
    setcolour(Picture1, QPalette::Window, platform::colour::white);
    Picture1->setAutoFillBackground(true);
    Picture1->setAccessibleName(windowTitle());
    makepage();

    fitscreen();
    centreonscreen(this);
}

// Where the screen has less room than the page (a laptop at 200 %), the window
// takes the room there is and the page scrolls inside it.
void Form2::fitscreen()
{
    const QSize design(platform::pixels(13515), platform::pixels(8190));
    QSize room = design;
    if (QScreen *screen = screenof(this)) {
        const QSize most = platform::roomonscreen(this, screen);
        room = design.boundedTo(most);
        // A scroll bar one way takes no width of the page the other way.
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        if (room.height() < design.height())
            room.setWidth(std::min(design.width() + bar, most.width()));
        if (room.width() < design.width())
            room.setHeight(std::min(design.height() + bar, most.height()));
    }
    setFixedSize(room);
    if (room != design && !scroller) {
        scroller = new QScrollArea(this);
        scroller->setFrameShape(QFrame::NoFrame);
        auto *sheet = new QWidget;
        sheet->resize(design);
        Picture1->setParent(sheet);
        scroller->setWidget(sheet);
        if (isVisible())
            scroller->show();
    }
    if (scroller)
        scroller->setGeometry(QRect(QPoint(), room));
}

void Form2::resizeEvent(QResizeEvent *event)
{
    // A window manager may round the size to the steps a scaled window is
    // sized in.
    if (scroller)
        scroller->resize(size());
    QWidget::resizeEvent(event);
}

void Form2::showEvent(QShowEvent *event)
{
    // Now the frame is known where the platform tells it before mapping, and
    // else once the window manager has framed the window.
    if (!event->spontaneous() && !placed) {
        placed = true;
        centreonscreen(this);
        platform::whenframed(this, [this] {
            fitscreen();
            centreonscreen(this);
        });
    }
    QWidget::showEvent(event);
}

} // namespace dialogs
