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

// A window with an owner is a dialog of it: only a dialog with a parent gets WM_TRANSIENT_FOR on
// X11, which keeps it above its owner. Changing the parent makes a new native window, so it is
// done only when the owner changes, before the window shows.
void belongTo(QWidget& widget, QWidget* owner) {
    const Qt::WindowType type = owner != nullptr ? Qt::Dialog : Qt::Window;
    if (widget.parentWidget() != owner || widget.windowType() != type) {
        widget.setParent(owner, (widget.windowFlags() & ~Qt::WindowType_Mask) | type);
    }
}

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
    // Taken before anything is hidden: a wizard shows a window and hides the one it replaces.
    QWidget* const inUse = windowInUse();
    for (const forms::Window* window : app_.windows()) {
        const bool shown = window->Visible() && !app_.ended();
        WindowView* view = shown ? viewFor(*window) : existingView(*window);
        if (view == nullptr) {
            continue;
        }
        view->sync();
        QWidget& widget = view->widget();
        if (shown && widget.isHidden()) {
            place(*window, widget, inUse);
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

QWidget* QtBinding::windowInUse() const {
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    // Between two activations: the window the model is hiding is the one being replaced.
    for (const forms::Window* window : app_.windows()) {
        if (WindowView* view = existingView(*window);
            view != nullptr && view->widget().isVisible() && !window->Visible()) {
            return &view->widget();
        }
    }
    return nullptr;
}

QWidget* QtBinding::ownerFor(const forms::Window& window, QWidget& widget, QWidget* inUse) {
    QWidget* const owner = window.Owner != nullptr ? widgetFor(*window.Owner) : nullptr;
    belongTo(widget, owner);
    if (owner != nullptr && owner->isVisible()) {
        return owner;
    }
    return inUse != &widget ? inUse : nullptr;
}

void QtBinding::place(const forms::Window& window, QWidget& widget, QWidget* inUse) {
    if (main_ == nullptr) {
        main_ = &window;
    }
    if (&window == main_) {
        return;
    }
    QWidget* const over = ownerFor(window, widget, inUse);
    const auto before = shownOver_.find(&window);
    const bool shownOverSame = before != shownOver_.end() && before->second == over;
    shownOver_[&window] = over;
    // A window the model places stays where the model puts it, one shown again over the same
    // window where the user left it.
    if (over == nullptr || shownOverSame || window.Left != 0 || window.Top != 0) {
        return;
    }
    widget.setGeometry(centredOver(*over, widget.size()));
}

// The place of a window of the given size centred over the owner, on the owner's screen as far
// as it fits with a frame like the owner's. It is the place of the client area: a desktop takes
// that as it is, whereas a frame's place is reckoned from the frame a hidden window last had.
QRect QtBinding::centredOver(const QWidget& owner, QSize size) {
    const QRect inner = owner.geometry();
    const QRect outer = owner.frameGeometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    QRect place(QPoint(0, 0), size);
    place.moveCenter(inner.center());
    if (const QScreen* screen = owner.screen()) {
        const QRect room = screen->availableGeometry().marginsRemoved(frame);
        // A window larger than the screen shows its top left.
        const QPoint last =
            room.topLeft() + QPoint(room.width() - size.width(), room.height() - size.height());
        place.moveTo(std::max(room.left(), std::min(place.left(), last.x())),
                     std::max(room.top(), std::min(place.top(), last.y())));
    }
    return place;
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
