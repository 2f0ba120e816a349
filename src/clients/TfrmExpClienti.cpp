#include "clients/TfrmExpClienti.h"

#include "clients/ClientExport.h"

TfrmExpClienti::TfrmExpClienti(QWidget* parent) : ExportWindow(ClientExport::definition(), parent)
{
    setObjectName(QStringLiteral("TfrmExpClienti"));
}
