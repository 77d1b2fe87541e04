#pragma once

// "City", "Country", "Hobbies", "Masculin name", "Feminin name" (also "Prename"), "eMail" and
// "Name (Random gender)": values picked at random from the word lists. These generators have no
// attribute widgets and no state; they ask the cache for their lists on every value.

#include "columns/generator.h"

namespace rowsmith {

std::string cityGenerator(ColumnObject& column, std::string_view message);
std::string countryGenerator(ColumnObject& column, std::string_view message);
std::string hobbiesGenerator(ColumnObject& column, std::string_view message);
std::string masculineNameGenerator(ColumnObject& column, std::string_view message);
std::string feminineNameGenerator(ColumnObject& column, std::string_view message);
std::string emailGenerator(ColumnObject& column, std::string_view message);
std::string randomGenderNameGenerator(ColumnObject& column, std::string_view message);

} // namespace rowsmith
