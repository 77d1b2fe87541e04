#pragma once

// The XML document: one line, a root element named after the table holding one empty element
// "line" per generated row, with one attribute per column. Well-formed whatever the names and
// values hold. ColumnTable::buildXml (xmlwriter.cpp) puts these pieces together.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rowsmith {

// Keeps the ASCII letters, digits and "_" of a name, in their order, and drops every other byte.
std::string sanitizeName(std::string_view name);

// sanitizeName, with a leading "_" when the result is empty or does not begin with a letter or
// "_", so that it is a valid element or attribute name.
std::string xmlName(std::string_view name);

// xmlName of every column name; a name that comes out the same as an earlier one gets "_2", "_3",
// ... appended, so that no element holds an attribute twice.
std::vector<std::string> xmlAttributeNames(const std::vector<std::string>& columnNames);

// Appends a value for use between the double quotes of an attribute: &, <, >, " and tab, LF, CR
// as references, and U+FFFD for what an XML document cannot hold (other control characters,
// bytes that are not UTF-8, U+FFFE and U+FFFF).
void appendXmlAttributeValue(std::string& out, std::string_view value);

// Appends one row element: "<line ", name="value" and a blank for every column, "/>".
void appendXmlRowElement(std::string& out, const std::vector<std::string>& attributeNames,
                         std::span<const std::string> values);

} // namespace rowsmith
