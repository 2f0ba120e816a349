#pragma once

#include <functional>
#include <optional>
#include <QDialog>

class QLabel;
class RecordView;
class ResultList;
struct SearchDefinition;

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
        // Whether a record is listed; a record it cannot judge is left out, and the user told once.
        std::function<std::optional<bool>(const RecordView&)> wanted;
        // The caller that a double click fills; the window writes it into lblMemory.
        QString callerTag;
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
