#include "screens/ResultList.h"

#include "platform/Clock.h"
#include "platform/ListReport.h"
#include "platform/Messages.h"
#include "platform/ReportOutput.h"
#include "platform/Services.h"
#include "screens/ListFind.h"
#include "screens/ResultListModel.h"
#include "screens/StorageMessages.h"
#include "widgets/Accessibility.h"
#include "widgets/Announcement.h"
#include "widgets/DialogButton.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel* line(const QString& text, const QString& name = {})
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

} // namespace

ResultList::ResultList(const Options& options, QWidget* parent)
    : QWidget(parent), m_options(options), m_remembered(options.runFind ? options.runFind : &m_ownFind),
      m_model(new ResultListModel(this)), m_txtTrova(new QLineEdit),
      m_btnTrova(DialogButton::create(u"btnTrova"_s, u"Trova"_s)), m_lstRecords(new QListView),
      m_buttonRow(new QHBoxLayout)
{
    const QString findLine1 =
        u"Immettere una o più parole consecutive presenti nella scheda in elenco da cercare "
        u"e premere il pulsante Trova."_s;
    const QString findLine2 =
        u"Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare "
        u"di nuovo clic su Trova."_s;

    m_txtTrova->setObjectName(u"txtTrova"_s);
    Accessibility::describe(m_txtTrova, u"Parole da trovare nell'elenco"_s, findLine1);
    Accessibility::describe(m_btnTrova, m_btnTrova->text(), findLine2);
    // Enter in txtTrova moves to "Trova", where Enter presses it.
    m_txtTrova->installEventFilter(this);
    m_btnTrova->setAutoDefault(true);

    m_lstRecords->setObjectName(u"lstRecords"_s);
    m_lstRecords->setModel(m_model);
    m_lstRecords->setUniformItemSizes(true);
    m_lstRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_lstRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The columns of the lines line up only in this font, whatever the style says.
    QFont fixed(u"Courier New"_s, 12);
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    m_lstRecords->setFont(fixed);
    QPalette black = m_lstRecords->palette();
    black.setColor(QPalette::Text, Qt::black);
    m_lstRecords->setPalette(black);
    m_lstRecords->viewport()->installEventFilter(this);
    m_lstRecords->installEventFilter(this);
    Accessibility::describe(m_lstRecords, options.printTitle,
                            options.picks
                                ? u"Per richiamare i dati di una scheda, selezionarla con un doppio clic."_s
                                : QString());

    auto* btnChiudi = DialogButton::create(u"btnChiudi"_s, u"Chiudi"_s);
    auto* btnStampa = DialogButton::create(u"btnStampa"_s, u"Stampa"_s);

    auto* find = new QHBoxLayout;
    find->addWidget(m_txtTrova, 1);
    find->addWidget(m_btnTrova);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(line(findLine1));
    layout->addWidget(line(findLine2));
    layout->addLayout(find);
    layout->addWidget(m_lstRecords, 1);
    if (options.picks)
        layout->addWidget(line(u"Per richiamare i dati di una scheda, selezionarla con un doppio clic."_s));

    auto* bottom = m_buttonRow;
    if (!options.countPrefix.isEmpty()) {
        m_lblTrovate = line(QString(), u"lblTrovate"_s);
        m_lblTrovate->setWordWrap(false);
        bottom->addWidget(m_lblTrovate);
    }
    bottom->addStretch(1);
    bottom->addWidget(btnStampa);
    bottom->addWidget(btnChiudi);
    layout->addLayout(bottom);

    connect(m_btnTrova, &QPushButton::clicked, this, &ResultList::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &ResultList::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &ResultList::closeRequested);
    // Told when the event loop is back: the lines are asked for while the list paints.
    connect(m_model, &ResultListModel::linesUnreadable, this, &ResultList::dropUnreadableLines,
            Qt::QueuedConnection);
}

void ResultList::reset()
{
    if (!m_options.runFind)
        m_ownFind.clear();
    m_txtTrova->clear();
    m_lstRecords->selectionModel()->clear();
    select(0);
}

void ResultList::setLines(TextTable lines)
{
    setLines(std::make_shared<TableLines>(std::move(lines)));
}

