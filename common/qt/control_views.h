#pragma once

#include <memory>

#include "common/qt/control_view.h"

namespace forms {
class CheckBox;
class CommandButton;
class Control;
class DirListBox;
class DriveListBox;
class FileListBox;
class Frame;
class Label;
class OptionButton;
class PictureControl;
class Slider;
class TextBox;
}  // namespace forms

namespace qtui {

// The view of a control, its widget a child of parent; null for lines and shapes, which the
// container's canvas paints.
std::unique_ptr<ControlView> makeControlView(forms::Control& control, QWidget& parent,
                                             const ViewContext& context);

std::unique_ptr<ControlView> makeLabelView(forms::Label& label, QWidget& parent,
                                           const ViewContext& context);
std::unique_ptr<ControlView> makeCommandButtonView(forms::CommandButton& button, QWidget& parent,
                                                   const ViewContext& context);
std::unique_ptr<ControlView> makeFrameView(forms::Frame& frame, QWidget& parent,
                                           const ViewContext& context);
std::unique_ptr<ControlView> makeCheckBoxView(forms::CheckBox& box, QWidget& parent,
                                              const ViewContext& context);
std::unique_ptr<ControlView> makeOptionButtonView(forms::OptionButton& option, QWidget& parent,
                                                  const ViewContext& context);
std::unique_ptr<ControlView> makeTextBoxView(forms::TextBox& box, QWidget& parent,
                                             const ViewContext& context);
std::unique_ptr<ControlView> makePictureView(forms::PictureControl& picture, QWidget& parent,
                                             const ViewContext& context);
std::unique_ptr<ControlView> makeDriveListView(forms::DriveListBox& box, QWidget& parent,
                                               const ViewContext& context);
std::unique_ptr<ControlView> makeDirListView(forms::DirListBox& box, QWidget& parent,
                                             const ViewContext& context);
std::unique_ptr<ControlView> makeFileListView(forms::FileListBox& box, QWidget& parent,
                                              const ViewContext& context);
std::unique_ptr<ControlView> makeSliderView(forms::Slider& slider, QWidget& parent,
                                            const ViewContext& context);

}  // namespace qtui
