// The sound switch of the main window.
#include "game/Main.h"

#include <QAction>

void TFormMain::SoundonMenuClick() {
    SoundOn = !SoundOn;
    SoundonMenu->setChecked(SoundOn);
}
