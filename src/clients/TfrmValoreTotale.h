#pragma once

#include "clients/ClientHistoryWindow.h"

// " Riepilogo vendite concluse con il cliente": the client's sales of one year and their total.
class TfrmValoreTotale : public ClientHistoryWindow
{
    Q_OBJECT

public:
    explicit TfrmValoreTotale(QWidget* parent = nullptr);
};
