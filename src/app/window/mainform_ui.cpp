// SPDX-License-Identifier: GPL-3.0-or-later
// Building the main window: tool strip, picture area, caption labels, menus and timers.
#include "app/window/mainform.h"

#include "app/commands/command_set.h"
#include "app/open/open_filters.h"
#include "app/video_board/video_board.h"
#include "app/widgets/picture_view.h"
#include "app/widgets/progress_gauge.h"
#include "app/widgets/widget_colour.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStackedLayout>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

// Compiled into this static library, so not registered by itself.
static void loadToolIcons()
{
    Q_INIT_RESOURCE(icons);
}

namespace {

// The style has this one only at 16 pixels: on a high-density screen it would be grown.
QIcon webIcon()
{
    loadToolIcons();
    QIcon icon;
    for (int size : {16, 32, 64})
        icon.addFile(QStringLiteral(":/icons/web-%1.png").arg(size), QSize(size, size));
    return icon;
}

QToolButton *addToolButton(QToolBar *bar, const char *name, const QString &text,
                           const QString &hint, const QIcon &icon)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(hint);
    button->setIcon(icon);
    button->setAutoRaise(true);
    bar->addWidget(button);
    return button;
}

QLabel *addPanel(QWidget *parent, const char *name, const QString &caption, const QString &hint,
                 int width)
{
    auto *panel = new QLabel(caption, parent);
    panel->setObjectName(QLatin1String(name));
    panel->setToolTip(hint);
    panel->setFixedWidth(width);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    font.setBold(true);
    panel->setFont(font);
    return panel;
}

QLabel *addCaptionLabel(QWidget *parent, const char *name, const QColor &colour)
{
    auto *label = new QLabel(QCoreApplication::translate("TfrmMain", "Try Again? "), parent);
    label->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(16);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->adjustSize();
    return label;
}

} // namespace

void TfrmMain::createWidgets()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    createToolStrip(client);
    column->addWidget(toolStrip);
    bevelLine = new QFrame(client);
    bevelLine->setObjectName(QStringLiteral("bevelLine"));
    bevelLine->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevelLine->setFixedHeight(2);
    column->addWidget(bevelLine);
    createPictureArea(client);
    m_video = new VideoBoard(this, *m_session,
                             {m_solutionPicture, m_dimPicture, m_board, Image2, imgSolution,
                              ProEffectImage1, fraSolution},
                             progressBar);
    column->addWidget(fraImages, 1);
    client->setMinimumSize(331, 331);
    setCentralWidget(client);
}

// Made on first use: building the dialog cost about a fifth of the start-up.
QFileDialog *TfrmMain::openDialog()
{
    if (OpenDialog1)
        return OpenDialog1;
    OpenDialog1 = new QFileDialog(this, tr("Open picture"));
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog1->setOption(QFileDialog::HideNameFilterDetails);
    OpenDialog1->setNameFilters(openDialogFilters());
    // Enter in the file name field can accept the dialog while its completion list is up;
    // the list would then stay over the board and keep the keyboard.
    connect(OpenDialog1, &QDialog::finished, this, [this] {
        for (QCompleter *completer : OpenDialog1->findChildren<QCompleter *>())
            if (completer->popup()->isVisible())
                completer->popup()->hide();
    });
    OpenDialog1->setDirectory(QCoreApplication::applicationDirPath());
    return OpenDialog1;
}

