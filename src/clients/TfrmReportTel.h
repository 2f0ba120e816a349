#pragma once

#include "clients/ClientHistoryWindow.h"

// " Riepilogo chiamate fatte al cliente": the client's calls of one year and their number.
class TfrmReportTel : public ClientHistoryWindow
{
    Q_OBJECT

public:
    explicit TfrmReportTel(QWidget* parent = nullptr);
};
