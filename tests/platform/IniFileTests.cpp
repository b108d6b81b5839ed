// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

// Every save syncs to disk, which is slow on some disks; a folder in RAM,
// where there is one, keeps the suite fast.
QString FolderTemplate() {
    const QFileInfo ram(QStringLiteral("/dev/shm"));
    const QString parent = ram.isDir() && ram.isWritable() ? ram.filePath() : QDir::tempPath();
    return parent + QStringLiteral("/slidora-ini-XXXXXX");
}

class IniFileTest : public testing::Test {
protected:
    QString Path(const QString& name = QStringLiteral("scores.ini")) const { return folder.filePath(name); }

    void Write(const QByteArray& bytes, const QString& name = QStringLiteral("scores.ini")) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray Bytes(const QString& name = QStringLiteral("scores.ini")) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QString Read(const QString& section, const QString& key, const QString& fallback = QStringLiteral("0"),
                 int bufferSize = 99) const {
        return ReadProfileString(Path(), section, key, fallback, bufferSize);
    }

    bool Set(const QString& section, const QString& key, const QString& value) const {
        return WriteProfileString(Path(), section, key, value);
    }

    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QTemporaryDir folder{FolderTemplate()};
};

using IniFileRead = IniFileTest;
using IniFileWrite = IniFileTest;
using IniFileDamage = IniFileTest;

// One random change of the kinds damaged files show.
void Damage(QByteArray& data, std::mt19937& random) {
    static const char strays[] = {'[', ']', '=', ';', '\0', '\r', '\n', '"', ' '};
    auto below = [&](qsizetype limit) { return qsizetype(random() % quint32(std::max<qsizetype>(limit, 1))); };
    switch (below(6)) {
    case 0:
        data[below(data.size())] ^= char(1 << below(8));
        break;
    case 1:
        data.insert(below(data.size() + 1), strays[below(sizeof strays)]);
        break;
    case 2:
        data.insert(below(data.size() + 1), char(random()));
        break;
    case 3:
        data.remove(below(data.size()), 1 + below(8));
        break;
    case 4:
        data.truncate(below(data.size() + 1));
        break;
    default:
        data[below(data.size())] = strays[below(sizeof strays)];
        break;
    }
}

} // namespace

TEST_F(IniFileRead, NamesCompareWithoutCaseOrSurroundingBlanks) {
    Write("[Numeric]\n  KeY = v1\n[C:\\Bilder\\Äpfel und Birnen.jpg]\n0=v2\n");
    EXPECT_EQ(Read(QStringLiteral("numeric"), QStringLiteral("key")), QStringLiteral("v1"));
    EXPECT_EQ(Read(QStringLiteral(" NUMERIC "), QStringLiteral(" kEy")), QStringLiteral("v1"));
    EXPECT_EQ(Read(QStringLiteral("c:\\bilder\\äpfel UND birnen.JPG"), QStringLiteral("0")), QStringLiteral("v2"));
}

TEST_F(IniFileRead, ValuesLoseBlanksAndOnePairOfMatchingQuotes) {
    Write("[s]\n"
          "lead=  3~ 4 (12 pieces)~Ann~75  \n"
          "double=\"x y\"\n"
          "single=  'x y'  \n"
          "inner=\" x \"\n"
          "twice=\"\"x\"\"\n"
          "mixed='x\"\n"
          "lone=\"\n"
          "emptyquotes=''\n"
          "empty=\n");
    const std::pair<const char*, const char*> expected[] = {
        {"lead", "3~ 4 (12 pieces)~Ann~75"},
        {"double", "x y"},
        {"single", "x y"},
        {"inner", " x "},
        {"twice", "\"x\""},
        {"mixed", "'x\""},
        {"lone", "\""},
        {"emptyquotes", ""},
        {"empty", ""},
    };
    for (const auto& [key, value] : expected)
        EXPECT_EQ(Read(QStringLiteral("s"), QLatin1String(key)), QString::fromUtf8(value)) << key;
}

