#pragma once

#include "platform/ReportTemplate.h"

#include <functional>
#include <QDialog>

// The small window that prints a card, or shows its print preview: a picture, "Annulla" and "Stampa" (or
// "Mostra anteprima"). The page is built when the user confirms, from what the card shows then; the
// window closes itself afterwards.
class CardPrintWindow : public QDialog
{
    Q_OBJECT

public:
    enum class Mode { Print, Preview };

    CardPrintWindow(Mode mode, const QString& artwork, std::function<ReportTemplate()> page,
                    QWidget* parent = nullptr);

    // "Stampa" or "Mostra anteprima".
    void btnConfermaClick();

private:
    Mode m_mode;
    std::function<ReportTemplate()> m_page;
};
