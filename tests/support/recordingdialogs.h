#pragma once

#include "app/dialogs.h"

#include <string>
#include <vector>

namespace rowsmith::test {

struct ShownMessage {
    MessageIcon icon;
    std::string title;
    std::string text;
    bool operator==(const ShownMessage&) const = default;
};

// Records every modal box instead of showing it. Installs itself for its lifetime.
class RecordingDialogs final : public Dialogs {
public:
    void message(MessageIcon icon, const std::string& title, const std::string& text) override {
        messages.push_back({icon, title, text});
    }

    std::vector<ShownMessage> messages;

private:
    ScopedDialogs installed_{*this};
};

} // namespace rowsmith::test
