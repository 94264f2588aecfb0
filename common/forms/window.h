#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/forms/control.h"

namespace forms {

class Application;

// One window of a program: its caption, its client area in twips, its controls, and a drawing
// surface of filled rectangles that persists beneath the controls. A window is created once and
// lives until its program ends; its first use runs Form_Load, once.
class Window {
  public:
    Window(Application& app, std::string name);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& name() const { return name_; }
    Application& app() const { return app_; }

    std::string Caption;
    // Client area position and size in twips.
    int Left = 0;
    int Top = 0;
    int Width = 9000;
    int Height = 6000;
    std::int32_t BackColor = kButtonFace;
    // A name of one of the programs' icons; empty for the desktop's default.
    std::string Icon;
    // The user may not resize the window.
    bool FixedSize = true;
    // While shown, the program's other windows take no input (the desktop's window modality;
    // Show itself does not wait).
    bool Modal = false;
    // The window this one opens from. It stays above that window as a dialog of it, and opens
    // centred over it. Null for a window that stands on its own: a program's main window, or a
    // wizard step that takes the place of the step before it.
    Window* Owner = nullptr;
    // Escape closes the window as its title bar does, where no button is its cancel button (a
    // chooser whose only button, OK, must not be what Escape presses).
    bool EscapeCloses = false;

    int ScaleWidth() const { return Width; }
    int ScaleHeight() const { return Height; }

    bool Loaded() const { return loaded_; }
    bool Visible() const { return visible_; }
    // Runs Form_Load the first time; later calls do nothing.
    void Load();
    // Loads if needed, shows the window modeless and makes it the active one.
    void Show();
    void Hide();
    // The user closes the window: unless Form_QueryUnload keeps it open, Form_Unload runs, then
    // the window hides unless the program has ended.
    void userClose();
    void activate();
    void setBusy(bool busy);
    // Paints the whole window at once.
    void Refresh() const;

    struct FilledRect {
        int x1;
        int y1;
        int x2;
        int y2;
        std::int32_t colour;
    };
    // Fills a rectangle of the drawing surface; it stays until the surface is cleared.
    void FillRect(int x1, int y1, int x2, int y2, std::int32_t colour);
    void ClearSurface() { surface_.clear(); }
    const std::vector<FilledRect>& surface() const { return surface_; }

    const std::vector<Control*>& controls() const { return controls_; }

    // The control that last asked for the keyboard focus, handed over once.
    void requestFocus(Control& control) { focusRequest_ = &control; }
    Control* takeFocusRequest() { return std::exchange(focusRequest_, nullptr); }
    // The control registered under "Name" or "Name(index)"; null when there is none.
    Control* find(std::string_view key) const;

    void registerControl(Control& control);

  protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // Whether the user may close the window now; a window whose work would be lost may ask first.
    virtual bool Form_QueryUnload() { return true; }
    virtual void Form_Unload() {}

  private:
    friend class Application;

    Application& app_;
    std::string name_;
    bool loaded_ = false;
    bool visible_ = false;
    std::vector<Control*> controls_;
    std::vector<FilledRect> surface_;
    Control* focusRequest_ = nullptr;
};

}  // namespace forms
