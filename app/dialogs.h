#pragma once

// The modal windows the program shows. Production code reaches them through dialogs(); tests
// install a double with ScopedDialogs and answer them.

#include "export/exportprogress.h"

#include <memory>
#include <string>
#include <vector>

namespace rowsmith {

enum class MessageIcon { Error, Information };

struct FileFilter {
    std::string label;
    std::string pattern;
    bool operator==(const FileFilter&) const = default;
};

// A save-file dialog: opens in folder with fileName filled in and the first filter selected.
struct SaveRequest {
    std::string title;
    std::string folder;
    std::string fileName;
    std::vector<FileFilter> filters;
    bool operator==(const SaveRequest&) const = default;
};

// The full path the user chose and the index of the filter selected then; after a cancel the
// path is empty and the index -1.
struct SaveChoice {
    std::string path;
    int filterIndex = -1;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box with no owner window and one OK button; returns when it is dismissed.
    virtual void message(MessageIcon icon, const std::string& title, const std::string& text) = 0;
    // A modal save-file dialog with no owner window; it does not ask before replacing a file.
    virtual SaveChoice saveFile(const SaveRequest& request) = 0;
    // A modal question with Yes and No buttons and no owner window; true for Yes.
    virtual bool ask(const std::string& title, const std::string& text) = 0;
    // Progress of an export that builds its text: a modal window with Cancel once the build has
    // taken long enough to be noticed. Nothing by default, so the build runs to its end.
    virtual std::unique_ptr<ExportProgress> exportProgress(const std::string& text) {
        (void)text;
        return nullptr;
    }
};

// QMessageBox and friends.
class QtDialogs final : public Dialogs {
public:
    void message(MessageIcon icon, const std::string& title, const std::string& text) override;
    SaveChoice saveFile(const SaveRequest& request) override;
    bool ask(const std::string& title, const std::string& text) override;
    std::unique_ptr<ExportProgress> exportProgress(const std::string& text) override;
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
