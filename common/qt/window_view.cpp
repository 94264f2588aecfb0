#include "common/qt/window_view.h"

#include <QFileInfo>
#include <QIcon>
#include <algorithm>

#include "common/forms/controls.h"
#include "common/forms/window.h"
#include "common/qt/colours.h"
#include "common/qt/containers.h"
#include "common/qt/control_views.h"
#include "common/qt/text_conversion.h"

namespace qtui {

WindowView::WindowView(forms::Window& window, const ViewContext& context)
    : window_(window), context_(context) {
    widget_.setObjectName(QString::fromStdString(window.name()));
    widget_.onEscape = [this] { return pressCancel(); };
    canvasFor(nullptr);
}

WindowView::~WindowView() {
    // The windows this one owns belong to their own views, which delete them.
    for (QWidget* child : widget_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) {
            child->setParent(nullptr);
        }
    }
    canvases_.clear();
    while (!views_.empty()) {
        views_.pop_back();
    }
}

forms::Control* WindowView::own(const forms::Control& control) const {
    for (forms::Control* mine : window_.controls()) {
        if (mine == &control) {
            return mine;
        }
    }
    return nullptr;
}

ControlView* WindowView::viewFor(forms::Control& control) {
    if (isGraphic(control)) {
        canvasFor(containerOf(control));
        return nullptr;
    }
    if (const auto found = byControl_.find(&control); found != byControl_.end()) {
        return found->second;
    }
    auto view = makeControlView(control, holderFor(containerOf(control)), context_);
    ControlView* made = view.get();
    views_.push_back(std::move(view));
    byControl_.emplace(&control, made);
    return made;
}

QWidget& WindowView::holderFor(const forms::Control* container) {
    forms::Control* mine = container != nullptr ? own(*container) : nullptr;
    ControlView* view = mine != nullptr ? viewFor(*mine) : nullptr;
    return view != nullptr ? view->widget() : widget_;
}

CanvasWidget& WindowView::canvasFor(const forms::Control* container) {
    for (const auto& canvas : canvases_) {
        if (canvas->container() == container) {
            return *canvas;
        }
    }
    canvases_.push_back(
        std::make_unique<CanvasWidget>(holderFor(container), window_, container, context_.scale));
    return *canvases_.back();
}

void WindowView::syncFrame() {
    const QString title = toQString(window_.Caption);
    if (widget_.windowTitle() != title) {
        widget_.setWindowTitle(title);
    }
    const std::int32_t back = window_.BackColor;
    applyColours(widget_, forms::kBlack, &back);
    // Takes effect at the next showing; a window model sets it before its window is first shown.
    const Qt::WindowModality modality = window_.Modal ? Qt::ApplicationModal : Qt::NonModal;
    if (widget_.windowModality() != modality) {
        widget_.setWindowModality(modality);
    }

    const TwipsScale& scale = context_.scale;
    const Placed wanted{window_.Left, window_.Top, window_.Width, window_.Height,
                        window_.FixedSize};
    const QSize client(scale.pixels(std::max(0, wanted.width)),
                       scale.pixels(std::max(0, wanted.height)));
    // The size and place are set when the model changes them; in between the user may move the
    // window, or resize one that is not of fixed size.
    if (wanted.width != placed_.width || wanted.height != placed_.height ||
        wanted.fixed != placed_.fixed) {
        if (wanted.fixed) {
            widget_.setFixedSize(client);
        } else {
            widget_.setMinimumSize(0, 0);
            widget_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            widget_.resize(client);
        }
    }
    // A window the model never placed is placed by the desktop.
    if ((wanted.left != placed_.left || wanted.top != placed_.top) &&
        (wanted.left != 0 || wanted.top != 0)) {
        widget_.move(scale.point(wanted.left, wanted.top));
    }
    placed_ = wanted;

    if (window_.Icon != icon_) {
        icon_ = window_.Icon;
        const QString file = toQtPath(icon_);
        widget_.setWindowIcon(QFileInfo(file).isFile() ? QIcon(file) : QIcon());
    }
}

void WindowView::sync() {
    syncFrame();
    for (forms::Control* control : window_.controls()) {
        viewFor(*control);
    }
    // Containers come before what they hold, so children are placed in an up-to-date container.
    for (const auto& view : views_) {
        view->sync();
    }
    for (const auto& canvas : canvases_) {
        canvas->sync();
    }
    if (forms::Control* wanted = window_.takeFocusRequest()) {
        if (ControlView* view = viewFor(*wanted)) {
            view->widget().setFocus(Qt::OtherFocusReason);
        }
    }
}

void WindowView::redrawNow() {
    sync();
    widget_.repaint();
}

void WindowView::redrawNow(const forms::Control& control) {
    forms::Control* mine = own(control);
    if (mine == nullptr) {
        return;
    }
    if (isGraphic(*mine)) {
        CanvasWidget& canvas = canvasFor(containerOf(*mine));
        canvas.sync();
        canvas.repaint();
        return;
    }
    ControlView* view = viewFor(*mine);
    view->sync();
    view->widget().repaint();
}

namespace {

bool isCancelButton(const forms::Control& control) {
    if (const auto* button = dynamic_cast<const forms::CommandButton*>(&control)) {
        return button->Cancel;
    }
    if (const auto* label = dynamic_cast<const forms::Label*>(&control)) {
        return label->Cancel;
    }
    return false;
}

}  // namespace

// Escape presses the window's cancel button, as a click would, if the user could click it; in a
// window without one it may close the window.
bool WindowView::pressCancel() {
    for (forms::Control* control : window_.controls()) {
        if (!isCancelButton(*control)) {
            continue;
        }
        const QWidget* button = widgetFor(*control);
        if (button != nullptr && button->isVisibleTo(&widget_) && button->isEnabled()) {
            context_.forward([control] { control->click(); });
            return true;
        }
    }
    if (window_.EscapeCloses) {
        context_.forward([this] { window_.userClose(); });
        return true;
    }
    return false;
}

QWidget* WindowView::widgetFor(const forms::Control& control) {
    forms::Control* mine = own(control);
    if (mine == nullptr) {
        return nullptr;
    }
    if (isGraphic(*mine)) {
        return &canvasFor(containerOf(*mine));
    }
    return &viewFor(*mine)->widget();
}

}  // namespace qtui
