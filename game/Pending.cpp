// Commands and operations whose subsystems are not built yet. Each does
// nothing, so the window and its menus work around them.
#include "Main.h"

void TFormMain::AddRecentPicture(int, const QString&) {}
void TFormMain::AddRecentGame(int, const QString&) {}
void TFormMain::ReopenPictureClick(QObject*) {}
void TFormMain::ReopenGameClick(QObject*) {}
void TFormMain::SetThumbnailPicture() {}
void TFormMain::ShowthumbnailMenuClick() {}
void TFormMain::CustomMenuClick() {
    CheckBoardGridMenu(); // the click must not move the mark
}
void TFormMain::HelpcontentsMenuClick() {}
void TFormMain::VantrelhomepageMenuClick() {}
void TFormMain::SlidorahomepageMenuClick() {}
void TFormMain::FreepicturesMenuClick() {}
void TFormMain::AboutMenuClick() {}
