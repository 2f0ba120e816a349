#pragma once

#include <QDialog>

// The credits window: who made the program and with what.
class TfrmSplash : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget* parent = nullptr);
};
