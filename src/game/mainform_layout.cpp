#include "game/controlsetup.h"
#include "game/layout.h"
#include "game/mainform.h"
#include "game/pictures.h"
#include "game/puttpower.h"
#include "game/surface.h"

#include "controls/dxfcolorbutton.h"
#include "controls/dxflabel.h"
#include "controls/dxfprogressbar.h"
#include "controls/shadolbl.h"
#include "desktop/announcer.h"
#include "desktop/fonts.h"
#include "desktop/panel.h"
#include "desktop/shape.h"
#include "desktop/stringgrid.h"
#include "desktop/zoomhost.h"
#include "services/timer.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr QSize kClientSize(Layout::kClientWidth, Layout::kClientHeight);
constexpr TColor kLabelGradationColor = 12615680;

template <class Control>
Control* Place(Control* control, int left, int top, int width, int height)
{
    control->setGeometry(left, top, width, height);
    return control;
}

TShape* MakeShape(QWidget* parent, TShapeType type, TColor pen, TBrushStyle brushStyle, TColor brush)
{
    auto* shape = new TShape(parent);
    shape->SetShape(type);
    shape->SetPenColor(pen);
    shape->SetBrushStyle(brushStyle);
    shape->SetBrushColor(brush);
    return shape;
}

// Every text line of the window: transparent, centred vertically, white running into a
// second colour, with a black shadow to the lower right and no highlight. A translated caption
// is drawn in its language's font.
TShadowLabel* MakeLabel(QWidget* parent, const QString& caption, int fontHeight, TColor gradationColor, TColor midColor,
                        const QString& language = {})
{
    auto* label = new TShadowLabel(parent);
    label->SetColor(clBlack);
    label->SetTransparent(true);
    label->SetLayout(TTextLayout::tlCenter);
    label->SetGradation(true);
    label->SetGradateVert(true);
    label->SetGradationColor(kLabelGradationColor);
    label->Highlight()->SetShadowVisible(false);
    label->Shadow()->SetShadowColor(clBlack);
    label->SetTextGradation(TTextGradation::tg2Colors);
    label->SetTextGradationColor(gradationColor);
    label->SetTextMidColor(midColor);
    label->setFont(MakeTextFont(kPGothic, fontHeight, language));
    label->SetFontColor(clWhite);
    label->SetCaption(caption);
    return label;
}

TImage* MakeImage(QWidget* parent, const QString& picture, bool stretch)
{
    auto* image = new TImage(parent);
    image->SetPicture(LoadPicture(picture));
    image->SetStretch(stretch);
    return image;
}

} // namespace

void TMainForm1::CreateControls()
{
    FSurface = new TFormSurface(this, kClientSize);
    FZoomHost = new TZoomHost(FSurface, this);
    setCentralWidget(FZoomHost);
    // On the window itself: what the surface holds may be shown through a view.
    FAnnouncer = new TAnnouncer(this);
    QWidget* window = FSurface;

    Shape5 =
        Place(MakeShape(window, TShapeType::stRectangle, clPurple, TBrushStyle::bsClear, clWhite), 28, 244, 453, 1);
    Shape4 =
        Place(MakeShape(window, TShapeType::stRectangle, clPurple, TBrushStyle::bsClear, clWhite), 28, 236, 453, 17);
    Shape2 =
        Place(MakeShape(window, TShapeType::stEllipse, clRed, TBrushStyle::bsHorizontal, clPurple), 317, 234, 130, 22);
    Shape3 = Place(MakeShape(window, TShapeType::stEllipse, clRed, TBrushStyle::bsSolid, clBlack), 358, 240, 50, 10);
    Shape1 = Place(MakeShape(window, TShapeType::stCircle, clGray, TBrushStyle::bsSolid, clWhite), 51, 242, 8, 8);

    Label9 = MakeLabel(window, QStringLiteral("NICE IN!! +0"), 12, clYellow, clBlue, FServices.language);
    Label9->move(212, 191);
    Label9->hide();
    FSurface->CreateDrawing();

    Panel5 = Place(new TPanel(window), 30, 0, 449, 43);
    Image1 = Place(MakeImage(Panel5, Pictures::kTopBar, false), 0, 0, 449, 43);
    Label1 = MakeLabel(Panel5, tr("F3 デ ゲ～ムヲ開始シマス"), 16, clYellow, clBlue, FServices.language);
    Label1->move(5, 17);
    Label2 = MakeLabel(Panel5, QStringLiteral("SCORE"), 16, clRed, clLime);
    Label2->move(205, 17);
    Label4 = MakeLabel(Panel5, QStringLiteral("HIGH-SCORE"), 16, clRed, clLime);
    Label4->move(313, 17);
    Label5 = MakeLabel(Panel5, QStringLiteral("0"), 16, clRed, clLime);
    Label5->move(413, 17);
    Label3 = MakeLabel(Panel5, QStringLiteral("0"), 16, clRed, clLime);
    Label3->move(261, 17);

    Panel6 = Place(new TPanel(window), 479, 0, 30, 425);
    Image5 = Place(MakeImage(Panel6, Pictures::kColumn, false), 0, 0, 30, 425);
    Panel1 = Place(new TPanel(window), 30, 275, 449, 130);
    Image7 = Place(MakeImage(Panel1, Pictures::kGround, true), 0, 0, 449, 130);
    Panel3 = Place(new TPanel(window), 30, 43, 449, 130);
    Image6 = Place(MakeImage(Panel3, Pictures::kSky, true), 0, -300, 449, 430);
    Panel4 = Place(new TPanel(window), 0, 0, 30, 425);
    Image4 = Place(MakeImage(Panel4, Pictures::kColumn, false), 0, 0, 30, 425);
    Panel7 = Place(new TPanel(window), 30, 405, 449, 20);
    Image3 = Place(MakeImage(Panel7, Pictures::kBottomBar, false), 0, 0, 449, 20);

    CreateShotControls();

    CreateRankingGrid();
    CreateBanner();
}

