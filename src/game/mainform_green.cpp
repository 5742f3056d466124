#include "game/mainform.h"

void TMainForm1::Timer2Timer() {}
