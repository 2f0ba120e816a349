#pragma once

#include "screens/SearchDefinition.h"

#include <functional>
#include <QDialog>

class QLabel;
class RecordView;
class ResultList;

// A result list filled when it is shown, without criteria (recontact list, low-stock list, contracts to
// renew, confirmation lists): the records its filter accepts, one line each. A double click delivers the
// records whose line equals the chosen one to the caller named in lblMemory and closes the window.
class ListWindow : public QDialog
{
    Q_OBJECT

public:
    struct Options
    {
        std::function<QString()> path;
        std::function<bool(const RecordView&)> wanted;
        // The caller that a double click fills; the window writes it into lblMemory.
        QString callerTag;
        // For a list that reads dates or numbers, in place of wanted: the records it cannot read are
        // skipped, and once the list is shown the user is told how many.
        std::function<SearchDefinition::Listing(const RecordView&)> judge = {};
    };

    ListWindow(const SearchDefinition& list, const Options& options, QWidget* parent = nullptr);

    ResultList* results() const { return m_results; }

    void lstRecordsDblClick();
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    const SearchDefinition& m_list;
    Options m_options;
    QLabel* m_lblMemory;
    ResultList* m_results;
};
