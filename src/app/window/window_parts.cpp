// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/window_parts.h"

#include "app/widgets/picture_view.h"
#include "app/widgets/progress_gauge.h"
#include "app/widgets/widget_colour.h"

#include "app/open/open_filters.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
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

void buildToolStrip(WindowParts &ui, QMainWindow *window, QWidget *parent)
{
    ui.toolStrip = new QWidget(parent);
    ui.toolStrip->setObjectName(QStringLiteral("toolStrip"));
    auto *row = new QHBoxLayout(ui.toolStrip);
    row->setContentsMargins(0, 0, 2, 0);
    row->setSpacing(2);

    ui.toolBar = new QToolBar(ui.toolStrip);
    ui.toolBar->setObjectName(QStringLiteral("toolBar"));
    ui.toolBar->setIconSize(QSize(16, 16));
    ui.toolBar->setMovable(false);
    //: Names a tool button that shows only an icon, for screen readers and the tool bar's overflow
    ui.btnOpen =
        addToolButton(ui.toolBar, "btnOpen", QCoreApplication::translate("TfrmMain", "Open"),
                      QCoreApplication::translate("TfrmMain", "Open image"),
                      ui.toolBar->style()->standardIcon(QStyle::SP_DialogOpenButton));
    ui.btnOpen->setPopupMode(QToolButton::MenuButtonPopup);
    ui.btnWeb =
        addToolButton(ui.toolBar, "btnWeb", QCoreApplication::translate("TfrmMain", "Web"),
                      QCoreApplication::translate("TfrmMain", "Find images on the web"), webIcon());
    ui.toolBar->addSeparator();
    ui.btnRestart = addToolButton(ui.toolBar, "btnRestart",
                                  QCoreApplication::translate("TfrmMain", "Restart Game"),
                                  QCoreApplication::translate("TfrmMain", "Refresh/Restart"),
                                  ui.toolBar->style()->standardIcon(QStyle::SP_BrowserReload));
    ui.btnBack = addToolButton(ui.toolBar, "btnBack",
                               QCoreApplication::translate("TfrmMain", "Previous Image"),
                               QCoreApplication::translate("TfrmMain", "Back"),
                               ui.toolBar->style()->standardIcon(QStyle::SP_ArrowBack));
    ui.btnForward = addToolButton(ui.toolBar, "btnForward",
                                  QCoreApplication::translate("TfrmMain", "Next Image"),
                                  QCoreApplication::translate("TfrmMain", "Forward"),
                                  ui.toolBar->style()->standardIcon(QStyle::SP_ArrowForward));
    ui.toolBar->addSeparator();
    ui.btnOptions =
        addToolButton(ui.toolBar, "btnOptions", QCoreApplication::translate("TfrmMain", "Options"),
                      QCoreApplication::translate("TfrmMain", "Options"),
                      ui.toolBar->style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    row->addWidget(ui.toolBar);
    row->addStretch(1);

    ui.txtMoveCount = addPanel(ui.toolStrip, "txtMoveCount", QStringLiteral("0"),
                               QCoreApplication::translate("TfrmMain", "Moves taken"), 48);
    ui.txtStatus = addPanel(ui.toolStrip, "txtStatus", QStringLiteral("00 : 00 : 00"),
                            QCoreApplication::translate("TfrmMain", "Time elapsed"), 88);
    row->addWidget(ui.txtMoveCount);
    row->addWidget(ui.txtStatus);

    // Covers the time panel while something downloads.
    ui.progressBar = new ProgressGauge(ui.txtStatus);
    ui.progressBar->setObjectName(QStringLiteral("progressBar"));
    ui.progressBar->hide();

    ui.mnuImageFiles = new QMenu(window);
    ui.mnuImageFiles->setObjectName(QStringLiteral("mnuImageFiles"));
    ui.btnOpen->setMenu(ui.mnuImageFiles);
    ui.txtStatus->setContextMenuPolicy(Qt::CustomContextMenu);
}

void buildPictureArea(WindowParts &ui, QWidget *parent)
{
    ui.fraImages = new QWidget(parent);
    ui.fraImages->setObjectName(QStringLiteral("fraImages"));
    setBackground(ui.fraImages, Qt::black);
    auto *fill = new QVBoxLayout(ui.fraImages);
    fill->setContentsMargins(0, 0, 0, 0);

    ui.fraSolution = new QWidget(ui.fraImages);
    ui.fraSolution->setObjectName(QStringLiteral("fraSolution"));
    setBackground(ui.fraSolution, Qt::black);
    fill->addWidget(ui.fraSolution);

    // All controls lie on the same rectangle; which one shows is a matter of visibility and
    // stacking order.
    auto *stack = new QStackedLayout(ui.fraSolution);
    stack->setStackingMode(QStackedLayout::StackAll);
    ui.fraBrowser = new QWidget(ui.fraSolution);
    ui.fraBrowser->setObjectName(QStringLiteral("fraBrowser"));
    ui.ProEffectImage1 = new PictureView(ui.fraSolution);
    ui.ProEffectImage1->setObjectName(QStringLiteral("ProEffectImage1"));
    ui.imgSolution = new PictureView(ui.fraSolution);
    ui.imgSolution->setObjectName(QStringLiteral("imgSolution"));
    ui.Image2 = new PictureView(ui.fraSolution);
    ui.Image2->setObjectName(QStringLiteral("Image2"));
    for (QWidget *control :
         {ui.fraBrowser, static_cast<QWidget *>(ui.ProEffectImage1),
          static_cast<QWidget *>(ui.imgSolution), static_cast<QWidget *>(ui.Image2)})
        stack->addWidget(control);
    ui.ProEffectImage1->hide();

    ui.txtInfoShadow = addCaptionLabel(ui.fraSolution, "txtInfoShadow", Qt::black);
    ui.txtInfo = addCaptionLabel(ui.fraSolution, "txtInfo", Qt::white);
    // One stacking order for good, bottom to top; what shows is decided by visibility alone.
    // The web pane, whenever shown, covers everything, the captions included.
    QWidget *const bottomToTop[] = {ui.ProEffectImage1, ui.imgSolution, ui.Image2,
                                    ui.txtInfoShadow,   ui.txtInfo,     ui.fraBrowser};
    for (QWidget *control : bottomToTop)
        control->raise();
}

} // namespace

