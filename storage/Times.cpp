#include "Times.h"

#include "game/Main.h"
#include "platform/ElidedLabel.h"
#include "platform/IniFile.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

namespace {

// Reads the decimal number at the start of the text, after blanks; stops at
// the first other character.
int LeadingNumber(const QString& text) {
    int value = 0, i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
    for (; i < text.size() && text[i].isDigit() && value < 100000000; ++i) value = value * 10 + text[i].digitValue();
    return value;
}

QString Grid(int rows, int columns) {
    return QStringLiteral("%1 x %2 (%3 pieces)").arg(rows, 2).arg(columns, 2).arg(rows * columns);
}

// The name is joined, never passed through arg(), so a "%1" in it stays.
QString JoinEntry(const QString& grid, const QString& name, int seconds) {
    return grid + QLatin1Char('~') + name + QLatin1Char('~') + QString::number(seconds);
}

QString EntryValue(int rows, int columns, const QString& name, int seconds) {
    return JoinEntry(QStringLiteral("%1~%2 (%3 pieces)").arg(rows, 2).arg(columns, 2).arg(rows * columns), name,
                     seconds);
}

} // namespace

TFormTimes::TFormTimes(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("FormTimes"));
    setWindowTitle(QStringLiteral("Best Times"));
    setFixedSize(429, 275);
    QFont bold = font();
    bold.setBold(true);
    LabelTitle = new QLabel(QStringLiteral("File name: "), this);
    LabelTitle->setFont(bold);
    LabelTitle->move(13, 16);
    LabelFileName = new ElidedLabel(this);
    Label1 = new QLabel(QStringLiteral("Level:"), this);
    Label1->setFont(bold);
    Label1->move(37, 32);
    LabelLevel = new QLabel(this);
    LabelLevel->move(80, 32);
    ListView = new QTreeWidget(this);
    ListView->setGeometry(8, 56, 409, 177);
    ListView->setRootIsDecorated(false);
    ListView->setColumnCount(0);
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setGeometry(168, 240, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn1->setFocus();
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        BitBtn1Click();
        accept();
    });
}

void TFormTimes::SelectList(const QString& folder, const std::optional<QString>& pictureName, int level) {
    SectionName = pictureName;
    const char* const levels[] = {"Beginner", "Intermediate", "Advanced"};
    ListFileName = folder;
    if (level >= 1 && level <= 3) {
        ListFileName += QStringLiteral("Scores/Scores%1").arg(level);
        LabelLevel->setText(QLatin1String(levels[level - 1]));
    }
    if (pictureName) {
        // The first character of the picture's own file name, in lower case,
        // so that "s" and "S" share a file.
        const qsizetype slash =
            std::max(pictureName->lastIndexOf(QLatin1Char('\\')), pictureName->lastIndexOf(QLatin1Char('/')));
        if (slash >= 0 && slash + 1 < pictureName->size()) ListFileName += pictureName->at(slash + 1).toLower();
    }
    ListFileName += QStringLiteral(".ini");
}

QString TFormTimes::ReadValue(int key, const QString& defaultValue, int bufferSize) const {
    return ReadProfileString(ListFileName, SectionName.value_or(QString()), QString::number(key), defaultValue,
                             bufferSize);
}

std::optional<QString> TFormTimes::ReadEntry(int n) const {
    QString text = ReadValue(n, QStringLiteral("0"), MaxEntryLength + 1);
    if (text.size() < 4) return std::nullopt;
    if (text[1] == QLatin1Char('~')) text.prepend(QLatin1Char(' '));
    // The first "~" ends the rows, the second the columns; the last one
    // comes before the seconds, so a name may hold "~" itself.
    const qsizetype first = text.indexOf(QLatin1Char('~'));
    if (first >= 0) text[first] = QLatin1Char('x');
    const qsizetype second = first >= 0 ? text.indexOf(QLatin1Char('~'), first + 1) : -1;
    if (second >= 0) text[second] = QLatin1Char('\t');
    const qsizetype last = second >= 0 ? text.lastIndexOf(QLatin1Char('~')) : -1;
    if (last > second) {
        const int seconds = LeadingNumber(text.mid(last + 1));
        text = text.left(last) + QLatin1Char('\t') + FormatTime(seconds);
    } else {
        text = FormatTime(0);
    }
    if (first >= 0) {
        int rows = 0, columns = 0;
        ParseGrid(text, rows, columns);
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        text = text.left(first) + QStringLiteral(" x ") + QStringLiteral("%1").arg(columns, 2) +
               QStringLiteral(" (%1 pieces)").arg(rows * columns) + (tab >= 0 ? text.mid(tab) : QString());
    }
    return text;
}

void TFormTimes::ParseGrid(const QString& text, int& rows, int& columns) {
    rows = LeadingNumber(text.left(2));
    columns = 0;
    const qsizetype x = text.indexOf(QLatin1Char('x'));
    if (x < 0) return;
    qsizetype digit = x + 1;
    while (digit < text.size() && !text[digit].isDigit()) ++digit;
    if (digit < text.size()) columns = LeadingNumber(text.mid(digit, 2));
}

