#include "tests/support/wordlistsandbox.h"

#include "generators/wordlists.h"

#include <fstream>
#include <stdexcept>

namespace rowsmith::test {

WordListSandbox::WordListSandbox() {
    if (!folder_.isValid())
        throw std::runtime_error("no temporary folder for word lists");
    clearWordListCache();
    setWordListFolder(folder_.path().toStdString());
}

WordListSandbox::~WordListSandbox() {
    setWordListFolder({});
    clearWordListCache();
}

void WordListSandbox::write(std::string_view fileName, std::string_view bytes) const {
    std::ofstream file(path(fileName), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path(fileName));
}

std::string WordListSandbox::path(std::string_view fileName) const {
    return folder_.path().toStdString() + "/" + std::string(fileName);
}

} // namespace rowsmith::test
