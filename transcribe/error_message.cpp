#include "transcribe/error_message.h"

#include "transcribe/layout.h"

namespace transcribe {

ErrorMessage::ErrorMessage(forms::Application& app) : Window(app, "ErrorMessage") {
    Caption = "Error!";
    Width = pixels(360);
    Height = pixels(140);
    place(Errorlabel, 16, 16, 328, 64);
    Errorlabel.Caption = "Division by zero";
    place(OKbutton, 140, 94, 80, 30);
    OKbutton.Caption = "OK";
    OKbutton.Cancel = true;
    OKbutton.onClick = [this] { OKbutton_Click(); };
}

}  // namespace transcribe
