#include <QListWidget>

#include "common/forms/controls.h"
#include "common/forms/list_boxes.h"
#include "common/qt/control_views.h"
#include "common/qt/folder_list_look.h"

namespace qtui {

std::unique_ptr<ControlView> makeControlView(forms::Control& control, QWidget& parent,
                                             const ViewContext& context) {
    using forms::ControlKind;
    switch (control.kind()) {
        case ControlKind::Label:
            return makeLabelView(static_cast<forms::Label&>(control), parent, context);
        case ControlKind::CommandButton:
            return makeCommandButtonView(static_cast<forms::CommandButton&>(control), parent,
                                         context);
        case ControlKind::Frame:
            return makeFrameView(static_cast<forms::Frame&>(control), parent, context);
        case ControlKind::TextBox:
            return makeTextBoxView(static_cast<forms::TextBox&>(control), parent, context);
        case ControlKind::CheckBox:
            return makeCheckBoxView(static_cast<forms::CheckBox&>(control), parent, context);
        case ControlKind::OptionButton:
            return makeOptionButtonView(static_cast<forms::OptionButton&>(control), parent,
                                        context);
        case ControlKind::Image:
        case ControlKind::PictureBox:
            return makePictureView(static_cast<forms::PictureControl&>(control), parent, context);
        case ControlKind::DriveListBox:
            return makeDriveListView(static_cast<forms::DriveListBox&>(control), parent, context);
        case ControlKind::DirListBox: {
            auto view = makeDirListView(static_cast<forms::DirListBox&>(control), parent, context);
            if (auto* list = qobject_cast<QListWidget*>(&view->widget())) {
                giveEvenRows(*list);
            }
            return view;
        }
        case ControlKind::FileListBox:
            return makeFileListView(static_cast<forms::FileListBox&>(control), parent, context);
        case ControlKind::Slider:
            return makeSliderView(static_cast<forms::Slider&>(control), parent, context);
        case ControlKind::Line:
        case ControlKind::Shape:
            return nullptr;
    }
    return nullptr;
}

}  // namespace qtui
