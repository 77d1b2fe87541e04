#pragma once

// Word lists: the words of the plain text files beside the executable, one word per line, and the
// process-wide cache that reads each file once, on the first request for its key.
//
// Line rules: a line ends at CR, LF, CR LF or NUL; a line that is empty or holds only spaces is
// skipped; every other line is a word exactly as read, untrimmed. No encoding marker is recognised.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rowsmith {

class RandomSource;
class WordList;

// The words of a file's bytes, by the line rules above. The words are moved together inside the
// given buffer, which the list then keeps: no second copy of a large file is made.
WordList parseWordList(std::string bytes);

// An ordered list of words, stored back to back in one byte buffer with the offset where each
// word ends.
class WordList final {
public:
    WordList() = default;
    WordList(WordList&&) = default;
    WordList& operator=(WordList&&) = default;
    WordList(const WordList&) = delete;
    WordList& operator=(const WordList&) = delete;

    // The word at index, or the empty text for any index outside 0 to count() - 1.
    std::string getItem(int index) const;
    int count() const { return static_cast<int>(ends_.size()); }
    void clear();

    // The word at index, which must lie from 0 to count() - 1: the hot path of random picks.
    std::string_view item(int index) const {
        const auto i = static_cast<std::size_t>(index);
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(bytes_).substr(begin, ends_[i] - begin);
    }
    // Length in bytes of the longest word; 0 for an empty list.
    std::size_t longestLength() const { return longest_; }
    // Length in bytes of all words together.
    std::size_t totalLength() const { return bytes_.size(); }

private:
    friend WordList parseWordList(std::string bytes);

    std::string bytes_;
    std::vector<std::size_t> ends_;
    std::size_t longest_ = 0;
};

// A word list's cache key and its file name beside the executable.
struct WordListFile {
    std::string_view key;
    std::string_view fileName;
};

namespace wordlist {
inline constexpr WordListFile femNames{"femNames", "name_fem.txt"};
inline constexpr WordListFile mascNames{"mascNames", "name_masc.txt"};
inline constexpr WordListFile cities{"cities", "cities.txt"};
inline constexpr WordListFile countries{"countries", "countries.txt"};
inline constexpr WordListFile hobbies{"hobbies", "hobbies.txt"};
inline constexpr WordListFile emailName{"emailName", "email_name.txt"};
inline constexpr WordListFile emailDomain{"emailDomain", "email_domain.txt"};
inline constexpr WordListFile randomWords{"randomWords", "randomwords.txt"};
} // namespace wordlist

// The list cached under key (case-sensitive). The first request for a key makes its entry, then
// reads fileName from the word-list folder; a file that can't be opened leaves the entry empty
// and shows "Couldn't open <fileName>." once. Later requests are one lookup, whatever fileName.
WordList& getWordList(std::string_view key, std::string_view fileName);
inline WordList& getWordList(const WordListFile& list) {
    return getWordList(list.key, list.fileName);
}

// A uniformly random word of the list, or the empty text, without any draw, for an empty list.
std::string_view pickWord(const WordList& list, RandomSource& random);

// The folder the files are read from: the executable's folder unless a test set another one.
std::string wordListFolder();
// For tests: read the files from folder instead; the empty text restores the executable's folder.
void setWordListFolder(std::string folder);
// For tests: forget every cached list, as at program start.
void clearWordListCache();

} // namespace rowsmith
