#include "cli/ControlCommand.h"

#include "checks/CodiceFiscale.h"
#include "checks/CreditCard.h"
#include "checks/Iban.h"
#include "checks/PartitaIva.h"

namespace {

constexpr int UsageError = 4;

struct Check
{
    const char* name;
    QString (*normaliseInput)(QStringView);
    CheckResult (*check)(QStringView);
};

const Check Checks[] = {
    {"cf", CodiceFiscale::normaliseInput, CodiceFiscale::check},
    {"piva", PartitaIva::normaliseInput, PartitaIva::check},
    {"carta", CreditCard::normaliseInput, CreditCard::check},
    {"iban", Iban::normaliseInput, Iban::check},
};

int exitStatus(CheckResult::Verdict verdict)
{
    switch (verdict) {
    case CheckResult::Valid:
        return 0;
    case CheckResult::Invalid:
        return 1;
    case CheckResult::Warning:
        return 2;
    case CheckResult::NoMessage:
        break;
    }
    return 3;
}

} // namespace

int runControl(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.size() == 2) {
        for (const Check& check : Checks) {
            if (arguments[0] == QLatin1StringView(check.name)) {
                const CheckResult result = check.check(check.normaliseInput(arguments[1]));
                if (result.verdict != CheckResult::NoMessage)
                    out << result.message << '\n';
                return exitStatus(result.verdict);
            }
        }
    }
    err << "Uso: telvara-cli controlla cf|piva|carta|iban VALORE\n";
    return UsageError;
}
