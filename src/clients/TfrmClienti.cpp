#include "clients/TfrmClienti.h"

#include "clients/ClientCard.h"
#include "platform/Services.h"
#include "platform/Shell.h"

using namespace Qt::StringLiterals;

TfrmClienti::TfrmClienti(WindowRegistry& registry) : CardScreen(ClientCard::definition(), registry)
{
    onCommand(u"btnEmail"_s, [this] { btnEmailClick(); });
}

void TfrmClienti::btnEmailClick()
{
    Services::shell().open(u"\"mailto:"_s + text(u"txtEmail"_s).trimmed() + u'"');
}
