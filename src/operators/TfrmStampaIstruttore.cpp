#include "operators/TfrmStampaIstruttore.h"

#include "operators/OperatorSheetSource.h"

TfrmStampaIstruttore::TfrmStampaIstruttore(QWidget* parent)
    : CardPrintWindow(Mode::Print, QStringLiteral(":/artwork/operatori.svg"),
                      OperatorSheetSource::fromCard(parent), parent)
{
    setObjectName(QStringLiteral("TfrmStampaIstruttore"));
}
