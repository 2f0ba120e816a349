#pragma once

#include <QDialog>

class QLabel;

// The folder window " Gestione cartella abbinata alla scheda corrente": says what a client's own
// folder is for and opens it (program folder + "Cliente_" + the record number in lblMemory), creating
// it on first use.
class TfrmCartella : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmCartella(QWidget* parent = nullptr);

    // The record number of the card, kept in the hidden lblMemory.
    void setRecordNumber(qint64 number);

private:
    void btnApriCartellaClick();

    QLabel* m_lblMemory;
};
