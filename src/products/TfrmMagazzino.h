#pragma once

#include "products/ProductStock.h"
#include "screens/CardScreen.h"

// The product card: the catalogue of products and services one card at a time, with its prices, its
// stock and the value of that stock.
class TfrmMagazzino : public CardScreen
{
    Q_OBJECT

public:
    explicit TfrmMagazzino(WindowRegistry& registry);
    ~TfrmMagazzino() override;

private:
    void btnPneumaticiClick();
    void changeStock(ProductStock::Direction direction);
    void cmdTrovaClick();
    void cmdStampaClick();
    void cmdPDFClick();
    void cmdWebClick();
    void cmdSottoscortaClick();
    void cmdEsportaClick();
};
