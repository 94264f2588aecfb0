#include "common/qt/control_view.h"

#include <QFrame>
#include <QWidget>
#include <algorithm>

#include "common/forms/control.h"
#include "common/qt/click_tracker.h"
#include "common/qt/plain_text.h"
#include "common/qt/text_conversion.h"

namespace qtui {

void syncCommon(QWidget& widget, const forms::Control& control, const TwipsScale& scale,
                const QFont& baseFont) {
    QRect place = scale.rect(control.Left, control.Top, std::max(0, control.Width),
                             std::max(0, control.Height));
    // Inside a picture box, positions count from the inner edge of its border.
    if (const auto* box = qobject_cast<const QFrame*>(widget.parentWidget())) {
        place.translate(box->contentsRect().topLeft());
    }
    if (widget.geometry() != place) {
        widget.setGeometry(place);
    }
    if (widget.isHidden() == control.Visible) {
        widget.setVisible(control.Visible);
    }
    if (widget.testAttribute(Qt::WA_Disabled) == control.Enabled) {
        widget.setEnabled(control.Enabled);
    }
    const QString tip = plainToolTip(toQString(control.ToolTipText));
    if (widget.toolTip() != tip) {
        widget.setToolTip(tip);
    }
    QFont font = baseFont;
    if (control.FontSize > 0) {
        font.setPointSizeF(control.FontSize);
    }
    font.setBold(control.FontBold);
    if (widget.font() != font) {
        widget.setFont(font);
    }
}

void forwardClicks(ClickTracker& clicks, forms::Control& control, const ViewContext& context) {
    clicks.onClick = [&control, &context] { context.forward([&control] { control.click(); }); };
    clicks.onDblClick = [&control, &context] {
        context.forward([&control] { control.dblClick(); });
    };
}

}  // namespace qtui
