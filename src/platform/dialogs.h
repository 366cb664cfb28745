#pragma once
// Every message box, question and file dialog goes through here, so tests can
// script the answers. A box blocks its caller until it is answered.
#include "framework/font_choice.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

enum class BoxKind { Note, BeepNote, Error, Information, Warning, Confirmation };
enum class Answer { Yes, No, OK, Cancel, Ignore, Close };

const char* boxKindName(BoxKind kind);
const char* answerName(Answer answer);
std::optional<Answer> answerFromName(const std::string& name);

struct FileRequest {
    std::string title;
    std::string filter; // "Label|*.ext;*.ext2|Label2|*"
    std::string initialDir;
    bool save = false;
    bool folder = false; // pick a folder rather than a file
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual Answer messageBox(BoxKind kind, const std::string& title, const std::string& text,
                              const std::vector<Answer>& buttons) = 0;
    virtual std::optional<std::string> chooseFile(const FileRequest& request) = 0;
    // A font dialog with an Apply button: `apply` runs with the font shown each time it is
    // pressed; nullopt when the dialog is cancelled.
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial,
                                                 const std::function<void(const FontChoice&)>& apply) = 0;
};

} // namespace kelvaro
