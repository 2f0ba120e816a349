#pragma once

#include "screens/HelpTopic.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;

// The help window: a title naming the screen, its help text, and the link to the PDF guide.
class TfrmGuida : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmGuida(QWidget* parent = nullptr);

    void setTopic(const HelpTopic& topic);

private:
    void lnkWebClick();

    QLabel* m_lblTitolo;
    QPlainTextEdit* m_txtGuida;
};

// What every screen's help command does: a fresh help window with the screen's title and text, shown
// modally and destroyed when it closes.
void showHelp(QWidget* parent, const HelpTopic& topic);
