#pragma once

#include "app/dialogs.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace rowsmith::test {

struct ShownMessage {
    MessageIcon icon;
    std::string title;
    std::string text;
    bool operator==(const ShownMessage&) const = default;
};

struct AskedQuestion {
    std::string title;
    std::string text;
    bool operator==(const AskedQuestion&) const = default;
};

// Records every modal window instead of showing it, and answers save dialogs and questions from
// scripts; an unscripted one fails the test and is answered by cancelling or "No". Installs itself
// for its lifetime.
class RecordingDialogs final : public Dialogs {
public:
    void message(MessageIcon icon, const std::string& title, const std::string& text) override {
        messages.push_back({icon, title, text});
    }

    SaveChoice saveFile(const SaveRequest& request) override {
        saveRequests.push_back(request);
        if (saveChoices.empty()) {
            ADD_FAILURE() << "save dialog without a scripted choice";
            return {};
        }
        const SaveChoice choice = saveChoices.front();
        saveChoices.pop_front();
        return choice;
    }

    bool ask(const std::string& title, const std::string& text) override {
        questions.push_back({title, text});
        if (answers.empty()) {
            ADD_FAILURE() << "question without a scripted answer: " << text;
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::unique_ptr<ExportProgress> exportProgress(const std::string& text) override {
        progressTexts.push_back(text);
        return makeProgress ? makeProgress(text) : nullptr;
    }

    std::vector<ShownMessage> messages;
    std::vector<std::string> progressTexts;
    // Makes the progress window of an export; none when empty.
    std::function<std::unique_ptr<ExportProgress>(const std::string& text)> makeProgress;
    std::vector<SaveRequest> saveRequests;
    std::deque<SaveChoice> saveChoices;
    std::vector<AskedQuestion> questions;
    std::deque<bool> answers;

private:
    ScopedDialogs installed_{*this};
};

} // namespace rowsmith::test
