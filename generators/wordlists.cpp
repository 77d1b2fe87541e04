#include "generators/wordlists.h"

#include "app/dialogs.h"
#include "generators/random.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include <QCoreApplication>
#include <QFile>

namespace rowsmith {

namespace {

bool endsLine(char c) {
    return c == '\n' || c == '\r' || c == '\0';
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(' ') == std::string_view::npos;
}

// Keys are looked up as string_views, without making a std::string per request.
struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view key) const {
        return std::hash<std::string_view>{}(key);
    }
};

struct Cache {
    std::unordered_map<std::string, WordList, KeyHash, std::equal_to<>> lists{512};
    std::string folder;
};

Cache& cache() {
    static Cache instance;
    return instance;
}

// The whole file, read into one buffer, or false when it can't be opened or read.
bool readFile(std::string_view fileName, std::string& bytes) {
    QFile file(QString::fromStdString(wordListFolder()) + QLatin1Char('/') +
               QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    bytes.resize(static_cast<std::size_t>(size));
    qint64 filled = 0;
    while (filled < size) {
        const qint64 got = file.read(bytes.data() + filled, size - filled);
        if (got <= 0)
            break;
        filled += got;
    }
    bytes.resize(static_cast<std::size_t>(filled));
    // Whatever lies beyond the size reported at opening (a file that is still being written).
    const QByteArray rest = file.readAll();
    bytes.append(rest.constData(), static_cast<std::size_t>(rest.size()));
    return file.error() == QFileDevice::NoError;
}

} // namespace

std::string WordList::getItem(int index) const {
    if (index < 0 || index >= count())
        return {};
    return std::string(item(index));
}

void WordList::clear() {
    bytes_.clear();
    ends_.clear();
    longest_ = 0;
}

WordList parseWordList(std::string bytes) {
    WordList list;
    char* const data = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t kept = 0; // the words found so far stand back to back in data[0, kept)
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i < size && !endsLine(data[i]))
            continue;
        const std::size_t length = i - lineStart;
        if (!isBlank(std::string_view(data + lineStart, length))) {
            std::memmove(data + kept, data + lineStart, length);
            kept += length;
            list.ends_.push_back(kept);
            list.longest_ = std::max(list.longest_, length);
        }
        lineStart = i + 1;
    }
    bytes.resize(kept);
    list.bytes_ = std::move(bytes);
    return list;
}

WordList& getWordList(std::string_view key, std::string_view fileName) {
    auto& lists = cache().lists;
    if (const auto found = lists.find(key); found != lists.end())
        return found->second;
    // The entry exists before the file is opened, so a failed load is not tried again.
    WordList& list = lists.try_emplace(std::string(key)).first->second;
    std::string bytes;
    if (!readFile(fileName, bytes)) {
        showError("Couldn't open " + std::string(fileName) + ".");
        return list;
    }
    list = parseWordList(std::move(bytes));
    return list;
}

std::string_view pickWord(const WordList& list, RandomSource& random) {
    const int count = list.count();
    if (count == 0)
        return {};
    return list.item(static_cast<int>(random.uniform(static_cast<std::uint64_t>(count - 1))));
}

std::string wordListFolder() {
    if (!cache().folder.empty())
        return cache().folder;
    return QCoreApplication::applicationDirPath().toStdString();
}

void setWordListFolder(std::string folder) {
    cache().folder = std::move(folder);
}

void clearWordListCache() {
    cache().lists.clear();
}

} // namespace rowsmith
