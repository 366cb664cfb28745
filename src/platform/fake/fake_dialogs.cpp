#include "platform/fake/fake_dialogs.h"

#include <algorithm>

namespace kelvaro {

bool FakeDialogs::isOkOnly(const std::vector<Answer>& buttons) {
    return buttons.empty() || (buttons.size() == 1 && buttons.front() == Answer::OK);
}

void FakeDialogs::fail(const std::string& message) {
    if (failure_.empty()) failure_ = message;
    throw UnansweredDialog(message);
}

Answer FakeDialogs::messageBox(BoxKind kind, const std::string& title, const std::string& text,
                               const std::vector<Answer>& buttons) {
    boxes_.push_back({kind, title, text, buttons, Answer::OK});
    if (isOkOnly(buttons)) {
        if (whileOpen) whileOpen();
        return Answer::OK;
    }
    if (answers_.empty()) {
        boxes_.back().answer = Answer::Close;
        fail("unanswered question: " + text);
    }
    const Answer answer = answers_.front();
    answers_.pop_front();
    // Closing the box is always possible; any other answer must be one of its buttons.
    if (answer != Answer::Close && std::find(buttons.begin(), buttons.end(), answer) == buttons.end()) {
        boxes_.back().answer = Answer::Close;
        fail(std::string("answer ") + answerName(answer) + " is not offered by the question: " + text);
    }
    boxes_.back().answer = answer;
    return answer;
}

std::optional<std::string> FakeDialogs::chooseFile(const FileRequest& request) {
    fileRequests_.push_back(request);
    if (files_.empty()) fail("unanswered file dialog: " + request.title);
    auto answer = std::move(files_.front());
    files_.pop_front();
    return answer;
}

std::optional<FontChoice> FakeDialogs::chooseFont(const FontChoice& initial,
                                                  const std::function<void(const FontChoice&)>& apply) {
    fontRequests_.push_back(initial);
    if (fonts_.empty()) fail("unanswered font dialog");
    FontAnswer answer = std::move(fonts_.front());
    fonts_.pop_front();
    for (const FontChoice& font : answer.applied)
        if (apply) apply(font);
    return answer.chosen;
}

} // namespace kelvaro
