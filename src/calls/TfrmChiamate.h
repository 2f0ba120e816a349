#pragma once

#include "screens/CardScreen.h"

// The call card: the calls of the year chosen in the year menu, one card at a time.
class TfrmChiamate : public CardScreen
{
    Q_OBJECT

public:
    explicit TfrmChiamate(WindowRegistry& registry);
    ~TfrmChiamate() override;

private:
    void impRitiroClick();
    void impOraRitClick();
    void impClienteClick();
    void btnEmailClick();
};
