#include "ui/TMainScreen.h"

#include "core/TCompanionFile.h"
#include "core/TDesignFileNames.h"
#include "platform/EQuandrelError.h"
#include "platform/Screen.h"
#include "platform/TProgramFolder.h"
#include "platform/WinMath.h"
#include "ui/FontConversion.h"
#include "ui/TAboutBox.h"
#include "ui/TEditCardLayout.h"
#include "ui/TFormPlacement.h"
#include "ui/TGHandle.h"
#include "ui/THelp.h"
#include "ui/TLoadBackGround.h"
#include "ui/TMessageBoxes.h"
#include "ui/TPersonalInformation.h"
#include "ui/TPrintCommands.h"
#include "ui/TRecentFilesMenu.h"
#include "ui/TTipsAssistant.h"
#include "ui/TToolIcons.h"
#include "ui/TZoomSpinner.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QSaveFile>
#include <QScopeGuard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <QWindow>

namespace {

const QString ClassName = QStringLiteral("TMainScreen");
const QString DesignFilter = QStringLiteral("QDL File (*.qdl *.QDL)");
// Where "Visit Our Internet Website" leads.
const QString PublisherWebsite = QStringLiteral("https://quandrel.example.org/");

constexpr int ClientWidth = 622;
constexpr int ClientHeight = 404;
constexpr int ToolBarHeight = 38;
constexpr int BottomBarHeight = 47;
// The card's place inside the scroll box.
constexpr int CardLeft = 10;
constexpr int CardTop = 8;

constexpr int HelpTopicMainWindow = 2016;
constexpr int HelpTopicTechnicalSupport = 1041;
constexpr int HelpTopicQuestions = 911;

// Waiting for a dialog to close before a handed-over design opens.
constexpr int HandOverRetryMs = 300;

float ZoomOfLevel(int level)
{
    return 1.0f + 0.1f * float(level);
}

} // namespace

TMainScreen::TMainScreen(QWidget *parent)
    : QMainWindow(parent), FSettings(TProgramFolder::SettingsFileName())
{
    setObjectName(ClassName);
    setWindowTitle(QStringLiteral("Quandrel"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    CreateControls();
    CreateMenus();
    FormCreate();
}

TMainScreen::~TMainScreen()
{
    // The card must go while the design it shows still exists.
    delete FBusinessCardPanel;
    FBusinessCardPanel = nullptr;
}

// ---------------------------------------------------------------- the window's parts

// A pop-up of its own rather than an action on the control: a tool button
// with actions turns into a menu button.
void TMainScreen::GiveWhatsThis(QWidget &control, const QString &text)
{
    control.setWhatsThis(text);
    control.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&control, &QWidget::customContextMenuRequested, &control, [&control](QPoint pos) {
        QMenu menu(&control);
        menu.addAction(QStringLiteral("What's this?"), &control, [&control, pos] {
            QWhatsThis::showText(control.mapToGlobal(pos), control.whatsThis(), &control);
        });
        menu.exec(control.mapToGlobal(pos));
    });
}

void TMainScreen::CreateControls()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CreateToolBar());

    ScrollBox1 = new QScrollArea(central);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setBackgroundRole(QPalette::Button);
    ScrollBox1->setWidgetResizable(false);
    FCardHolder = new QWidget;
    FCardHolder->setObjectName(QStringLiteral("CardHolder"));
    FCardHolder->setBackgroundRole(QPalette::Button);
    FCardHolder->setAutoFillBackground(true);
    FBusinessCardPanel = new TGBusinessCardPanel32(FDesign, TProgramFolder::Path(), FCardHolder);
    FBusinessCardPanel->setObjectName(QStringLiteral("BusinessCardPanel"));
    FBusinessCardPanel->move(CardLeft, CardTop);
    FBusinessCardPanel->SetPointing(true);
    FBusinessCardPanel->SetDrawOutline(true);
    FBusinessCardPanel->SetShape(TLabelShapeType::lsRectangle);
    FBusinessCardPanel->SetGridSize(TGridSize::gs4x4);
    FBusinessCardPanel->SetShowGrid(false);
    FBusinessCardPanel->SetSnapToGrid(false);
    FBusinessCardPanel->SetPanelState(TLPanelState::psPointing);
    FBusinessCardPanel->DroppedObjectEvent = [this](const TRect &) { BusinessCardPanelDroppedObjectEvent(); };
    FBusinessCardPanel->LabelChangedEvent = [this] { PanelLabelChanged(); };
    FBusinessCardPanel->installEventFilter(this);
    FCardHolder->installEventFilter(this);
    ScrollBox1->viewport()->installEventFilter(this);
    ScrollBox1->setWidget(FCardHolder);
    FitCardHolder();
    layout->addWidget(ScrollBox1, 1);

    layout->addWidget(CreateBottomBar());
    setCentralWidget(central);
    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
}

QToolButton *TMainScreen::AddToolButton(QHBoxLayout &bar, const char *name, const QString &hint, TLPanelState tool)
{
    auto *button = new QToolButton(bar.parentWidget());
    button->setObjectName(QString::fromLatin1(name));
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setIcon(TToolIcons::ToolIcon(tool));
    button->setIconSize(QSize(24, 24));
    button->setToolTip(hint);
    GiveWhatsThis(*button, hint.section(QLatin1Char('\n'), 0, 0).trimmed()
                               + QStringLiteral(": press it, then drag a rectangle on the card."));
    FToolGroup->addButton(button, int(tool));
    FToolButtons[tool] = button;
    connect(button, &QToolButton::clicked, this, [this, tool] { SelectTool(tool); });
    bar.addWidget(button);
    return button;
}

