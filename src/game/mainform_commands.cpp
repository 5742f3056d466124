#include "game/mainform.h"

#include "platform/sound.h"

#include <QAction>

void TMainForm1::PlaySoundEffect(const QString& fileName)
{
    // The switch is read when an effect starts; switching off lets a playing one finish.
    if (S1->isChecked())
        FServices.sound->Play(fileName);
}

void TMainForm1::S1Click()
{
    S1->setChecked(!S1->isChecked());
}

void TMainForm1::Exit1Click()
{
    close();
}

void TMainForm1::N5Click() {}
void TMainForm1::N6Click() {}
void TMainForm1::Timer5Timer() {}
