// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Times.h"

#include "game/Main.h"
#include "platform/ElidedLabel.h"
#include "platform/GrowToFit.h"
#include "platform/IniFile.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QCoreApplication>
#include <QTreeWidget>

namespace {

// A row of the list (caption, name and time), and where its caption sorts:
// both numbers are below 100 and stand right-aligned in two places in the
// caption, so the captions sort as rows, then columns, do.
std::pair<int, QTreeWidgetItem*> RowOf(const QString& entry) {
    int rows = 0, columns = 0;
    TBestTimes::ParseGrid(entry, rows, columns);
    const qsizetype first = entry.indexOf(QLatin1Char('\t')), last = entry.lastIndexOf(QLatin1Char('\t'));
    auto* item = new QTreeWidgetItem;
    item->setText(0, TFormTimes::tr("%1 x %2 (%3 pieces)").arg(rows, 2).arg(columns, 2).arg(rows * columns));
    item->setText(1, entry.mid(first + 1, last - first - 1));
    item->setData(1, TFormTimes::ShownNameRole, item->text(1));
    item->setText(2, entry.mid(last + 1));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    return {rows * 100 + columns, item};
}

// Edits the name column only, with a line short enough to be stored.
class NameEditor : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (index.column() != 1) return nullptr;
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setMaxLength(MaxEntryLength - 16);
        return editor;
    }
};

} // namespace

TFormTimes::TFormTimes(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("FormTimes"));
    setWindowTitle(tr("Best Times"));
    setFixedSize(429, 275);
    QFont bold = font();
    bold.setBold(true);
    LabelTitle = new QLabel(tr("File name: "), this);
    LabelTitle->setFont(bold);
    LabelTitle->move(13, 16);
    LabelFileName = new ElidedLabel(this);
    Label1 = new QLabel(tr("Level:"), this);
    Label1->setFont(bold);
    Label1->move(37, 32);
    LabelLevel = new QLabel(this);
    LabelLevel->move(80, 32);
    ListView = new QTreeWidget(this);
    ListView->setAccessibleName(QCoreApplication::translate("TFormMain", "Best times"));
    ListView->setGeometry(8, 56, 409, 177);
    ListView->setRootIsDecorated(false);
    ListView->setColumnCount(0);
    // A name can be corrected in place (double-click or F2); nothing else can.
    ListView->setItemDelegate(new NameEditor(ListView));
    ListView->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::SelectedClicked);
    BitBtn1 = new QPushButton(tr("OK"), this);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setGeometry(168, 240, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn1->setFocus();
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        BitBtn1Click();
        accept();
    });
    GrowToFit(*this);
}

