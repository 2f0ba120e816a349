#include "screens/ExportWindow.h"

#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "screens/GridModel.h"
#include "screens/GridSort.h"
#include "screens/StorageMessages.h"
#include "screens/TfrmGuida.h"
#include "screens/WindowProgress.h"
#include "storage/StorageError.h"
#include "widgets/Accessibility.h"
#include "widgets/HelpKey.h"
#include "widgets/PictureButton.h"
#include "widgets/StatusHints.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QStringList headers(const QList<GridColumn>& columns)
{
    QStringList all;
    for (const GridColumn& column : columns)
        all.append(column.header);
    return all;
}

} // namespace

ExportWindow::ExportWindow(ExportDefinition definition, QWidget* parent)
    : QDialog(parent), m_definition(std::move(definition)),
      m_model(new GridModel(headers(m_definition.columns), this)), m_grdRecords(new QTableView),
      m_panInfo(new QLabel(u"Esportazione archivio in Microsoft Excel."_s))
{
    setWindowTitle(m_definition.caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_grdRecords->setObjectName(u"grdRecords"_s);
    m_grdRecords->setModel(m_model);
    m_grdRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grdRecords->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grdRecords->setAlternatingRowColors(true);
    m_grdRecords->setWordWrap(false);
    // Arrows move through the grid; Tab goes on to the commands, as everywhere else.
    m_grdRecords->setTabKeyNavigation(false);
    m_grdRecords->verticalHeader()->hide();
    m_grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grdRecords->verticalHeader()->setDefaultSectionSize(m_grdRecords->fontMetrics().height() + 6);
    m_grdRecords->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_grdRecords->horizontalHeader()->setHighlightSections(false);
    m_grdRecords->setColumnWidth(0, 60);
    for (int c = 0; c < int(m_definition.columns.size()); ++c)
        m_grdRecords->setColumnWidth(c + 1, m_definition.columns[c].gridWidth);
    Accessibility::describe(m_grdRecords, m_definition.caption.trimmed());

    m_panInfo->setObjectName(u"panInfo"_s);
    m_panInfo->setFixedHeight(28);
    m_panInfo->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_panInfo->setBackgroundRole(QPalette::Base);
    m_panInfo->setAutoFillBackground(true);
    m_panInfo->setContentsMargins(6, 0, 6, 0);

    struct Picture
    {
        const char16_t* name;
        const char16_t* artwork;
        const char16_t* caption;
        const char16_t* hint;
    };
    const Picture pictures[] = {
        {u"cmdEsporta", u":/artwork/esporta.svg", u"Esporta",
         u"Esporta l'archivio in formato Microsoft Excel."},
        {u"cmdGuida", u":/artwork/guida.svg", u"Guida",
         u"Visualizza la pagina della guida sensibile al contesto."},
        {u"cmdEsci", u":/artwork/esci.svg", u"Esci", u"Esci da questo ambiente di lavoro."},
    };
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(10);
    bottom->addWidget(m_panInfo, 1, Qt::AlignVCenter);
    QList<PictureButton*> commands;
    for (const Picture& picture : pictures) {
        auto* command =
            new PictureButton(QString::fromUtf16(picture.name), QString::fromUtf16(picture.artwork),
                              QString::fromUtf16(picture.caption));
        command->setFixedSize(48, 48);
        command->setToolTip(command->text());
        Accessibility::describe(command, command->text(), QString::fromUtf16(picture.hint));
        bottom->addWidget(command);
        commands.append(command);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 10);
    layout->addWidget(m_grdRecords, 1);
    layout->addLayout(bottom);

    StatusHints::setStatusLine(this, m_panInfo);
    StatusHints::clearOver(this);
    StatusHints::clearOver(m_grdRecords->viewport());
    for (qsizetype i = 0; i < commands.size(); ++i)
        StatusHints::show(commands[i], QString::fromUtf16(pictures[i].hint));
    // The status line keeps its idle text until the mouse moves.
    m_panInfo->setText(u"Esportazione archivio in Microsoft Excel."_s);

    connect(commands[0], &PictureButton::clicked, this, &ExportWindow::cmdEsportaClick);
    HelpKey::attach(commands[1]);
    connect(commands[1], &PictureButton::clicked, this, &ExportWindow::cmdGuidaClick);
    connect(commands[2], &PictureButton::clicked, this, &QDialog::reject);
    resize(1100, 640);
}

void ExportWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        refill();
}

void ExportWindow::refill()
{
    TextTable rows(int(m_definition.columns.size()));
    qint64 leftOut = 0;
    bool readable = true;
    // A failure ends the grid where it got to, and says so: a short grid is not told as the whole.
    try {
        leftOut = m_definition.fill(rows);
    } catch (const StorageError&) {
        readable = false;
    }
    showRows(std::move(rows), leftOut);
    if (!readable)
        Services::messages().warning(StorageMessages::archiveUnreadable());
}

void ExportWindow::showRows(TextTable rows, qint64 leftOut)
{
    if (m_definition.sortColumn >= 0) {
        GridSort::SortedRows sorted = GridSort::byColumn(std::move(rows), m_definition.sortColumn);
        m_model->setTable(std::move(sorted.rows), std::move(sorted.numbers));
    } else {
        m_model->setTable(std::move(rows));
    }
    if (leftOut > 0)
        Services::messages().warning(StorageMessages::cardsLeftOut(leftOut));
}

void ExportWindow::cmdEsportaClick()
{
    Messages& messages = Services::messages();
    if (!messages.question(
            u"L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero "
            u"di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?"_s))
        return;
    const QString path = ProgramFolder::file(m_definition.target.fileName);
    const QPointer<ExportWindow> alive(this);
    enum class Outcome { Written, Stopped, CloseAsked, Failed } outcome = Outcome::Written;
    {
        // Ended before anything is said or done with the window: its keys and clicks count again.
        WindowProgress progress(this, m_panInfo,
                                u"Esportazione in corso: %1 schede scritte su %2… (Esc per interrompere)"_s);
        try {
            if (!RecordGrid::write(path, m_definition.target.sheetName, m_definition.columns,
                                   m_model->table(), &progress))
                outcome = progress.closeAsked() ? Outcome::CloseAsked : Outcome::Stopped;
        } catch (const StorageError&) {
            outcome = Outcome::Failed;
        }
    }
    if (!alive)
        return;
    if (outcome == Outcome::Stopped || outcome == Outcome::CloseAsked) {
        m_panInfo->setText(u"Esportazione interrotta: il file di Excel non è stato scritto."_s);
        if (outcome == Outcome::CloseAsked)
            reject();
        return;
    }
    if (outcome == Outcome::Failed) {
        messages.plain(
            u"Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file "
            u"di Excel non sia già aperto."_s);
        return;
    }
    if (messages.question(
            u"Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il "
            u"file di Excel?"_s))
        Services::shell().open(u'"' + path + u'"');
}

void ExportWindow::cmdGuidaClick()
{
    showHelp(this, m_definition.help);
}
