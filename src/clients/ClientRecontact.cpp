#include "clients/ClientRecontact.h"

#include "clients/ClientLines.h"
#include "clients/SchedaCliente.h"

namespace ClientRecontact {

const SearchDefinition& definition()
{
    static const SearchDefinition list{
        SchedaCliente::layout,
        {},
        ClientLines::recontactLine,
        {},
        QStringLiteral("Riepilogo clienti da ricontattare"),
    };
    return list;
}

} // namespace ClientRecontact
