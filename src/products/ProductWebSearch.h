#pragma once

#include <QString>

// "Cerca sul Web": the search engine's address for a product's brand and model.
namespace ProductWebSearch {

// The address asking for the trimmed brand, one blank and the trimmed model, the words encoded as a
// query value so that "&", "#", "+" and the like reach the engine as typed.
QString address(const QString& brand, const QString& model);

} // namespace ProductWebSearch
