// The Help menu of the main window.
#include "About.h"
#include "HelpWindow.h"
#include "WebAddresses.h"
#include "game/Main.h"
#include "platform/Shell.h"

void TFormMain::HelpcontentsMenuClick() { HelpWindowOf(this).ShowContents(ProgramFolder + HelpFileName); }

void TFormMain::VantrelhomepageMenuClick() { OpenWebPage(QLatin1String(WebAddresses::MakerHomePage)); }

void TFormMain::SlidorahomepageMenuClick() { OpenWebPage(QLatin1String(WebAddresses::GameHomePage)); }

void TFormMain::FreepicturesMenuClick() { OpenWebPage(QLatin1String(WebAddresses::FreePicturesPage)); }

void TFormMain::AboutMenuClick() {
    TFormAbout about(this);
    ShowCentred(about);
}
