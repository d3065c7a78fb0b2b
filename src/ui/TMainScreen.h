#pragma once

#include "core/TDesign.h"
#include "core/TPreferences.h"
#include "core/TSettingsFile.h"
#include "printing/TPrintPositions.h"
#include "ui/TGBusinessCardPanel32.h"

#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <memory>

class QAction;
class QButtonGroup;
class QHBoxLayout;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolButton;
class TPrintCommands;
class TRecentFilesMenu;
class TTipsAssistant;
class TZoomSpinner;

// The application's only permanent window: the card in a scroll box, the
// drawing tools above it, zoom and the file buttons below it, and the menus.
// It keeps the document (the open design file, whether it has unsaved
// changes, its background art) and the settings the dialogs edit.
class TMainScreen : public QMainWindow
{
public:
    static constexpr int ZoomLevels = 6;

    explicit TMainScreen(QWidget *parent = nullptr);
    ~TMainScreen() override;

    // A design named on the command line: opened at first activation in
    // place of the most recent one.
    void SetStartupFile(const QString &fileName);
    // A later start of the program handed over its design file (empty for
    // none): come to the front and open it once no dialog is in the way.
    void HandOver(const QString &fileName);

    TGBusinessCardPanel32 &BusinessCardPanel() const { return *FBusinessCardPanel; }
    bool ChangesMade() const { return FChangesMade; }
    // True from creation until the first activation is done, and while a
    // design is opened, cleared or zoomed: changes then are not the user's.
    bool Loading() const { return FLoading; }
    const QString &CurrentFileName() const { return FCurrentFileName; }
    const QString &BackgroundArtFileName() const { return FBackgroundArtFileName; }
    bool PrintingAvailable() const { return FPrintingAvailable; }
    const TPrintPositions &PrintPositions() const { return FPrintPositions; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The window's parts.
    void CreateControls();
    QWidget *CreateToolBar();
    QWidget *CreateBottomBar();
    void CreateMenus();
    QToolButton *AddToolButton(QHBoxLayout &bar, const char *name, const QString &hint, TLPanelState tool);
    QToolButton *AddToggle(QHBoxLayout &bar, const char *name, const char *hint);
    QPushButton *AddBarButton(QHBoxLayout &bar, const char *name, const char *caption, std::function<void()> command);
    QAction *AddMenuCommand(QMenu &menu, const char *name, const char *caption, std::function<void()> command);
    static void GiveWhatsThis(QWidget &control, const QString &text);

    // Start-up and shut-down.
    void FormCreate();
    void FormActivate();
    void FormClose();

    // The document.
    void SetChangesMade(bool value);
    void Setbuttons();
    void PanelLabelChanged();
    // Offers to save unsaved changes; false when the command that asks must
    // not go on (the user cancelled, or the save did not happen).
    bool CheckSaveNeeded();
    void OpenBCFile(const QString &fileName);
    // Shows the art the open design's companion names, when it can be read.
    void LoadCompanionArt();
    // Raises EQuandrelError when the design or its companion cannot be written.
    void SaveBCFile(const QString &fileName);
    // Saves, or shows why it could not; true when saved.
    bool SaveShowingFailure(const QString &fileName);
    void ClearDesign();
    void OpenGivenFile(const QString &fileName);
    void OpenPendingHandOver();
    void AddRecentFile(const QString &fileName);

    // File commands.
    void New1Click();
    void Open1Click();
    void Delete1Click();
    void mnuSaveClick();
    // True when the design was saved under the chosen name.
    bool mnuSaveAsClick();
    void SavebuttonClick();
    void CancelbuttonClick();
    void RecentFileClick(const QString &fileName);
    // Picture export of the card.
    struct TPictureExport {
        const char *DialogName;
        QString Title;
        QString Filter;
        QString Extension;
        QString UntitledName;
        bool AsJPG;
    };
    void mnuSaveAsBitmapClick();
    void mnuSaveAsJPGClick();
    void ExportCardPicture(const TPictureExport &kind);
    // Asks about the border and writes the picture as it stands; raises
    // EQuandrelError when the file cannot be written.
    void SaveCardToBitmap(const QString &fileName, bool asJPG);
    QString ChooseDesignFile(const QString &title, const char *dialogName);
    QString ChooseSaveFileName(const QString &proposed);

    // Settings commands.
    void LoadPreferences();
    bool SavePreferences();
    void mnuDefaultFontClick();
    void SetDefaultFontCaption();
    void PersonalInformation1Click();
    void mnuSetorChangeBackgroundArtClick();
    QString CurrentBackgroundArtFile() const;
    void TakeBackgroundArt(const QString &fileName);
    void SetPanelPersonalInfo();
    void ChangeCardLayout1Click();
    void SetCardSizeFromInches();

    // The card.
    void SelectTool(TLPanelState tool);
    void BusinessCardPanelDroppedObjectEvent();
    void ShowGridClick();
    void SnapToGridClick();
    void ScrollBox1Click();
    void ZoomSpinnerUpClick();
    void ZoomSpinnerDownClick();
    void StepZoom(int delta);
    void ApplyZoom(float zoom);
    void FitCardHolder();
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    bool FormKeyUp(int key, Qt::KeyboardModifiers modifiers);

    // Printing: the commands are made on first use.
    TPrintCommands &PrintCommands();

    // Help.
    void About1Click();
    void AssistButtonClick();

    TDesign FDesign;
    TSettingsFile FSettings;
    TPreferences FPreferences;
    TPrintPositions FPrintPositions;
    QString FCurrentFileName;
    QString FBackgroundArtFileName;
    QString FStartupFile;
    QString FPendingHandOver;
    bool FChangesMade = false;
    bool FLoading = true;
    bool FPrintingAvailable = false;
    bool FActivated = false;
    int FZoomLevel = 0;
    QSize FCardSizeAt100;

    QScrollArea *ScrollBox1 = nullptr;
    QWidget *FCardHolder = nullptr;
    TGBusinessCardPanel32 *FBusinessCardPanel = nullptr;
    QButtonGroup *FToolGroup = nullptr;
    std::map<TLPanelState, QToolButton *> FToolButtons;
    QToolButton *ShowGrid = nullptr;
    QToolButton *SnapToGrid = nullptr;
    QToolButton *SetBackgroundArtButton = nullptr;
    TZoomSpinner *ZoomSpinner = nullptr;
    QLabel *ZoomCaption = nullptr;
    QPushButton *Savebutton = nullptr;
    QPushButton *Cancelbutton = nullptr;
    QPushButton *PrintButton = nullptr;
    QPushButton *Previewbutton = nullptr;

    QMenu *FFileMenu = nullptr;
    QAction *FSaveAction = nullptr;
    QAction *FDefaultFontAction = nullptr;
    std::vector<QAction *> FPrintingActions;
    std::unique_ptr<TRecentFilesMenu> FRecentFiles;
    std::unique_ptr<TPrintCommands> FPrintCommands;
    QPointer<TTipsAssistant> FTipsAssistant;
};
