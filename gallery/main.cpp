// The control set side by side in its interesting states, live: hover and click to see
// the shine, the groups and the pressed looks. A developer's tool; the game never starts it.
#include "controls/dxfcolorbutton.h"
#include "controls/dxflabel.h"
#include "controls/dxfprogressbar.h"
#include "controls/shadolbl.h"
#include "controls/shinespdbtn.h"
#include "desktop/fonts.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QWidget>

namespace {

constexpr int kGalleryWidth = 860;
constexpr int kGalleryHeight = 640;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kNoteHeight = 14;
constexpr QRgb kGlyphKey = 0xFF008080;

// A 16 x 16 glyph: a red disc with a light spot on the key colour, the usual toolbar shape.
QImage DiscGlyph()
{
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(kGlyphKey);
    QPainter painter(&glyph);
    painter.setPen(QColor(90, 0, 0));
    painter.setBrush(QColor(220, 40, 40));
    painter.drawEllipse(2, 2, 11, 11);
    painter.fillRect(5, 5, 3, 3, QColor(255, 200, 200));
    return glyph;
}

// A small picture for the progress bar's picture style.
QImage BlockGlyph()
{
    QImage glyph(8, 8, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    QPainter(&glyph).fillRect(1, 1, 6, 6, QColor(0, 120, 200));
    return glyph;
}

class Gallery : public QWidget {
    Q_OBJECT

public:
    Gallery();

private:
    QLabel* Heading(const QString& text, int x, int y);
    void Note(const QString& text, int x, int y, int width = kButtonWidth + 10);
    TShineSpeedButton* Shine(const QString& caption, int x, int y, int w = kButtonWidth, int h = kButtonHeight);
    void Clicked(const QString& what);

    void ShadowLabels();
    void OutlineLabel();
    void ProgressBars();
    void ColourButtons();
    void ShineFrames();
    void ShineLayouts();
    void ShineStates();
    void ShineEffects();
    void ShineGroup();

    QLabel* FStatus = nullptr;
    QImage FGlyph = DiscGlyph();
};

Gallery::Gallery()
{
    setWindowTitle(QStringLiteral("VELQUAN control gallery"));
    setFixedSize(kGalleryWidth, kGalleryHeight);
    setAutoFillBackground(true);
    FStatus = new QLabel(QStringLiteral("Hover and click the buttons."), this);
    FStatus->setGeometry(10, kGalleryHeight - 24, kGalleryWidth - 20, 18);

    ShadowLabels();
    OutlineLabel();
    ProgressBars();
    ColourButtons();
    ShineFrames();
    ShineLayouts();
    ShineStates();
    ShineEffects();
    ShineGroup();
}

QLabel* Gallery::Heading(const QString& text, int x, int y)
{
    auto* heading = new QLabel(text, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->move(x, y);
    return heading;
}

void Gallery::Note(const QString& text, int x, int y, int width)
{
    auto* note = new QLabel(text, this);
    note->setFont(MakeFont(kPGothic, 11));
    note->setGeometry(x, y, width, kNoteHeight);
}

TShineSpeedButton* Gallery::Shine(const QString& caption, int x, int y, int w, int h)
{
    auto* button = new TShineSpeedButton(this);
    button->setGeometry(x, y, w, h);
    button->SetGlyph(FGlyph);
    button->SetCaption(caption);
    button->OnClick = [this, caption](QObject*) { Clicked(QStringLiteral("clicked ") + caption); };
    return button;
}

void Gallery::Clicked(const QString& what)
{
    FStatus->setText(what);
}

void Gallery::ShadowLabels()
{
    Heading(QStringLiteral("Shadow labels"), 10, 8);
    const auto label = [this](const QString& caption, int y, TTextGradation gradation) {
        auto* shadow = new TShadowLabel(this);
        shadow->setFont(MakeFont(kPGothic, 24, true));
        shadow->SetAutoSize(false);
        shadow->setGeometry(10, y, 250, 34);
        shadow->SetColor(clBlack);
        shadow->SetGradation(true);
        shadow->SetGradateVert(true);
        shadow->SetGradationColor(clNavy);
        shadow->SetLayout(TTextLayout::tlCenter);
        shadow->SetFontColor(clWhite);
        shadow->SetTextGradation(gradation);
        shadow->SetTextGradationColor(clRed);
        shadow->SetTextMidColor(clYellow);
        shadow->Shadow()->SetShadowColor(clGray);
        shadow->SetCaption(caption);
    };
    label(QStringLiteral("2 colours: SCORE"), 28, TTextGradation::tg2Colors);
    label(QStringLiteral("3 colours: スコア"), 66, TTextGradation::tg3Colors);
}

void Gallery::OutlineLabel()
{
    Heading(QStringLiteral("Outline label, turned"), 280, 8);
    auto* label = new TdxfLabel(this);
    label->SetAutoSize(false);
    label->setGeometry(280, 28, 220, 72);
    label->setFont(MakeFont(kPMincho, 32, true));
    label->SetFontColor(clRed);
    label->SetStyle(TdxfLabelStyle::dxfOutLine);
    label->Effect3D()->SetStyle(TdxfEffectStyle::dxfCool);
    label->Effect3D()->SetOrientation(TdxfOrientation::dxfRightTop);
    label->Effect3D()->SetDepth(3);
    label->Effect3D()->SetShadowedColor(clMaroon);
    label->SetCaption(QStringLiteral("GAME OVER"));
    label->SetAngle(12);
}

void Gallery::ProgressBars()
{
    Heading(QStringLiteral("Progress bars"), 520, 8);
    const struct {
        TdxfPBStyle style;
        const char* name;
    } styles[] = {{TdxfPBStyle::sSolid, "solid"},
                  {TdxfPBStyle::sRectangles, "blocks"},
                  {TdxfPBStyle::sExSolid, "gradient"},
                  {TdxfPBStyle::sExRectangles, "gradient blocks"},
                  {TdxfPBStyle::sPictures, "pictures"}};
    int y = 28;
    for (const auto& [style, name] : styles) {
        auto* bar = new TdxfProgressBar(this);
        bar->setGeometry(520, y, 220, 14);
        bar->SetOrientation(TdxfPBOrientation::orHorizontal);
        bar->SetBeginColor(clPurple);
        bar->SetEndColor(clWhite);
        bar->SetStyle(style);
        if (style == TdxfPBStyle::sPictures)
            bar->SetGlyph(BlockGlyph());
        bar->SetShowText(style != TdxfPBStyle::sPictures);
        bar->setFont(MakeFont(kPGothic, 11));
        bar->SetFontColor(clYellow);
        bar->SetPosition(35 + 12 * int(style));
        Note(QString::fromLatin1(name), 750, y, 100);
        y += 22;
    }
}

void Gallery::ColourButtons()
{
    Heading(QStringLiteral("Colour buttons (the last two are a group)"), 10, 120);
    const struct {
        const char* caption;
        TColor colour;
        int group;
        bool enabled;
    } buttons[] = {{"SHOT!!", clBlack, 0, true},
                   {"Red", clRed, 0, true},
                   {"Off", clBlue, 0, false},
                   {"One", clLime, 7, true},
                   {"Two", clYellow, 7, true}};
    int x = 10;
    for (const auto& [caption, colour, group, enabled] : buttons) {
        auto* button = new TdxfColorButton(this);
        button->setGeometry(x, 140, 77, 33);
        button->SetColor(colour);
        button->SetCaption({QString::fromLatin1(caption)});
        button->setFont(MakeFont(kPGothic, 12, true));
        button->SetFontColor(colour == clBlack || colour == clBlue || colour == clRed ? clWhite : clBlack);
        button->SetGroupIndex(group);
        button->setEnabled(enabled);
        const QString name = QString::fromLatin1(caption);
        button->OnClick = [this, name](QObject*) { Clicked(QStringLiteral("clicked colour button ") + name); };
        if (group != 0 && x == 10 + 3 * 90)
            button->SetDown(true);
        x += 90;
    }
}

void Gallery::ShineFrames()
{
    Heading(QStringLiteral("Shine buttons: frames (up, pressed by a latch, hot when hovered)"), 10, 188);
    const struct {
        TFrameType type;
        const char* name;
    } frames[] = {{TFrameType::ftFlatFrame, "Flat"},
                  {TFrameType::ftNormalFrame, "Normal"},
                  {TFrameType::ftEnclosedFrame, "Enclosed"}};
    int x = 10;
    for (const auto& [type, name] : frames) {
        for (const bool down : {false, true}) {
            TShineSpeedButton* button = Shine(QString::fromLatin1(name), x, 208);
            button->SetFrameType(type);
            if (down) {
                // A group of its own, so the latch stays.
                button->SetGroupIndex(100 + int(type));
                button->SetDown(true);
            }
            Note(down ? QStringLiteral("down") : QStringLiteral("up"), x, 236);
            x += 90;
        }
    }
    TShineSpeedButton* gradient = Shine(QStringLiteral("Gradient"), x, 208);
    gradient->Colors()->SetGradColor(clWhite);
    gradient->Colors()->SetGradation(true);
    gradient->PressedColors()->SetColor(clWhite);
    gradient->PressedColors()->SetGradColor(clSilver);
    gradient->PressedColors()->SetGradVertical(true);
    gradient->PressedColors()->SetGradation(true);
    Note(QStringLiteral("gradient"), x, 236);
    x += 90;
    TShineSpeedButton* shadowed = Shine(QStringLiteral("&Shadow"), x, 208);
    shadowed->SetFontShadow(clGray);
    shadowed->SetFontHighlight(clWhite);
    shadowed->SetAccelCharDown(true);
    shadowed->SetGroupIndex(110);
    shadowed->SetAllowAllUp(true);
    Note(QStringLiteral("Alt+S toggles"), x, 236);
}

void Gallery::ShineLayouts()
{
    Heading(QStringLiteral("Layouts (glyph left, right, top, bottom; margin 4 on the right)"), 10, 260);
    const struct {
        TButtonLayout layout;
        const char* name;
    } layouts[] = {{TButtonLayout::blGlyphLeft, "Left"},
                   {TButtonLayout::blGlyphRight, "Right"},
                   {TButtonLayout::blGlyphTop, "Top"},
                   {TButtonLayout::blGlyphBottom, "Bottom"}};
    int x = 10;
    for (const int margin : {-1, 4}) {
        for (const auto& [layout, name] : layouts) {
            TShineSpeedButton* button = Shine(QString::fromLatin1(name), x, 280, kButtonWidth, 48);
            button->SetLayout(layout);
            button->SetMargin(margin);
            x += 90;
        }
        x += 20;
    }
    TShineSpeedButton* lines = Shine(QStringLiteral("Two\nlines"), x - 20, 280, kButtonWidth, 48);
    lines->SetGlyph(QImage());
}

void Gallery::ShineStates()
{
    Heading(QStringLiteral("Disabled looks"), 10, 342);
    const struct {
        TDisabledImageType type;
        const char* name;
    } looks[] = {{TDisabledImageType::diDefault, "embossed"},
                 {TDisabledImageType::diGrayscale, "grey"},
                 {TDisabledImageType::diAlphaHalfTrans, "half"},
                 {TDisabledImageType::diAlphaQuaterTrans, "quarter"},
                 {TDisabledImageType::diMaskTrans, "screen"}};
    int x = 10;
    for (const auto& [type, name] : looks) {
        TShineSpeedButton* button = Shine(QStringLiteral("Off"), x, 362);
        button->SetDisabledImage(type);
        button->setEnabled(false);
        Note(QString::fromLatin1(name), x, 390);
        x += 90;
    }
    TShineSpeedButton* transparent = Shine(QStringLiteral("Clear"), x, 362);
    transparent->SetTransparent(true);
    Note(QStringLiteral("transparent"), x, 390);
}

void Gallery::ShineEffects()
{
    Heading(QStringLiteral("Shine while hovered"), 10, 414);
    const struct {
        TActiveImageType type;
        const char* name;
    } effects[] = {{TActiveImageType::aiNormal, "none"},      {TActiveImageType::aiXorLight, "xor"},
                   {TActiveImageType::aiHalfLight, "half"},   {TActiveImageType::aiQuaterLight, "quarter"},
                   {TActiveImageType::aiAddLight, "add"},     {TActiveImageType::aiFrameLight, "outline"},
                   {TActiveImageType::aiFrameLight2, "wide"}, {TActiveImageType::aiMaskLight, "screen"}};
    int x = 10;
    for (const auto& [type, name] : effects) {
        TShineSpeedButton* button = Shine(QString::fromLatin1(name), x, 434);
        button->SetActiveImage(type);
        button->SetFrameType(TFrameType::ftFlatFrame);
        button->SetUpFrame(false);
        Note(QString::fromLatin1(name), x, 462);
        x += 90;
    }
    TShineSpeedButton* hook = Shine(QStringLiteral("Hook"), x, 434);
    hook->SetClickDownHook(true);
    Note(QStringLiteral("click down hook"), x, 462, 100);
}

void Gallery::ShineGroup()
{
    Heading(QStringLiteral("One group: three shine buttons and a colour button"), 10, 486);
    const QStringList captions = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    int x = 10;
    TShineSpeedButton* first = nullptr;
    for (const QString& caption : captions) {
        TShineSpeedButton* button = Shine(caption, x, 506);
        button->SetGroupIndex(1);
        button->SetFrameType(TFrameType::ftEnclosedFrame);
        if (!first)
            first = button;
        x += 90;
    }
    auto* colour = new TdxfColorButton(this);
    colour->setGeometry(x, 502, 77, 33);
    colour->SetColor(clPurple);
    colour->SetCaption({QStringLiteral("D")});
    colour->setFont(MakeFont(kPGothic, 12, true));
    colour->SetFontColor(clWhite);
    colour->SetGroupIndex(1);
    colour->OnClick = [this](QObject*) { Clicked(QStringLiteral("clicked colour button D")); };
    first->SetDown(true);
    Note(QStringLiteral("A starts down; any member going down releases the others"), x + 90, 512, 330);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    InstallFontSubstitutions();
    Gallery gallery;
    gallery.show();
    return application.exec();
}

#include "main.moc"