QString TFormTimes::FormatTime(int seconds) { return TFormMain::FormatElapsed(seconds); }

int TFormTimes::ParseTime(const QString& text) {
    const qsizetype first = text.indexOf(QLatin1Char(':')), last = text.lastIndexOf(QLatin1Char(':'));
    if (first < 0) return LeadingNumber(text);
    return LeadingNumber(text.left(first)) * 3600 + LeadingNumber(text.mid(first + 1)) * 60 +
           LeadingNumber(text.mid(last + 1));
}

std::optional<std::pair<int, int>> TFormTimes::FindGrid(int columns, int rows) const {
    for (int n = 0;; ++n) {
        const std::optional<QString> entry = ReadEntry(n);
        if (!entry) return std::nullopt;
        int r = 0, c = 0;
        ParseGrid(*entry, r, c);
        if (r == rows && c == columns)
            return std::pair{n, ParseTime(entry->mid(entry->lastIndexOf(QLatin1Char('\t')) + 1))};
    }
}

bool TFormTimes::IsBestTime(int columns, int rows, int seconds) const {
    const std::optional<std::pair<int, int>> found = FindGrid(columns, rows);
    return !found || found->second == 0 || seconds < found->second;
}

QString TFormTimes::StorableName(const QString& name, int columns, int rows, int seconds) {
    QString clean;
    for (const QChar ch : name)
        if (!ch.isNull() && ch.category() != QChar::Other_Control) clean += ch;
    const int room = MaxEntryLength - int(EntryValue(rows, columns, QString(), seconds).size());
    return clean.left(std::max(room, 0));
}

bool TFormTimes::StoreTime(int columns, int rows, const QString& name, int seconds) {
    const QString value = EntryValue(rows, columns, StorableName(name, columns, rows, seconds), seconds);
    int key = 0;
    if (const std::optional<std::pair<int, int>> found = FindGrid(columns, rows)) {
        if (found->second != 0 && seconds >= found->second) return true;
        key = found->first;
    } else {
        while (!ReadValue(key, QString(), 9).isEmpty()) ++key;
    }
    return WriteProfileString(ListFileName, SectionName.value_or(QString()), QString::number(key), value);
}

void TFormTimes::AddItem(const QString& entry) {
    int rows = 0, columns = 0;
    ParseGrid(entry, rows, columns);
    const qsizetype first = entry.indexOf(QLatin1Char('\t')), last = entry.lastIndexOf(QLatin1Char('\t'));
    auto* item = new QTreeWidgetItem(
        QStringList{Grid(rows, columns), entry.mid(first + 1, last - first - 1), entry.mid(last + 1)});
    // Sorted by the caption: both numbers stand right-aligned in two
    // places, so this orders by rows, then columns.
    int at = 0;
    while (at < ListView->topLevelItemCount() && ListView->topLevelItem(at)->text(0).compare(item->text(0)) <= 0) ++at;
    ListView->insertTopLevelItem(at, item);
}

void TFormTimes::FormShow() {
    ListView->setHeaderLabels({QStringLiteral("Pieces"), QStringLiteral("Name"), QStringLiteral("Times")});
    ListView->setColumnWidth(0, 125);
    ListView->setColumnWidth(1, 175);
    ListView->setColumnWidth(2, 100);
    ListView->clear();
    for (int n = 0;; ++n) {
        const std::optional<QString> entry = ReadEntry(n);
        if (!entry) break;
        AddItem(*entry);
    }
    LabelFileName->setText(SectionName.value_or(QString()));
    LabelFileName->setToolTip(LabelFileName->text());
    LabelTitle->adjustSize();
    // A long name is shortened in the middle to end within the dialog.
    const int left = LabelTitle->x() + LabelTitle->width() + 10;
    LabelFileName->setGeometry(left, 16, width() - 8 - left, LabelTitle->height());
}

void TFormTimes::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TFormTimes::BitBtn1Click() {
    if (ListView->topLevelItemCount() == 0) return;
    const QString section = SectionName.value_or(QString());
    WriteProfileString(ListFileName, section, std::nullopt, std::nullopt);
    for (int i = 0; i < ListView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = ListView->topLevelItem(i);
        int rows = 0, columns = 0;
        if (item->text(0).size() >= 4) ParseGrid(item->text(0), rows, columns);
        if (rows == 0 || columns == 0) continue;
        const QString value =
            JoinEntry(QStringLiteral("%1~%2").arg(rows, 2).arg(columns, 2), item->text(1), ParseTime(item->text(2)));
        WriteProfileString(ListFileName, section, QString::number(i), value);
    }
}

// ------------------------------------------------------------ main window

void TFormMain::BesttimesMenuClick() {
    if (Picture.isNull()) return;
    TFormTimes times(this);
    times.SelectList(DataFolder, PictureName, Level);
    ShowCentred(times);
}
