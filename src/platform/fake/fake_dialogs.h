#pragma once
// Message boxes and file dialogs answered from a script's queue. Every box is
// recorded in order, so a test can check what the user was shown.
#include "platform/dialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelvaro {

// A question nobody scripted an answer for, or an answer the box does not offer.
// A logic error, so that the application's error box does not swallow it.
struct UnansweredDialog : std::logic_error {
    using std::logic_error::logic_error;
};

struct RecordedBox {
    BoxKind kind = BoxKind::Note;
    std::string title;
    std::string text;
    std::vector<Answer> buttons;
    Answer answer = Answer::OK;
};

class FakeDialogs : public Dialogs {
  public:
    Answer messageBox(BoxKind kind, const std::string& title, const std::string& text,
                      const std::vector<Answer>& buttons) override;
    std::optional<std::string> chooseFile(const FileRequest& request) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial,
                                         const std::function<void(const FontChoice&)>& apply) override;

    void queueAnswer(Answer answer) { answers_.push_back(answer); }
    // nullopt: the dialog is cancelled.
    void queueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    // A font dialog: Apply pressed with each of `applied`, then OK with `chosen` (nullopt: cancelled).
    struct FontAnswer {
        std::vector<FontChoice> applied;
        std::optional<FontChoice> chosen;
    };
    void queueFont(FontAnswer answer) { fonts_.push_back(std::move(answer)); }
    const std::vector<FontChoice>& fontRequests() const {
        return fontRequests_;
    } // each dialog's initial font

    const std::vector<RecordedBox>& boxes() const { return boxes_; }
    const std::vector<FileRequest>& fileRequests() const { return fileRequests_; }
    std::size_t queuedAnswers() const { return answers_.size(); }
    std::size_t queuedFiles() const { return files_.size(); }

    // The first dialog that could not be answered; kept even when the program
    // caught the exception, so the failure cannot go unnoticed.
    const std::string& failure() const { return failure_; }
    void clearFailure() { failure_.clear(); }

    // Runs while a box with only an OK button is open (the message loop under it);
    // the box is acknowledged when it returns. Empty: acknowledged at once.
    std::function<void()> whileOpen;

    // True for boxes that only inform: nothing to decide, acknowledged at once.
    static bool isOkOnly(const std::vector<Answer>& buttons);

  private:
    [[noreturn]] void fail(const std::string& message);

    std::vector<RecordedBox> boxes_;
    std::vector<FileRequest> fileRequests_;
    std::deque<Answer> answers_;
    std::deque<std::optional<std::string>> files_;
    std::vector<FontChoice> fontRequests_;
    std::deque<FontAnswer> fonts_;
    std::string failure_;
};

} // namespace kelvaro
