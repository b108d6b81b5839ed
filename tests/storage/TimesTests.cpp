// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "fakes/FileSizeLimit.h"
#include "fakes/TestWindow.h"
#include "platform/ElidedLabel.h"
#include "platform/IniFile.h"
#include "platform/SettingsStore.h"
#include "storage/Times.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QLabel>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// A key's value as the file holds it, leading blank included (reading
// through the profile functions drops it); "-" when there is none.
QString Written(const QString& fileName, const QString& key) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("-");
    const QByteArray start = key.toUtf8() + '=';
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith(start)) return QString::fromUtf8(line.mid(start.size()));
    return QStringLiteral("-");
}

// A list of its own in a fresh "Scores" folder.
class Times : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Scores")));
        times.SelectList(Folder(), QStringLiteral("/pictures/sunset.jpg"), 2);
    }
    QString Folder() const { return folder.path() + QLatin1Char('/'); }
    void Put(const QString& key, const QString& value) {
        ASSERT_TRUE(WriteProfileString(times.ListFileName, *times.SectionName, key, value));
    }
    QString Get(const QString& key) { return Written(times.ListFileName, key); }
    QStringList Row(int i) {
        const QTreeWidgetItem* item = times.ListView->topLevelItem(i);
        return item ? QStringList{item->text(0), item->text(1), item->text(2)} : QStringList{};
    }

    QTemporaryDir folder;
    TFormTimes times{nullptr};
};

} // namespace

TEST(TimesText, TimesAndGridsReadBackAsWritten) {
    EXPECT_EQ(TFormTimes::FormatTime(0), QStringLiteral("00:00:00"));
    EXPECT_EQ(TFormTimes::FormatTime(75), QStringLiteral("00:01:15"));
    EXPECT_EQ(TFormTimes::FormatTime(360000), QStringLiteral("100:00:00"));
    for (const int s : {0, 59, 3599, 3600, 86399, 360001})
        EXPECT_EQ(TFormTimes::ParseTime(TFormTimes::FormatTime(s)), s);
    int rows = 0, columns = 0;
    TFormTimes::ParseGrid(QStringLiteral(" 3 x  4 (12 pieces)\tAnn\t00:01:15"), rows, columns);
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(columns, 4);
    TFormTimes::ParseGrid(QStringLiteral("12 x 20"), rows, columns);
    EXPECT_EQ(rows, 12);
    EXPECT_EQ(columns, 20);
    TFormTimes::ParseGrid(QStringLiteral(" 5 no cross"), rows, columns);
    EXPECT_EQ(columns, 0);
    TFormTimes::ParseGrid(QStringLiteral(" 5 x"), rows, columns);
    EXPECT_EQ(columns, 0);
}

TEST_F(Times, FilesGoByLevelAndTheFirstLetterOfThePicture) {
    EXPECT_EQ(times.ListFileName, Folder() + QStringLiteral("Scores/Scores2s.ini"));
    EXPECT_EQ(times.LabelLevel->text(), QStringLiteral("Intermediate"));
    times.SelectList(Folder(), QStringLiteral("/other/Sea.bmp"), 2);
    EXPECT_EQ(times.ListFileName, Folder() + QStringLiteral("Scores/Scores2s.ini")) << "\"S\" and \"s\" share a file";
    times.SelectList(Folder(), QStringLiteral("C:\\Pictures\\tree.jpg"), 3);
    EXPECT_EQ(times.ListFileName, Folder() + QStringLiteral("Scores/Scores3t.ini"));
    times.SelectList(Folder(), QStringLiteral("Numeric"), 1);
    EXPECT_EQ(times.ListFileName, Folder() + QStringLiteral("Scores/Scores1.ini"));
    EXPECT_EQ(times.SectionName, QStringLiteral("Numeric"));
    EXPECT_EQ(times.LabelLevel->text(), QStringLiteral("Beginner"));
}

TEST_F(Times, BothStoredFormsDisplayAlike) {
    Put(QStringLiteral("0"), QStringLiteral(" 3~ 4 (12 pieces)~Ann~75"));
    Put(QStringLiteral("1"), QStringLiteral(" 3~ 4~Ann~75"));
    Put(QStringLiteral("2"), QStringLiteral("3~4~Bob~90"));
    const QString expected = QStringLiteral(" 3 x  4 (12 pieces)\tAnn\t00:01:15");
    EXPECT_EQ(times.ReadEntry(0), expected);
    EXPECT_EQ(times.ReadEntry(1), expected);
    EXPECT_EQ(times.ReadEntry(2), QStringLiteral(" 3 x  4 (12 pieces)\tBob\t00:01:30"));
    EXPECT_EQ(times.ReadEntry(3), std::nullopt);
}

