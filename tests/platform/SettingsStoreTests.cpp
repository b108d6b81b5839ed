// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

// Where argument-dependent lookup finds it, for GoogleTest messages.
static void PrintTo(const StoredValue& value, std::ostream* out) {
    *out << "{kind " << int(value.kind) << ", " << value.integer << ", \"" << value.text.toStdString() << "\"}";
}

namespace {

using Kind = StoredValue::Kind;
using Values = QMap<QString, StoredValue>;

StoredValue Integer(uint32_t value) { return {Kind::Integer, value, {}}; }
StoredValue Text(const QString& text) { return {Kind::Text, 0, text}; }
StoredValue Other(const QString& form) { return {Kind::Other, 0, form}; }

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// "C:\x" as an expandable string, UTF-16LE with its terminator, over two lines.
const char* const ExpandableLines = "\"Dir\"=hex(2):43,00,3a,00,5c,00,\\\r\n  78,00,00,00\r\n";

class SettingsStoreFile : public testing::Test {
protected:
    QString Path(const QString& name = QStringLiteral("Vantrel/Slidora.reg")) const { return folder.filePath(name); }
    QString KeyFolder() const { return Path(QStringLiteral("Vantrel")); }

    void WriteFile(const QByteArray& bytes) {
        QDir().mkpath(KeyFolder());
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray ReadFile() const {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList FolderEntries() const {
        return QDir(KeyFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(SettingsStoreFile, WrittenValuesReadBackAfterReopening) {
    const Values written = {
        {QStringLiteral("Level"), Integer(0)},
        {QStringLiteral("level"), Integer(0xFFFFFFFF)},
        {QStringLiteral("Quote"), Text(Utf8("say \"hi\""))},
        {QStringLiteral("Slash"), Text(Utf8("C:\\dir\\"))},
        {QStringLiteral("Both"), Text(Utf8("\\\"\\\\\""))},
        {QStringLiteral("Accents"), Text(Utf8("Ünïcödé — 日本語 🧩"))},
        {QStringLiteral("Empty"), Text(QString())},
        {QStringLiteral("Lines"), Text(Utf8("one\ntwo\r\nthree"))},
        {Utf8("we\"ird\\Größe"), Text(Utf8("odd name"))},
        {QString(), Text(Utf8("the unnamed value"))},
        {QStringLiteral("\uFEFFMarked"), Text(QStringLiteral("\uFEFFmarked text"))}, // not byte-order marks
    };
    RegFileStore store(Path());
    ASSERT_TRUE(store.Open());
    store.WriteText(QStringLiteral("Level"), QStringLiteral("a text first")); // the type changes on rewrite
    for (auto it = written.begin(); it != written.end(); ++it) {
        if (it->kind == Kind::Integer)
            store.WriteInteger(it.key(), it->integer);
        else
            store.WriteText(it.key(), it->text);
    }
    EXPECT_EQ(store.Read(QStringLiteral("Level")), Integer(0));
    ASSERT_TRUE(store.Close());

    RegFileStore reopened(Path());
    ASSERT_TRUE(reopened.Open());
    for (auto it = written.begin(); it != written.end(); ++it)
        EXPECT_EQ(reopened.Read(it.key()), it.value()) << it.key().toStdString();
    EXPECT_EQ(reopened.Read(QStringLiteral("LEVEL")).kind, Kind::Missing);
    EXPECT_EQ(reopened.Read(QStringLiteral("Nothing")).kind, Kind::Missing);
    EXPECT_EQ(RegFileStore::Parse(ReadFile()), written);
    EXPECT_TRUE(reopened.Close());
}

TEST_F(SettingsStoreFile, SavesInTheExactFormat) {
    RegFileStore store(Path());
    ASSERT_TRUE(store.Open());
    store.WriteText(QStringLiteral("Path"), Utf8("C:\\games\\a \"b\".mid"));
    store.WriteInteger(QStringLiteral("Level"), 3);
    store.WriteText(QStringLiteral("FontName"), QStringLiteral("Arial"));
    ASSERT_TRUE(store.Close());
    EXPECT_EQ(ReadFile(), QByteArray("REGEDIT4\n"
                                     "\n"
                                     "[HKEY_CURRENT_USER\\Software\\Vantrel\\Slidora]\n"
                                     "\"FontName\"=\"Arial\"\n"
                                     "\"Level\"=dword:00000003\n"
                                     "\"Path\"=\"C:\\\\games\\\\a \\\"b\\\".mid\"\n"
                                     "\n"));
}

TEST(SettingsStoreFormat, WritesEveryKindAndSkipsWhatHasNoForm) {
    const Values values = {
        {QString(), Text(QStringLiteral("d"))},
        {QStringLiteral("Blob"), Other(QStringLiteral("hex:01,ff"))},
        {QStringLiteral("Big"), Integer(0xDEADBEEF)},
        {QStringLiteral("Gone"), StoredValue{}},
        {QStringLiteral("Junk"), Other(QStringLiteral("not a hex form"))},
        {QStringLiteral("Lines"), Text(QStringLiteral("a\nb"))},
        {QStringLiteral("Broken\nName"), Integer(1)},
    };
    EXPECT_EQ(RegFileStore::Format(values), QByteArray("REGEDIT4\n"
                                                       "\n"
                                                       "[HKEY_CURRENT_USER\\Software\\Vantrel\\Slidora]\n"
                                                       "@=\"d\"\n"
                                                       "\"Big\"=dword:deadbeef\n"
                                                       "\"Blob\"=hex:01,ff\n"
                                                       "\"Lines\"=hex(2):61,00,0a,00,62,00,00,00\n"
                                                       "\n"));
}

TEST(SettingsStoreParse, ReadsHandWrittenFiles) {
    const QByteArray file = QByteArray("\xEF\xBB\xBFREGEDIT4\r\n"
                                       "\r\n"
                                       "; written by hand\r\n"
                                       "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
                                       "\"Level\"=dword:00000063\r\n"
                                       "\"Stray\"=\"elsewhere\"\r\n"
                                       "\r\n"
                                       "[hkey_current_user\\software\\vantrel\\slidora]\r\n"
                                       "\"Level\"=dword:A\r\n"
                                       "\"level\"=dword:1\r\n"
                                       "\"Mask\"=DWORD:00ABcdef\r\n"
                                       "\"Say \\\"hi\\\" \\\\ there\"=\"x\"\r\n") +
                            ExpandableLines +
                            "\"Blob\"=hex:de,AD,be,ef\r\n"
                            "\"List\"=hex(7):61,00,00,00,00,00\r\n"
                            "\"Wide\"=hex(b):01,00,00,00,00,00,00,00\r\n"
                            "\"NoBytes\"=hex:\r\n"
                            "\"NoText\"=hex(2):\r\n"
                            "\"Lone\"=hex(2):41,00,00,d8,00,00\r\n"
                            "\"Twice\"=\"first\"\r\n"
                            "\"Twice\"=\"second\"\r\n"
                            "  \"Spaced\" = \"ok\"  \r\n"
                            "@=\"unnamed\"\r\n";
    const Values expected = {
        {QStringLiteral("Level"), Integer(10)},
        {QStringLiteral("level"), Integer(1)},
        {QStringLiteral("Mask"), Integer(0xABCDEF)},
        {Utf8("Say \"hi\" \\ there"), Text(QStringLiteral("x"))},
        {QStringLiteral("Dir"), Text(Utf8("C:\\x"))},
        {QStringLiteral("Blob"), Other(QStringLiteral("hex:de,ad,be,ef"))},
        {QStringLiteral("List"), Other(QStringLiteral("hex(7):61,00,00,00,00,00"))},
        {QStringLiteral("Wide"), Other(QStringLiteral("hex(b):01,00,00,00,00,00,00,00"))},
        {QStringLiteral("NoBytes"), Other(QStringLiteral("hex:"))},
        {QStringLiteral("NoText"), Text(QString())},
        {QStringLiteral("Lone"), Text(QStringLiteral("A\uFFFD"))}, // an unpaired surrogate has no UTF-8 form
        {QStringLiteral("Twice"), Text(QStringLiteral("second"))},
        {QStringLiteral("Spaced"), Text(QStringLiteral("ok"))},
        {QString(), Text(QStringLiteral("unnamed"))},
    };
    EXPECT_EQ(RegFileStore::Parse(file), expected);

    // Without any key line the values are ours; after another key they are not.
    EXPECT_EQ(RegFileStore::Parse("\xEF\xBB\xBF\"A\"=dword:1\n[HKEY_CURRENT_USER\\Software\\Other]\n\"B\"=dword:2\n"),
              (Values{{QStringLiteral("A"), Integer(1)}}));
}

TEST(SettingsStoreParse, BadLinesAreMissingAndLeaveTheNextLineAlone) {
    const QByteArray badLines[] = {
        "\"Bad=dword:1",
        "\"Bad\"=dword:",
        "\"Bad\"=dword:123456789",
        "\"Bad\"=dword:12g4",
        "\"Bad\"=dword:0x12",
        "\"Bad\"=dword: 12",
        "\"Bad\"=dword:-1",
        QByteArray("\"Bad\"=dword:1\0", 15),
        "\"Bad\"=\"unterminated",
        "\"Bad\"=\"ends in an escape\\\"",
        "\"Bad\"=\"a\" trailing",
        "\"Bad\"=unquoted",
        "\"Bad\"",
        "\"Bad\"=-",
        "\"Bad\"=hex(2):4g,00",
        "\"Bad\"=hex(2):123,00",
        "\"Bad\"=hex(zz):00",
        "\"Bad\"=hex(2:41,00",
        "\"Bad\"=hex 01",
        "\"Bad\"=hex:01,,02",
        "\"Bad\"=hex:01,02,",
        "Bad=dword:1",
        "=dword:1",
        "[HKEY_CURRENT_USER\\Software\\Vantrel\\Slidora",
    };
    QByteArray file = "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Vantrel\\Slidora]\n";
    Values expected;
    for (size_t i = 0; i < std::size(badLines); ++i) {
        const QString good = QStringLiteral("Good%1").arg(i);
        file += badLines[i] + "\n\"" + good.toUtf8() + "\"=dword:" + QByteArray::number(uint(i), 16) + "\n";
        expected.insert(good, Integer(uint32_t(i)));
    }
    EXPECT_EQ(RegFileStore::Parse(file), expected);
}

TEST_F(SettingsStoreFile, ValuesTheProgramDoesNotKnowSurviveASave) {
    WriteFile(QByteArray("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Vantrel\\Slidora]\r\n"
                         "\"Level\"=dword:3\r\n"
                         "\"Future\"=\"keep me\"\r\n"
                         "\"Blob\"=hex:01,02,FF\r\n"
                         "\"Multi\"=hex(7):61,00,00,00,00,00\r\n") +
              ExpandableLines);
    RegFileStore store(Path());
    ASSERT_TRUE(store.Open());
    store.WriteInteger(QStringLiteral("Level"), 4);
    ASSERT_TRUE(store.Close());

    const Values expected = {
        {QStringLiteral("Level"), Integer(4)},
        {QStringLiteral("Future"), Text(QStringLiteral("keep me"))},
        {QStringLiteral("Blob"), Other(QStringLiteral("hex:01,02,ff"))},
        {QStringLiteral("Multi"), Other(QStringLiteral("hex(7):61,00,00,00,00,00"))},
        {QStringLiteral("Dir"), Text(Utf8("C:\\x"))},
    };
    EXPECT_EQ(RegFileStore::Parse(ReadFile()), expected);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(store.Read(QStringLiteral("Blob")), expected[QStringLiteral("Blob")]);
}

TEST_F(SettingsStoreFile, SavesOnlyWhenChangedAndLeavesNoTemporaryFiles) {
    RegFileStore store(Path());
    ASSERT_TRUE(store.Open());
    EXPECT_TRUE(QDir(KeyFolder()).exists()); // opening creates the key
    ASSERT_TRUE(store.Close());
    EXPECT_FALSE(QFile::exists(Path()));

    const QByteArray handWritten = "REGEDIT4\r\n\"Level\"=dword:7\r\n";
    WriteFile(handWritten);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(store.Read(QStringLiteral("Level")), Integer(7));
    ASSERT_TRUE(store.Close());
    EXPECT_EQ(ReadFile(), handWritten);

    for (uint32_t round = 1; round <= 3; ++round) {
        ASSERT_TRUE(store.Open());
        store.WriteInteger(QStringLiteral("Round"), round);
        ASSERT_TRUE(store.Close());
        EXPECT_EQ(store.Read(QStringLiteral("Round")), Integer(round)); // still readable after closing
    }
    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("Slidora.reg")});
    EXPECT_EQ(RegFileStore::Parse(ReadFile()).value(QStringLiteral("Round")), Integer(3));

    // A write outside Open and Close is not saved, and Close says so.
    store.WriteInteger(QStringLiteral("Round"), 9);
    EXPECT_FALSE(store.Close());
    EXPECT_EQ(RegFileStore::Parse(ReadFile()).value(QStringLiteral("Round")), Integer(3));
}

// Reading only takes no lock: another copy saves meanwhile, and what the
// reader writes, nested opens included, is not saved.
TEST_F(SettingsStoreFile, OpenToReadLetsAnotherCopySaveAndSavesNothing) {
    WriteFile("REGEDIT4\r\n\"Level\"=dword:7\r\n");
    RegFileStore store(Path()), other(Path());
    ASSERT_TRUE(store.OpenToRead());
    EXPECT_EQ(store.Read(QStringLiteral("Level")), Integer(7));
    ASSERT_TRUE(other.Open());
    other.WriteInteger(QStringLiteral("Level"), 2);
    EXPECT_TRUE(other.Close()) << "no copy waits for a reader";
    ASSERT_TRUE(store.Open());
    store.WriteInteger(QStringLiteral("Level"), 1);
    EXPECT_TRUE(store.Close());
    EXPECT_FALSE(store.Close()) << "the write was not saved";
    EXPECT_EQ(RegFileStore::Parse(ReadFile()).value(QStringLiteral("Level")), Integer(2));
    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("Slidora.reg")});
}

TEST_F(SettingsStoreFile, FailedSavesReportFalse) {
    RegFileStore store(Path());
    ASSERT_TRUE(store.Open());
    store.WriteInteger(QStringLiteral("Level"), 1);
    ASSERT_TRUE(QDir(KeyFolder()).removeRecursively());
    EXPECT_FALSE(store.Close());

    ASSERT_TRUE(store.Open());
    store.WriteInteger(QStringLiteral("Level"), 2);
    ASSERT_TRUE(QDir().mkpath(Path())); // a folder where the file goes
    EXPECT_FALSE(store.Close());
    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("Slidora.reg")});
    EXPECT_TRUE(QFileInfo(Path()).isDir());
}

