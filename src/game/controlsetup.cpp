#include "game/controlsetup.h"

#include "game/layout.h"
#include "game/puttpower.h"

#include "controls/dxfcolorbutton.h"
#include "controls/dxflabel.h"
#include "controls/dxfprogressbar.h"
#include "desktop/fonts.h"

void SetUpPowerBar(TdxfProgressBar& bar)
{
    bar.setGeometry(36, 260, 120, 10);
    bar.SetMin(0);
    bar.SetMax(Putt::kPowerSteps);
    bar.SetStep(1);
    bar.SetPosition(0);
    bar.SetOrientation(TdxfPBOrientation::orHorizontal);
    bar.SetBeginColor(clPurple);
    bar.SetEndColor(clWhite);
    bar.SetStyle(TdxfPBStyle::sExSolid);
    bar.SetBevelOuter(TdxfBevelOuter::bvNone);
    bar.SetBarBevelOuter(TdxfBevelOuter::bvLowered);
    bar.SetShowText(true);
    bar.SetShowTextStyle(TdxfShowTextStyle::stsPercent);
    bar.setFont(MakeFont(kPGothic, 11));
    bar.SetFontColor(clYellow);
}

void SetUpShotButton(TdxfColorButton& button)
{
    button.setGeometry(Layout::kShotLeft, Layout::kShotTop, Layout::kShotWidth, Layout::kShotHeight);
    button.SetCaption({QStringLiteral("SHOT!!")});
    button.SetColor(clBlack);
    button.setFont(MakeFont(kPGothic, 12, true));
    button.SetFontColor(clWhite);
    button.setCursor(Qt::PointingHandCursor);
}

void SetUpBanner(TdxfLabel& label)
{
    label.setGeometry(0, 0, 449, 102);
    label.SetAutoSize(false);
    label.setFont(MakeFont(kPMincho, 245, true)); // 184 points
    label.SetFontColor(clRed);
    label.SetCaption(QStringLiteral("GAME OVER"));
    label.SetStyle(TdxfLabelStyle::dxfOutLine);
    label.SetAngle(0);
    label.Effect3D()->SetStyle(TdxfEffectStyle::dxfCool);
    label.Effect3D()->SetOrientation(TdxfOrientation::dxfRightTop);
    label.Effect3D()->SetDepth(3);
    label.Effect3D()->SetShadowedColor(clMaroon);
    label.SetPenWidth(1);
}