TEST_F(Times, OddValuesDisplaySomethingAndNeverFail) {
    const QString odd[] = {QStringLiteral("abcd"), QStringLiteral("~~~~"),
                           QStringLiteral("1~23"), QStringLiteral(" 9~99999999999999999999~x~99999999999999"),
                           QStringLiteral("xxx~"), QString(98, QLatin1Char('~'))};
    for (const QString& value : odd) {
        Put(QStringLiteral("0"), value);
        EXPECT_TRUE(times.ReadEntry(0).has_value()) << value.toStdString();
        times.FormShow();
        times.IsBestTime(4, 3, 10);
    }
    Put(QStringLiteral("0"), QStringLiteral("abc"));
    EXPECT_EQ(times.ReadEntry(0), std::nullopt) << "fewer than 4 characters is no entry";
}

TEST_F(Times, ATieIsNoBestTimeAndOneSecondFasterReplacesTheEntry) {
    EXPECT_TRUE(times.IsBestTime(4, 3, 500)) << "an empty list takes any time";
    times.StoreTime(4, 3, QStringLiteral("Ann"), 75);
    EXPECT_EQ(Get(QStringLiteral("0")), QStringLiteral(" 3~ 4 (12 pieces)~Ann~75"));
    EXPECT_FALSE(times.IsBestTime(4, 3, 75));
    times.StoreTime(4, 3, QStringLiteral("Cid"), 75);
    EXPECT_EQ(Get(QStringLiteral("0")), QStringLiteral(" 3~ 4 (12 pieces)~Ann~75"));
    EXPECT_TRUE(times.IsBestTime(4, 3, 74));
    times.StoreTime(4, 3, QStringLiteral("Bob"), 74);
    EXPECT_EQ(Get(QStringLiteral("0")), QStringLiteral(" 3~ 4 (12 pieces)~Bob~74"));
    EXPECT_EQ(Get(QStringLiteral("1")), QStringLiteral("-"));
    EXPECT_TRUE(times.IsBestTime(3, 4, 500)) << "4 rows of 3 is another grid";
    Put(QStringLiteral("0"), QStringLiteral(" 3~ 4~Zed~0"));
    EXPECT_TRUE(times.IsBestTime(4, 3, 9999)) << "a time of 0 is always beaten";
}

TEST_F(Times, AGapEndsTheListAndTheNextGridFillsIt) {
    Put(QStringLiteral("0"), QStringLiteral(" 3~ 3~Ann~50"));
    Put(QStringLiteral("2"), QStringLiteral(" 4~ 4~Bob~60"));
    EXPECT_TRUE(times.IsBestTime(4, 4, 100)) << "the entry behind the gap is not searched";
    times.FormShow();
    EXPECT_EQ(times.ListView->topLevelItemCount(), 1);
    times.StoreTime(5, 5, QStringLiteral("Cid"), 70);
    EXPECT_EQ(Get(QStringLiteral("1")), QStringLiteral(" 5~ 5 (25 pieces)~Cid~70"));
    EXPECT_EQ(Get(QStringLiteral("2")), QStringLiteral(" 4~ 4~Bob~60"));
}

