// The best-times lists: one INI section per picture in a file per level and
// first letter of the picture's file name, and the dialog that shows them.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QPushButton;
class QTreeWidget;

// The longest entry value a list can read back.
constexpr int MaxEntryLength = 98;

class TFormTimes : public QDialog {
    Q_OBJECT
public:
    explicit TFormTimes(QWidget* owner);

    // Chooses the file and section; call before anything else.
    void SelectList(const QString& folder, const std::optional<QString>& pictureName, int level);
    // Entry n as display text: grid, TAB, name, TAB, time; nothing when there is none.
    std::optional<QString> ReadEntry(int n) const;
    static void ParseGrid(const QString& text, int& rows, int& columns);
    static QString FormatTime(int seconds);
    static int ParseTime(const QString& text);
    bool IsBestTime(int columns, int rows, int seconds) const;
    // False when the time should have been written but could not be.
    bool StoreTime(int columns, int rows, const QString& name, int seconds);

    void FormShow();
    void BitBtn1Click();

    // The name as it can be stored: no line breaks or other control
    // characters, and short enough for the entry to be read back.
    static QString StorableName(const QString& name, int columns, int rows, int seconds);

    std::optional<QString> SectionName;
    QString ListFileName;

    QLabel* LabelTitle;
    QLabel* LabelFileName;
    QLabel* Label1;
    QLabel* LabelLevel;
    QPushButton* BitBtn1;
    QTreeWidget* ListView;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Where the entry of the grid is, and its time; nothing when not listed.
    std::optional<std::pair<int, int>> FindGrid(int columns, int rows) const;
    void AddItem(const QString& entry);
    QString ReadValue(int key, const QString& defaultValue, int bufferSize) const;
};
