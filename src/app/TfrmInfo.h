#pragma once

#include <QDialog>

// The information window: what the program is, its version and where its archives are.
class TfrmInfo : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmInfo(QWidget* parent = nullptr);
};