TEST_F(SettingsStoreFile, OpenFailsOnlyWhenTheKeyCannotBeMadeOrRead) {
    QFile blocker(Path(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RegFileStore blocked(Path(QStringLiteral("blocker/Vantrel/Slidora.reg")));
    EXPECT_FALSE(blocked.Open());

    ASSERT_TRUE(QDir().mkpath(Path()));
    RegFileStore directory(Path());
    EXPECT_FALSE(directory.Open());
    ASSERT_TRUE(QDir(Path()).removeRecursively());

    // Of an oversized file the whole lines within the limit are read, and
    // a save keeps them; what lies beyond is dropped.
    QByteArray huge = "REGEDIT4\n\"Level\"=dword:5\n\"Color\"=dword:7";
    huge += QByteArray((4 << 20) - huge.size(), ';') + "\n\"NumX\"=dword:9\n";
    WriteFile(huge);
    RegFileStore oversized(Path());
    ASSERT_TRUE(oversized.Open());
    EXPECT_EQ(oversized.Read(QStringLiteral("Level")), Integer(5));
    EXPECT_EQ(oversized.Read(QStringLiteral("Color")).kind, Kind::Missing) << "its line runs past the limit";
    oversized.WriteInteger(QStringLiteral("NumY"), 4);
    ASSERT_TRUE(oversized.Close());
    ASSERT_TRUE(oversized.Open());
    EXPECT_EQ(oversized.Read(QStringLiteral("Level")), Integer(5));
    EXPECT_EQ(oversized.Read(QStringLiteral("NumY")), Integer(4));
    EXPECT_EQ(oversized.Read(QStringLiteral("NumX")).kind, Kind::Missing);
    oversized.Close();

    // A file that cannot be read (this one fails every read, whoever
    // asks) is never opened for a save in this run.
    RegFileStore unreadable(QStringLiteral("/proc/self/mem"));
    EXPECT_FALSE(unreadable.Open());
    EXPECT_TRUE(unreadable.Unreadable());
    EXPECT_FALSE(unreadable.Open());
}

TEST(SettingsStorePath, DefaultPathFollowsXdgConfigHome) {
    struct Restore {
        bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        ~Restore() { wasSet ? qputenv("XDG_CONFIG_HOME", saved) : qunsetenv("XDG_CONFIG_HOME"); }
    } restore;
    const QString fallback = QDir::homePath() + QStringLiteral("/.config/Vantrel/Slidora.reg");

    qputenv("XDG_CONFIG_HOME", "/tmp/settings here");
    EXPECT_EQ(RegFileStore::DefaultPath(), QStringLiteral("/tmp/settings here/Vantrel/Slidora.reg"));
    qputenv("XDG_CONFIG_HOME", "");
    EXPECT_EQ(RegFileStore::DefaultPath(), fallback);
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(RegFileStore::DefaultPath(), fallback);
}

namespace {

QByteArray Mutated(QByteArray text, std::mt19937& random) {
    static const QByteArray fragments[] = {
        "\"",   "\\", "\\\\", "hex(2):",      "hex:",     ",\\\n", QByteArray(1, '\0'), "=", "dword:",
        "\r\n", "[",  "]",    "\xEF\xBB\xBF", "\xFF\xFE", "@="};
    auto at = [&](qsizetype size) { return qsizetype(random() % uint32_t(size + 1)); };
    switch (random() % 6) {
    case 0:
        if (!text.isEmpty()) text[at(text.size() - 1)] ^= char(1 << (random() % 8));
        break;
    case 1:
        text.insert(at(text.size()), char(random()));
        break;
    case 2:
        if (!text.isEmpty()) text.remove(at(text.size() - 1), 1 + random() % 4);
        break;
    case 3:
        text.truncate(at(text.size()));
        break;
    case 4: {
        const QList<QByteArray> lines = text.split('\n');
        text.insert(at(text.size()), lines[random() % lines.size()] + '\n');
        break;
    }
    default:
        text.insert(at(text.size()), fragments[random() % std::size(fragments)]);
    }
    return text;
}

bool Sane(const StoredValue& value) {
    switch (value.kind) {
    case Kind::Integer:
        return value.text.isEmpty();
    case Kind::Text:
        return !value.text.contains(QChar(0));
    case Kind::Other:
        return value.text.startsWith(QStringLiteral("hex"));
    case Kind::Missing:
        return false;
    }
    return false;
}

} // namespace

TEST(SettingsStoreParse, SurvivesThousandsOfMutatedFiles) {
    const QByteArray valid = QByteArray("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Vantrel\\Slidora]\r\n"
                                        "\"Level\"=dword:00000003\r\n"
                                        "\"FontName\"=\"Arial\"\r\n"
                                        "\"Path\"=\"C:\\\\games\\\\a \\\"b\\\".mid\"\r\n"
                                        "\"Blob\"=hex:01,02,ff\r\n"
                                        "; a comment\r\n") +
                             ExpandableLines + "\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"Level\"=dword:9\r\n";
    std::mt19937 random(20240611);
    for (int round = 0; round < 4000; ++round) {
        QByteArray text = valid;
        for (int count = 1 + random() % 6; count > 0; --count) text = Mutated(text, random);
        const Values values = RegFileStore::Parse(text);
        for (auto it = values.begin(); it != values.end(); ++it)
            ASSERT_TRUE(Sane(it.value())) << "round " << round << ": " << it.key().toStdString();
        ASSERT_EQ(RegFileStore::Parse(RegFileStore::Format(values)), values) << "round " << round;
    }
}

TEST(SettingsStoreParse, HugeAndBinaryInputsReadCleanly) {
    std::mt19937 random(7);
    QByteArray binary(1 << 20, '\0');
    for (char& byte : binary) byte = char(random());
    const QByteArray longText = "\"a\"=\"" + QByteArray(1 << 20, '\\') + "\"";
    const QByteArray longBinary = "\"b\"=hex:" + QByteArray("00,").repeated(1 << 18) + "00";
    const QByteArray longChain = "\"c\"=hex(2):" + QByteArray("41,00,\\\n").repeated(1 << 17) + "00,00";
    const QByteArray unclosed = "\"" + QByteArray("\\\"").repeated(1 << 19);

    RegFileStore::Parse(binary);
    RegFileStore::Parse(QByteArray(1 << 21, '\n'));
    RegFileStore::Parse(unclosed);
    const Values values = RegFileStore::Parse(longText + "\n" + longBinary + "\n" + longChain + "\n");

    EXPECT_EQ(values.value(QStringLiteral("a")), Text(QString(1 << 19, QLatin1Char('\\'))));
    EXPECT_EQ(values.value(QStringLiteral("b")).kind, Kind::Other);
    EXPECT_EQ(values.value(QStringLiteral("c")), Text(QString(1 << 17, QLatin1Char('A'))));
}
