// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The Help menu of the main window.
#include "About.h"
#include "HelpWindow.h"
#include "WebAddresses.h"
#include "game/Main.h"
#include "platform/Shell.h"
#include "platform/Translations.h"

namespace {

QString HelpFile(const TFormMain& form) { return HelpFileFor(form.ProgramFolder, InstalledLanguage()); }

// A build without the home page shows the help's page about the game instead.
void OpenHomePage(TFormMain& form, const QString& address) {
    if (address.isEmpty())
        HelpWindowOf(&form).ShowContents(HelpFile(form), QLatin1String(WebAddresses::AboutTopic));
    else
        form.OpenWebAddress(address);
}

} // namespace

void TFormMain::HelpcontentsMenuClick() { HelpWindowOf(this).ShowContents(HelpFile(*this)); }

void TFormMain::VantrelhomepageMenuClick() { OpenHomePage(*this, WebAddresses::MakerHomePage()); }

void TFormMain::SlidorahomepageMenuClick() { OpenHomePage(*this, WebAddresses::GameHomePage()); }

void TFormMain::FreepicturesMenuClick() { OpenWebAddress(QLatin1String(WebAddresses::FreePicturesPage)); }

void TFormMain::AboutMenuClick() {
    TFormAbout about(this);
    about.OpenPage = [this](const QString& address) { OpenWebAddress(address); };
    about.ShowLicence = [this](QDialog& licence) { Services.dialogs.ShowModal(licence); };
    ShowCentred(about);
}

void TFormMain::OpenWebAddress(const QString& address) {
    if (!OpenWebPage(address))
        ShowError(tr("Unable to open %1: no web browser could be started.").arg(address));
}
