#pragma once

#include "desktop/errorguard.h"
#include "desktop/messagebox.h"
#include "game/rankingtable.h"
#include "game/services.h"
#include "game/viewsettings.h"

#include <QMainWindow>
#include <QMargins>
#include <QPixmap>
#include <array>
#include <cstdint>
#include <vector>

class QAction;
class QActionGroup;
class QFileSystemWatcher;
class QMenu;
class TAnnouncer;
class TdxfColorButton;
class TdxfLabel;
class TdxfProgressBar;
class TFormSurface;
class TImage;
class TPanel;
class TShadowLabel;
class TShape;
class TStringGrid;
class TTimer;
class TZoomHost;

// The game window: its layout, the game state and every handler of the game.
class TMainForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm1(const TGameServices& services, QWidget* parent = nullptr);
    ~TMainForm1() override;

    // Controls, in creation order (later ones lie above earlier ones).
    TShape* Shape5 = nullptr;
    TShape* Shape4 = nullptr;
    TShape* Shape2 = nullptr;
    TShape* Shape3 = nullptr;
    TShape* Shape1 = nullptr;
    TShadowLabel* Label9 = nullptr;
    TPanel* Panel5 = nullptr;
    TImage* Image1 = nullptr;
    TShadowLabel* Label1 = nullptr;
    TShadowLabel* Label2 = nullptr;
    TShadowLabel* Label4 = nullptr;
    TShadowLabel* Label5 = nullptr;
    TShadowLabel* Label3 = nullptr;
    TPanel* Panel6 = nullptr;
    TImage* Image5 = nullptr;
    TPanel* Panel1 = nullptr;
    TImage* Image7 = nullptr;
    TPanel* Panel3 = nullptr;
    TImage* Image6 = nullptr;
    TPanel* Panel4 = nullptr;
    TImage* Image4 = nullptr;
    TPanel* Panel7 = nullptr;
    TImage* Image3 = nullptr;
    TdxfColorButton* bCharge = nullptr;
    TdxfProgressBar* ProgressBar1 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    TPanel* Panel2 = nullptr;
    TdxfLabel* dxfLabel1 = nullptr;
    // Speaks to a screen reader what shows and what the picture alone tells.
    TAnnouncer* FAnnouncer = nullptr;

    TTimer* Timer1 = nullptr;
    TTimer* Timer2 = nullptr;
    TTimer* Timer3 = nullptr;
    TTimer* Timer5 = nullptr;
    std::vector<QPixmap> ImageList1;

    QMenu* N1 = nullptr;
    QAction* N2 = nullptr;
    QAction* N5 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* O1 = nullptr;
    QAction* S1 = nullptr;
    QActionGroup* ZoomGroup = nullptr;
    std::array<QAction*, TViewSettings::kMaxZoom> ZoomItems{};
    QAction* FullScreen1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* N6 = nullptr;

    TFormSurface* Surface() const { return FSurface; }
    TZoomHost* ZoomHost() const { return FZoomHost; }

    // Handlers, called by the controls and timers as the window system would.
    void bChargeMouseDown();
    void bChargeMouseUp();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void Timer5Timer();
    void N2Click();
    void N5Click();
    void N6Click();
    void S1Click();
    void Exit1Click();
    // The window at a zoom of its picture, and the picture on the whole screen.
    void ZoomItemClick(int zoom);
    void FullScreen1Click();
    void FormCloseQuery(bool& CanClose);

    // The information page on the home page's host for an executable: its base name as the
    // value of "sn", escaped. Empty while the home page is a placeholder or no web address.
    static QString InformationUrl(const QString& homePage, const QString& executablePath);

    // Plays a sound effect when the sound switch is on; returns at once.
    void PlaySoundEffect(const QString& fileName);

    // Puts the green's left edge at left, or at a random place when left is negative, and
    // centres the cup on it; returns the left edge used.
    int PlaceGreen(int left);
    // Raises the level and narrows green and cup when advance is true; returns the level.
    int AdvanceLevel(bool advance);

    // Puts a new score into the ranking when it beats a stored one, asking for the name, and
    // saves it at once.
    void EnterRanking();
    // The ranking file or its folder changed: an idle window shows the new table.
    void RankingFileChanged();

    // Draws picture index of ImageList1 onto the window's surface, top-left at (x, y).
    void DrawSwingPicture(int x, int y, int index);
    // Redraws the window's surface at once, wiping what was drawn onto it.
    void RepaintNow();

    std::int32_t Score() const { return FScore; }
    void SetScoreForRanking(std::int32_t score) { FScore = score; }
    std::int32_t HighScore() const { return FHighScore; }
    std::int32_t TimeLeft() const { return FTimeLeft; }
    std::int32_t Level() const { return FLevel; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Space holds "SHOT!!" as the mouse button does, during a game.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A handler wrapped for a connection: what it throws shows in the standard error box
    // through the game's message box service and goes no further.
    template <class Handler>
    auto Guard(Handler handler)
    {
        return Guarded(*FServices.messageBox, std::move(handler));
    }

    void CreateControls();
    void CreateShotControls();
    void CreateRankingGrid();
    void CreateBanner();
    void CreateMenu();
    void CreateViewMenu();
    void CreateTimers();
    void DescribeForAssistiveTools();
    void LoadSwingPictures();
    void WriteRankingHeadings();
    void LoadRanking();
    void WatchRankingFile();
    // Shows the ranking as the file now holds it, with this window's unsaved entries put in,
    // unless the name box is up; a table that cannot be read leaves the grid as it is.
    void RefreshRanking();
    // What the information command shows while there is no page to open: the name and version,
    // the licence, where this copy keeps its ranking, and the keys.
    QString InformationText() const;
    // The ranking as the grid shows it, and a table put into the grid.
    TRankingTable Ranking() const;
    void ShowRanking(const TRankingTable& table);
    // Writes the ranking into the file under its lock, merged with what others saved meanwhile.
    void SaveRanking();
    void ShowHighScore();
    int ClientWidth() const;
    void PlayBanner(const QString& text, const QString& sound);
    void WaitForTickBoundary(std::uint32_t step);
    void JudgeShot();
    // Blocks for the given time, after putting what was repainted for it on the screen.
    void Pause(std::uint32_t milliseconds);
    // Shows the window as FView says and remembers it for the player.
    void ShowView();
    void ShowNormalView();
    void FinishLeavingFullScreen();
    void KeepView();
    bool ZoomFits(int zoom) const;
    // The zoom items that would not fit the screen are disabled.
    void EnableFittingZooms();
    void ShowShotResult(const QString& message, std::int32_t points);
    // Says which powers end in the cup and on the green where they now lie.
    void AnnounceGreen();
    // Says the time left (or the status line between games) and the score.
    void AnnounceTimeLeft();
    // Space is up: the hold it made, if any, ends. timestamp is the release's, 0 for none.
    void LetGoOfSpace(std::uint64_t timestamp);

    TGameServices FServices;
    // The controls and the application's last-resort error box use the game's service too.
    TScopedMessageBoxes FMessageBoxes{FServices.messageBox};
    TFormSurface* FSurface = nullptr;
    TZoomHost* FZoomHost = nullptr;
    TViewSettings FView;
    // Where the window's frame was before it filled the screen.
    QPoint FNormalPlace;
    QMargins FNormalFrame;
    bool FLeavingFullScreen = false;
    bool FCentred = false;
    // The window has closed (and saved): a shot under way stops where it is.
    bool FClosed = false;
    // The ranking as this window last read or wrote it, the entries made since, and the watch
    // on the file through which other players' saves show.
    TRankingTable FRankingBase;
    QList<TRankingEntry> FRankingOurs;
    QFileSystemWatcher* FRankingWatcher = nullptr;
    // The name box is up: the grid waits for the name.
    bool FEnteringRanking = false;
    // Space is physically down, and the time its last release came with.
    bool FSpaceDown = false;
    std::uint64_t FSpaceReleasedAt = 0;

    std::int32_t FSwingFrame = 0;
    std::uint32_t FPressTick = 0;
    std::int32_t FScore = 0;
    std::int32_t FHighScore = 0;
    std::int32_t FTimeLeft = 0;
    std::int32_t FLevel = 0;

public:
    // Direction of the sliding green, kept for the whole run: it is only ever turned round,
    // never reset by a new game.
    int SlideDirection = -1;
};

extern TMainForm1* MainForm1;
