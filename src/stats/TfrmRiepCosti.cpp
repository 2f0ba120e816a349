#include "stats/TfrmRiepCosti.h"

#include "platform/Messages.h"
#include "platform/Services.h"
#include "sales/SchedaVendita.h"
#include "screens/ResultList.h"
#include "screens/StorageMessages.h"
#include "screens/TfrmGuida.h"
#include "stats/StatsHelp.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "widgets/Accessibility.h"
#include "widgets/HelpKey.h"
#include "widgets/PictureButton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The find text of every result window of the run.
QString g_find;

QLabel* value(const QString& name, const QString& caption)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::TabFocus);
    Accessibility::value(label, caption);
    return label;
}

} // namespace

TfrmRiepCosti::TfrmRiepCosti(const QString& path, const ProfitSummary::Selection& selection, QWidget* parent)
    : QDialog(parent), m_path(path), m_selection(selection),
      m_titTipologia(value(u"titTipologia"_s, u"C.F. cliente"_s)),
      m_lblIntervallo(value(u"lblIntervallo"_s, u"Intervallo selezionato"_s)),
      m_lblTotCosti(value(u"lblTotCosti"_s, u"Totale profitti"_s))
{
    setObjectName(u"TfrmRiepCosti"_s);
    setWindowTitle(u" Telvara 3.0 - Riepilogo profitti"_s);
    m_results =
        new ResultList({u"Riepilogo profitti   -   C.F. cliente:  "_s,
                        {},
                        false,
                        &g_find,
                        u"Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce."_s,
                        u"Si vuole stampare il presente riepilogo?"_s,
                        [this] {
                            return QStringList{u"- - - - - - - - - - - - - - - -"_s,
                                               u"INTERVALLO SELEZIONATO:    "_s + m_lblIntervallo->text(),
                                               u"TOTALE PROFITTI:           € "_s + m_lblTotCosti->text()};
                        },
                        [this] { summarise(false); }},
                       this);

    auto* facts = new QGridLayout;
    facts->addWidget(new QLabel(u"C.F. cliente:"_s), 0, 0);
    facts->addWidget(m_titTipologia, 0, 1);
    facts->addWidget(new QLabel(u"Intervallo selezionato:"_s), 1, 0);
    facts->addWidget(m_lblIntervallo, 1, 1);
    facts->addWidget(new QLabel(u"Totale profitti: €"_s), 2, 0);
    facts->addWidget(m_lblTotCosti, 2, 1);
    facts->setColumnStretch(1, 1);

    auto* help = new PictureButton(u"cmdGuida"_s, u":/artwork/guida.svg"_s, u"Guida"_s);
    help->setFixedSize(36, 36);
    help->setToolTip(help->text());
    Accessibility::describe(help, help->text(), u"Visualizza la pagina della guida sensibile al contesto."_s);
    HelpKey::attach(help);
    connect(help, &PictureButton::clicked, this, [this] { showHelp(this, StatsHelp::profitSummary()); });
    m_results->addToButtonRow(help);

    auto* root = new QVBoxLayout(this);
    root->addWidget(m_results, 1);
    root->addLayout(facts);
    connect(m_results, &ResultList::closeRequested, this, &QDialog::reject);
    // Lines that can no longer be read leave an empty summary, whose total is then true.
    connect(m_results, &ResultList::linesDropped, this,
            [this] { m_lblTotCosti->setText(ProfitSummary::totalText(0)); });
    resize(1000, 600);
}

void TfrmRiepCosti::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_results->reset();
    summarise(true);
    m_results->focusFind();
}

void TfrmRiepCosti::summarise(bool tellLeftOut)
{
    const QString codFisc = m_selection.codFisc.trimmed();
    m_titTipologia->setText(codFisc.isEmpty() ? u"- - -"_s : codFisc);
    m_results->setPrintTitle(u"Riepilogo profitti   -   C.F. cliente:  "_s + m_titTipologia->text());
    ProfitSummary::Result result;
    bool readable = true;
    try {
        ProfitSummary::collect(RecordFile(m_path, SchedaVendita::layout), m_selection, result);
    } catch (const StorageError&) {
        readable = false;
    }
    if (!readable) {
        // A file that cannot be read gives an empty summary, whose total is then true.
        result = ProfitSummary::Result();
    }
    m_results->setLines(ProfitSummary::lines(m_path, result));
    m_lblIntervallo->setText(ProfitSummary::intervalText(m_selection));
    m_lblTotCosti->setText(ProfitSummary::totalText(result.total));
    if (!readable)
        Services::messages().plain(StorageMessages::archiveUnreadable());
    else if (tellLeftOut && result.skipped > 0)
        Services::messages().warning(StorageMessages::cardsLeftOut(result.skipped));
}
