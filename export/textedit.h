#pragma once

// Rewriting texts into the quoted parts of an export: everything that needs no rewriting is
// copied in runs, so a text without special bytes costs one append.

#include <cstddef>
#include <string>
#include <string_view>

namespace rowsmith {

// What to do with the bytes at one position of a text: replace its first `length` bytes with
// `replacement`, or, when the replacement is empty, keep them.
struct TextEdit {
    std::string_view replacement;
    std::size_t length = 1;
};

// True when no byte of text is special, so that it can be copied as it stands. The loop has no
// early exit: branch-free, it is faster over the short texts of generated values.
template <class IsSpecial> bool isPlain(std::string_view text, IsSpecial isSpecial) {
    bool plain = true;
    for (const char c : text)
        plain &= !isSpecial(c);
    return plain;
}

// Appends text to out, applying editAt(text, i) at every position i it reaches.
template <class EditAt> void appendEdited(std::string& out, std::string_view text, EditAt editAt) {
    std::size_t copied = 0;
    for (std::size_t i = 0; i < text.size();) {
        const TextEdit edit = editAt(text, i);
        if (!edit.replacement.empty()) {
            out.append(text.substr(copied, i - copied));
            out.append(edit.replacement);
            copied = i + edit.length;
        }
        i += edit.length;
    }
    out.append(text.substr(copied));
}

} // namespace rowsmith