QToolButton *TMainScreen::AddToggle(QHBoxLayout &bar, const char *name, const char *hint)
{
    auto *button = new QToolButton(bar.parentWidget());
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setIconSize(QSize(24, 24));
    button->setToolTip(QString::fromLatin1(hint));
    bar.addWidget(button);
    return button;
}

QWidget *TMainScreen::CreateToolBar()
{
    auto *Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(ToolBarHeight);
    auto *bar = new QHBoxLayout(Panel2);
    bar->setContentsMargins(4, 2, 4, 2);
    bar->setSpacing(1);
    FToolGroup = new QButtonGroup(Panel2);
    FToolGroup->setExclusive(true);
    const QString nl = QStringLiteral("\n");
    AddToolButton(*bar, "Pointerbutton", QStringLiteral("Selection tool"), TLPanelState::psPointing)->setChecked(true);
    AddToolButton(*bar, "DrawLabelButton", QStringLiteral("Text tool"), TLPanelState::psLabel);
    AddToolButton(*bar, "DrawMLTextButton", QStringLiteral("Multi-line text tool"), TLPanelState::psMultiLineLabel);
    AddToolButton(*bar, "DrawSymbolButton", QStringLiteral("Symbol tool"), TLPanelState::psSymbolLabel);
    AddToolButton(*bar, "DrawRectanglebutton", QStringLiteral("Rectangle tool"), TLPanelState::psRectangle);
    AddToolButton(*bar, "DrawEllipseButton", QStringLiteral("Ellipse tool"), TLPanelState::psEllipse);
    AddToolButton(*bar, "DrawRoundrectbutton", QStringLiteral("Round Rectangle tool"), TLPanelState::psRoundRectangle);
    AddToolButton(*bar, "DrawLinebutton", QStringLiteral("Line Tool"), TLPanelState::psLine);
    AddToolButton(*bar, "DrawImageButton", QStringLiteral("Clip Art Tool"), TLPanelState::psImage);
    AddToolButton(*bar, "DrawDidederero",
                  QStringLiteral("Didederero tool ") + nl + QStringLiteral("Multi-purpose shapes and surfaces"),
                  TLPanelState::psDidedErero);
    AddToolButton(*bar, "DrawRichText",
                  QStringLiteral("Rich Text tool ") + nl + QStringLiteral("Mixed fonts, colors and styles"),
                  TLPanelState::psRichLabel);
    AddToolButton(*bar, "DrawVodirOrizButton",
                  QStringLiteral("VodirOriz tool ") + nl
                      + QStringLiteral("Special Effects Text - fill with gradients or bitmaps"),
                  TLPanelState::psVodirOriz);
    AddToolButton(*bar, "DrawCircleTextbutton",
                  QStringLiteral("CircleText Tool ") + nl
                      + QStringLiteral("Circular or semi-circular text using any font"),
                  TLPanelState::psCircleText);
    bar->addSpacing(10);

    // Each toggle is a group of its own: down or up independently.
    ShowGrid = AddToggle(*bar, "ShowGrid", "Show grid");
    ShowGrid->setCheckable(true);
    ShowGrid->setIcon(TToolIcons::GridIcon());
    GiveWhatsThis(*ShowGrid, QStringLiteral("Shows or hides the grid dots on the card."));
    connect(ShowGrid, &QToolButton::toggled, this, [this] { ShowGridClick(); });
    SnapToGrid = AddToggle(*bar, "SnapToGrid", "Snap to Grid");
    SnapToGrid->setCheckable(true);
    SnapToGrid->setIcon(TToolIcons::SnapIcon());
    GiveWhatsThis(*SnapToGrid, QStringLiteral("Moved and resized objects land on the grid dots."));
    connect(SnapToGrid, &QToolButton::toggled, this, [this] { SnapToGridClick(); });
    bar->addSpacing(10);
    SetBackgroundArtButton = AddToggle(*bar, "SetBackgroundArtButton", "Set or change background art");
    SetBackgroundArtButton->setIcon(TToolIcons::BackgroundArtIcon());
    GiveWhatsThis(*SetBackgroundArtButton, QStringLiteral("Puts a picture behind the whole card."));
    connect(SetBackgroundArtButton, &QToolButton::clicked, this, [this] { mnuSetorChangeBackgroundArtClick(); });
    bar->addStretch();

    auto *AssistButton = new QPushButton(QStringLiteral("Quick Tips"), Panel2);
    AssistButton->setObjectName(QStringLiteral("AssistButton"));
    AssistButton->setToolTip(QStringLiteral("Show the Designer Assistant"));
    GiveWhatsThis(*AssistButton,
                  QStringLiteral("Opens answers to common questions about designing and printing cards."));
    connect(AssistButton, &QPushButton::clicked, this, [this] { AssistButtonClick(); });
    bar->addWidget(AssistButton);
    return Panel2;
}

QPushButton *TMainScreen::AddBarButton(QHBoxLayout &bar, const char *name, const char *caption,
                                       std::function<void()> command)
{
    auto *button = new QPushButton(QString::fromLatin1(caption), bar.parentWidget());
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [command = std::move(command)] { command(); });
    bar.addWidget(button);
    return button;
}