void TfrmMain::createToolStrip(QWidget *parent)
{
    toolStrip = new QWidget(parent);
    toolStrip->setObjectName(QStringLiteral("toolStrip"));
    auto *row = new QHBoxLayout(toolStrip);
    row->setContentsMargins(0, 0, 2, 0);
    row->setSpacing(2);

    toolBar = new QToolBar(toolStrip);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setIconSize(QSize(16, 16));
    toolBar->setMovable(false);
    //: Names a tool button that shows only an icon, for screen readers and the tool bar's overflow
    btnOpen = addToolButton(toolBar, "btnOpen", tr("Open"), tr("Open image"),
                            toolBar->style()->standardIcon(QStyle::SP_DialogOpenButton));
    btnOpen->setPopupMode(QToolButton::MenuButtonPopup);
    btnWeb = addToolButton(toolBar, "btnWeb", tr("Web"), tr("Find images on the web"), webIcon());
    toolBar->addSeparator();
    btnRestart = addToolButton(toolBar, "btnRestart", tr("Restart Game"), tr("Refresh/Restart"),
                               toolBar->style()->standardIcon(QStyle::SP_BrowserReload));
    btnBack = addToolButton(toolBar, "btnBack", tr("Previous Image"), tr("Back"),
                            toolBar->style()->standardIcon(QStyle::SP_ArrowBack));
    btnForward = addToolButton(toolBar, "btnForward", tr("Next Image"), tr("Forward"),
                               toolBar->style()->standardIcon(QStyle::SP_ArrowForward));
    toolBar->addSeparator();
    btnOptions = addToolButton(toolBar, "btnOptions", tr("Options"), tr("Options"),
                               toolBar->style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    row->addWidget(toolBar);
    row->addStretch(1);

    txtMoveCount = addPanel(toolStrip, "txtMoveCount", QStringLiteral("0"), tr("Moves taken"), 48);
    txtStatus =
        addPanel(toolStrip, "txtStatus", QStringLiteral("00 : 00 : 00"), tr("Time elapsed"), 88);
    row->addWidget(txtMoveCount);
    row->addWidget(txtStatus);

    // Covers the time panel while something downloads.
    progressBar = new ProgressGauge(txtStatus);
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->hide();

    mnuImageFiles = new QMenu(this);
    mnuImageFiles->setObjectName(QStringLiteral("mnuImageFiles"));
    btnOpen->setMenu(mnuImageFiles);
    txtStatus->setContextMenuPolicy(Qt::CustomContextMenu);
}

void TfrmMain::createPictureArea(QWidget *parent)
{
    fraImages = new QWidget(parent);
    fraImages->setObjectName(QStringLiteral("fraImages"));
    setBackground(fraImages, Qt::black);
    auto *fill = new QVBoxLayout(fraImages);
    fill->setContentsMargins(0, 0, 0, 0);

    fraSolution = new QWidget(fraImages);
    fraSolution->setObjectName(QStringLiteral("fraSolution"));
    setBackground(fraSolution, Qt::black);
    fill->addWidget(fraSolution);

    // All controls lie on the same rectangle; which one shows is a matter of visibility and
    // stacking order.
    auto *stack = new QStackedLayout(fraSolution);
    stack->setStackingMode(QStackedLayout::StackAll);
    auto *fraBrowser = new QWidget(fraSolution);
    fraBrowser->setObjectName(QStringLiteral("fraBrowser"));
    m_web = new WebPane(fraBrowser, progressBar, this);
    ProEffectImage1 = new PictureView(fraSolution);
    ProEffectImage1->setObjectName(QStringLiteral("ProEffectImage1"));
    imgSolution = new PictureView(fraSolution);
    imgSolution->setObjectName(QStringLiteral("imgSolution"));
    Image2 = new PictureView(fraSolution);
    Image2->setObjectName(QStringLiteral("Image2"));
    for (QWidget *control : {fraBrowser, static_cast<QWidget *>(ProEffectImage1),
                             static_cast<QWidget *>(imgSolution), static_cast<QWidget *>(Image2)})
        stack->addWidget(control);
    m_web->hidePaneFrame();
    ProEffectImage1->hide();
    ProEffectImage1->setPicture(&m_dimPicture);
    imgSolution->setPicture(&m_solutionPicture);
    Image2->setPicture(&m_board);

    txtInfoShadow = addCaptionLabel(fraSolution, "txtInfoShadow", Qt::black);
    txtInfo = addCaptionLabel(fraSolution, "txtInfo", Qt::white);
    // One stacking order for good, bottom to top; what shows is decided by visibility alone.
    // The web pane, whenever shown, covers everything, the captions included.
    QWidget *const bottomToTop[] = {ProEffectImage1, imgSolution, Image2,
                                    txtInfoShadow,   txtInfo,     fraBrowser};
    for (QWidget *control : bottomToTop)
        control->raise();
    fraSolution->installEventFilter(this);
}

void TfrmMain::createMenus()
{
    m_commands = std::make_unique<commands::CommandSet>(this);
}

QAction *TfrmMain::command(commands::Command id) const
{
    return m_commands->action(id);
}

// The window's own commands; play, Pause and the keeper bind theirs.
void TfrmMain::connectCommands()
{
    using commands::Command;
    const std::pair<Command, void (TfrmMain::*)()> handlers[] = {
        {Command::Open, &TfrmMain::mnuOpenClick},
        {Command::OpenURL, &TfrmMain::OpenURL1Click},
        {Command::Web, &TfrmMain::PuzzlesontheWeb1Click},
        {Command::Exit, &TfrmMain::mnuExitClick},
        {Command::Restart, &TfrmMain::Restart1Click},
        {Command::Back, &TfrmMain::Back1Click},
        {Command::Next, &TfrmMain::Next1Click},
        {Command::Solution, &TfrmMain::mnuSolutionClick},
        {Command::FullScreen, &TfrmMain::mnuFullScreenClick},
        {Command::Setup, &TfrmMain::mnuSetupClick},
        {Command::ShowToolbar, &TfrmMain::mnuShowToolbarClick},
        {Command::FadeBlocks, &TfrmMain::FadeBlocks1Click},
        {Command::ShowGrid, &TfrmMain::mnuShowGridClick},
        {Command::PlaySound, &TfrmMain::mnuPlaySoundClick},
        {Command::About, &TfrmMain::mnuAboutClick},
        {Command::VisitOnline, &TfrmMain::mnuVisitOnlineClick},
        {Command::Keys, &TfrmMain::mnuKeysClick},
    };
    for (const auto &[id, handler] : handlers)
        connect(command(id), &QAction::triggered, this, handler);

    connect(btnRestart, &QToolButton::clicked, this, &TfrmMain::btnRestartClick);
    connect(Image2, &PictureView::pressed, this, &TfrmMain::Image2MouseDown);
    connect(m_video, &VideoBoard::frameShown, this, &TfrmMain::drawBitmap);
    connect(m_video, &VideoBoard::videoLeft, this, [this] {
        isVideo = false;
        command(Command::FadeBlocks)->setEnabled(true);
        // The last frame stays as an ordinary still picture, which Restart deals with dimmed
        // tiles.
        rebuildDimSource();
    });

    connect(btnOpen, &QToolButton::clicked, this, &TfrmMain::mnuOpenClick);
    connect(txtStatus, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { mnuImageFiles->popup(txtStatus->mapToGlobal(at)); });
    connect(btnBack, &QToolButton::clicked, this, &TfrmMain::btnBackClick);
    connect(btnForward, &QToolButton::clicked, this, &TfrmMain::btnForwardClick);

    connect(btnWeb, &QToolButton::clicked, this, &TfrmMain::PuzzlesontheWeb1Click);
    connectWebPane();

    connect(btnOptions, &QToolButton::clicked, this, &TfrmMain::mnuSetupClick);
}
