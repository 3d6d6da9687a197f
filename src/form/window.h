#pragma once

#include <QString>

namespace xj {

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// A top-level window of the model. Width and Height are its outer size in twips (frame, title
// bar and menu bar included); a change of size while it is loaded raises Form_Resize at once,
// as the window system would.
class Window {
public:
    explicit Window(QString name) : Name(std::move(name)) {}
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    QString Name;
    QString Caption;
    int Left = 0;
    int Top = 0;
    bool Visible = false;
    bool Enabled = true;

    int Width() const { return width_; }
    int Height() const { return height_; }
    void setWidth(int twips) { resize(twips, height_); }
    void setHeight(int twips) { resize(width_, twips); }
    void resize(int width, int height);
    void Move(int left, int top, int width, int height);

    WindowState windowState() const { return state_; }
    // A change of state raises Form_Resize, as minimising or maximising does.
    void setWindowState(WindowState state);

    // Called by the view when the window system changed the size or the state.
    void userResized(int width, int height, WindowState state);

    bool Loaded() const { return loaded_; }
    // Makes the window visible (modeless).
    void Show() { Visible = true; }
    void Hide() { Visible = false; }

    virtual void Form_Resize() {}

    // Gives the window the keyboard focus; fails with 5 while it is hidden, disabled or
    // minimised. The view carries out each request.
    void SetFocus();
    unsigned focusRequests() const { return focusRequests_; }

protected:
    void setLoaded(bool on) { loaded_ = on; }
    // Sets the size without raising Form_Resize (design values).
    void setDesignSize(int width, int height) {
        width_ = width;
        height_ = height;
    }

private:
    int width_ = 0;
    int height_ = 0;
    WindowState state_ = WindowState::Normal;
    bool loaded_ = false;
    unsigned focusRequests_ = 0;
};

} // namespace xj
