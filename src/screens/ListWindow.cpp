#include "screens/ListWindow.h"

#include "platform/Messages.h"
#include "platform/Services.h"
#include "screens/ResultList.h"
#include "screens/SearchDefinition.h"
#include "screens/StorageMessages.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"

#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

ListWindow::ListWindow(const SearchDefinition& list, const Options& options, QWidget* parent)
    : QDialog(parent), m_list(list), m_options(options), m_lblMemory(new QLabel(options.callerTag, this)),
      m_results(new ResultList({list.printTitle, list.countPrefix, true, nullptr}))
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_lblMemory->setObjectName(QStringLiteral("lblMemory"));
    m_lblMemory->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->addWidget(m_results);

    connect(m_results, &ResultList::closeRequested, this, &QDialog::reject);
    connect(m_results, &ResultList::pickRequested, this, &ListWindow::lstRecordsDblClick);
    resize(1120, 660);
}

void ListWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_results->reset();
    TextTable lines(1, TextTable::Cells::AsGiven);
    qsizetype leftOut = 0;
    bool readable = true;
    // A failure ends the list where it got to, and says so: a short list is not told as the whole.
    try {
        const RecordFile file(m_options.path(), m_list.layout);
        leftOut = m_list.list(file, m_options.wanted, lines);
    } catch (const StorageError&) {
        readable = false;
    }
    m_results->setLines(std::move(lines));
    m_results->focusFind();
    if (leftOut > 0)
        Services::messages().warning(StorageMessages::cardsLeftOut(leftOut));
    if (!readable)
        Services::messages().warning(StorageMessages::archiveUnreadable());
}

void ListWindow::lstRecordsDblClick()
{
    // No line chosen, or a failure part way (what was delivered stays): the window closes without a word.
    if (const std::optional<QString> chosen = m_results->selectedLine()) {
        try {
            m_list.deliverPick(m_options.path(), *chosen, m_lblMemory->text());
            accept();
            return;
        } catch (const StorageError&) {
        }
    }
    reject();
}

void ListWindow::done(int result)
{
    m_results->clear();
    QDialog::done(result);
}
