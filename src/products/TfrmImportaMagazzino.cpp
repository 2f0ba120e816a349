#include "products/TfrmImportaMagazzino.h"

#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "products/ProductPicker.h"
#include "products/SchedaArticolo.h"
#include "screens/CallerTargets.h"
#include "screens/ResultList.h"
#include "screens/StorageMessages.h"
#include "storage/StorageError.h"
#include "widgets/Accessibility.h"
#include "widgets/DialogButton.h"
#include "widgets/EnterChain.h"
#include "widgets/FocusHighlight.h"
#include "widgets/KeyFilter.h"
#include "widgets/LeavingFocus.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QString catalogue()
{
    return ProgramFolder::file(QLatin1StringView(SchedaArticolo::kFileName));
}

QLabel* hidden(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

// The quantity: digits and the comma; Enter moves to the stock-updating import; leaving it normalises it.
class QuantityField : public QObject
{
public:
    QuantityField(QLineEdit* input, QPushButton* next) : QObject(input), m_input(input)
    {
        KeyFilter::amount(input);
        EnterChain::toButton(input, next);
        input->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (LeavingFocus::isLeaving(event))
            m_input->setText(ProductPicker::normaliseQuantity(m_input->text()));
        return false;
    }

private:
    QLineEdit* m_input;
};

} // namespace

TfrmImportaMagazzino::TfrmImportaMagazzino(QWidget* parent)
    : SearchWindow(ProductPicker::definition(), {catalogue, nullptr, false}, parent)
{
    setObjectName(u"TfrmImportaMagazzino"_s);
    setWindowTitle(u" Importa articoli da magazzino"_s);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* details = new QWidget;
    details->setObjectName(u"panArticolo"_s);
    auto* hint = new QLabel(u"Richiamare i dati di una scheda selezionandola con un clic."_s);
    m_lblCodice = new QLabel;
    m_lblCodice->setObjectName(u"lblCodice"_s);
    m_lblDescrizione = new QLabel;
    m_lblDescrizione->setObjectName(u"lblDescrizione"_s);
    m_lblGiacenza = new QLabel;
    m_lblGiacenza->setObjectName(u"lblGiacenza"_s);
    m_txtQuant = new QLineEdit(u"0"_s);
    m_txtQuant->setObjectName(u"txtQuant"_s);
    m_txtQuant->setMaxLength(6);
    m_txtQuant->setMaximumWidth(m_txtQuant->fontMetrics().horizontalAdvance(u"0000000000"_s));
    FocusHighlight::attach(m_txtQuant);
    m_lblPosizione = hidden(u"lblPosizione"_s, details);
    m_lblCosto = hidden(u"lblCosto"_s, details);
    m_lblValore = hidden(u"lblValore"_s, details);

    auto* grid = new QGridLayout;
    const std::pair<const char16_t*, QWidget*> rows[] = {{u"Codice articolo:", m_lblCodice},
                                                         {u"Descrizione:", m_lblDescrizione},
                                                         {u"Giacenza attuale:", m_lblGiacenza},
                                                         {u"Quantità da scaricare:", m_txtQuant}};
    for (const auto& [caption, value] : rows) {
        auto* label = new QLabel(QString::fromUtf16(caption));
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(value, row, 1);
        // The chosen article's details are spoken with their captions; the quantity is an input.
        if (auto* shown = qobject_cast<QLabel*>(value))
            Accessibility::value(shown, label->text());
        else
            Accessibility::label(label, value);
    }
    // The details stand right beside their captions; the room left over goes to an empty column.
    grid->setColumnStretch(2, 1);

    auto* btnNonAggiornare =
        DialogButton::create(u"btnNonAggiornare"_s, u"Importa articolo senza aggiornare giacenza"_s);
    auto* btnAggiorna = DialogButton::create(u"btnAggiorna"_s, u"Importa articolo e aggiorna giacenza"_s);
    new QuantityField(m_txtQuant, btnAggiorna);
    auto* imports = new QHBoxLayout;
    imports->addWidget(btnNonAggiornare);
    imports->addWidget(btnAggiorna);
    imports->addStretch(1);

    auto* column = new QVBoxLayout(details);
    column->setContentsMargins(0, 6, 0, 6);
    column->addWidget(hint);
    column->addLayout(grid);
    column->addLayout(imports);
    results()->addAboveButtonRow(details);
    // The list shows its lines in 11 points here.
    QFont font = results()->view()->font();
    font.setPointSize(11);
    results()->view()->setFont(font);

    connect(btnNonAggiornare, &QPushButton::clicked, this, &TfrmImportaMagazzino::btnNonAggiornareClick);
    connect(btnAggiorna, &QPushButton::clicked, this, &TfrmImportaMagazzino::btnAggiornaClick);
    // Whatever moves the selection (a click, the arrow keys, Trova) moves the choice with it.
    connect(results()->view()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TfrmImportaMagazzino::chooseSelected);
}

