#include "platform/dialogs.h"
#include "platform/media_player.h"

namespace kelvaro {

const char* boxKindName(BoxKind kind) {
    switch (kind) {
    case BoxKind::Note:
        return "note";
    case BoxKind::BeepNote:
        return "beep-note";
    case BoxKind::Error:
        return "error";
    case BoxKind::Information:
        return "information";
    case BoxKind::Warning:
        return "warning";
    case BoxKind::Confirmation:
        return "confirmation";
    }
    return "note";
}

const char* answerName(Answer answer) {
    switch (answer) {
    case Answer::Yes:
        return "Yes";
    case Answer::No:
        return "No";
    case Answer::OK:
        return "OK";
    case Answer::Cancel:
        return "Cancel";
    case Answer::Ignore:
        return "Ignore";
    case Answer::Close:
        return "Close";
    }
    return "OK";
}

std::optional<Answer> answerFromName(const std::string& name) {
    for (Answer a : {Answer::Yes, Answer::No, Answer::OK, Answer::Cancel, Answer::Ignore, Answer::Close})
        if (name == answerName(a)) return a;
    return std::nullopt;
}

const char* playerModeName(PlayerMode mode) {
    switch (mode) {
    case PlayerMode::NotReady:
        return "not ready";
    case PlayerMode::Stopped:
        return "stopped";
    case PlayerMode::Playing:
        return "playing";
    case PlayerMode::Recording:
        return "recording";
    case PlayerMode::Seeking:
        return "seeking";
    case PlayerMode::Paused:
        return "paused";
    case PlayerMode::Open:
        return "open";
    }
    return "not ready";
}

} // namespace kelvaro
