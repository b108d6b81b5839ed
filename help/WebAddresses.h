// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The game's web addresses, all in one place. The two home pages are build
// options (the CMake cache variables SLIDORA_MAKER_HOME_PAGE and
// SLIDORA_GAME_HOME_PAGE); a build that leaves them empty has none, and what
// would open them shows the help's About page instead.
#pragma once

#include <QString>

namespace WebAddresses {

QString MakerHomePage(); // empty when the build has none
QString GameHomePage();  // empty when the build has none

// Featured pictures of Wikimedia Commons: free photographs of every kind.
inline constexpr const char* FreePicturesPage = "https://commons.wikimedia.org/wiki/Commons:Featured_pictures";

// The help file's topic about the game, its maker and its credits.
inline constexpr const char* AboutTopic = "about";

// "Name (host)" for a link to the address, or the name alone without one.
QString LinkText(const QString& name, const QString& address);

} // namespace WebAddresses