void TfrmImportaMagazzino::setQuantity(const QString& quantity)
{
    m_txtQuant->setText(quantity);
}

void TfrmImportaMagazzino::clearChoice()
{
    for (QLabel* label :
         {m_lblCodice, m_lblDescrizione, m_lblGiacenza, m_lblPosizione, m_lblCosto, m_lblValore})
        label->clear();
}

void TfrmImportaMagazzino::chooseSelected()
{
    clearChoice();
    const std::optional<QString> line = results()->selectedLine();
    if (!line)
        return;
    try {
        const std::optional<qint64> number = ProductPicker::recordOf(catalogue(), *line);
        if (!number)
            return;
        const ProductPicker::Import read = ProductPicker::import(catalogue(), *number, *line, std::nullopt);
        if (read.outcome != ProductPicker::Import::Outcome::Done)
            return;
        using namespace SchedaArticolo;
        m_lblCodice->setText(read.record.text(Codice));
        m_lblDescrizione->setText(read.record.text(Descrizione));
        m_lblGiacenza->setText(read.record.text(Giacenza));
        m_lblCosto->setText(read.record.text(Costo));
        m_lblValore->setText(read.record.text(Valore));
        m_lblPosizione->setText(QString::number(*number));
    } catch (const StorageError&) {
        // The import reads the record again and says so if the file stays out of reach.
    }
}

void TfrmImportaMagazzino::btnNonAggiornareClick()
{
    importChosen(false);
}

void TfrmImportaMagazzino::btnAggiornaClick()
{
    importChosen(true);
}

void TfrmImportaMagazzino::importChosen(bool unloadStock)
{
    Messages& messages = Services::messages();
    const std::optional<QString> line = results()->selectedLine();
    if (!line) {
        messages.warning(
            u"Attenzione: selezionare un articolo dall'elenco prima di premere il pulsante di importazione."_s);
        return;
    }
    if (m_txtQuant->text().isEmpty())
        m_txtQuant->setText(u"0"_s);
    using Outcome = ProductPicker::Import::Outcome;
    ProductPicker::Import done{Outcome::LineChanged, Record(SchedaArticolo::layout)};
    try {
        if (m_lblPosizione->text().isEmpty())
            chooseSelected();
        const qint64 number = m_lblPosizione->text().toLongLong();
        const std::optional<QString> quantity =
            unloadStock ? std::optional(ProductPicker::normaliseQuantity(m_txtQuant->text())) : std::nullopt;
        done = ProductPicker::import(catalogue(), number, *line, quantity);
    } catch (const StorageError&) {
        messages.plain(StorageMessages::accessDenied());
        return;
    }
    switch (done.outcome) {
    case Outcome::LineChanged:
        // Another station changed the article since the search: its line is no longer in the file.
        messages.warning(
            u"Attenzione: l'articolo selezionato è stato modificato in archivio.\n\r\n\rRipetere "
            u"la ricerca prima di importarlo."_s);
        return;
    case Outcome::MoreThanStock:
        // The stock checked is the one now in the archive, which another workstation may have lowered.
        m_lblGiacenza->setText(done.record.text(SchedaArticolo::Giacenza));
        m_lblValore->setText(done.record.text(SchedaArticolo::Valore));
        messages.warning(
            u"Attenzione: la quantità da scaricare non può essere superiore alla giacenza in "
            u"magazzino.\n\r\n\rIndicare una quantità inferiore oppure utilizzare il pulsante per "
            u"importare l'articolo senza aggiornare la giacenza."_s);
        return;
    case Outcome::Unreadable:
        messages.warning(u"Attenzione: la quantità, la giacenza o il costo dell'articolo non contengono un "
                         u"numero valido."_s);
        return;
    case Outcome::Done:
        break;
    }
    m_lblGiacenza->setText(done.record.text(SchedaArticolo::Giacenza));
    m_lblValore->setText(done.record.text(SchedaArticolo::Valore));
    CallerTargets::deliver(callerTag(), done.record, m_lblPosizione->text().toLongLong());
    accept();
}
