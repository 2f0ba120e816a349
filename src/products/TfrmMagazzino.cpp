#include "products/TfrmMagazzino.h"

#include "checks/CardAttachments.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "platform/ProgramFolder.h"
#include "platform/ReportOutput.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "products/ProductCalculations.h"
#include "products/ProductCard.h"
#include "products/ProductSheet.h"
#include "products/ProductWebSearch.h"
#include "products/SchedaArticolo.h"
#include "products/TfrmDatiPneumatici.h"
#include "products/TfrmExpMagazzino.h"
#include "products/TfrmGiacenza.h"
#include "products/TfrmSottoscorta.h"
#include "products/TfrmTrovaMagazzino.h"
#include "screens/CallerTargets.h"

using namespace Qt::StringLiterals;

namespace {
const QString kTag = u"magazzino"_s;
const QString kExtras[] = {u"memConsumo"_s, u"memAderenza"_s, u"memRumore"_s, u"memOnde"_s};
} // namespace

TfrmMagazzino::TfrmMagazzino(WindowRegistry& registry) : CardScreen(ProductCard::definition(), registry)
{
    onCommand(u"btnPneumatici"_s, [this] { btnPneumaticiClick(); });
    onCommand(u"btnAggiungi"_s, [this] { changeStock(ProductStock::Direction::Add); });
    onCommand(u"btnSottrai"_s, [this] { changeStock(ProductStock::Direction::Subtract); });
    onCommand(u"btnValore"_s, [this] { ProductCalculations::calcolaValore(*this); });
    onCommand(u"btnCalcola"_s, [this] { ProductCalculations::calcola(*this); });
    onCommand(u"btnScorpora"_s, [this] { ProductCalculations::scorpora(*this); });
    onCommand(u"cmdTrova"_s, [this] { cmdTrovaClick(); });
    onCommand(u"cmdStampa"_s, [this] { cmdStampaClick(); });
    onCommand(u"cmdPDF"_s, [this] { cmdPDFClick(); });
    onCommand(u"cmdWeb"_s, [this] { cmdWebClick(); });
    onCommand(u"cmdSottoscorta"_s, [this] { cmdSottoscortaClick(); });
    onCommand(u"cmdEsporta"_s, [this] { cmdEsportaClick(); });
    CardAttachments::install(*this, kTag);
    // The product search and the low-stock list load the chosen card here, with its record number.
    CallerTargets::registerTarget(SchedaArticolo::layout, kTag, [this](const Record& product, qint64 number) {
        loadRecord(number, product);
    });
}

TfrmMagazzino::~TfrmMagazzino()
{
    CallerTargets::unregisterTarget(SchedaArticolo::layout, kTag);
}

void TfrmMagazzino::btnPneumaticiClick()
{
    TfrmDatiPneumatici window(this);
    TfrmDatiPneumatici::Values values;
    for (std::size_t i = 0; i < values.size(); ++i)
        values.at(i) = text(kExtras[i]);
    window.setValues(values);
    if (Services::modal().exec(window) != QDialog::Accepted)
        return;
    values = window.values();
    for (std::size_t i = 0; i < values.size(); ++i)
        setText(kExtras[i], values.at(i));
}

void TfrmMagazzino::changeStock(ProductStock::Direction direction)
{
    if (text(u"txtGiacenza"_s).trimmed().isEmpty())
        setText(u"txtGiacenza"_s, u"0"_s);
    TfrmGiacenza window(this);
    window.prepare(direction, text(u"txtGiacenza"_s));
    if (Services::modal().exec(window) == QDialog::Accepted)
        setText(u"txtGiacenza"_s, window.total());
}

void TfrmMagazzino::cmdTrovaClick()
{
    TfrmTrovaMagazzino window(this);
    window.setCallerTag(kTag);
    Services::modal().exec(window);
}

void TfrmMagazzino::cmdStampaClick()
{
    ReportOutput::current().print(ProductSheet::build(controlTexts(), Services::clock().now()));
}

void TfrmMagazzino::cmdPDFClick()
{
    const QString path = ProgramFolder::file(u"Articolo.pdf"_s);
    if (!ReportOutput::current().exportPdf(ProductSheet::build(controlTexts(), Services::clock().now()),
                                           path))
        return;
    if (Services::messages().question(
            u"L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il file?"_s))
        Services::shell().open(u'"' + path + u'"');
}

void TfrmMagazzino::cmdWebClick()
{
    const QString brand = text(u"txtMarca"_s).trimmed();
    if (brand.isEmpty()) {
        Services::messages().warning(
            u"Attenzione: per poter effettuare una ricerca sul Web è necessario compilare "
            u"il campo relativo alla marca dell'articolo."_s);
        focusControl(u"txtMarca"_s);
        return;
    }
    Services::shell().open(u'"' + ProductWebSearch::address(brand, text(u"txtModello"_s)) + u'"');
}

void TfrmMagazzino::cmdSottoscortaClick()
{
    TfrmSottoscorta window(this);
    Services::modal().exec(window);
}

void TfrmMagazzino::cmdEsportaClick()
{
    TfrmExpMagazzino window(this);
    Services::modal().exec(window);
}
