#include "calls/TfrmChiamate.h"

#include "calls/CallCard.h"
#include "calls/CallCardCommands.h"
#include "checks/CheckWindows.h"
#include "clients/SchedaCliente.h"
#include "platform/Modal.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "screens/CallerTargets.h"
#include "screens/RegisterCard.h"
#include "screens/SearchWindow.h"
#include "screens/WindowRegistry.h"
#include "storage/Record.h"

using namespace Qt::StringLiterals;

namespace {
const QString kTag = u"chiamate"_s;
}

TfrmChiamate::TfrmChiamate(WindowRegistry& registry) : CardScreen(CallCard::definition(), registry)
{
    onCommand(u"impRitiro"_s, [this] { impRitiroClick(); });
    onCommand(u"impOraRit"_s, [this] { impOraRitClick(); });
    onCommand(u"impCliente"_s, [this] { impClienteClick(); });
    onCommand(u"btnEmail"_s, [this] { btnEmailClick(); });
    // Trova, the summaries G, M and A, Esporta, Stampa and Anteprima.
    CallCardCommands::attach(*this);
    onCommand(u"btnCodFisc"_s, [this] { CheckWindows::openTaxCode(this, text(u"txtCodFisc"_s)); });
    // The client picker copies the chosen client here; the record number stays, so Save overwrites a
    // card read from the file.
    CallerTargets::registerTarget(SchedaCliente::layout, kTag, [this](const Record& client, qint64) {
        using namespace SchedaCliente;
        const std::pair<Field, const char16_t*> copies[] = {
            {Cliente, u"txtCliente"}, {CodFisc, u"txtCodFisc"}, {Zona, u"txtZona"},
            {Email, u"txtEmail"},     {TelCel, u"txtTelCel"},   {Recapito, u"txtRecapito"},
        };
        for (const auto& [field, control] : copies)
            setText(QString::fromUtf16(control), client.text(field));
    });
}

TfrmChiamate::~TfrmChiamate()
{
    CallerTargets::unregisterTarget(SchedaCliente::layout, kTag);
}

void TfrmChiamate::impRitiroClick()
{
    RegisterCard::dateTime().putToday(*this);
}

void TfrmChiamate::impOraRitClick()
{
    RegisterCard::dateTime().putNow(*this);
}

void TfrmChiamate::impClienteClick()
{
    const auto window = registry().make<SearchWindow>(u"TfrmTrovaClienti"_s, this);
    window->setCallerTag(kTag);
    Services::modal().exec(*window);
}

void TfrmChiamate::btnEmailClick()
{
    Services::shell().open(u"\"mailto:"_s + text(u"txtEmail"_s).trimmed() + u'"');
}
