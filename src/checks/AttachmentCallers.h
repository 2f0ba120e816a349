#pragma once

#include <array>
#include <functional>
#include <QString>

// The three documents of a card as the attach window edits them: bare file names and descriptions.
struct Attachments
{
    std::array<QString, 3> files = {};
    std::array<QString, 3> descriptions = {};
};

// Where "Applica e chiudi" of the attach window writes. The window knows only the caller tag in its
// hidden lblMemory; each card registers, for its tag, the one function that takes the values into its
// hidden labels. A tag nobody registered takes nothing.
namespace AttachmentCallers {

using Apply = std::function<void(const Attachments& attachments)>;

// Registers (or replaces) what tag takes; owner identifies the registering card.
void registerCaller(const QString& tag, const void* owner, Apply apply);
// Forgets tag, unless another card registered it since.
void unregisterCaller(const QString& tag, const void* owner);

// Hands the values to the caller named by tag; false when no caller took that tag.
bool apply(const QString& tag, const Attachments& attachments);

} // namespace AttachmentCallers
