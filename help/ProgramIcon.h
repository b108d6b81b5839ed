// The program's icon, drawn at every size the build makes of it.
#pragma once

#include <QIcon>

QIcon ProgramIcon();
