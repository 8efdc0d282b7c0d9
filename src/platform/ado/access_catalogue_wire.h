#pragma once
// The catalogue of an Access file as the helper program hands it to the program: what the
// reader found, or why it could not read the file, in one message on the helper's output.

#include "platform/ado/access_catalogue.h"

#include <QByteArray>

namespace platform::ado
{

QByteArray accessCatalogueMessage(const Status& read, const AccessCatalogue& catalogue);
// False for a message cut short or not of this form.
bool fromAccessCatalogueMessage(const QByteArray& message, Status* read, AccessCatalogue* catalogue);

} // namespace platform::ado