TEST_F(IniFileRead, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("k")), QStringLiteral("0"));
    Write("top=before any section\n"
          "[s]\n"
          "; k=commented out\n"
          "k\n"
          "[other]\n"
          "k=elsewhere\n");
    EXPECT_EQ(Read(QStringLiteral("nope"), QStringLiteral("k")), QStringLiteral("0"));
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("none")), QStringLiteral("none"));
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("top")), QStringLiteral("0"));
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("; k")), QStringLiteral("0"));
    EXPECT_EQ(ReadProfileString(folder.filePath(QStringLiteral("no/such/folder.ini")), QStringLiteral("s"),
                                QStringLiteral("k"), QStringLiteral("d"), 9),
              QStringLiteral("d"));
}

TEST_F(IniFileRead, FirstMatchingSectionAndKeyWin) {
    Write("[s]\nk=first\nK=second\n[S]\nk=third\nnew=later\n");
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("k")), QStringLiteral("first"));
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("new")), QStringLiteral("0"));
}

TEST_F(IniFileRead, ResultsAndDefaultsAreCutToTheBuffer) {
    Write("[s]\nk=123456789\nsmile=ab\xF0\x9F\x98\x80z\n");
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("k"), {}, 5), QStringLiteral("1234"));
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("k"), {}, 10), QStringLiteral("123456789"));
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("missing"), QStringLiteral("default"), 4),
              QStringLiteral("def"));
    for (const int bufferSize : {1, 0, -5})
        EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d"), bufferSize), QString());
    // Three characters would split the emoji's surrogate pair: only "ab" is kept.
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("smile"), {}, 4), QStringLiteral("ab"));
}

TEST_F(IniFileRead, OtherLineBreaksAndByteOrderMarkAreUnderstood) {
    Write("\xEF\xBB\xBF[s]\r\nk=crlf\r\n[t]\rk=cr\r[u]\nk=last");
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("k")), QStringLiteral("crlf"));
    EXPECT_EQ(Read(QStringLiteral("t"), QStringLiteral("k")), QStringLiteral("cr"));
    EXPECT_EQ(Read(QStringLiteral("u"), QStringLiteral("k")), QStringLiteral("last"));
}

// Files written in the old single-byte code page read as Windows-1252; a
// rewrite turns the whole file into UTF-8, so old and new lines agree.
TEST_F(IniFileRead, FilesInTheOldCodePageReadAsWindows1252) {
    Write("[C:\\Bilder\\M\xFCnchen.jpg]\n0= 3~ 3~Ren\xE9~75\n1= 4~ 4~\x80uro~9\n");
    const QString section = QStringLiteral("C:\\Bilder\\München.jpg");
    EXPECT_EQ(Read(section, QStringLiteral("0")), QStringLiteral("3~ 3~René~75"));
    EXPECT_EQ(Read(section, QStringLiteral("1")), QStringLiteral("4~ 4~€uro~9"));
    ASSERT_TRUE(Set(section, QStringLiteral("2"), QStringLiteral("Zoë")));
    EXPECT_EQ(Bytes(), QStringLiteral("[C:\\Bilder\\München.jpg]\n0= 3~ 3~René~75\n1= 4~ 4~€uro~9\n2=Zoë\n").toUtf8());
    EXPECT_EQ(Read(section, QStringLiteral("0")), QStringLiteral("3~ 3~René~75"));
}

TEST_F(IniFileWrite, ReplacingChangesOnlyThatLine) {
    const QByteArray before = "; best times\n"
                              "[Numeric]\n"
                              "0=old\n"
                              "  Zero = keep\n"
                              "odd line\n"
                              "\n"
                              "[/home/ann/Bilder/Straße am Meer.jpg]\n"
                              "0= 5~ 9 (20 pieces)~Bo~120\n";
    Write(before);
    ASSERT_TRUE(Set(QStringLiteral("NUMERIC"), QStringLiteral("Zero"), QStringLiteral(" 3~ 4~Ann~75")));
    QByteArray expected = before;
    expected.replace("  Zero = keep", "Zero= 3~ 4~Ann~75");
    EXPECT_EQ(Bytes(), expected);
    EXPECT_EQ(Read(QStringLiteral("numeric"), QStringLiteral("zero")), QStringLiteral("3~ 4~Ann~75"));

    ASSERT_TRUE(Set(QStringLiteral("Numeric"), QStringLiteral("odd"), QStringLiteral("'quoted'")));
    EXPECT_EQ(Read(QStringLiteral("Numeric"), QStringLiteral("odd")), QStringLiteral("quoted"));
}

