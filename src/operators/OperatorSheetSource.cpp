#include "operators/OperatorSheetSource.h"

#include "operators/OperatorSheet.h"
#include "platform/Clock.h"
#include "platform/Services.h"
#include "screens/CardScreen.h"

#include <QPointer>

namespace OperatorSheetSource {

std::function<ReportTemplate()> fromCard(QWidget* card)
{
    return [screen = QPointer<CardScreen>(qobject_cast<CardScreen*>(card))] {
        return OperatorSheet::build(screen ? screen->controlTexts() : ControlTexts(),
                                    Services::clock().now());
    };
}

} // namespace OperatorSheetSource
