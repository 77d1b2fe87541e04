#include "export/xmlwriter.h"

#include "columns/columntable.h"
#include "export/rowbuilder.h"
#include "export/textedit.h"

#include <cstdint>
#include <unordered_set>

namespace rowsmith {

namespace {

constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isNameByte(char c) {
    return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_';
}

// The length of the UTF-8 sequence at i when it encodes a character an XML document may hold,
// else 0. Rejects overlong forms, surrogates, code points above U+10FFFF, U+FFFE and U+FFFF.
std::size_t xmlCharacterLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0xC2 || lead > 0xF4)
        return 0;
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    const std::uint32_t smallest = length == 4 ? 0x10000 : length == 3 ? 0x800 : 0x80;
    std::uint32_t codePoint = lead & (0x7Fu >> length);
    if (text.size() - i < length)
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0u) != 0x80u)
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    const bool excluded = surrogate || codePoint == 0xFFFE || codePoint == 0xFFFF;
    return codePoint >= smallest && codePoint <= 0x10FFFF && !excluded ? length : 0;
}

TextEdit asciiAttributeEdit(char c) {
    switch (c) {
    case '&':
        return {"&amp;"};
    case '<':
        return {"&lt;"};
    case '>':
        return {"&gt;"};
    case '"':
        return {"&quot;"};
    case '\t':
        return {"&#9;"};
    case '\n':
        return {"&#10;"};
    case '\r':
        return {"&#13;"};
    default:
        return {static_cast<unsigned char>(c) < 0x20 ? replacementCharacter : ""};
    }
}

TextEdit xmlAttributeEdit(std::string_view text, std::size_t i) {
    if (static_cast<unsigned char>(text[i]) < 0x80)
        return asciiAttributeEdit(text[i]);
    const std::size_t length = xmlCharacterLength(text, i);
    if (length == 0)
        return {replacementCharacter};
    return {"", length};
}

} // namespace

std::string sanitizeName(std::string_view name) {
    std::string clean;
    for (const char c : name) {
        if (isNameByte(c))
            clean += c;
    }
    return clean;
}

std::string xmlName(std::string_view name) {
    std::string clean = sanitizeName(name);
    if (clean.empty() || !(isAsciiLetter(clean[0]) || clean[0] == '_'))
        clean.insert(0, 1, '_');
    return clean;
}

std::vector<std::string> xmlAttributeNames(const std::vector<std::string>& columnNames) {
    std::vector<std::string> names;
    std::unordered_set<std::string> taken;
    for (const std::string& columnName : columnNames) {
        const std::string base = xmlName(columnName);
        std::string name = base;
        for (int suffix = 2; taken.contains(name); ++suffix)
            name = base + '_' + std::to_string(suffix);
        taken.insert(name);
        names.push_back(std::move(name));
    }
    return names;
}

void appendXmlAttributeValue(std::string& out, std::string_view value) {
    const auto isSpecial = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte >= 0x80 || c == '&' || c == '<' || c == '>' || c == '"';
    };
    if (isPlain(value, isSpecial))
        out.append(value);
    else
        appendEdited(out, value, xmlAttributeEdit);
}

void appendXmlRowElement(std::string& out, const std::vector<std::string>& attributeNames,
                         std::span<const std::string> values) {
    out += "<line ";
    for (std::size_t i = 0; i < values.size(); ++i) {
        out += attributeNames[i];
        out += "=\"";
        appendXmlAttributeValue(out, values[i]);
        out += "\" ";
    }
    out += "/>";
}

std::string ColumnTable::buildXml(ExportProgress* progress) {
    const ExportInputs inputs = readExportInputs(*this);
    const std::string root = xmlName(inputs.tableName);
    const std::vector<std::string> names = xmlAttributeNames(inputs.columnNames);
    return buildRows(
        inputs.columns, rowCountOf(inputs.quantity), "<" + root + ">",
        [&names](std::string& out, std::span<const std::string> values) {
            appendXmlRowElement(out, names, values);
        },
        "</" + root + ">", progress);
}

} // namespace rowsmith
