#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace forms {
class Control;
class Window;
}  // namespace forms

namespace common {

// What a window model asks of the desktop. The Qt binding implements it for the real programs;
// tests use a recording fake.
class Platform {
  public:
    virtual ~Platform() = default;

    // Raises FileNotFound for a missing file, PathFileAccess at once for anything that is not a
    // regular file (a folder, a named pipe, a device) and InvalidPicture for one that is not a
    // picture.
    virtual void checkPicture(std::string_view path) = 0;
    virtual void beep() = 0;
    // Hands a local file (a report page, the help page) to the desktop's default handler, or a
    // web or mail address that already names its scheme. Neither waits for the handler: a
    // failure known at once is reported at once (cannotOpenMessage), one the handler reports
    // within a few seconds when it does.
    virtual void openDocument(std::string_view path) = 0;
    virtual void openWebAddress(std::string_view address) = 0;
    // Paints a control at once, in the middle of a long handler (progress captions).
    virtual void redrawNow(const forms::Control& control) = 0;
    virtual void redrawNow(const forms::Window& window) = 0;
    virtual void setBusyPointer(bool busy) = 0;
    // Raises a shown window above the others.
    virtual void activateWindow(const forms::Window& window) = 0;
    // An error that no procedure traps: tell the user; the event is abandoned.
    virtual void reportError(std::string_view message) = 0;
    // Tells the user something worth knowing about work that went well all the same.
    virtual void showNotice(std::string_view message) = 0;
    // Asks the user a question that is answered Yes or No, over the active window; true for Yes.
    virtual bool askYesNo(std::string_view question) = 0;
    // Asks a question with two or three answers over the active window and gives the number
    // (from 0) of the one chosen. The last answer leaves everything as it was: it is the default,
    // and Escape and closing the box give it.
    virtual int askChoice(std::string_view question, std::span<const std::string> answers) = 0;
    // Asks for one line of text, the suggested one shown; the text given (UTF-8), or nothing when
    // the user cancels.
    virtual std::optional<std::string> askText(std::string_view question,
                                               std::string_view suggested) = 0;
    virtual void endProgram() = 0;
};

}  // namespace common
