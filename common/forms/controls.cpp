#include "common/forms/controls.h"

#include "common/forms/application.h"
#include "common/forms/window.h"
#include "common/text/error.h"

namespace forms {

void TextBox::setText(std::string text) {
    if (text == text_) {
        return;
    }
    text_ = std::move(text);
    if (onChange) {
        onChange();
    }
}

void TextBox::userEdit(std::string text) {
    if (onUserEdit) {
        onUserEdit();
    }
    if (text == text_ && ChangeOnEveryEdit) {
        if (onChange) {
            onChange();
        }
        return;
    }
    setText(std::move(text));
}

void CheckBox::setValue(int value) {
    if (value != 0 && value != 1) {
        throw common::Error(common::ErrorCode::InvalidPropertyValue, key());
    }
    if (value == value_) {
        return;
    }
    value_ = value;
    click();
}

void OptionButton::setValue(bool value) {
    if (value == value_) {
        return;
    }
    value_ = value;
    if (!value) {
        return;
    }
    for (Control* other : window().controls()) {
        if (other != this && other->kind() == ControlKind::OptionButton &&
            other->Container == Container) {
            static_cast<OptionButton*>(other)->value_ = false;
        }
    }
    click();
}

void PictureControl::LoadPicture(const std::string& path) {
    window().app().platform().checkPicture(path);
    picture_ = path;
}

void Slider::setValue(int value) {
    if (value < Min || value > Max) {
        throw common::Error(common::ErrorCode::InvalidPropertyValue, key());
    }
    if (value == value_) {
        return;
    }
    value_ = value;
    if (onChange) {
        onChange();
    }
}

}  // namespace forms
