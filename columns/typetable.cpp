#include "columns/typetable.h"

#include "generators/rangegenerators.h"

namespace rowsmith {

namespace {

// Stands in for the types whose generators are not written yet: no widgets, empty values.
std::string emptyGenerator(ColumnObject&, std::string_view) { return {}; }

} // namespace

const TypeTable& standardTypes() {
    static const TypeTable table{{
        {"Number range", numberRangeGenerator},
        {"Lorem ipsum", emptyGenerator},
        {"City", emptyGenerator},
        {"Country", emptyGenerator},
        {"Hobbies", emptyGenerator},
        {"Free definable", emptyGenerator},
        {"Incremental", emptyGenerator},
        {"Decremental", emptyGenerator},
        {"Random price", randomPriceGenerator},
        {"Masculin name", emptyGenerator},
        {"Feminin name", emptyGenerator},
        {"Prename", emptyGenerator},
        {"Username (Unique)", emptyGenerator},
        {"eMail", emptyGenerator},
        {"Name (Random gender)", emptyGenerator},
    }};
    return table;
}

} // namespace rowsmith
