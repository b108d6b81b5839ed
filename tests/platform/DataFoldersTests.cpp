// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "platform/DataFolders.h"
#include "platform/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Sets an environment variable (nullptr: unsets it) until the end of the scope.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray* value)
        : Name(name), Old(qgetenv(name)), WasSet(qEnvironmentVariableIsSet(name)) {
        value ? qputenv(name, *value) : qunsetenv(name);
    }
    ~ScopedVariable() { WasSet ? qputenv(Name, Old) : qunsetenv(Name); }

private:
    const char* Name;
    QByteArray Old;
    bool WasSet;
};

} // namespace

TEST(DataFolders, WritableProgramFolderKeepsItsPlacesAReadOnlyOneUsesTheUsersFolders) {
    QTemporaryDir home;
    const auto Home = [&](const char* path) { return home.path() + QLatin1Char('/') + QLatin1String(path); };
    const QByteArray homePath = home.path().toUtf8(), config = Home(".config").toUtf8();
    const ScopedVariable homeVariable("HOME", &homePath), configVariable("XDG_CONFIG_HOME", &config);
    struct Case {
        bool writable;
        const char* dataHome; // nullptr: unset
        bool userFoldersExist;
        QString scores, pictures, games;
    };
    const Case cases[] = {
        {true, "/var/tmp/data", true, "/usr/lib/slidora/", "/usr/lib/slidora/", "/usr/lib/slidora/"},
        {false, nullptr, true, Home(".local/share/Vantrel/Slidora/"), Home("Pictures/"), Home("Documents/")},
        {false, "", false, Home(".local/share/Vantrel/Slidora/"), Home(""), Home("")},
        {false, "/var/tmp/shared data", false, "/var/tmp/shared data/Vantrel/Slidora/", Home(""), Home("")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dataHome ? c.dataHome : "unset");
        const QByteArray dataHome(c.dataHome ? c.dataHome : "");
        const ScopedVariable dataVariable("XDG_DATA_HOME", c.dataHome ? &dataHome : nullptr);
        for (const char* name : {"Pictures", "Documents"})
            c.userFoldersExist ? QDir(home.path()).mkdir(QLatin1String(name)) : QDir(Home(name)).removeRecursively();
        const DataFolders folders = ChooseDataFolders(QStringLiteral("/usr/lib/slidora/"), c.writable);
        EXPECT_EQ(folders.scores, c.scores);
        EXPECT_EQ(folders.pictures, c.pictures);
        EXPECT_EQ(folders.games, c.games);
    }
}

TEST(DataFolders, AnInstalledCopyKeepsNothingBesideItselfWhoeverRunsIt) {
    QTemporaryDir program;
    const QString folder = program.path() + QLatin1Char('/');
    EXPECT_TRUE(KeepsDataBesideProgram(folder)) << "a portable copy";
    QFile marker(folder + InstalledMarker);
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    EXPECT_FALSE(KeepsDataBesideProgram(folder)) << "installed, though this user may write there";
    EXPECT_FALSE(KeepsDataBesideProgram(folder + QStringLiteral("missing/")));
}

TEST(ProgramFiles, AnInstallFindsItsDataAndModuleWhereItsLayoutPutThemACopiedFolderKeepsThemBesideItself) {
    QTemporaryDir root;
    const QString usr = root.path() + QStringLiteral("/usr/");
    const QString games = usr + QStringLiteral("games/"), share = usr + QStringLiteral("share/games/slidora/");
    const InstallLayout debian{QStringLiteral("../share/games/slidora/"), QStringLiteral("../lib/games/slidora/")};
    const InstallLayout folder{QString(), QString()};
    ASSERT_TRUE(QDir().mkpath(games) && QDir().mkpath(share));
    struct Case {
        const char* what;
        QString program;
        InstallLayout layout;
        bool marked; // the installed marker in the layout's data folder
        QString data, modules;
    };
    const Case cases[] = {
        {"a Debian install", games, debian, true, share, usr + QStringLiteral("lib/games/slidora/")},
        {"build/bin of a Debian-layout build", games, debian, false, games, games},
        {"a folder install", share, folder, true, share, share},
        {"a copied program folder", share, folder, false, share, share},
        {"a Debian-layout program with no data folder", share, debian, false, share, share},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString marker = c.program + c.layout.dataFromProgram + InstalledMarker;
        QFile file(marker);
        ASSERT_TRUE(c.marked ? file.open(QIODevice::WriteOnly) : !file.exists() || file.remove());
        file.close();
        const ProgramFiles files = FindProgramFiles(c.program, c.layout);
        EXPECT_EQ(files.data, c.data);
        EXPECT_EQ(files.modules, c.modules);
        if (c.marked) QFile::remove(marker);
    }
}
