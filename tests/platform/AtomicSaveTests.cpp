// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "fakes/FileSizeLimit.h"
#include "platform/AtomicSave.h"
#include "platform/IniFile.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

const QString LongText(300, QLatin1Char('x'));

// Each writer of the settings and the lists, given the file to replace.
struct Writer {
    const char* name;
    QByteArray old;
    std::function<bool(const QString& path)> write;
};

const Writer Writers[] = {
    {"helper", "old contents\n", [](const QString& path) { return SaveAtomically(path, LongText.toUtf8()); }},
    {"settings", "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Vantrel\\Slidora]\n\"Level\"=dword:00000002\n\n",
     [](const QString& path) {
         RegFileStore store(path);
         if (!store.Open()) return false;
         store.WriteText(QStringLiteral("FontName"), LongText);
         return store.Close();
     }},
    {"INI key", "[Numeric]\n0= 3~ 3~Ann~75\n",
     [](const QString& path) {
         return WriteProfileString(path, QStringLiteral("Numeric"), QStringLiteral("1"), LongText);
     }},
    {"INI section", "[Numeric]\n0= 3~ 3~Ann~75\n1= 4~ 4~Bob~80\n",
     [](const QString& path) {
         return WriteProfileSection(path, QStringLiteral("Numeric"), {{QStringLiteral("0"), LongText}});
     }},
};

void PrintTo(const Writer& writer, std::ostream* out) { *out << writer.name; }

class EveryWriter : public testing::TestWithParam<Writer> {
protected:
    QString Path() const { return folder.filePath(QStringLiteral("file")); }
    QStringList Entries() const {
        return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    QTemporaryDir folder;
};

} // namespace

// The last bytes of a buffered write used to reach the disk only inside the
// commit, where their failure went unseen: the file was cut short.
TEST_P(EveryWriter, AFullDiskKeepsTheOldFileAndIsReported) {
    Put(Path(), GetParam().old);
    bool written = true;
    {
        const FileSizeLimit fullDisk(64);
        written = GetParam().write(Path());
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(Bytes(Path()), GetParam().old);
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("file")}) << "no temporary file is left";
    EXPECT_TRUE(GetParam().write(Path())) << "with room again, the same write succeeds";
    EXPECT_TRUE(Bytes(Path()).contains(LongText.toUtf8()));
}

// A folder that cannot take the file: even root cannot write below a file.
TEST_P(EveryWriter, AFolderThatIsAFileIsReported) {
    Put(Path(), GetParam().old);
    const QString below = Path() + QStringLiteral("/inside");
    EXPECT_FALSE(GetParam().write(below));
    EXPECT_EQ(Bytes(Path()), GetParam().old);
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("file")});
}

INSTANTIATE_TEST_SUITE_P(Writers, EveryWriter, testing::ValuesIn(Writers),
                         [](const testing::TestParamInfo<Writer>& info) {
                             return QString::fromLatin1(info.param.name).remove(QLatin1Char(' ')).toStdString();
                         });

TEST(AtomicSave, StepsAfterAFailureFailAndLeaveNothing) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("file"));
    AtomicSave save(path);
    ASSERT_TRUE(save.Open());
    {
        const FileSizeLimit fullDisk(4);
        EXPECT_FALSE(save.Write("more than four bytes"));
    }
    EXPECT_FALSE(save.Write("x"));
    EXPECT_FALSE(save.Commit());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}
