#include <QApplication>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <limits>

#include "common/forms/controls.h"
#include "common/qt/colours.h"
#include "common/qt/control_views.h"
#include "common/qt/text_conversion.h"
#include "common/text/cp1252.h"

namespace qtui {

namespace {

QFont baseFont(const forms::TextBox& model, const QWidget& widget) {
    return model.FixedPitch ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                            : QApplication::font(&widget);
}

void syncLook(QWidget& widget, const forms::TextBox& model, const TwipsScale& scale) {
    syncCommon(widget, model, scale, baseFont(model, widget));
    applyColours(widget, model.ForeColor, &model.BackColor, QPalette::Base);
}

// A multi-line box stores typed line breaks as CR LF.
std::string storedLines(QString shown) {
    shown.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return fromQString(shown);
}

class SingleLineView : public ControlView {
  public:
    SingleLineView(forms::TextBox& model, QWidget& parent, const ViewContext& context)
        : model_(model), context_(context), widget_(&parent) {
        widget_.setObjectName(QString::fromStdString(model.key()));
        QObject::connect(&widget_, &QLineEdit::textEdited, &widget_, [this](const QString& text) {
            if (model_.onForeignText && !common::utf8AsCp1252(text.toStdString())) {
                context_.forward([this] { model_.onForeignText(); });
                return;
            }
            context_.forward([this, typed = fromQString(text)] { model_.userEdit(typed); });
        });
        QObject::connect(&widget_, &QLineEdit::returnPressed, &widget_, [this] {
            if (model_.onReturn) {
                context_.forward([this] { model_.onReturn(); });
            }
        });
    }

    QWidget& widget() override { return widget_; }

    void sync() override {
        syncLook(widget_, model_, context_.scale);
        if (widget_.isReadOnly() != model_.Locked) {
            widget_.setReadOnly(model_.Locked);
        }
        // Without a limit a text box holds any length of text, not Qt's default 32767.
        const int maxLength =
            model_.MaxLength > 0 ? model_.MaxLength : std::numeric_limits<int>::max();
        if (widget_.maxLength() != maxLength) {
            widget_.setMaxLength(maxLength);
        }
        const QString text = toQString(model_.Text());
        if (widget_.text() != text) {
            // The cursor stays where the user was typing, even when the program changed the text.
            const int cursor = widget_.cursorPosition();
            widget_.setText(text);
            widget_.setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
        }
        if (model_.takeSelectAllRequest()) {
            widget_.selectAll();
        }
        const Qt::FocusPolicy focus = model_.TabStop ? Qt::StrongFocus : Qt::ClickFocus;
        if (widget_.focusPolicy() != focus) {
            widget_.setFocusPolicy(focus);
        }
    }

  private:
    forms::TextBox& model_;
    const ViewContext& context_;
    QLineEdit widget_;
};

class MultiLineView : public ControlView {
  public:
    MultiLineView(forms::TextBox& model, QWidget& parent, const ViewContext& context)
        : model_(model), context_(context), widget_(&parent) {
        widget_.setObjectName(QString::fromStdString(model.key()));
        // Tab moves on to the next control, as in every other box, rather than trapping the
        // keyboard user in this one.
        widget_.setTabChangesFocus(true);
        QObject::connect(&widget_, &QPlainTextEdit::textChanged, &widget_, [this] {
            context_.forward(
                [this, typed = storedLines(widget_.toPlainText())] { model_.setText(typed); });
        });
    }

    QWidget& widget() override { return widget_; }

    void sync() override {
        syncLook(widget_, model_, context_.scale);
        if (widget_.isReadOnly() != model_.Locked) {
            widget_.setReadOnly(model_.Locked);
        }
        const Qt::ScrollBarPolicy scrollBar =
            model_.VerticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
        if (widget_.verticalScrollBarPolicy() != scrollBar) {
            widget_.setVerticalScrollBarPolicy(scrollBar);
        }
        const QString text = toQStringLines(model_.Text());
        if (widget_.toPlainText() != text) {
            const int cursor = widget_.textCursor().position();
            widget_.setPlainText(text);
            QTextCursor moved = widget_.textCursor();
            moved.setPosition(std::min(cursor, static_cast<int>(text.size())));
            widget_.setTextCursor(moved);
        }
    }

  private:
    forms::TextBox& model_;
    const ViewContext& context_;
    QPlainTextEdit widget_;
};

}  // namespace

std::unique_ptr<ControlView> makeTextBoxView(forms::TextBox& box, QWidget& parent,
                                             const ViewContext& context) {
    if (box.MultiLine) {
        return std::make_unique<MultiLineView>(box, parent, context);
    }
    return std::make_unique<SingleLineView>(box, parent, context);
}

}  // namespace qtui