void TMainForm1::CreateRankingGrid()
{
    StringGrid1 = Place(new TStringGrid(3, 6, FSurface), Layout::kGridLeft, Layout::kGridTop, Layout::kGridWidth,
                        Layout::kGridHeight);
    StringGrid1->SetColWidths({83, 220, 135});
    StringGrid1->SetDefaultRowHeight(14);
    StringGrid1->SetFixedRows(1);
    StringGrid1->SetColor(clBlack);
    StringGrid1->SetFixedColor(clPurple);
    // Players' names may hold characters that only another font has.
    QFont gridFont = MakeTextFont(kPMincho, 11, FServices.language);
    gridFont.setStyleStrategy(QFont::NoAntialias);
    StringGrid1->setFont(gridFont);
    StringGrid1->SetFontColor(clWhite);
}

void TMainForm1::CreateShotControls()
{
    bCharge = new TdxfColorButton(FSurface);
    SetUpShotButton(*bCharge);
    bCharge->OnMouseDown = Guard([this](QObject*, TMouseButton, TShiftState, int, int) { bChargeMouseDown(); });
    bCharge->OnMouseUp = Guard([this](QObject*, TMouseButton, TShiftState, int, int) { bChargeMouseUp(); });

    ProgressBar1 = new TdxfProgressBar(FSurface);
    SetUpPowerBar(*ProgressBar1);
}

void TMainForm1::CreateBanner()
{
    Panel2 =
        Place(new TPanel(FSurface), Layout::kStripLeft, Layout::kStripTop, Layout::kStripWidth, Layout::kStripHeight);
    dxfLabel1 = new TdxfLabel(Panel2);
    SetUpBanner(*dxfLabel1);
    Panel2->hide();
}

void TMainForm1::CreateMenu()
{
    N1 = menuBar()->addMenu(tr("モード(&M)"));
    N2 = N1->addAction(tr("ゲーム開始(&G)"), this, Guard([this] { N2Click(); }));
    N2->setShortcut(Qt::Key_F3);
    N1->addSeparator();
    N5 = N1->addAction(tr("ボスが来た!!(&B)..."), this, Guard([this] { N5Click(); }));
    N5->setShortcut(Qt::Key_F4);
    N1->addSeparator();
    Exit1 = N1->addAction(tr("終了(&X)"), this, Guard([this] { Exit1Click(); }));

    O1 = menuBar()->addMenu(tr("オプション(&O)"));
    S1 = O1->addAction(tr("効果音を鳴らす(&S)"));
    S1->setCheckable(true);
    S1->setChecked(true); // Qt toggles a checkable item itself when it is chosen, as S1Click does
    CreateViewMenu();

    Help1 = menuBar()->addMenu(tr("ヘルプ(&H)"));
    N6 = Help1->addAction(tr("インフォメーション(&I)..."), this, Guard([this] { N6Click(); }));
}

void TMainForm1::CreateTimers()
{
    Timer1 = new TTimer(Putt::kChargeInterval, this);
    Timer2 = new TTimer(80, this);
    Timer3 = new TTimer(1000, this);
    Timer5 = new TTimer(200, this);
    // Every handler runs guarded, wherever its body lives.
    connect(Timer1, &QTimer::timeout, this, Guard([this] { Timer1Timer(); }));
    connect(Timer2, &QTimer::timeout, this, Guard([this] { Timer2Timer(); }));
    connect(Timer3, &QTimer::timeout, this, Guard([this] { Timer3Timer(); }));
    connect(Timer5, &QTimer::timeout, this, Guard([this] { Timer5Timer(); }));
}

// Names for what shows no text of its own, and what a bare number is about; the labels'
// and the button's texts speak for themselves.
void TMainForm1::DescribeForAssistiveTools()
{
    Label3->setAccessibleDescription(Label2->Caption());
    Label5->setAccessibleDescription(Label4->Caption());
    ProgressBar1->setAccessibleName(QStringLiteral("POWER"));
    StringGrid1->setAccessibleName(QStringLiteral("RANKING"));
}

void TMainForm1::LoadSwingPictures()
{
    for (int index = 0; index < Pictures::kSwingCount; ++index)
        ImageList1.push_back(LoadPicture(Pictures::Swing(index)));
}
