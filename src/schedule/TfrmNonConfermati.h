#pragma once

#include "screens/ListWindow.h"

// " Riepilogo pagamenti effettuati": the payments made in the year open on the schedule, in file order;
// a double click loads the appointment into the schedule card with its record number.
class TfrmNonConfermati : public ListWindow
{
    Q_OBJECT

public:
    // file: the year file, asked for when the window is shown.
    explicit TfrmNonConfermati(std::function<QString()> file, QWidget* parent = nullptr);
};