WindowParts buildWindowParts(QMainWindow *window)
{
    WindowParts ui;
    auto *client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buildToolStrip(ui, window, client);
    column->addWidget(ui.toolStrip);
    ui.bevelLine = new QFrame(client);
    ui.bevelLine->setObjectName(QStringLiteral("bevelLine"));
    ui.bevelLine->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    ui.bevelLine->setFixedHeight(2);
    column->addWidget(ui.bevelLine);
    buildPictureArea(ui, client);
    column->addWidget(ui.fraImages, 1);
    client->setMinimumSize(331, 331);
    window->setCentralWidget(client);
    return ui;
}

// Made on first use: building the dialog cost about a fifth of the start-up.
QFileDialog *WindowParts::openDialog(QWidget *window)
{
    if (OpenDialog1)
        return OpenDialog1;
    OpenDialog1 = new QFileDialog(window, QCoreApplication::translate("TfrmMain", "Open picture"));
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog1->setOption(QFileDialog::HideNameFilterDetails);
    OpenDialog1->setNameFilters(openDialogFilters());
    // Enter in the file name field can accept the dialog while its completion list is up;
    // the list would then stay over the board and keep the keyboard.
    QObject::connect(OpenDialog1, &QDialog::finished, OpenDialog1, [dialog = OpenDialog1] {
        for (QCompleter *completer : dialog->findChildren<QCompleter *>())
            if (completer->popup()->isVisible())
                completer->popup()->hide();
    });
    OpenDialog1->setDirectory(QCoreApplication::applicationDirPath());
    return OpenDialog1;
}
