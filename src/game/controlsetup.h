#pragma once

class TdxfColorButton;
class TdxfLabel;
class TdxfProgressBar;

// How the main window sets up its custom-drawn controls: place, size and every setting
// that shows. The window, the tests and the benchmarks all use these, so a benchmark
// measures exactly what the game shows.

// The power bar under the ball: 120 x 10 at (36, 260), purple to white, 0 to 20 in
// steps of 1, sunken, with a yellow percentage.
void SetUpPowerBar(TdxfProgressBar& bar);

// The black "SHOT!!" button, 77 x 33 at (118, 184), with a pointing-hand cursor.
void SetUpShotButton(TdxfColorButton& button);

// The hidden "GAME OVER" banner, 449 x 102 at the top-left of its panel: a red outline
// of 184-point bold Mincho over a maroon copy up and to the right.
void SetUpBanner(TdxfLabel& label);
