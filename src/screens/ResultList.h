#pragma once

#include "screens/ResultLines.h"

#include <functional>
#include <memory>
#include <optional>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class ResultListModel;

// The part every result-list window shares: the find lines, txtTrova with "Trova", the fixed-pitch list
// lstRecords over a model, the double-click line, the count line lblTrovate and the buttons "Chiudi"
// and "Stampa", which prints the list through the list report.
class ResultList : public QWidget
{
    Q_OBJECT

public:
    struct Options
    {
        QString printTitle;
        // "Il presente riepilogo contiene " or "Il presente elenco contiene "; empty: no count line.
        QString countPrefix;
        // Whether a double click takes a record back (and the line saying so is shown).
        bool picks = true;
        // The remembered find text of a window class that keeps it for the whole run; nullptr: the
        // list's own, forgotten at each showing of its window.
        QString* runFind = nullptr;
        // A print that asks first: what an empty list says instead, the question, and the lines the
        // report adds after the list's (a summary's interval and total).
        QString emptyPrintWarning = {};
        QString printQuestion = {};
        std::function<QStringList()> printFooter = {};
        // Makes the list anew once the print is confirmed, for lines read from a file when shown: what
        // is printed then agrees with itself (a summary's lines with its total) even where the file has
        // changed since the list was made.
        std::function<void()> refreshBeforePrint = {};
    };

    explicit ResultList(const Options& options, QWidget* parent = nullptr);

    // What its window does on showing: forget the find text (unless kept for the run), empty txtTrova
    // and put the selection back on the first line.
    void reset();
    // Takes the lines, in file order, and sets the count line.
    void setLines(TextTable lines);
    void setLines(std::shared_ptr<const ResultLines> lines);
    void clear();
    // The print title of a window whose title depends on what it found (a total, a client).
    void setPrintTitle(const QString& title);
    // Puts a window's own line (a total) at the left of the buttons' row.
    void addToButtonRow(QWidget* widget);
    // Puts a window's own panel (the chosen record's details) between the list and the buttons' row.
    void addAboveButtonRow(QWidget* widget);
    // Empties txtTrova and gives it the focus.
    void focusFind();

    int count() const;
    std::optional<QString> selectedLine() const;
    ResultListModel* model() const { return m_model; }
    QListView* view() const { return m_lstRecords; }

    void btnTrovaClick();
    void btnStampaClick();

signals:
    // A double click on the list; the window reads selectedLine(), which may be empty.
    void pickRequested();
    void closeRequested();
    // Lines read from a file when shown could no longer be read there: the list has emptied itself and
    // is about to give the access message; a window's own figures drawn from those lines go too.
    void linesDropped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void select(int row);
    // Chooses the current line, or the first, of a list the keyboard reached with none chosen.
    void chooseOnFocus();
    // Empties a list whose lines could not be read and says so, once: blank lines are no results.
    void dropUnreadableLines();

    Options m_options;
    QString m_ownFind;
    QString* m_remembered;
    ResultListModel* m_model;
    QLineEdit* m_txtTrova;
    QPushButton* m_btnTrova;
    QListView* m_lstRecords;
    QLabel* m_lblTrovate = nullptr;
    QHBoxLayout* m_buttonRow;
};
