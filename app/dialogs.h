#pragma once

// The modal windows the program shows. Production code reaches them through dialogs(); tests
// install a double with ScopedDialogs and answer them.

#include <string>

namespace rowsmith {

enum class MessageIcon { Error, Information };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box with no owner window and one OK button; returns when it is dismissed.
    virtual void message(MessageIcon icon, const std::string& title, const std::string& text) = 0;
};

// QMessageBox and friends.
class QtDialogs final : public Dialogs {
public:
    void message(MessageIcon icon, const std::string& title, const std::string& text) override;
};

Dialogs& dialogs();

// "Error" box with the error icon: the way every failure the user must know of is shown.
void showError(const std::string& text);

class ScopedDialogs final {
public:
    explicit ScopedDialogs(Dialogs& replacement);
    ~ScopedDialogs();
    ScopedDialogs(const ScopedDialogs&) = delete;
    ScopedDialogs& operator=(const ScopedDialogs&) = delete;

private:
    Dialogs* previous_;
};

} // namespace rowsmith