TEST_F(IniFileWrite, NewKeysGoAfterTheSectionsLastLine) {
    Write("[a]\nx=1\n; note\n\n\n[b]\nx=2\n");
    ASSERT_TRUE(Set(QStringLiteral("a"), QStringLiteral("y"), QStringLiteral("new")));
    EXPECT_EQ(Bytes(), QByteArray("[a]\nx=1\n; note\ny=new\n\n\n[b]\nx=2\n"));

    Write("[a]\r\n[b]\r\nx=2");
    ASSERT_TRUE(Set(QStringLiteral("a"), QStringLiteral("y"), QStringLiteral("1")));
    ASSERT_TRUE(Set(QStringLiteral("b"), QStringLiteral("y"), QStringLiteral("2")));
    EXPECT_EQ(Bytes(), QByteArray("[a]\r\ny=1\r\n[b]\r\nx=2\r\ny=2\r\n"));
}

TEST_F(IniFileWrite, MissingSectionsAreAddedAtTheEnd) {
    Write("\xEF\xBB\xBF; scores\n[a]\nx=1");
    ASSERT_TRUE(Set(QStringLiteral("C:\\Pics\\[old] pic.bmp"), QStringLiteral("0"), QStringLiteral("v")));
    EXPECT_EQ(Bytes(), QByteArray("\xEF\xBB\xBF; scores\n[a]\nx=1\n[C:\\Pics\\[old] pic.bmp]\n0=v\n"));
    EXPECT_EQ(Read(QStringLiteral("c:\\pics\\[OLD] pic.bmp"), QStringLiteral("0")), QStringLiteral("v"));
}

TEST_F(IniFileWrite, ScanningForTheFirstFreeKeyFindsWrittenEntries) {
    const QString section = QStringLiteral("/home/ann/pics/a b.jpg");
    auto firstFreeKey = [&] {
        int key = 0;
        while (!ReadProfileString(Path(), section, QString::number(key), QString(), 9).isEmpty()) ++key;
        return key;
    };
    for (int expected = 0; expected < 3; ++expected) {
        ASSERT_EQ(firstFreeKey(), expected);
        ASSERT_TRUE(Set(section, QString::number(expected), QStringLiteral(" 3~ 4 (12 pieces)~Ann~75")));
    }
    EXPECT_EQ(ReadProfileString(Path(), section, QStringLiteral("1"), QString(), 9), QStringLiteral("3~ 4 (12"));
}

TEST_F(IniFileWrite, DeletingKeysAndSections) {
    const QByteArray before = "[a]\nx=1\ny=2\n; a's comment\n[b]\nx=3\n[c]\nz=4\n";
    Write(before);
    ASSERT_TRUE(WriteProfileString(Path(), QStringLiteral("A"), QStringLiteral("X"), std::nullopt));
    EXPECT_EQ(Bytes(), QByteArray("[a]\ny=2\n; a's comment\n[b]\nx=3\n[c]\nz=4\n"));
    ASSERT_TRUE(WriteProfileString(Path(), QStringLiteral("a"), std::nullopt, std::nullopt));
    EXPECT_EQ(Bytes(), QByteArray("[b]\nx=3\n[c]\nz=4\n"));
    ASSERT_TRUE(WriteProfileString(Path(), QStringLiteral("c"), std::nullopt, std::nullopt));
    EXPECT_EQ(Bytes(), QByteArray("[b]\nx=3\n"));

    // Deleting what is not there changes nothing and creates nothing.
    EXPECT_TRUE(WriteProfileString(Path(), QStringLiteral("b"), QStringLiteral("gone"), std::nullopt));
    EXPECT_TRUE(WriteProfileString(Path(), QStringLiteral("gone"), std::nullopt, std::nullopt));
    EXPECT_EQ(Bytes(), QByteArray("[b]\nx=3\n"));
    EXPECT_TRUE(WriteProfileString(Path(QStringLiteral("new.ini")), QStringLiteral("b"), std::nullopt, std::nullopt));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("new.ini"))));
}

