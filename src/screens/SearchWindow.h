#pragma once

#include "screens/TwoPanelWindow.h"

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
struct SearchDefinition;

// A search window: the criteria panel panAvvio, built from a search definition, and after "Cerca" the
// results panel panContainer with the result list. Unless told otherwise, a double click delivers every record whose line equals
// the chosen one to the caller named in lblMemory (the last in the file remains there) and closes.
class SearchWindow : public TwoPanelWindow
{
    Q_OBJECT

public:
    struct Options
    {
        // The archive read at each "Cerca" and pick; the path is taken when it is needed.
        std::function<QString()> path;
        // The remembered find text of a window class that keeps it for the whole run; nullptr: forgotten
        // each time the window is shown.
        QString* runFind = nullptr;
        // Whether a double click takes the chosen records back to the caller; a picker that acts on the
        // selected line with buttons of its own has none.
        bool picks = true;
    };

    SearchWindow(const SearchDefinition& search, const Options& options, QWidget* parent = nullptr);

    // The caller tag, kept in the hidden lblMemory.
    void setCallerTag(const QString& tag);
    QString callerTag() const;

    void btnCercaMouseDown();
    void btnCercaClick();
    void lstRecordsDblClick();
    void done(int result) override;

protected:
    void prepareFirstPanel() override;

private:
    const SearchDefinition& m_search;
    Options m_options;
    QList<QLineEdit*> m_criteria;
    QLabel* m_lblAttendere;
    QLabel* m_lblConta;
    QLabel* m_lblMemory;
};
