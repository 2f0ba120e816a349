#pragma once

#include "screens/CardScreen.h"

// The operators and agents card: the centre's staff one card at a time, with their contracts.
class TfrmIstruttori : public CardScreen
{
    Q_OBJECT

public:
    explicit TfrmIstruttori(WindowRegistry& registry);
    ~TfrmIstruttori() override;

private:
    void btnEmailClick();
    // Shows a fresh window of the operators archive modally.
    template <class Window> void openWindow();
};
