#pragma once

#include "tests/support/recordingdialogs.h"

#include <string>
#include <string_view>

#include <QTemporaryDir>

namespace rowsmith::test {

// An empty temporary folder from which the word-list cache reads, with the cache emptied as at
// program start. The cache is emptied again, and the folder restored, when the sandbox goes.
class WordListSandbox final {
public:
    WordListSandbox();
    ~WordListSandbox();
    WordListSandbox(const WordListSandbox&) = delete;
    WordListSandbox& operator=(const WordListSandbox&) = delete;

    // Creates or replaces a file of the folder with exactly these bytes.
    void write(std::string_view fileName, std::string_view bytes) const;
    std::string path(std::string_view fileName) const;

private:
    QTemporaryDir folder_;
};

// The box shown for a word-list file that can't be opened.
inline ShownMessage couldNotOpen(const std::string& fileName) {
    return {MessageIcon::Error, "Error", "Couldn't open " + fileName + "."};
}

} // namespace rowsmith::test