void TFormTimes::SelectList(const QString& folder, const std::optional<QString>& pictureName, int level) {
    SectionName = pictureName;
    const char* const levels[] = {QT_TR_NOOP("Beginner"), QT_TR_NOOP("Intermediate"), QT_TR_NOOP("Advanced")};
    ListFileName = folder;
    if (level >= 1 && level <= 3) {
        ListFileName += QStringLiteral("Scores/Scores%1").arg(level);
        LabelLevel->setText(tr(levels[level - 1]));
        // Beside its caption, however long the caption is in the player's language and font.
        LabelLevel->adjustSize();
        LabelLevel->move(std::max(80, Label1->x() + Label1->sizeHint().width() + 2), Label1->y());
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

TBestTimes TFormTimes::List() const {
    return TBestTimes::Parse(ReadProfileFile(ListFileName), SectionName.value_or(QString()));
}

std::optional<QString> TFormTimes::ReadEntry(int n) const { return List().Entry(n); }

void TFormTimes::ParseGrid(const QString& text, int& rows, int& columns) { TBestTimes::ParseGrid(text, rows, columns); }

QString TFormTimes::FormatTime(int seconds) { return TBestTimes::FormatTime(seconds); }

int TFormTimes::ParseTime(const QString& text) { return TBestTimes::ParseTime(text); }

bool TFormTimes::IsBestTime(int columns, int rows, int seconds) const {
    return List().IsBestTime(columns, rows, seconds);
}

// Decided on the file as it is under its lock: another copy of the game may
// have stored a time a moment ago.
bool TFormTimes::StoreTime(int columns, int rows, const QString& name, int seconds) {
    const QString section = SectionName.value_or(QString());
    return UpdateProfileFile(ListFileName, [&](const QByteArray& bytes) {
        const std::optional<IniEntry> entry = TBestTimes::Parse(bytes, section).TimeToStore(columns, rows, name, seconds);
        return entry ? EditProfileString(bytes, section, entry->key, entry->value) : IniEdit{};
    });
}

void TFormTimes::FormShow() {
    ListView->setHeaderLabels({tr("Pieces"), tr("Name"), tr("Times")});
    ListView->clear();
    const TBestTimes list = List();
    std::vector<std::pair<int, QTreeWidgetItem*>> rows;
    for (int n = 0; n < list.Count(); ++n)
        if (const std::optional<QString> entry = list.Entry(n)) rows.push_back(RowOf(*entry));
    // Sorted by the caption, which orders by rows, then columns.
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(rows.size()));
    for (const auto& row : rows) items.append(row.second);
    ListView->addTopLevelItems(items);
    FitColumns();
    LabelFileName->setText(SectionName.value_or(QString()));
    LabelFileName->setToolTip(LabelFileName->text());
    LabelTitle->adjustSize();
    PlaceRowsBelowEachOther();
    // A long name is shortened in the middle to end within the dialog.
    const int left = LabelTitle->x() + LabelTitle->width() + 10;
    LabelFileName->setGeometry(left, 16, width() - 8 - left, LabelTitle->height());
}

// The grids and times whole, at their designed widths or wider; the names
// give way to them down to their heading's width, then the list and the
// dialog widen.
void TFormTimes::FitColumns() {
    const int designed[] = {125, 175, 100};
    int widths[3], total = 0;
    QStyleOptionViewItem cell;
    cell.initFrom(ListView);
    for (int column = 0; column < 3; ++column) {
        widths[column] = std::max(designed[column], ListView->header()->sectionSizeHint(column));
        for (int row = 0; row < ListView->topLevelItemCount(); ++row)
            widths[column] = std::max(
                widths[column], ListView->itemDelegate()->sizeHint(cell, ListView->model()->index(row, column)).width());
    }
    widths[1] = std::max(ListView->header()->sectionSizeHint(1),
                         designed[1] - (widths[0] - designed[0]) - (widths[2] - designed[2]));
    for (int column = 0; column < 3; ++column) {
        ListView->setColumnWidth(column, widths[column]);
        total += widths[column];
    }
    const int wider = total - ListView->maximumViewportSize().width();
    if (wider <= 0) return;
    ListView->resize(ListView->width() + wider, ListView->height());
    BitBtn1->move(BitBtn1->x() + wider / 2, BitBtn1->y());
    setFixedSize(width() + wider, height());
}

// In a larger font the file name's row is taller: the level's row, and the
// list and the button below it, move down, and the dialog grows.
void TFormTimes::PlaceRowsBelowEachOther() {
    Label1->adjustSize();
    const int levelTop = std::max(Label1->y(), LabelTitle->geometry().bottom() + 1);
    Label1->move(Label1->x(), levelTop);
    LabelLevel->move(LabelLevel->x(), levelTop);
    const int levelBottom = std::max(Label1->geometry().bottom(), LabelLevel->geometry().bottom());
    const int lower = levelBottom + 5 - ListView->y(); // a few pixels apart
    if (lower <= 0) return;
    for (QWidget* below : {static_cast<QWidget*>(ListView), static_cast<QWidget*>(BitBtn1)})
        below->move(below->x(), below->y() + lower);
    setFixedSize(width(), height() + lower);
}

void TFormTimes::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

// Only the names the player changed are written, each into its grid's entry
// as the file holds it now, and only while that entry still has the time
// shown: whatever another copy of the game stored meanwhile stays.
bool TFormTimes::BitBtn1Click() {
    const QList<NameChange> changes = ChangedNames();
    if (changes.isEmpty()) return true;
    const QString section = SectionName.value_or(QString());
    return UpdateProfileFile(ListFileName, [&](const QByteArray& bytes) {
        IniEdit result;
        QByteArray file = bytes;
        for (const NameChange& change : changes) {
            const auto found = TBestTimes::Parse(file, section).FindGrid(change.columns, change.rows);
            if (!found || found->second != change.seconds) continue;
            const QString name = TBestTimes::StorableName(change.name, change.columns, change.rows, change.seconds);
            const IniEdit edit = EditProfileString(file, section, QString::number(found->first),
                                                   TBestTimes::ShortValue(change.rows, change.columns, name, change.seconds));
            if (edit.refused) return edit;
            if (edit.bytes) result.bytes = file = *edit.bytes;
        }
        return result;
    });
}

QList<TFormTimes::NameChange> TFormTimes::ChangedNames() const {
    QList<NameChange> changes;
    for (int i = 0; i < ListView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = ListView->topLevelItem(i);
        if (item->text(1) == item->data(1, ShownNameRole).toString()) continue;
        NameChange change{0, 0, ParseTime(item->text(2)), item->text(1)};
        ParseGrid(item->text(0), change.rows, change.columns);
        changes.append(change);
    }
    return changes;
}

// ------------------------------------------------------------ main window

void TFormMain::BesttimesMenuClick() {
    if (Picture.isNull()) return;
    TFormTimes times(this);
    times.SelectList(DataFolder, PictureName, Level);
    ShowCentred(times);
}