// OK writes nothing unless a name was changed: entries the list does not
// show (a bad one, one behind a gap) and times another copy of the game
// stored while the list was open all stay.
TEST_F(Times, OkWritesOnlyTheChangedNamesIntoTheFileAsItIsNow) {
    Put(QStringLiteral("0"), QStringLiteral("bad entry"));
    Put(QStringLiteral("1"), QStringLiteral(" 3~ 3 (9 pieces)~Bob~100"));
    Put(QStringLiteral("2"), QStringLiteral(" 4~ 4 (16 pieces)~Carol~200"));
    Put(QStringLiteral("4"), QStringLiteral(" 6~ 6~Behind the gap~600"));
    times.FormShow();
    ASSERT_EQ(times.ListView->topLevelItemCount(), 3);
    const QByteArray before = ReadProfileFile(times.ListFileName);
    EXPECT_TRUE(times.BitBtn1Click());
    EXPECT_EQ(ReadProfileFile(times.ListFileName), before) << "nothing changed, nothing written";

    TFormTimes other(nullptr); // another copy stores a time while the list is open
    other.SelectList(Folder(), times.SectionName, 2);
    ASSERT_TRUE(other.StoreTime(5, 5, QStringLiteral("Dan"), 70));
    ASSERT_TRUE(other.StoreTime(4, 4, QStringLiteral("Eve"), 150));
    times.ListView->topLevelItem(1)->setText(1, QStringLiteral("Bobby")); // 3 x 3
    times.ListView->topLevelItem(2)->setText(1, QStringLiteral("Caroline")); // 4 x 4, beaten meanwhile
    EXPECT_TRUE(times.BitBtn1Click());
    EXPECT_EQ(Get(QStringLiteral("0")), QStringLiteral("bad entry"));
    EXPECT_EQ(Get(QStringLiteral("1")), QStringLiteral(" 3~ 3~Bobby~100"));
    EXPECT_EQ(Get(QStringLiteral("2")), QStringLiteral(" 4~ 4 (16 pieces)~Eve~150")) << "not renamed: another time";
    EXPECT_EQ(Get(QStringLiteral("3")), QStringLiteral(" 5~ 5 (25 pieces)~Dan~70"));
    EXPECT_EQ(Get(QStringLiteral("4")), QStringLiteral(" 6~ 6~Behind the gap~600"));
}

// Names are edited in their own column (on a double-click or F2), and no
// longer than an entry can hold.
TEST_F(Times, OnlyTheNameColumnCanBeEdited) {
    Put(QStringLiteral("0"), QStringLiteral(" 3~ 3~Ann~50"));
    times.FormShow();
    ASSERT_TRUE(times.ListView->topLevelItem(0)->flags() & Qt::ItemIsEditable);
    const QAbstractItemModel* model = times.ListView->model();
    for (int column : {0, 1, 2}) {
        std::unique_ptr<QWidget> editor(
            times.ListView->itemDelegate()->createEditor(times.ListView, {}, model->index(0, column)));
        auto* line = qobject_cast<QLineEdit*>(editor.get());
        EXPECT_EQ(line != nullptr, column == 1) << column;
        if (line) {
            EXPECT_LT(line->maxLength(), MaxEntryLength);
        }
    }
}

// A short entry no longer ends the list: reading and storing agree on
// where it ends, so the stored time is listed and counts.
TEST_F(Times, AShortEntryIsPassedOverAndTheNewTimeIsListed) {
    Put(QStringLiteral("0"), QStringLiteral("ab"));
    Put(QStringLiteral("1"), QStringLiteral(" 4~ 4~Dan~90"));
    EXPECT_FALSE(times.IsBestTime(4, 4, 95)) << "the entry after the short one is searched";
    ASSERT_TRUE(times.StoreTime(3, 3, QStringLiteral("Ann"), 50));
    EXPECT_EQ(Get(QStringLiteral("2")), QStringLiteral(" 3~ 3 (9 pieces)~Ann~50"));
    EXPECT_FALSE(times.IsBestTime(3, 3, 50));
    times.FormShow();
    ASSERT_EQ(times.ListView->topLevelItemCount(), 2);
    EXPECT_EQ(Row(0)[1], QStringLiteral("Ann"));
}

// The changes are one write: when it fails, the list stays as it was.
TEST_F(Times, AnOkThatCannotBeWrittenKeepsTheList) {
    Put(QStringLiteral("0"), QStringLiteral(" 4~ 4~Dan~200"));
    Put(QStringLiteral("1"), QStringLiteral(" 3~ 3~Eve~100"));
    const QByteArray before = ReadProfileFile(times.ListFileName);
    times.FormShow();
    times.ListView->topLevelItem(0)->setText(1, QStringLiteral("Evelyn"));
    times.ListView->topLevelItem(1)->setText(1, QStringLiteral("Daniel"));
    bool written = true;
    {
        const FileSizeLimit fullDisk(16);
        written = times.BitBtn1Click();
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadProfileFile(times.ListFileName), before);
}

