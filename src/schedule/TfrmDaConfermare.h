#pragma once

#include "screens/ListWindow.h"

// " Riepilogo appuntamenti da confermare": the appointments still to be confirmed in the year open on the
// schedule, in file order; a double click loads the appointment into the schedule card with its record
// number.
class TfrmDaConfermare : public ListWindow
{
    Q_OBJECT

public:
    // file: the year file, asked for when the window is shown.
    explicit TfrmDaConfermare(std::function<QString()> file, QWidget* parent = nullptr);
};
