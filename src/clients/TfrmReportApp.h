#pragma once

#include "clients/ClientHistoryWindow.h"

// " Riepilogo appuntamenti presi con il cliente": the client's appointments of one year and their
// total.
class TfrmReportApp : public ClientHistoryWindow
{
    Q_OBJECT

public:
    explicit TfrmReportApp(QWidget* parent = nullptr);
};
