#include "clients/TfrmClienti.h"

#include "checks/CardAttachments.h"
#include "checks/CheckWindows.h"
#include "checks/TfrmCartella.h"
#include "clients/ClientCard.h"
#include "clients/ClientSheet.h"
#include "clients/SchedaCliente.h"
#include "clients/TfrmExpClienti.h"
#include "clients/TfrmReportApp.h"
#include "clients/TfrmReportTel.h"
#include "clients/TfrmRicontatta.h"
#include "clients/TfrmTrovaClienti.h"
#include "clients/TfrmValoreTotale.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "platform/ProgramFolder.h"
#include "platform/ReportOutput.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "screens/CallerTargets.h"
#include "screens/QuickEntry.h"
#include "screens/WindowRegistry.h"

using namespace Qt::StringLiterals;

namespace {
const QString kTag = u"clienti"_s;
using Check = CheckWindows::Check;
} // namespace

TfrmClienti::TfrmClienti(WindowRegistry& registry) : CardScreen(ClientCard::definition(), registry)
{
    onCommand(u"btnEmail"_s, [this] { btnEmailClick(); });
    onCommand(u"cmdTrova"_s, [this] { cmdTrovaClick(); });
    onCommand(u"cmdRicontatta"_s, [this] { cmdRicontattaClick(); });
    onCommand(u"cmdEsporta"_s, [this] { cmdEsportaClick(); });
    onCommand(u"cmdStampa"_s, [this] { cmdStampaClick(); });
    onCommand(u"cmdAnteprima"_s, [this] { cmdAnteprimaClick(); });
    onCommand(u"cmdPDF"_s, [this] { cmdPDFClick(); });
    onCommand(u"btnCodFisc"_s, [this] { CheckWindows::openTaxCode(this, text(u"txtCodFisc"_s)); });
    onCommand(u"btnCarta"_s, [this] { CheckWindows::open(Check::Carta, this, text(u"txtCarta"_s)); });
    onCommand(u"btnPartitaIva"_s,
              [this] { CheckWindows::open(Check::PartitaIva, this, text(u"txtPartitaIva"_s)); });
    onCommand(u"btnIban"_s, [this] { CheckWindows::open(Check::Iban, this, text(u"txtIban"_s)); });
    onCommand(u"cmdCartella"_s, [this] { cmdCartellaClick(); });
    CardAttachments::install(*this, kTag);
    onCommand(u"btnChiamata"_s, [this] { btnChiamataClick(); });
    onCommand(u"btnVendita"_s, [this] { btnVenditaClick(); });
    onCommand(u"btnRiepChiamate"_s, [this] { showHistory<TfrmReportTel>(); });
    onCommand(u"btnRiepVendite"_s, [this] { showHistory<TfrmValoreTotale>(); });
    onCommand(u"btnRiepAppuntamenti"_s, [this] { showHistory<TfrmReportApp>(); });
    onCommand(u"btnAppuntamento"_s, [this] { btnAppuntamentoClick(); });
    // The client search and the recontact list load the chosen card here, with its record number.
    CallerTargets::registerTarget(SchedaCliente::layout, kTag,
                                  [this](const Record& card, qint64 number) { loadRecord(number, card); });
}

TfrmClienti::~TfrmClienti()
{
    CallerTargets::unregisterTarget(SchedaCliente::layout, kTag);
}

void TfrmClienti::btnEmailClick()
{
    Services::shell().open(u"\"mailto:"_s + text(u"txtEmail"_s).trimmed() + u'"');
}

void TfrmClienti::cmdTrovaClick()
{
    TfrmTrovaClienti window(this);
    window.setCallerTag(kTag);
    Services::modal().exec(window);
}

void TfrmClienti::cmdRicontattaClick()
{
    TfrmRicontatta window(this);
    Services::modal().exec(window);
}

void TfrmClienti::cmdEsportaClick()
{
    TfrmExpClienti window(this);
    Services::modal().exec(window);
}

template <class HistoryWindow> void TfrmClienti::showHistory()
{
    HistoryWindow window(this);
    window.setCodFisc(text(u"txtCodFisc"_s).trimmed());
    Services::modal().exec(window);
}

void TfrmClienti::cmdStampaClick()
{
    ReportOutput::current().print(ClientSheet::build(controlTexts(), Services::clock().now()));
}

void TfrmClienti::cmdAnteprimaClick()
{
    ReportOutput::current().preview(ClientSheet::build(controlTexts(), Services::clock().now()));
}

void TfrmClienti::cmdPDFClick()
{
    const QString path = ProgramFolder::file(u"Cliente.pdf"_s);
    if (!ReportOutput::current().exportPdf(ClientSheet::build(controlTexts(), Services::clock().now()), path))
        return;
    if (Services::messages().question(
            u"L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il file?"_s))
        Services::shell().open(u'"' + path + u'"');
}

void TfrmClienti::cmdCartellaClick()
{
    if (recordNumber() == 0) {
        Services::messages().warning(u"Attenzione: l'abbinamento di una cartella ad un cliente può avvenire "
                                     u"soltanto dopo che la scheda è stata inserita in archivio."_s);
        return;
    }
    TfrmCartella window(this);
    window.setRecordNumber(recordNumber());
    Services::modal().exec(window);
}

void TfrmClienti::btnChiamataClick()
{
    openQuickEntry(u"TfrmInserisciTel"_s, {{u"txtCliente"_s, u"txtCliente"_s},
                                           {u"txtCodFisc"_s, u"txtCodFisc"_s},
                                           {u"txtZona"_s, u"txtZona"_s},
                                           {u"txtTelCel"_s, u"txtTelCel"_s},
                                           {u"txtEmail"_s, u"txtEmail"_s},
                                           {u"txtRecapito"_s, u"txtRecapito"_s}});
}

void TfrmClienti::btnVenditaClick()
{
    openQuickEntry(u"TfrmInserisciReg"_s, {{u"txtCliente"_s, u"txtCliente"_s},
                                           {u"txtCodFisc"_s, u"txtCodFisc"_s},
                                           {u"txtZona"_s, u"txtZona"_s},
                                           {u"txtTelCel"_s, u"txtTelCel"_s},
                                           {u"txtEmail"_s, u"txtEmail"_s},
                                           {u"txtRecapito"_s, u"txtRecapito"_s},
                                           {u"txtEstremi"_s, u"txtPagamento"_s}});
}

void TfrmClienti::btnAppuntamentoClick()
{
    openQuickEntry(u"TfrmInserisciSca"_s, {{u"txtCliente"_s, u"txtPagatore"_s},
                                           {u"txtCodFisc"_s, u"txtCodFisc"_s},
                                           {u"txtZona"_s, u"txtNumTessera"_s},
                                           {u"txtTelCel"_s, u"txtTelCel"_s},
                                           {u"txtRecapito"_s, u"txtRecapito"_s},
                                           {u"txtEstremi"_s, u"txtOfficina"_s}});
}

void TfrmClienti::openQuickEntry(const QString& window, const QList<std::pair<QString, QString>>& copies)
{
    const auto entry = registry().make<QuickEntry>(window, this);
    entry->setText(u"lblAnno"_s, Services::clock().today().toString(u"yyyy"_s));
    for (const auto& [from, to] : copies)
        entry->setText(to, text(from).trimmed());
    Services::modal().exec(*entry);
}