TEST_F(Times, TheListSortsByRowsThenColumns) {
    Put(QStringLiteral("0"), QStringLiteral(" 4~ 4~Dan~200"));
    Put(QStringLiteral("1"), QStringLiteral("10~ 3~Eve~300"));
    Put(QStringLiteral("2"), QStringLiteral(" 3~ 5~Fay~100"));
    Put(QStringLiteral("3"), QStringLiteral(" 3~ 3~Gus~3725"));
    times.FormShow();
    ASSERT_EQ(times.ListView->topLevelItemCount(), 4);
    EXPECT_EQ(Row(0),
              (QStringList{QStringLiteral(" 3 x  3 (9 pieces)"), QStringLiteral("Gus"), QStringLiteral("01:02:05")}));
    EXPECT_EQ(Row(1)[0], QStringLiteral(" 3 x  5 (15 pieces)"));
    EXPECT_EQ(Row(2)[0], QStringLiteral(" 4 x  4 (16 pieces)"));
    EXPECT_EQ(Row(3)[0], QStringLiteral("10 x  3 (30 pieces)"));
    EXPECT_EQ(times.LabelFileName->text(), QStringLiteral("/pictures/sunset.jpg"));
    EXPECT_EQ(times.LabelFileName->x(), times.LabelTitle->x() + times.LabelTitle->width() + 10);
}

TEST_F(Times, NamesAreStoredAsTypedButSafeForTheFile) {
    times.StoreTime(3, 3, QStringLiteral("A~B %1"), 40);
    times.FormShow();
    EXPECT_EQ(Row(0)[1], QStringLiteral("A~B %1"));
    EXPECT_EQ(Row(0)[2], QStringLiteral("00:00:40"));
    times.ListView->topLevelItem(0)->setText(1, QStringLiteral("A~B %2"));
    times.BitBtn1Click();
    EXPECT_EQ(Get(QStringLiteral("0")), QStringLiteral(" 3~ 3~A~B %2~40"));

    times.StoreTime(4, 4, QString::fromUtf16(u"Line\nbreak\r\0end", 15), 50);
    EXPECT_EQ(Get(QStringLiteral("1")), QStringLiteral(" 4~ 4 (16 pieces)~Linebreakend~50"));
    EXPECT_EQ(Get(QStringLiteral("2")), QStringLiteral("-")) << "no stray key from the line break";

    times.StoreTime(5, 5, QString(255, QLatin1Char('n')), 123456);
    const QString stored = Get(QStringLiteral("2"));
    EXPECT_EQ(stored.size(), MaxEntryLength);
    EXPECT_TRUE(stored.endsWith(QStringLiteral("~123456")));
    const std::optional<QString> entry = times.ReadEntry(2);
    ASSERT_TRUE(entry);
    EXPECT_TRUE(entry->endsWith(QStringLiteral("\t34:17:36"))) << "the time survives a long name";
}

TEST_F(Times, OkOnAnEmptyListWritesNothing) {
    times.FormShow();
    times.BitBtn1Click();
    EXPECT_FALSE(QFile::exists(times.ListFileName));
}

// ------------------------------------------------------------ end of a game

namespace {

// A 4 x 4 numeric game one slide from solved, as the Beginner level cuts it.
class BestTime : public testing::Test {
protected:
    void SetUp() override {
        w.screen.primary = QSize(280, 210);
        w.Show();
        f().SetLevel(1);
        ASSERT_TRUE(f().OpenPicture(QStringLiteral("Numeric")));
        f().GameStopped = false;
        f().StartTick = w.clock.now;
        f().FormKeyDown(Qt::Key_Right, {});
        w.dialogs.messages.clear();
    }
    TestForm& f() { return *w.form; }
    void SolveIn(int seconds) {
        w.clock.Advance(uint32_t(seconds) * 1000);
        f().FormKeyDown(Qt::Key_Left, {});
        ASSERT_TRUE(f().GameStopped);
    }
    void PlayAgain() {
        f().GameStopped = false;
        f().StartTick = w.clock.now;
        f().Timer->start();
        f().FormKeyDown(Qt::Key_Right, {});
    }
    QString Stored(const QString& key) { return Written(w.Path(QStringLiteral("Scores/Scores1.ini")), key); }

    TestWindow w;
};

} // namespace

TEST_F(BestTime, TheFirstSolveAsksTheNameStoresItAndShowsTheList) {
    w.dialogs.texts.push_back(QStringLiteral("Ann"));
    QStringList listed;
    w.dialogs.forms.push_back([&listed](QDialog& form) {
        auto& times = dynamic_cast<TFormTimes&>(form);
        listed << times.ListView->topLevelItem(0)->text(1) << times.ListView->topLevelItem(0)->text(2);
        return int(QDialog::Accepted);
    });
    SolveIn(75);
    ASSERT_EQ(w.dialogs.inputs.size(), 1u);
    EXPECT_EQ(w.dialogs.inputs[0].caption, QStringLiteral("Slidora"));
    EXPECT_EQ(w.dialogs.inputs[0].prompt, QStringLiteral("You have the best time. Please enter your name:"));
    EXPECT_EQ(w.dialogs.inputs[0].initial, QString());
    EXPECT_EQ(w.dialogs.inputs[0].maxLength, 255);
    EXPECT_EQ(Stored(QStringLiteral("0")), QStringLiteral(" 4~ 4 (16 pieces)~Ann~75"));
    EXPECT_EQ(listed, (QStringList{QStringLiteral("Ann"), QStringLiteral("00:01:15")}));
    EXPECT_TRUE(w.dialogs.messages.empty()) << "no congratulation after a best time";
}

