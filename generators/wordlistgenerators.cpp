#include "generators/wordlistgenerators.h"

#include "generators/random.h"
#include "generators/wordlists.h"

namespace rowsmith {

namespace {

template <const WordListFile& list> std::string pickValue() {
    return std::string(pickWord(getWordList(list), randomSource()));
}

std::string emailValue() {
    // Both lists are asked for before any draw, so missing files are reported name file first.
    const WordList& names = getWordList(wordlist::emailName);
    const WordList& domains = getWordList(wordlist::emailDomain);
    RandomSource& random = randomSource();
    const std::string_view local = pickWord(names, random);
    const std::string_view domain = pickWord(domains, random);
    std::string value;
    value.reserve(local.size() + 1 + domain.size());
    value.append(local).append(1, '@').append(domain);
    return value;
}

std::string randomGenderNameValue() {
    const WordList& feminine = getWordList(wordlist::femNames);
    const WordList& masculine = getWordList(wordlist::mascNames);
    RandomSource& random = randomSource();
    const WordList& list = random.uniform(1) == 0 ? feminine : masculine;
    return std::string(pickWord(list, random));
}

template <std::string (*value)()>
std::string wordListGenerator(ColumnObject&, std::string_view message) {
    if (message == message::getContent)
        return value();
    return {};
}

} // namespace

std::string cityGenerator(ColumnObject& column, std::string_view message) {
    return wordListGenerator<pickValue<wordlist::cities>>(column, message);
}

std::string countryGenerator(ColumnObject& column, std::string_view message) {
    return wordListGenerator<pickValue<wordlist::countries>>(column, message);
}

std::string hobbiesGenerator(ColumnObject& column, std::string_view message) {
    return wordListGenerator<pickValue<wordlist::hobbies>>(column, message);
}

std::string masculineNameGenerator(ColumnObject& column, std::string_view message) {
    return wordListGenerator<pickValue<wordlist::mascNames>>(column, message);
}

std::string feminineNameGenerator(ColumnObject& column, std::string_view message) {
    return wordListGenerator<pickValue<wordlist::femNames>>(column, message);
}

std::string emailGenerator(ColumnObject& column, std::string_view message) {
    return wordListGenerator<emailValue>(column, message);
}

std::string randomGenderNameGenerator(ColumnObject& column, std::string_view message) {
    return wordListGenerator<randomGenderNameValue>(column, message);
}

} // namespace rowsmith
