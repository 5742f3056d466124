#include "game/mainform.h"

void TMainForm1::bChargeMouseDown() {}
void TMainForm1::bChargeMouseUp() {}
void TMainForm1::Timer1Timer() {}