TEST_F(BestTime, TheNextSolveOffersTheLastNameAndATieOnlyCongratulates) {
    w.dialogs.texts.push_back(QStringLiteral("Ann"));
    SolveIn(60);
    PlayAgain();
    SolveIn(60);
    EXPECT_EQ(w.dialogs.inputs.size(), 1u);
    ASSERT_EQ(w.dialogs.messages.size(), 1u);
    EXPECT_EQ(w.dialogs.messages[0].text, QStringLiteral("Congratulations. You solved the puzzle."));
    PlayAgain();
    w.dialogs.texts.push_back(QStringLiteral("Bob"));
    SolveIn(59);
    ASSERT_EQ(w.dialogs.inputs.size(), 2u);
    EXPECT_EQ(w.dialogs.inputs[1].initial, QStringLiteral("Ann"));
    EXPECT_EQ(Stored(QStringLiteral("0")), QStringLiteral(" 4~ 4 (16 pieces)~Bob~59"));
    EXPECT_EQ(w.dialogs.modalForms, 2);
}

TEST_F(BestTime, CancelStoresAndShowsNothing) {
    w.dialogs.texts.push_back(std::nullopt);
    SolveIn(30);
    EXPECT_EQ(Stored(QStringLiteral("0")), QStringLiteral("-"));
    EXPECT_EQ(w.dialogs.modalForms, 0);
    EXPECT_TRUE(w.dialogs.messages.empty());
}

// The session ends while the name box is open: the time is stored with
// the name the box held (here none came back: the name offered), and no
// list is shown.
TEST_F(BestTime, ASignalDuringTheNameBoxStoresTheTime) {
    w.dialogs.texts.push_back(QStringLiteral("Ann"));
    SolveIn(30);
    PlayAgain();
    w.dialogs.texts.push_back(std::nullopt);
    w.dialogs.whileOpen = [&] { f().CloseBySignal(); };
    SolveIn(20);
    EXPECT_EQ(Stored(QStringLiteral("0")), QStringLiteral(" 4~ 4 (16 pieces)~Ann~20"));
    EXPECT_EQ(w.dialogs.modalForms, 1) << "only the first time showed the list";
}

TEST_F(BestTime, TheMenuShowsTheListOfThePictureAndLevel) {
    ASSERT_TRUE(WriteProfileString(w.Path(QStringLiteral("Scores/Scores1.ini")), QStringLiteral("Numeric"),
                                   QStringLiteral("0"), QStringLiteral(" 3~ 3~Ann~20")));
    w.screen.primary = QSize(1024, 768);
    QString shown;
    QPoint placed;
    QSize outer;
    w.dialogs.forms.push_back([&](QDialog& form) {
        auto& times = dynamic_cast<TFormTimes&>(form);
        shown = times.windowTitle() + QLatin1Char('|') + times.LabelLevel->text() + QLatin1Char('|') +
                times.ListView->topLevelItem(0)->text(0);
        placed = times.pos();
        outer = times.frameGeometry().size();
        return int(QDialog::Rejected);
    });
    f().BesttimesMenuClick();
    EXPECT_EQ(shown, QStringLiteral("Best Times|Beginner| 3 x  3 (9 pieces)"));
    EXPECT_EQ(placed, QPoint((1024 - outer.width()) / 2, (768 - outer.height()) / 2)) << "centred on the screen";
    f().Picture = QImage();
    f().BesttimesMenuClick();
    EXPECT_EQ(w.dialogs.modalForms, 1) << "nothing without a picture";
}