TEST_F(IniFileWrite, CreatesTheFileButNotItsFolderAndLeavesNoTemporaryFiles) {
    ASSERT_TRUE(Set(QStringLiteral("Numeric"), QStringLiteral("0"), QStringLiteral("v")));
    EXPECT_EQ(Bytes(), QByteArray("[Numeric]\n0=v\n"));
    EXPECT_FALSE(WriteProfileString(Path(QStringLiteral("missing/scores.ini")), QStringLiteral("s"),
                                    QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_FALSE(QDir(Path(QStringLiteral("missing"))).exists());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("scores.ini")});
}

// QString::fromUtf8 takes a leading U+FEFF for a byte-order mark and drops it.
TEST_F(IniFileWrite, AKeyThatBeginsWithAByteOrderMarkReadsBack) {
    const QString bomKey = QStringLiteral("\uFEFFkey");
    ASSERT_TRUE(Set(QStringLiteral("s"), QStringLiteral("key"), QStringLiteral("plain")));
    ASSERT_TRUE(Set(QStringLiteral("s"), bomKey, QStringLiteral("marked")));
    EXPECT_EQ(Read(QStringLiteral("s"), bomKey), QStringLiteral("marked"));
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("key")), QStringLiteral("plain"));
    ASSERT_TRUE(Set(QStringLiteral("s"), bomKey, QStringLiteral("again")));
    EXPECT_EQ(Bytes(), QByteArray("[s]\nkey=plain\n\xEF\xBB\xBFkey=again\n"));
}

TEST_F(IniFileWrite, ASectionIsReplacedWholeInPlace) {
    Write("[a]\r\nx=1\r\n[Pics]\r\n0=old\r\n; note\r\n2=gone\r\n\r\n[b]\r\ny=2\r\n");
    const QList<IniEntry> entries = {{QStringLiteral("0"), QStringLiteral(" 3~ 3~Bob~100")},
                                     {QStringLiteral("1"), QStringLiteral(" 4~ 4~Carol~200")}};
    ASSERT_TRUE(WriteProfileSection(Path(), QStringLiteral("pics"), entries));
    EXPECT_EQ(Bytes(),
              QByteArray("[a]\r\nx=1\r\n[pics]\r\n0= 3~ 3~Bob~100\r\n1= 4~ 4~Carol~200\r\n\r\n[b]\r\ny=2\r\n"));
    ASSERT_TRUE(WriteProfileSection(Path(), QStringLiteral("new"), entries.mid(1)));
    EXPECT_EQ(Read(QStringLiteral("new"), QStringLiteral("1")), QStringLiteral("4~ 4~Carol~200"));
    ASSERT_TRUE(WriteProfileSection(Path(), QStringLiteral("PICS"), {}));
    EXPECT_EQ(Read(QStringLiteral("pics"), QStringLiteral("0")), QStringLiteral("0")) << "no entries: no section";

    const QByteArray before = Bytes();
    EXPECT_FALSE(WriteProfileSection(
        Path(), QStringLiteral("new"),
        {{QStringLiteral("0"), QStringLiteral("ok")}, {QStringLiteral("1"), QStringLiteral("two\nlines")}}));
    EXPECT_EQ(Bytes(), before) << "one entry that cannot be written refuses them all";
}

