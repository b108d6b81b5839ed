// Commands and operations whose subsystems are not built yet. Each does
// nothing, so the window and its menus work around them.
#include "Main.h"

void TFormMain::StartMusic() {}
void TFormMain::SetmusicMenuClick() {}
void TFormMain::MusiconMenuClick() {
    MusicOn = !MusicOn;
    MusiconMenu->setChecked(MusicOn);
}
