// The Help menu of the main window.
#include "About.h"
#include "HelpWindow.h"
#include "WebAddresses.h"
#include "game/Main.h"
#include "platform/Shell.h"

namespace {

// A build without the home page shows the help's page about the game instead.
void OpenHomePage(TFormMain& form, const QString& address) {
    if (address.isEmpty())
        HelpWindowOf(&form).ShowContents(form.ProgramFolder + HelpFileName, QLatin1String(WebAddresses::AboutTopic));
    else
        OpenWebPage(address);
}

} // namespace

void TFormMain::HelpcontentsMenuClick() { HelpWindowOf(this).ShowContents(ProgramFolder + HelpFileName); }

void TFormMain::VantrelhomepageMenuClick() { OpenHomePage(*this, WebAddresses::MakerHomePage()); }

void TFormMain::SlidorahomepageMenuClick() { OpenHomePage(*this, WebAddresses::GameHomePage()); }

void TFormMain::FreepicturesMenuClick() { OpenWebPage(QLatin1String(WebAddresses::FreePicturesPage)); }

void TFormMain::AboutMenuClick() {
    TFormAbout about(this);
    ShowCentred(about);
}
