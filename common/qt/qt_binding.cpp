#include "common/qt/qt_binding.h"

#include <QApplication>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "common/forms/application.h"
#include "common/forms/window.h"
#include "common/qt/qt_platform.h"
#include "common/qt/window_view.h"

namespace qtui {

namespace {

// Marks the time the widgets are being brought in line; the signals they emit meanwhile are the
// binding's own doing, not the user's.
class SyncScope {
  public:
    explicit SyncScope(bool& syncing) : syncing_(syncing), before_(syncing) { syncing_ = true; }
    ~SyncScope() { syncing_ = before_; }
    SyncScope(const SyncScope&) = delete;
    SyncScope& operator=(const SyncScope&) = delete;

  private:
    bool& syncing_;
    bool before_;
};

}  // namespace

QtBinding::QtBinding(forms::Application& app, QtPlatform& platform)
    : app_(app),
      platform_(platform),
      context_{[this](const std::function<void()>& event) { forward(event); },
               TwipsScale(screenDotsPerInch()), pictures_} {
    platform_.attach(this);
    // The program ends when its models say so, not when Qt sees no window.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

QtBinding::~QtBinding() {
    platform_.attach(nullptr);
    views_.clear();
}

int QtBinding::twipsToPixels(int twips) const {
    return context_.scale.pixels(twips);
}

void QtBinding::forward(const std::function<void()>& event) {
    if (syncing_ || app_.ended()) {
        return;
    }
    app_.dispatch(event);
    sync();
    // Nothing left to click would leave the program running unseen.
    if (!app_.ended() && shownAny_ && !anyWindowVisible()) {
        app_.End();
    }
}

void QtBinding::closeRequested(forms::Window& window, QCloseEvent& event) {
    if (app_.ended()) {
        event.accept();
        return;
    }
    // The model decides; the next sync hides the widget if the model hid the window.
    event.ignore();
    forward([&window] { window.userClose(); });
}

WindowView* QtBinding::existingView(const forms::Window& window) const {
    const auto found = views_.find(&window);
    return found != views_.end() ? found->second.get() : nullptr;
}

WindowView* QtBinding::viewFor(const forms::Window& window) {
    if (WindowView* view = existingView(window)) {
        return view;
    }
    const auto& windows = app_.windows();
    const auto mine = std::find(windows.begin(), windows.end(), &window);
    if (mine == windows.end()) {
        return nullptr;
    }
    forms::Window& model = **mine;
    auto view = std::make_unique<WindowView>(model, context_);
    view->widget().onClose = [this, &model](QCloseEvent& event) { closeRequested(model, event); };
    view->widget().onActivate = [this, &model] { forward([&model] { model.activate(); }); };
    WindowView* made = view.get();
    views_.emplace(&window, std::move(view));
    const SyncScope scope(syncing_);
    made->sync();
    return made;
}

void QtBinding::sync() {
    const SyncScope scope(syncing_);
    for (const forms::Window* window : app_.windows()) {
        const bool shown = window->Visible() && !app_.ended();
        WindowView* view = shown ? viewFor(*window) : existingView(*window);
        if (view == nullptr) {
            continue;
        }
        view->sync();
        QWidget& widget = view->widget();
        if (shown && widget.isHidden()) {
            if (shownOnce_.insert(window).second) {
                showFirstTime(*window, widget);
            }
            widget.show();
        } else if (!shown && !widget.isHidden()) {
            widget.hide();
        }
        shownAny_ = shownAny_ || shown;
    }
    for (const forms::Window* window : toRaise_) {
        WindowView* view = existingView(*window);
        if (view != nullptr && view->widget().isVisible()) {
            view->widget().raise();
            view->widget().activateWindow();
        }
    }
    toRaise_.clear();
}

void QtBinding::showFirstTime(const forms::Window& window, QWidget& widget) {
    if (main_ == nullptr) {
        main_ = &window;
        return;
    }
    if (&window == main_) {
        return;
    }
    WindowView* mainView = existingView(*main_);
    QWidget* ownerWidget = nullptr;
    if (mainView != nullptr && mainView->widget().isVisible()) {
        ownerWidget = &mainView->widget();
        widget.setParent(ownerWidget, widget.windowFlags() | Qt::Window);
    } else {
        // A wizard hides its first window as it goes on: a window shown then opens over the
        // window in use.
        ownerWidget = QApplication::activeWindow();
        if (ownerWidget == nullptr || ownerWidget == &widget) {
            return;
        }
    }
    QWidget& owner = *ownerWidget;
    // A window the model places stays where the model puts it.
    if (window.Left != 0 || window.Top != 0) {
        return;
    }
    // The owner's frame tells how far the desktop's frame reaches beyond the client area.
    const QPoint frameOffset = owner.geometry().topLeft() - owner.frameGeometry().topLeft();
    QRect place(QPoint(0, 0), widget.size());
    place.moveCenter(owner.geometry().center());
    place.translate(-frameOffset);
    if (const QScreen* screen = owner.screen()) {
        const QRect room = screen->availableGeometry();
        // On the screen, as far as it fits; a window larger than the screen shows its top left.
        const QPoint last =
            room.topLeft() + QPoint(room.width() - place.width(), room.height() - place.height());
        place.moveTo(std::max(room.left(), std::min(place.left(), last.x())),
                     std::max(room.top(), std::min(place.top(), last.y())));
    }
    widget.move(place.topLeft());
}

QWidget* QtBinding::widgetFor(const forms::Window& window) {
    WindowView* view = viewFor(window);
    return view != nullptr ? &view->widget() : nullptr;
}

QWidget* QtBinding::widgetFor(const forms::Control& control) {
    WindowView* view = viewFor(control.window());
    return view != nullptr ? view->widgetFor(control) : nullptr;
}

void QtBinding::redrawNow(const forms::Control& control) {
    // A long run asks for its progress captions thousands of times a second; painting them at
    // a display's pace keeps the run fast, and the sync after the event paints the last state.
    QElapsedTimer& lastPaint = lastForcedPaint_[&control];
    if (lastPaint.isValid() && lastPaint.elapsed() < kForcedPaintIntervalMs) {
        return;
    }
    lastPaint.start();
    if (WindowView* view = existingView(control.window())) {
        const SyncScope scope(syncing_);
        view->redrawNow(control);
    }
}

void QtBinding::redrawNow(const forms::Window& window) {
    if (WindowView* view = existingView(window)) {
        const SyncScope scope(syncing_);
        view->redrawNow();
    }
}

void QtBinding::raiseWindow(const forms::Window& window) {
    toRaise_.push_back(&window);
}

void QtBinding::closeAllWindows() {
    for (const auto& [window, view] : views_) {
        view->widget().hide();
    }
}

QWidget* QtBinding::dialogParent() const {
    if (const forms::Window* active = app_.activeWindow()) {
        if (WindowView* view = existingView(*active);
            view != nullptr && view->widget().isVisible()) {
            return &view->widget();
        }
    }
    for (const forms::Window* window : app_.windows()) {
        if (WindowView* view = existingView(*window);
            view != nullptr && view->widget().isVisible()) {
            return &view->widget();
        }
    }
    return nullptr;
}

bool QtBinding::anyWindowVisible() const {
    const auto& windows = app_.windows();
    return std::any_of(windows.begin(), windows.end(),
                       [](const forms::Window* window) { return window->Visible(); });
}

}  // namespace qtui
