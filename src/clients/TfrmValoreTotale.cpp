#include "clients/TfrmValoreTotale.h"

TfrmValoreTotale::TfrmValoreTotale(QWidget* parent) : ClientHistoryWindow(ClientHistory::Kind::Sales, parent)
{
    setObjectName(QStringLiteral("TfrmValoreTotale"));
}