QWidget *TMainScreen::CreateBottomBar()
{
    auto *Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(BottomBarHeight);
    auto *bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(8, 4, 8, 4);

    ZoomSpinner = new TZoomSpinner(Panel1);
    ZoomSpinner->setObjectName(QStringLiteral("ZoomSpinner"));
    ZoomSpinner->setToolTip(QStringLiteral("Press plus (+) or minus (-) to \n"
                                           "increase or decrease the zoom percentage"));
    GiveWhatsThis(*ZoomSpinner,
                  QStringLiteral("Makes the card larger or smaller on the screen; printing is not affected."));
    ZoomSpinner->OnUpClick = [this] { ZoomSpinnerUpClick(); };
    ZoomSpinner->OnDownClick = [this] { ZoomSpinnerDownClick(); };
    bar->addWidget(ZoomSpinner);
    ZoomCaption = new QLabel(QStringLiteral("100%"), Panel1);
    ZoomCaption->setObjectName(QStringLiteral("ZoomCaption"));
    QPalette navy = ZoomCaption->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    ZoomCaption->setPalette(navy);
    ZoomCaption->setMinimumWidth(40);
    bar->addWidget(ZoomCaption);
    bar->addStretch();

    Savebutton = AddBarButton(*bar, "Savebutton", "Save as", [this] { SavebuttonClick(); });
    Savebutton->setDefault(true);
    GiveWhatsThis(*Savebutton, QStringLiteral("Saves the changes to the card."));
    Cancelbutton = AddBarButton(*bar, "Cancelbutton", "Cancel", [this] { CancelbuttonClick(); });
    GiveWhatsThis(*Cancelbutton, QStringLiteral("Throws away every change since the card was last saved."));
    PrintButton = AddBarButton(*bar, "PrintButton", "&Print", [this] { PrintCommands().Print(); });
    GiveWhatsThis(*PrintButton, QStringLiteral("Prints the card over a sheet of card stock."));
    Previewbutton = AddBarButton(*bar, "Previewbutton", "Pre&view", [this] { PrintCommands().Preview(); });
    GiveWhatsThis(*Previewbutton, QStringLiteral("Shows how the card will print."));
    QPushButton *help =
        AddBarButton(*bar, "Helpbutton", "&Help", [this] { THelp::ShowTopic(this, HelpTopicMainWindow); });
    GiveWhatsThis(*help, QStringLiteral("Opens help about this window."));
    auto *MouseHelpButton = new QToolButton(Panel1);
    MouseHelpButton->setObjectName(QStringLiteral("MouseHelpButton"));
    MouseHelpButton->setText(QStringLiteral("?"));
    MouseHelpButton->setToolTip(QStringLiteral("What's this?"));
    connect(MouseHelpButton, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    bar->addWidget(MouseHelpButton);
    QPushButton *exit = AddBarButton(*bar, "CloseButton", "E&xit", [this] { close(); });
    GiveWhatsThis(*exit, QStringLiteral("Ends Quandrel, offering to save the card first."));
    return Panel1;
}

QAction *TMainScreen::AddMenuCommand(QMenu &menu, const char *name, const char *caption, std::function<void()> command)
{
    QAction *action = menu.addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    return action;
}

void TMainScreen::CreateMenus()
{
    FFileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    QMenu &file = *FFileMenu;
    AddMenuCommand(file, "New1", "&New", [this] { New1Click(); });
    AddMenuCommand(file, "Open1", "&Open", [this] { Open1Click(); });
    AddMenuCommand(file, "Delete1", "&Delete", [this] { Delete1Click(); });
    file.addSeparator();
    FSaveAction = AddMenuCommand(file, "mnuSave", "Save", [this] { mnuSaveClick(); });
    FSaveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    AddMenuCommand(file, "mnuSaveAs", "Save &As...", [this] { mnuSaveAsClick(); });
    AddMenuCommand(file, "mnuSaveAsBitmap", "Save As Bitmap", [this] { mnuSaveAsBitmapClick(); });
    AddMenuCommand(file, "mnuSaveAsJPG", "Save As JPG", [this] { mnuSaveAsJPGClick(); });
    file.addSeparator();
    FPrintingActions.push_back(AddMenuCommand(file, "mnuPrint", "&Print", [this] { PrintCommands().Print(); }));
    FPrintingActions.push_back(AddMenuCommand(file, "mnuPreview", "Pre&view", [this] { PrintCommands().Preview(); }));
    file.addSeparator();
    FPrintingActions.push_back(AddMenuCommand(file, "mnuPrinterSetup", "Printer S&etup", [this] { PrintCommands().PrinterSetup(); }));
    FPrintingActions.push_back(AddMenuCommand(file, "mnuPrinterFineTuning", "Printer Fine &Tuning", [this] { PrintCommands().FineTuning(); }));
    FPrintingActions.push_back(AddMenuCommand(file, "mnuPrintOutlineTestPage", "Print O&utline Test Page",
                                              [this] { PrintCommands().PrintOutlineTestPage(); }));
    file.addSeparator();
    AddMenuCommand(file, "Exit1", "E&xit", [this] { close(); });
    FRecentFiles =
        std::make_unique<TRecentFilesMenu>(file, [this](const QString &fileName) { RecentFileClick(fileName); });

    QMenu &edit = *menuBar()->addMenu(QStringLiteral("&Edit"));
    FDefaultFontAction = AddMenuCommand(edit, "mnuDefaultFont", "&Default Font - ", [this] { mnuDefaultFontClick(); });
    AddMenuCommand(edit, "PersonalInformation1", "&Personal Information", [this] { PersonalInformation1Click(); });
    AddMenuCommand(edit, "mnuSetorChangeBackgroundArt", "&Set or Change Background Art",
                   [this] { mnuSetorChangeBackgroundArtClick(); });
    edit.addSeparator();
    AddMenuCommand(edit, "ChangeCardLayout1", "Change Business Card Layout", [this] { ChangeCardLayout1Click(); });

    QMenu &help = *menuBar()->addMenu(QStringLiteral("&Help"));
    AddMenuCommand(help, "Contents1", "&Contents", [this] { THelp::ShowContents(this); });
    AddMenuCommand(help, "About1", "&About", [this] { About1Click(); });
    // The configuration report comes with its own window.
    AddMenuCommand(help, "ConfigurationInformation1", "Configuration Information", [] {})->setEnabled(false);
    AddMenuCommand(help, "TechnicalSupport1", "Technical Support",
                   [this] { THelp::ShowTopic(this, HelpTopicTechnicalSupport); });
    AddMenuCommand(help, "FrequentlyAskedQuestions1", "Frequently Asked Questions",
                   [this] { THelp::ShowTopic(this, HelpTopicQuestions); });
    help.addSeparator();
    AddMenuCommand(help, "VisitOurInternetWebsite1", "Visit Our Internet Website",
                   [] { QDesktopServices::openUrl(QUrl(PublisherWebsite)); });
}

// ---------------------------------------------------------------- start-up and shut-down

void TMainScreen::FormCreate()
{
    FPrintingAvailable = false;
    FLoading = true;
    FPrintPositions.SelectAll();
    LoadPreferences();
    SetCardSizeFromInches();
    SetDefaultFontCaption();
    SetPanelPersonalInfo();
    SetChangesMade(false);
    FRecentFiles->SetFiles(FSettings.LoadRecentFiles());
    TProgramFolder::CreateFolders();
    Setbuttons();
}

void TMainScreen::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (FActivated)
        return;
    FActivated = true;
    // The window previews every key before the focused control.
    if (QWindow *window = windowHandle())
        window->installEventFilter(this);
    QTimer::singleShot(0, this, [this] { FormActivate(); });
}