void ResultList::setLines(std::shared_ptr<const ResultLines> lines)
{
    m_model->setLines(std::move(lines));
    // Every item as wide as the longest line, so the list scrolls sideways instead of cutting lines.
    const QFontMetrics metrics(m_lstRecords->font());
    const int margins = 2 * m_lstRecords->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    m_model->setItemSize(
        {int(m_model->longestLine()) * metrics.horizontalAdvance(u'M') + margins, metrics.height() + 2});
    if (m_lblTrovate) {
        m_lblTrovate->setText(m_options.countPrefix + QString::number(count()) + u" schede."_s);
        Announcement::say(this, m_lblTrovate->text());
    }
}

void ResultList::clear()
{
    m_model->clear();
}

void ResultList::setPrintTitle(const QString& title)
{
    m_options.printTitle = title;
}

void ResultList::addToButtonRow(QWidget* widget)
{
    m_buttonRow->insertWidget(m_lblTrovate ? 1 : 0, widget);
}

void ResultList::addAboveButtonRow(QWidget* widget)
{
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->insertWidget(column->indexOf(m_buttonRow), widget);
}

void ResultList::focusFind()
{
    m_txtTrova->clear();
    m_txtTrova->setFocus(Qt::OtherFocusReason);
}

int ResultList::count() const
{
    return m_model->rowCount();
}

std::optional<QString> ResultList::selectedLine() const
{
    const QModelIndexList selected = m_lstRecords->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return m_model->line(selected.first().row());
}

void ResultList::btnTrovaClick()
{
    const QModelIndexList selected = m_lstRecords->selectionModel()->selectedIndexes();
    const ListFind::Step step = ListFind::next(
        count(), [this](int row) { return m_model->line(row); },
        selected.isEmpty() ? -1 : selected.first().row(), m_txtTrova->text(), *m_remembered);
    if (step.emptyList) {
        Services::messages().plain(u"Ricerca non applicabile: la lista non contiene nessuna voce."_s);
        return;
    }
    select(step.selected);
}

void ResultList::btnStampaClick()
{
    if (!m_options.emptyPrintWarning.isEmpty() && count() == 0) {
        Services::messages().warning(m_options.emptyPrintWarning);
        return;
    }
    if (!m_options.printQuestion.isEmpty() && !Services::messages().question(m_options.printQuestion))
        return;
    if (m_options.refreshBeforePrint) {
        m_options.refreshBeforePrint();
        if (!m_options.emptyPrintWarning.isEmpty() && count() == 0) {
            Services::messages().warning(m_options.emptyPrintWarning);
            return;
        }
    }
    const QStringList lines = m_model->allLines();
    // Empty lines under a total counted from the file would be a page that lies.
    if (!m_model->failure().isEmpty()) {
        dropUnreadableLines();
        return;
    }
    const QStringList footer = m_options.printFooter ? m_options.printFooter() : QStringList();
    ReportOutput::current().print(
        ListReport::build(m_options.printTitle, lines, footer, Services::clock().today()));
}

bool ResultList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_txtTrova && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_btnTrova->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    // Anywhere on the list, also below its last line: the window picks the selected line, if any.
    if (watched == m_lstRecords->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        m_options.picks) {
        emit pickRequested();
        return true;
    }
    // Reached from the keyboard with no line chosen, the list chooses its current one, or its first: the
    // keys then have a line to act on, and a screen reader a line to read.
    if (watched == m_lstRecords && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason && !selectedLine())
        QTimer::singleShot(0, this, &ResultList::chooseOnFocus);
    // Enter or Space on a selected line picks it as a double click does; without a selection, Space
    // selects the current line as in any list.
    if (watched == m_lstRecords && event->type() == QEvent::KeyPress && m_options.picks) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool picking = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                             (key->key() == Qt::Key_Space && selectedLine().has_value());
        if (picking && !(key->modifiers() & ~Qt::KeypadModifier)) {
            if (selectedLine())
                emit pickRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ResultList::dropUnreadableLines()
{
    // Already dropped, or other lines set since.
    if (m_model->failure().isEmpty())
        return;
    setLines(TextTable(1, TextTable::Cells::AsGiven));
    emit linesDropped();
    Services::messages().plain(StorageMessages::archiveUnreadable());
}

void ResultList::chooseOnFocus()
{
    if (!m_lstRecords->hasFocus() || selectedLine())
        return;
    const QModelIndex current = m_lstRecords->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    // Made current anew once the list has been announced, so that the line is announced after it.
    m_lstRecords->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    select(row);
}

void ResultList::select(int row)
{
    if (row < 0 || row >= count())
        return;
    const QModelIndex index = m_model->index(row);
    m_lstRecords->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_lstRecords->scrollTo(index);
}
