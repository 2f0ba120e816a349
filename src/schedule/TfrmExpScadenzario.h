#pragma once

#include "screens/ExportWindow.h"

#include <functional>

// " Esporta archivio Scadenzario e appuntamenti": every appointment of the year open on the schedule, in
// file order, written to Scadenzario_e_Appuntamenti.xls.
class TfrmExpScadenzario : public ExportWindow
{
    Q_OBJECT

public:
    // file: the year file, asked for when the window is shown.
    explicit TfrmExpScadenzario(std::function<QString()> file, QWidget* parent = nullptr);
};
