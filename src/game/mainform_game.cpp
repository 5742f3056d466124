#include "game/mainform.h"

void TMainForm1::N2Click() {}
void TMainForm1::Timer3Timer() {}
