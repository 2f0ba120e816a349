#include "operators/TfrmAnteprimaIstruttore.h"

#include "operators/OperatorSheetSource.h"

#include <QPushButton>

TfrmAnteprimaIstruttore::TfrmAnteprimaIstruttore(QWidget* parent)
    : CardPrintWindow(Mode::Preview, QStringLiteral(":/artwork/operatori.svg"),
                      OperatorSheetSource::fromCard(parent), parent)
{
    setObjectName(QStringLiteral("TfrmAnteprimaIstruttore"));
    // This window's confirming button keeps the print window's name.
    findChild<QPushButton*>(QStringLiteral("btnAnteprima"))->setObjectName(QStringLiteral("btnStampa"));
}