TEST_F(IniFileWrite, UnreadableEntriesAreRefused) {
    Write("[s]\nk=1\n");
    EXPECT_FALSE(Set(QStringLiteral("s"), QStringLiteral("a=b"), QStringLiteral("v")));
    EXPECT_FALSE(Set(QStringLiteral("s"), QStringLiteral("; k"), QStringLiteral("v")));
    EXPECT_FALSE(Set(QStringLiteral("s"), QStringLiteral("[k"), QStringLiteral("v")));
    EXPECT_FALSE(Set(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("two\nlines")));
    EXPECT_FALSE(Set(QStringLiteral("s\r[t]"), QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_EQ(Bytes(), QByteArray("[s]\nk=1\n"));
}

TEST_F(IniFileDamage, OversizedFilesReadAsEmptyAndAreNotRewritten) {
    QByteArray huge = "[s]\nk=v\n";
    huge += QByteArray(4 * 1024 * 1024, 'x');
    Write(huge);
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("k")), QStringLiteral("0"));
    EXPECT_FALSE(Set(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("w")));
    EXPECT_EQ(Bytes().size(), huge.size());

    const QByteArray full = huge.left(4 * 1024 * 1024);
    Write(full); // exactly at the limit: still read, but no write may grow it
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("k")), QStringLiteral("v"));
    EXPECT_FALSE(Set(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("longer")));
    EXPECT_EQ(Bytes(), full);
    EXPECT_TRUE(Set(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("w")));
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("k")), QStringLiteral("w"));
}

TEST_F(IniFileDamage, GarbledLinesAreSkipped) {
    static const char garbled[] = "[broken\nk=no\n[s]\n\0\xFF\xFE=\x01\n[s\nk=yes\n";
    Write(QByteArray(garbled, sizeof garbled - 1) + QByteArray(100000, '[') + "\n");
    EXPECT_EQ(Read(QStringLiteral("broken"), QStringLiteral("k")), QStringLiteral("0"));
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("k")), QStringLiteral("yes"));
    EXPECT_TRUE(Set(QStringLiteral("s"), QStringLiteral("n"), QStringLiteral("1")));
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("n")), QStringLiteral("1"));
}

// Mutates a valid file over and over: reads must never fail, and whatever a
// successful write stores must read back.
TEST_F(IniFileDamage, MutatedFilesNeverBreakReadingOrWriting) {
    const QByteArray valid = "\xEF\xBB\xBF; Slidora\r\n"
                             "[Numeric]\r\n"
                             "0= 3~ 4 (12 pieces)~Ann~75\r\n"
                             "1='quoted'\n"
                             "[/home/ann/Bilder/Straße.jpg]\n"
                             "0=\"x\"\n";
    std::mt19937 random(20240517);
    QByteArray data = valid;
    // Few saves where they have to reach a disk.
    const int writeEvery = folder.path().startsWith(QStringLiteral("/dev/shm/")) ? 5 : 100;
    int attempts = 0;
    int written = 0;
    for (int round = 0; round < 3000; ++round) {
        if (round % 50 == 0) data = valid;
        Damage(data, random);
        if (data.isEmpty()) data = valid;
        Write(data);
        EXPECT_LE(Read(QStringLiteral("numeric"), QStringLiteral("0")).size(), 98);
        EXPECT_LE(Read(QStringLiteral("/home/ann/bilder/straße.jpg"), QStringLiteral("0"), {}, 9).size(), 8);
        if (round % writeEvery != 0) continue;
        ++attempts;
        if (Set(QStringLiteral("Numeric"), QStringLiteral("best"), QStringLiteral("12~Bo~99"))) {
            ++written;
            ASSERT_EQ(Read(QStringLiteral("Numeric"), QStringLiteral("best")), QStringLiteral("12~Bo~99")) << round;
        }
        ASSERT_TRUE(WriteProfileString(Path(), QStringLiteral("Numeric"), QStringLiteral("best"), std::nullopt));
        ASSERT_EQ(Read(QStringLiteral("Numeric"), QStringLiteral("best")), QStringLiteral("0")) << round;
    }
    // Damage is no reason to refuse: only oversized or unreadable files are left alone.
    EXPECT_EQ(written, attempts);
}
