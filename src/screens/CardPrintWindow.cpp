#include "screens/CardPrintWindow.h"

#include "platform/ReportOutput.h"
#include "widgets/Accessibility.h"
#include "widgets/Picture.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CardPrintWindow::CardPrintWindow(Mode mode, const QString& artwork, std::function<ReportTemplate()> page,
                                 QWidget* parent)
    : QDialog(parent), m_mode(mode), m_page(std::move(page))
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const bool print = mode == Mode::Print;
    setWindowTitle(print ? u" Stampa scheda"_s : u" Anteprima di stampa"_s);

    auto* picture = new Picture(u"imgStampa"_s, artwork, windowTitle().trimmed());
    picture->setFixedSize(96, 96);

    auto* btnAnnulla = new QPushButton(u"Annulla"_s);
    btnAnnulla->setObjectName(u"btnAnnulla"_s);
    auto* confirm = new QPushButton(print ? u"Stampa"_s : u"Mostra anteprima"_s);
    confirm->setObjectName(print ? u"btnStampa"_s : u"btnAnteprima"_s);
    confirm->setDefault(true);
    for (QPushButton* button : {confirm, btnAnnulla}) {
        button->setMinimumWidth(130);
        Accessibility::describe(button, button->text());
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(confirm);
    buttons->addWidget(btnAnnulla);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(18);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);

    connect(confirm, &QPushButton::clicked, this, &CardPrintWindow::btnConfermaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint().expandedTo({360, 0}));
}

void CardPrintWindow::btnConfermaClick()
{
    ReportTemplate page = m_page();
    page.setOrientation(ReportTemplate::Orientation::Portrait);
    if (m_mode == Mode::Print)
        ReportOutput::current().print(page);
    else
        ReportOutput::current().preview(page);
    accept();
}
