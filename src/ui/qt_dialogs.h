#pragma once
// Message boxes and file dialogs shown with Qt. A box runs its own event loop,
// so timers keep ticking while it waits for the user.
#include "platform/dialogs.h"

#include <QString>

namespace kelvaro {

class QtDialogs : public Dialogs {
  public:
    Answer messageBox(BoxKind kind, const std::string& title, const std::string& text,
                      const std::vector<Answer>& buttons) override;
    std::optional<std::string> chooseFile(const FileRequest& request) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial,
                                         const std::function<void(const FontChoice&)>& apply) override;

    // Quitting on a signal: nobody may be there to answer, so boxes go to standard
    // error and take their default button; file dialogs choose nothing.
    void answerOnStandardError() { unattended_ = true; }

  private:
    bool unattended_ = false;
};

// "Label|*.a;*.b|Label2|*" becomes "Label (*.a *.b);;Label2 (*)".
QString qtFileFilter(const std::string& filter);

} // namespace kelvaro