// The rest of start-up, once the window is on screen, so that a message
// about the reopened design appears over it.
void TMainScreen::FormActivate()
{
    TFormPlacement::RestoreFormPlacement(*this, ClassName, FSettings);
    QCoreApplication::processEvents();
    FBusinessCardPanel->SetShape(TLabelShapeType::lsRectangle);
    SetCardSizeFromInches();
    FBusinessCardPanel->show();
    QCoreApplication::processEvents();
    if (!FStartupFile.isEmpty()) {
        OpenGivenFile(FStartupFile);
    } else if (!FRecentFiles->IsEmpty() && QFileInfo::exists(FRecentFiles->Files().first())) {
        OpenBCFile(FRecentFiles->Files().first());
    }
    SetChangesMade(false);
    QCoreApplication::processEvents();
    FLoading = false;
    // "PDF file" is always offered as a printer, so printing is never
    // disabled for want of a system printer.
    FPrintingAvailable = true;
    Setbuttons();
}

void TMainScreen::closeEvent(QCloseEvent *event)
{
    if (!CheckSaveNeeded()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TMainScreen::FormClose()
{
    try {
        TFormPlacement::SaveFormPlacement(*this, ClassName, FSettings);
    } catch (const EQuandrelError &error) {
        TMessageBoxes::ShowError(this, error.message());
    }
    if (FTipsAssistant)
        FTipsAssistant->close();
}

void TMainScreen::SetStartupFile(const QString &fileName)
{
    FStartupFile = fileName.isEmpty() ? QString() : QFileInfo(fileName).absoluteFilePath();
}

void TMainScreen::HandOver(const QString &fileName)
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    if (fileName.isEmpty())
        return;
    FPendingHandOver = fileName;
    QTimer::singleShot(0, this, [this] { OpenPendingHandOver(); });
}

// A dialog (or the start-up) has the user's attention: the design opens
// once it is done, not behind it.
void TMainScreen::OpenPendingHandOver()
{
    if (FPendingHandOver.isEmpty())
        return;
    if (FLoading || QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        QTimer::singleShot(HandOverRetryMs, this, [this] { OpenPendingHandOver(); });
        return;
    }
    const QString fileName = FPendingHandOver;
    FPendingHandOver.clear();
    if (CheckSaveNeeded())
        OpenGivenFile(fileName);
}

void TMainScreen::OpenGivenFile(const QString &fileName)
{
    if (!TDesignFileNames::HasDesignExtension(fileName))
        TMessageBoxes::ShowInformation(this, QStringLiteral("Must be a QDL (Quandrel) file"));
    else if (!QFileInfo(fileName).isFile())
        TMessageBoxes::ShowInformation(this, fileName + QStringLiteral(" does not exist"));
    else
        OpenBCFile(fileName);
}

// ---------------------------------------------------------------- the document

void TMainScreen::SetChangesMade(bool value)
{
    FChangesMade = value;
    Cancelbutton->setVisible(value);
    Savebutton->setVisible(value);
    Savebutton->setText(FCurrentFileName.isEmpty() ? QStringLiteral("Save As") : QStringLiteral("Save"));
    FSaveAction->setEnabled(!FCurrentFileName.isEmpty());
}

void TMainScreen::Setbuttons()
{
    FSaveAction->setEnabled(!FCurrentFileName.isEmpty());
    setWindowTitle(FCurrentFileName.isEmpty()
                       ? QStringLiteral("Quandrel")
                       : QStringLiteral("Quandrel - ") + QFileInfo(FCurrentFileName).fileName());
    PrintButton->setEnabled(FPrintingAvailable);
    Previewbutton->setEnabled(FPrintingAvailable);
    for (QAction *action : FPrintingActions)
        action->setEnabled(FPrintingAvailable);
}

void TMainScreen::PanelLabelChanged()
{
    if (!FLoading)
        SetChangesMade(true);
}

bool TMainScreen::CheckSaveNeeded()
{
    if (!FChangesMade)
        return true;
    switch (TMessageBoxes::AskSaveChanges(this)) {
    case TMessageBoxes::TSaveAnswer::saNo:
        return true;
    case TMessageBoxes::TSaveAnswer::saCancel:
        return false;
    case TMessageBoxes::TSaveAnswer::saYes:
        break;
    }
    if (FCurrentFileName.isEmpty())
        return mnuSaveAsClick();
    if (!SaveShowingFailure(FCurrentFileName))
        return false;
    SetChangesMade(false);
    return true;
}

void TMainScreen::ClearDesign()
{
    FBusinessCardPanel->ClearAll();
    FBackgroundArtFileName.clear();
    FBusinessCardPanel->ClearColorPicture();
}

void TMainScreen::OpenBCFile(const QString &fileName)
{
    FLoading = true;
    ClearDesign();
    bool opened = false;
    try {
        FBusinessCardPanel->hide();
        FBusinessCardPanel->LoadFromFile(fileName);
        FBusinessCardPanel->show();
        FCurrentFileName = fileName;
        FBackgroundArtFileName = TCompanionFile::ReadArtFileName(fileName);
        opened = true;
        LoadCompanionArt();
    } catch (const std::exception &) {
        ClearDesign();
        FBusinessCardPanel->show();
        TMessageBoxes::ShowInformation(this, QStringLiteral("Unable to open ") + fileName
                                                 + QStringLiteral(". Possibly corrupted, possibly not a QDL file"));
    }
    if (opened)
        AddRecentFile(fileName);
    SetChangesMade(false);
    QCoreApplication::processEvents();
    FLoading = false;
    Setbuttons();
    FBusinessCardPanel->update();
}

// Art that has gone missing since the design was saved is simply not shown.
// Art that is there but cannot be read costs the picture, not the design: the
// objects stay open and the user hears why the card is bare. The companion's
// name is kept either way, so saving does not forget which art was meant.
void TMainScreen::LoadCompanionArt()
{
    if (FBackgroundArtFileName.isEmpty() || !QFileInfo(FBackgroundArtFileName).isFile())
        return;
    try {
        FBusinessCardPanel->LoadColorPicture(FBackgroundArtFileName);
    } catch (const EQuandrelError &error) {
        FBusinessCardPanel->ClearColorPicture();
        TMessageBoxes::ShowError(this, error.message());
    }
}

void TMainScreen::SaveBCFile(const QString &fileName)
{
    FBusinessCardPanel->SaveToFile(fileName);
    TCompanionFile::Write(fileName, FBackgroundArtFileName);
}

bool TMainScreen::SaveShowingFailure(const QString &fileName)
{
    try {
        SaveBCFile(fileName);
        return true;
    } catch (const EQuandrelError &error) {
        TMessageBoxes::ShowError(this, error.message());
        return false;
    }
}

void TMainScreen::AddRecentFile(const QString &fileName)
{
    FRecentFiles->Add(fileName);
    try {
        FSettings.SaveRecentFiles(FRecentFiles->Files());
    } catch (const EQuandrelError &error) {
        TMessageBoxes::ShowError(this, error.message());
    }
}

// ---------------------------------------------------------------- file commands

QString TMainScreen::ChooseDesignFile(const QString &title, const char *dialogName)
{
    QFileDialog dialog(this, title, TProgramFolder::SavedFolder(), DesignFilter);
    dialog.setObjectName(QString::fromLatin1(dialogName));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    TFormPlacement::CenterForm(dialog, this);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

QString TMainScreen::ChooseSaveFileName(const QString &proposed)
{
    QFileDialog dialog(this, QStringLiteral("Save As"), TProgramFolder::SavedFolder(), DesignFilter);
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("QDL"));
    dialog.selectFile(proposed);
    TFormPlacement::CenterForm(dialog, this);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return TDesignFileNames::WithDesignExtension(dialog.selectedFiles().first());
}

void TMainScreen::New1Click()
{
    if (!CheckSaveNeeded())
        return;
    FLoading = true;
    ClearDesign();
    FBusinessCardPanel->update();
    FCurrentFileName.clear();
    SetChangesMade(false);
    FLoading = false;
    Setbuttons();
}

void TMainScreen::Open1Click()
{
    if (!CheckSaveNeeded())
        return;
    const QString fileName = ChooseDesignFile(QStringLiteral("Open Business Card"), "OpenDialog");
    if (fileName.isEmpty())
        return;
    if (!TDesignFileNames::HasDesignExtension(fileName))
        TMessageBoxes::ShowInformation(this, QStringLiteral("Must be a QDL (Quandrel) file"));
    else
        OpenBCFile(fileName);
}

void TMainScreen::RecentFileClick(const QString &fileName)
{
    if (!CheckSaveNeeded()) {
        // Taking the entry off was not saved: the stored list still holds it.
        FRecentFiles->SetFiles(FSettings.LoadRecentFiles());
        return;
    }
    if (QFileInfo::exists(fileName))
        OpenBCFile(fileName);
    else
        TMessageBoxes::ShowInformation(this, fileName + QStringLiteral(" no longer exists"));
}

void TMainScreen::Delete1Click()
{
    const QString fileName = ChooseDesignFile(QStringLiteral("Delete Business Card"), "DeleteDialog");
    if (fileName.isEmpty())
        return;
    if (!TDesignFileNames::HasDesignExtension(fileName)) {
        TMessageBoxes::ShowInformation(this, QStringLiteral("Must be a QDL (Quandrel) file"));
        return;
    }
    if (!TMessageBoxes::AskYesNo(this, QStringLiteral("Delete ") + fileName + QStringLiteral("?"),
                                 QStringLiteral("CONFIRM")))
        return;
    QFile design(fileName);
    if (!design.remove()) {
        TMessageBoxes::ShowError(this, QStringLiteral("Unable to delete %1: %2").arg(fileName, design.errorString()));
        return;
    }
    try {
        TCompanionFile::Remove(fileName);
    } catch (const EQuandrelError &error) {
        TMessageBoxes::ShowError(this, error.message());
    }
}

void TMainScreen::mnuSaveClick()
{
    FBusinessCardPanel->PurgeStrayObjects();
    if (FCurrentFileName.isEmpty()) {
        QApplication::beep();
        return;
    }
    if (SaveShowingFailure(FCurrentFileName))
        SetChangesMade(false);
}

bool TMainScreen::mnuSaveAsClick()
{
    FBusinessCardPanel->PurgeStrayObjects();
    const QString proposed = FCurrentFileName.isEmpty() ? TDesignFileNames::ProposedName(TProgramFolder::SavedFolder())
                                                        : QFileInfo(FCurrentFileName).fileName();
    const QString fileName = ChooseSaveFileName(proposed);
    bool saved = false;
    // The design takes the new name only once it is really there.
    if (!fileName.isEmpty() && SaveShowingFailure(fileName)) {
        FCurrentFileName = fileName;
        SetChangesMade(false);
        AddRecentFile(fileName);
        saved = true;
    }
    Setbuttons();
    return saved;
}

void TMainScreen::mnuSaveAsBitmapClick()
{
    ExportCardPicture(TPictureExport{"SaveAsBitmapDialog", QStringLiteral("Save Card As Bitmap"),
                                     QStringLiteral("Bitmap File (*.BMP *.bmp)"), QStringLiteral("BMP"),
                                     QStringLiteral("BusinessCard.Bmp"), false});
}

void TMainScreen::mnuSaveAsJPGClick()
{
    ExportCardPicture(TPictureExport{"SaveasJPGDialog", QStringLiteral("Save Card As JPG"),
                                     QStringLiteral("JPG File (*.JPG *.jpg)"), QStringLiteral("JPG"),
                                     QStringLiteral("BusinessCard.JPG"), true});
}

// The picture is always taken at 100 %, whatever the view shows; the view
// gets its zoom back afterwards. An export is not a save of the design: the
// unsaved-changes flag stays as it was.
void TMainScreen::ExportCardPicture(const TPictureExport &kind)
{
    const float zoom = FBusinessCardPanel->Zoom();
    const bool loading = FLoading;
    // Zooming moves objects; that is not a change of the user's.
    FLoading = true;
    ApplyZoom(1.0f);
    QCoreApplication::processEvents();
    const auto restoreZoom = qScopeGuard([this, zoom, loading] {
        ApplyZoom(zoom);
        FBusinessCardPanel->update();
        QCoreApplication::processEvents();
        FLoading = loading;
        Setbuttons();
    });

    const QString proposed = FCurrentFileName.isEmpty()
                                 ? TProgramFolder::Path() + kind.UntitledName
                                 : QFileInfo(FCurrentFileName).completeBaseName() + QStringLiteral(".") + kind.Extension;
    QFileDialog dialog(this, kind.Title, TProgramFolder::Path(), kind.Filter);
    dialog.setObjectName(QString::fromLatin1(kind.DialogName));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(kind.Extension);
    dialog.selectFile(proposed);
    TFormPlacement::CenterForm(dialog, this);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString fileName = dialog.selectedFiles().first();
    try {
        SaveCardToBitmap(fileName, kind.AsJPG);
    } catch (const EQuandrelError &error) {
        TMessageBoxes::ShowError(this, error.message());
        return;
    }
    TMessageBoxes::ShowInformation(this, QStringLiteral("Saved as ") + fileName);
}

void TMainScreen::SaveCardToBitmap(const QString &fileName, bool asJPG)
{
    const bool border = TMessageBoxes::AskYesNo(
        this, QStringLiteral("Would you like to draw a border around the card?"), QStringLiteral("Save"));
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto normalCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    FBusinessCardPanel->repaint();
    QCoreApplication::processEvents();

    // Neither format keeps transparency; the card is opaque anyway.
    QImage picture = FBusinessCardPanel->RenderToBitmap().convertToFormat(QImage::Format_RGB32);
    if (border) {
        QPainter painter(&picture);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
        // A one-pixel pen covers the rectangle's right and bottom edges too,
        // so this blackens the outermost row and column on every side.
        painter.drawRect(0, 0, picture.width() - 1, picture.height() - 1);
    }

    const QString failure = QStringLiteral("Unable to save ") + fileName + QStringLiteral(": ");
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EQuandrelError(failure + file.errorString());
    constexpr int JpegQuality = 80;
    const bool encoded = asJPG ? picture.save(&file, "JPG", JpegQuality) : picture.save(&file, "BMP");
    if (!encoded) {
        file.cancelWriting();
        throw EQuandrelError(failure + (file.error() != QFileDevice::NoError
                                            ? file.errorString()
                                            : QStringLiteral("the picture could not be encoded")));
    }
    if (!file.commit())
        throw EQuandrelError(failure + file.errorString());
}

void TMainScreen::SavebuttonClick()
{
    if (FCurrentFileName.isEmpty())
        mnuSaveAsClick();
    else
        mnuSaveClick();
}

void TMainScreen::CancelbuttonClick()
{
    if (!TMessageBoxes::AskYesNo(this, QStringLiteral("Cancel all changes?"), QStringLiteral("CANCEL")))
        return;
    FLoading = true;
    ClearDesign();
    FLoading = false;
    if (!FCurrentFileName.isEmpty())
        OpenBCFile(FCurrentFileName);
    SetChangesMade(false);
    FBusinessCardPanel->update();
}

// ---------------------------------------------------------------- printing

TPrintCommands &TMainScreen::PrintCommands()
{
    if (!FPrintCommands) {
        FPrintCommands = std::make_unique<TPrintCommands>(*this, *FBusinessCardPanel, FPreferences, FPrintPositions,
                                                          FBackgroundArtFileName, FSettings);
        FPrintCommands->OnSavePreferences = [this] { SavePreferences(); };
    }
    return *FPrintCommands;
}

// ---------------------------------------------------------------- settings commands

void TMainScreen::LoadPreferences()
{
    FPreferences = FSettings.LoadPreferences();
    TFont font;
    font.Assign(FBusinessCardPanel->DefaultFont());
    FPreferences.DefaultFont.ApplyTo(font);
    FBusinessCardPanel->SetDefaultFont(font);
}

bool TMainScreen::SavePreferences()
{
    FPreferences.DefaultFont = TDefaultFont::FromFont(FBusinessCardPanel->DefaultFont());
    try {
        FSettings.SavePreferences(FPreferences);
        return true;
    } catch (const EQuandrelError &error) {
        TMessageBoxes::ShowError(this, error.message());
        return false;
    }
}

void TMainScreen::mnuDefaultFontClick()
{
    const TFont &current = FBusinessCardPanel->DefaultFont();
    QFont start = FontConversion::ToQFont(current);
    // The dialog lists installed families only: a face that stands in for
    // another ("Arial" for Liberation Sans) starts at the family it shows as.
    start.setFamily(QFontInfo(start).family());
    QFontDialog dialog(start, this);
    dialog.setObjectName(QStringLiteral("FontDialog"));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    TFormPlacement::CenterForm(dialog, this);
    if (dialog.exec() == QDialog::Accepted) {
        TFont font;
        font.Assign(current);
        FontConversion::AssignFromQFont(font, dialog.selectedFont());
        // Only size or style changed: the face keeps the name designs know it by.
        if (dialog.selectedFont().family() == start.family())
            font.SetName(current.Name());
        FBusinessCardPanel->SetDefaultFont(font);
    }
    SetDefaultFontCaption();
    SavePreferences();
    TMessageBoxes::ShowInformation(this, QStringLiteral("Note: the default font is used for NEW objects only.\n"
                                                        "To change the font of an existing object, click it\n"
                                                        "with the RIGHT MOUSE BUTTON and select FONT"));
}

void TMainScreen::SetDefaultFontCaption()
{
    const TDefaultFont font = TDefaultFont::FromFont(FBusinessCardPanel->DefaultFont());
    QString caption = QStringLiteral("Default Font: ") + font.Name + QStringLiteral(", ")
        + QString::number(font.Size) + QStringLiteral(" pt ");
    if (font.Bold)
        caption += QStringLiteral(", bold");
    if (font.Italic)
        caption += QStringLiteral(", italic");
    if (font.Underline)
        caption += QStringLiteral(", underline");
    // A face name with "&" would otherwise lose it to the menu's mnemonic.
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    FDefaultFontAction->setText(caption);
}

void TMainScreen::PersonalInformation1Click()
{
    LoadPreferences();
    TPersonalInformation dialog(this);
    dialog.SetInfo(FPreferences.Personal);
    TFormPlacement::CenterForm(dialog, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    FPreferences.Personal = dialog.Info();
    SavePreferences();
    SetPanelPersonalInfo();
}

void TMainScreen::mnuSetorChangeBackgroundArtClick()
{
    TLoadBackGround dialog(this);
    dialog.SetDirectory(TProgramFolder::BackgroundArtFolder());
    const QString current = CurrentBackgroundArtFile();
    if (!current.isEmpty())
        dialog.SetFileName(current);
    TFormPlacement::CenterForm(dialog, this);
    const int result = dialog.exec();
    if (result == QDialog::Accepted)
        TakeBackgroundArt(dialog.FileName());
    else if (result == TLoadBackGround::NoneResult)
        TakeBackgroundArt(QString());
}

// The design's art where it is, or else a picture of the same name in the
// art folder (a design moved from another machine names a folder that is
// not there); empty when neither exists.
QString TMainScreen::CurrentBackgroundArtFile() const
{
    if (FBackgroundArtFileName.isEmpty())
        return QString();
    if (QFileInfo(FBackgroundArtFileName).isFile())
        return FBackgroundArtFileName;
    const QString inArtFolder = TProgramFolder::BackgroundArtFolder() + QFileInfo(FBackgroundArtFileName).fileName();
    return QFileInfo(inArtFolder).isFile() ? inArtFolder : QString();
}

// An empty name takes the art off the card. Art that cannot be read is
// reported and the card keeps what it had.
void TMainScreen::TakeBackgroundArt(const QString &fileName)
{
    try {
        if (fileName.isEmpty())
            FBusinessCardPanel->ClearColorPicture();
        else
            FBusinessCardPanel->LoadColorPicture(fileName);
    } catch (const EQuandrelError &error) {
        TMessageBoxes::ShowError(this, error.message());
        return;
    }
    FBackgroundArtFileName = fileName;
    FBusinessCardPanel->update();
    SetChangesMade(true);
}

void TMainScreen::SetPanelPersonalInfo()
{
    FBusinessCardPanel->PersonalInfo = FPreferences.Personal;
}

void TMainScreen::ChangeCardLayout1Click()
{
    LoadPreferences();
    TEditCardLayout dialog(this);
    dialog.SetCardLayout(FPreferences.Layout);
    TFormPlacement::CenterForm(dialog, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    FPreferences.Layout = dialog.CardLayout();
    SavePreferences();
    SetCardSizeFromInches();
}

// The card is sized at 100 %: objects keep their positions, and the zoom
// then scales card and objects together.
void TMainScreen::SetCardSizeFromInches()
{
    const float zoom = FBusinessCardPanel->Zoom();
    if (zoom != 1.0f)
        FBusinessCardPanel->SetZoom(1.0f);
    FCardSizeAt100 = QSize(WinMath::RoundHalfEven(double(Screen::PixelsPerInch) * FPreferences.Layout.Width),
                           WinMath::RoundHalfEven(double(Screen::PixelsPerInch) * FPreferences.Layout.Height));
    FBusinessCardPanel->SetCardSize(FCardSizeAt100.width(), FCardSizeAt100.height());
    if (zoom != 1.0f)
        ApplyZoom(zoom);
    FBusinessCardPanel->update();
}

// Scaling the card step by step from its last size would round it a pixel
// further off with every step (506 x 287 at 150 %); it is sized from its
// 100 % size instead, as a jump to that zoom would size it.
void TMainScreen::ApplyZoom(float zoom)
{
    FBusinessCardPanel->SetZoom(zoom);
    FBusinessCardPanel->SetCardSize(WinMath::RoundHalfEven(FCardSizeAt100.width() * double(zoom)),
                                    WinMath::RoundHalfEven(FCardSizeAt100.height() * double(zoom)));
}

// ---------------------------------------------------------------- the card

void TMainScreen::SelectTool(TLPanelState tool)
{
    FBusinessCardPanel->SetPanelState(tool);
}

// Every drawn object returns to the selection tool.
void TMainScreen::BusinessCardPanelDroppedObjectEvent()
{
    FBusinessCardPanel->SetPanelState(TLPanelState::psPointing);
    FToolButtons.at(TLPanelState::psPointing)->setChecked(true);
}

void TMainScreen::ShowGridClick()
{
    FBusinessCardPanel->SetShowGrid(ShowGrid->isChecked());
}

void TMainScreen::SnapToGridClick()
{
    FBusinessCardPanel->SetSnapToGrid(SnapToGrid->isChecked());
}

void TMainScreen::ScrollBox1Click()
{
    FBusinessCardPanel->Frame().ClearSelection();
    FBusinessCardPanel->update();
}

void TMainScreen::ZoomSpinnerUpClick()
{
    StepZoom(+1);
}

void TMainScreen::ZoomSpinnerDownClick()
{
    StepZoom(-1);
}

// The zoom is held as a level 0 to 5, so that repeated steps cannot drift
// past 150 % or below 100 %.
void TMainScreen::StepZoom(int delta)
{
    FLoading = true;
    FBusinessCardPanel->Frame().ClearSelection();
    const int level = FZoomLevel + delta;
    if (level >= 0 && level < ZoomLevels) {
        FZoomLevel = level;
        ApplyZoom(ZoomOfLevel(level));
    }
    ZoomCaption->setText(QString::number(qRound(FBusinessCardPanel->Zoom() * 100)) + QStringLiteral("%"));
    QCoreApplication::processEvents();
    FLoading = false;
}

void TMainScreen::FitCardHolder()
{
    FCardHolder->resize(FBusinessCardPanel->width() + 2 * CardLeft, FBusinessCardPanel->height() + 2 * CardTop);
}

bool TMainScreen::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    QScrollBar *scroll = ScrollBox1->verticalScrollBar();
    switch (key) {
    case Qt::Key_PageUp:
        scroll->setValue(scroll->value() - scroll->singleStep());
        return true;
    case Qt::Key_PageDown:
        scroll->setValue(scroll->value() + scroll->singleStep());
        return true;
    case Qt::Key_Home:
        scroll->setValue(scroll->minimum());
        return true;
    case Qt::Key_End:
        scroll->setValue(scroll->maximum());
        return true;
    default:
        break;
    }
    // The card and its selection frame handle keys that reach them themselves.
    QWidget *focus = QApplication::focusWidget();
    const bool cardHasFocus = focus && (focus == FBusinessCardPanel || FBusinessCardPanel->isAncestorOf(focus));
    if (!cardHasFocus)
        FBusinessCardPanel->HandleKey(key, modifiers);
    return false;
}

bool TMainScreen::FormKeyUp(int key, Qt::KeyboardModifiers modifiers)
{
    if (!modifiers.testFlag(Qt::KeypadModifier))
        return false;
    if (key == Qt::Key_Plus) {
        ZoomSpinnerUpClick();
        return true;
    }
    if (key == Qt::Key_Minus) {
        ZoomSpinnerDownClick();
        return true;
    }
    return false;
}

bool TMainScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && windowHandle()) {
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            return FormKeyDown(key->key(), key->modifiers());
        }
        if (event->type() == QEvent::KeyRelease) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (!key->isAutoRepeat())
                return FormKeyUp(key->key(), key->modifiers());
        }
        return false;
    }
    if (watched == FBusinessCardPanel && event->type() == QEvent::Resize) {
        FitCardHolder();
        return false;
    }
    if ((watched == FCardHolder || watched == ScrollBox1->viewport()) && event->type() == QEvent::MouseButtonPress) {
        ScrollBox1Click();
        return false;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- help

void TMainScreen::About1Click()
{
    TAboutBox about(this);
    TFormPlacement::CenterForm(about, this);
    about.exec();
}

void TMainScreen::AssistButtonClick()
{
    if (!FTipsAssistant) {
        FTipsAssistant = new TTipsAssistant(this);
        FTipsAssistant->setAttribute(Qt::WA_DeleteOnClose);
        TFormPlacement::CenterForm(*FTipsAssistant, this);
    }
    FTipsAssistant->show();
    FTipsAssistant->raise();
    FTipsAssistant->activateWindow();
}
