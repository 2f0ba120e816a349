#include "sales/TfrmRegistro.h"

#include "checks/CheckWindows.h"
#include "clients/SchedaCliente.h"
#include "platform/Modal.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "products/SchedaArticolo.h"
#include "sales/SaleCard.h"
#include "sales/SaleMail.h"
#include "sales/SchedaVendita.h"
#include "sales/TfrmAnteprimaRegistro.h"
#include "sales/TfrmExpRegistro.h"
#include "sales/TfrmRiepAnnualeReg.h"
#include "sales/TfrmRiepGiornalieroReg.h"
#include "sales/TfrmRiepMensileReg.h"
#include "sales/TfrmStampaRegistro.h"
#include "sales/TfrmTrovaRegistro.h"
#include "screens/CallerTargets.h"
#include "screens/RegisterCard.h"
#include "screens/RegisterCommands.h"
#include "screens/SearchWindow.h"
#include "screens/WindowRegistry.h"
#include "storage/Record.h"
#include "widgets/Announcement.h"

using namespace Qt::StringLiterals;

namespace {
const QString kTag = u"registro"_s;
}

TfrmRegistro::TfrmRegistro(WindowRegistry& registry) : CardScreen(SaleCard::definition(), registry)
{
    onCommand(u"impRitiro"_s, [this] { RegisterCard::dateTime().putToday(*this); });
    onCommand(u"impOraRit"_s, [this] { RegisterCard::dateTime().putNow(*this); });
    onCommand(u"impArticolo"_s, [this] { impArticoloClick(); });
    onCommand(u"impCliente"_s, [this] { impClienteClick(); });
    onCommand(u"cmdEmail"_s, [this] { cmdEmailClick(); });
    onCommand(u"btnCodFisc"_s, [this] { CheckWindows::openTaxCode(this, text(u"txtCodFisc"_s)); });
    RegisterCommands::attach(
        *this,
        RegisterCommands::Windows<TfrmTrovaRegistro, TfrmRiepGiornalieroReg, TfrmRiepMensileReg,
                                  TfrmRiepAnnualeReg, TfrmExpRegistro, TfrmStampaRegistro,
                                  TfrmAnteprimaRegistro>{},
        SchedaVendita::layout, kTag);
    // The client picker copies the chosen client here, its payment method over what was typed; the
    // record number stays, so Save overwrites a card read from the file.
    CallerTargets::registerTarget(SchedaCliente::layout, kTag, [this](const Record& client, qint64) {
        using namespace SchedaCliente;
        const std::pair<Field, const char16_t*> copies[] = {
            {Cliente, u"txtCliente"},   {CodFisc, u"txtCodFisc"}, {Zona, u"txtZona"},
            {Email, u"txtEmail"},       {TelCel, u"txtTelCel"},   {Recapito, u"txtRecapito"},
            {Estremi, u"txtPagamento"},
        };
        QList<QWidget*> copied;
        for (const auto& [field, control] : copies) {
            setText(QString::fromUtf16(control), client.text(field));
            copied.append(this->control(QString::fromUtf16(control)));
        }
        Announcement::sayValues(this, copied);
    });
    // The product picker copies the article and its unit price with VAT, whatever the quantity sold.
    CallerTargets::registerTarget(SchedaArticolo::layout, kTag, [this](const Record& article, qint64) {
        using namespace SchedaArticolo;
        const std::pair<Field, const char16_t*> copies[] = {{Codice, u"txtCodice"},
                                                            {Tipologia, u"txtTipologia"},
                                                            {Descrizione, u"txtDescrizione"},
                                                            {Prezzo_con_Iva, u"txtImporto"}};
        QList<QWidget*> copied;
        for (const auto& [field, control] : copies) {
            setText(QString::fromUtf16(control), article.text(field));
            copied.append(this->control(QString::fromUtf16(control)));
        }
        Announcement::sayValues(this, copied);
    });
}

TfrmRegistro::~TfrmRegistro()
{
    CallerTargets::unregisterTarget(SchedaCliente::layout, kTag);
    CallerTargets::unregisterTarget(SchedaArticolo::layout, kTag);
}

void TfrmRegistro::impArticoloClick()
{
    const auto window = registry().make<SearchWindow>(u"TfrmImportaMagazzino"_s, this);
    window->setCallerTag(kTag);
    Services::modal().exec(*window);
}

void TfrmRegistro::impClienteClick()
{
    const auto window = registry().make<SearchWindow>(u"TfrmTrovaClienti"_s, this);
    window->setCallerTag(kTag);
    Services::modal().exec(*window);
}

void TfrmRegistro::cmdEmailClick()
{
    if (!CardCheck::allPass(SaleCard::mailChecks(), *this))
        return;
    Services::shell().openMail(SaleMail::confirmation(controlTexts()));
}
