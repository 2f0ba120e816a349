#pragma once

#include "screens/ChartWindow.h"

// The calls chart of one year's call register, opened over its year window.
class TfrmStatsTelefonate : public ChartWindow
{
    Q_OBJECT

public:
    explicit TfrmStatsTelefonate(const QString& year, QWidget* parent = nullptr);
};
