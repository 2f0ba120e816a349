#pragma once

#include "platform/MailMessage.h"
#include "platform/ReportRow.h"

// The purchase confirmation a sale card sends to its client.
namespace SaleMail {

// The message "Conferma acquisto" to the card's e-mail address: the client, the date as day, month name
// and year, the time, the article's code, amount and description as the card shows them.
MailMessage confirmation(const ControlTexts& card);

} // namespace SaleMail
