#include "checks/CardAttachments.h"

#include "checks/TfrmAllegaCartella.h"
#include "platform/Modal.h"
#include "platform/Services.h"
#include "screens/CardScreen.h"

using namespace Qt::StringLiterals;

namespace CardAttachments {

namespace {

QString fileLabel(std::size_t i)
{
    return u"lblFile%1"_s.arg(static_cast<int>(i) + 1, 2, 10, QChar(u'0'));
}

QString descriptionLabel(std::size_t i)
{
    return u"lblDesc%1"_s.arg(static_cast<int>(i) + 1, 2, 10, QChar(u'0'));
}

void open(CardScreen& card, const QString& tag)
{
    Attachments attachments;
    for (std::size_t i = 0; i < attachments.files.size(); ++i) {
        attachments.files.at(i) = card.text(fileLabel(i));
        attachments.descriptions.at(i) = card.text(descriptionLabel(i));
    }
    TfrmAllegaCartella window(&card);
    window.setCallerTag(tag);
    window.setAttachments(attachments);
    Services::modal().exec(window);
}

} // namespace

void install(CardScreen& card, const QString& tag)
{
    card.onCommand(u"cmdFile"_s, [&card, tag] { open(card, tag); });
    AttachmentCallers::registerCaller(tag, &card, [&card](const Attachments& attachments) {
        for (std::size_t i = 0; i < attachments.files.size(); ++i) {
            card.setText(fileLabel(i), attachments.files.at(i));
            card.setText(descriptionLabel(i), attachments.descriptions.at(i));
        }
    });
    QObject::connect(&card, &QObject::destroyed,
                     [tag, owner = &card] { AttachmentCallers::unregisterCaller(tag, owner); });
}

} // namespace CardAttachments