// A file where the "Scores" folder should be cannot hold lists, even for root.
TEST_F(BestTime, ATimeThatCannotBeStoredIsReportedOnce) {
    const QString scores = w.Path(QStringLiteral("Scores"));
    ASSERT_TRUE(QDir(scores).removeRecursively());
    QFile blocker(scores);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    w.dialogs.texts.push_back(QStringLiteral("Ann"));
    SolveIn(30);
    ASSERT_EQ(w.dialogs.messages.size(), 1u);
    EXPECT_EQ(w.dialogs.messages[0].text, QStringLiteral("Unable to save the best time to %1/Scores1.ini.").arg(scores));
    EXPECT_EQ(w.dialogs.messages[0].icon, MsgIcon::Stop);
    EXPECT_EQ(w.dialogs.modalForms, 0) << "no empty list after the message";
    EXPECT_TRUE(f().GameStopped);
}

TEST_F(BestTime, ALongPictureNameIsShortenedInTheMiddle) {
    const QString name = QStringLiteral("/home/ann/") + QString(60, QLatin1Char('d')) + QStringLiteral("/sunset.jpg");
    f().PictureName = name;
    QString shown, tip;
    w.dialogs.forms.push_back([&](QDialog& form) {
        auto& times = dynamic_cast<TFormTimes&>(form);
        auto* label = static_cast<ElidedLabel*>(times.LabelFileName);
        shown = label->ShownText();
        tip = label->toolTip();
        EXPECT_LE(label->geometry().right(), times.width() - 8);
        return int(QDialog::Rejected);
    });
    f().BesttimesMenuClick();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("/home/ann/"))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("/sunset.jpg"))) << shown.toStdString();
    EXPECT_LT(shown.size(), name.size());
    EXPECT_EQ(tip, name);
}

// ------------------------------------------------------------ two copies

// Two copies of the game started on a first run (no settings file yet), one
// choosing Beginner, the other turning the sound off: both choices stay.
TEST(TwoCopies, FirstRunsKeepBothChoices) {
    QTemporaryDir folder;
    const QString settings = folder.filePath(QStringLiteral("Slidora.reg"));
    std::vector<std::unique_ptr<QProcess>> copies;
    for (const char* item : {"BeginnerMenu", "SoundonMenu"}) {
        copies.push_back(std::make_unique<QProcess>());
        copies.back()->start(QStringLiteral(SLIDORA_RACE_HELPER), {"window", settings, item, "300"});
    }
    for (auto& copy : copies) {
        ASSERT_TRUE(copy->waitForFinished(60000));
        EXPECT_EQ(copy->exitCode(), 0) << copy->readAllStandardError().toStdString();
    }
    RegFileStore store(settings);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(store.Read(QStringLiteral("Level")).integer, 1u);
    EXPECT_EQ(store.Read(QStringLiteral("IsSoundOn")).integer, 0u);
    EXPECT_EQ(store.Read(QStringLiteral("NumX")).integer, 4u) << "the rest of the set, as a first run has it";
    store.Close();
}

// Two processes store at the same moment into one best-times file and one
// settings file: every entry of both is there afterwards.
TEST(TwoCopies, NeitherLosesWhatTheOtherStores) {
    constexpr int Count = 12;
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Scores")));
    const QString scores = folder.path() + QLatin1Char('/');
    const QString settings = folder.filePath(QStringLiteral("Slidora.reg"));
    const QList<QStringList> runs = {
        {"times", scores, "3", QString::number(Count)}, {"times", scores, "4", QString::number(Count)},
        {"settings", settings, "A", QString::number(Count)}, {"settings", settings, "B", QString::number(Count)}};
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const QStringList& arguments : runs) {
        processes.push_back(std::make_unique<QProcess>());
        processes.back()->start(QStringLiteral(SLIDORA_RACE_HELPER), arguments);
    }
    for (auto& process : processes) {
        ASSERT_TRUE(process->waitForFinished(60000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    }
    const TBestTimes list = TBestTimes::Parse(ReadProfileFile(scores + "Scores/Scores1.ini"), "Numeric");
    EXPECT_EQ(list.Count(), 2 * Count);
    for (int rows : {3, 4})
        for (int i = 0; i < Count; ++i) EXPECT_TRUE(list.FindGrid(3 + i, rows)) << rows << " x " << 3 + i;
    RegFileStore store(settings);
    ASSERT_TRUE(store.Open());
    for (const char* prefix : {"A", "B"})
        for (int i = 0; i < Count; ++i)
            EXPECT_EQ(store.Read(prefix + QString::number(i)).kind, StoredValue::Kind::Integer) << prefix << i;
    store.Close();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Slidora.reg"})
        << "no lock or temporary file is left";
}
