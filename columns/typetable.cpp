#include "columns/typetable.h"

#include "generators/countergenerators.h"
#include "generators/loremipsum.h"
#include "generators/rangegenerators.h"
#include "generators/usernames.h"
#include "generators/wordlistgenerators.h"

namespace rowsmith {

const TypeTable& standardTypes() {
    static const TypeTable table{{
        {"Number range", numberRangeGenerator},
        {"Lorem ipsum", loremIpsumGenerator},
        {"City", cityGenerator},
        {"Country", countryGenerator},
        {"Hobbies", hobbiesGenerator},
        {"Free definable", freeDefinableGenerator},
        {"Incremental", incrementalGenerator},
        {"Decremental", decrementalGenerator},
        {"Random price", randomPriceGenerator},
        {"Masculin name", masculineNameGenerator},
        {"Feminin name", feminineNameGenerator},
        {"Prename", feminineNameGenerator},
        {"Username (Unique)", usernameGenerator},
        {"eMail", emailGenerator},
        {"Name (Random gender)", randomGenderNameGenerator},
    }};
    return table;
}

} // namespace rowsmith
