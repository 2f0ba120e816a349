#pragma once

#include "screens/ListWindow.h"

// " Riepilogo pagamenti da effettuare": the payments still to be made, overdue or not in the year open on the
// schedule, in file order; a double click loads the appointment into the schedule card with its record
// number.
class TfrmConfermati : public ListWindow
{
    Q_OBJECT

public:
    // file: the year file, asked for when the window is shown.
    explicit TfrmConfermati(std::function<QString()> file, QWidget* parent = nullptr);
};
