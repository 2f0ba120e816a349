#pragma once

#include "screens/CardScreen.h"

// The sale card: the sales of the year chosen in the sales register menu, one card at a time.
class TfrmRegistro : public CardScreen
{
    Q_OBJECT

public:
    explicit TfrmRegistro(WindowRegistry& registry);
    ~TfrmRegistro() override;

private:
    void impArticoloClick();
    void impClienteClick();
    void cmdEmailClick();
};
