// The compiled catalogues, built from translations/*.ts and linked in, so a
// program finds its language wherever it was copied to.
#pragma once

#include <cstddef>

namespace harwick {

struct CatalogueData {
    const unsigned char* bytes;
    std::size_t size;
};

CatalogueData EnglishCatalogue();
CatalogueData ChineseCatalogue();

} // namespace harwick
