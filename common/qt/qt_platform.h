#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>
#include <string>

#include "common/platform.h"
#include "common/qt/desktop_opener.h"

class QWidget;

namespace qtui {

class QtBinding;

// The platform services on the desktop, through Qt: pictures are checked with QImageReader,
// documents and web addresses go to the desktop's default handler, the hourglass is Qt's wait
// cursor. Services that concern windows (painting at once, raising, closing, the parent of the
// error box) go through the binding that renders the windows; without one they do nothing.
class QtPlatform : public common::Platform {
  public:
    QtPlatform() = default;
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    // Raises FileNotFound when no file is there, InvalidPicture when it cannot be read as a
    // picture. Only the header is read: pictures are decoded when they are shown.
    void checkPicture(std::string_view path) override;
    void beep() override;
    // The page (made absolute) or the address goes to the desktop's opener; what it cannot open
    // is reported with the page's full path or the whole address.
    void openDocument(std::string_view path) override;
    void openWebAddress(std::string_view address) override;
    void redrawNow(const forms::Control& control) override;
    void redrawNow(const forms::Window& window) override;
    // The wait cursor is set once however often busy is asked for, and restored once.
    void setBusyPointer(bool busy) override;
    void activateWindow(const forms::Window& window) override;
    void reportError(std::string_view message) override;
    void showNotice(std::string_view message) override;
    // A Yes/No box centred over the active window of the program; No is the default answer.
    bool askYesNo(std::string_view question) override;
    // A box with a button per answer centred over the active window; the last is the default
    // answer and the one Escape gives.
    int askChoice(std::string_view question, std::span<const std::string> answers) override;
    // A one-line input box centred over the active window.
    std::optional<std::string> askText(std::string_view question,
                                       std::string_view suggested) override;
    // Closes every window and leaves the event loop, also when it has not started yet.
    void endProgram() override;

    // The binding rendering the program's windows; QtBinding attaches itself for its lifetime.
    void attach(QtBinding* binding) { binding_ = binding; }
    bool busy() const { return busy_; }
    // The desktop's opener, xdg-open by default, and how long its exit status is waited for.
    void setOpener(std::string program, std::chrono::milliseconds watch) {
        opener_.setProgram(std::move(program), watch);
    }

  protected:
    // Shows an untrapped error to the user in a warning box over the program's window; tests
    // override it so that no modal box waits for a click.
    virtual void showError(QWidget* parent, const QString& message);
    // Shows a notice in an information box over the program's window, as plain text; tests
    // override it as showError.
    virtual void showInformation(QWidget* parent, const QString& message);
    // Asks the question in a modal Yes/No box over parent; tests override it as showError.
    virtual bool askQuestion(QWidget* parent, const QString& question);
    virtual int askChoiceBox(QWidget* parent, const QString& question, const QStringList& answers);
    // Nothing when the user cancels.
    virtual std::optional<QString> askTextBox(QWidget* parent, const QString& question,
                                              const QString& suggested);

  private:
    QWidget* questionParent() const;

    QtBinding* binding_ = nullptr;
    bool busy_ = false;
    DesktopOpener opener_;
};

}  // namespace qtui
