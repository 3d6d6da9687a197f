#pragma once

#include "ports/platform.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class QProgressDialog;

namespace xj {

// Modal message boxes over the panel; question buttons read "是"/"否" with Qt's Chinese
// translation loaded.
class QtMessageBoxes : public MessageBoxes {
public:
    MsgResult show(const QString& text, const QString& title, MsgButtons buttons,
                   MsgIcon icon) override;
    void setParentWidget(QWidget* parent) { parent_ = parent; }

private:
    QPointer<QWidget> parent_;
};

// The file-open dialog over the panel.
class QtFileDialog : public FileDialog {
public:
    QString showOpen(const QString& filter) override;
    void setParentWidget(QWidget* parent) { parent_ = parent; }

private:
    QPointer<QWidget> parent_;
};

// A modal progress box with a cancel button for the drive search. The walk runs inside a
// handler, so each step lets the event loop run a little (timers, painting, the button).
class QtSearchProgress : public SearchProgress {
public:
    QtSearchProgress();
    ~QtSearchProgress() override;
    void begin() override;
    bool step(const QString& folder, int found) override;
    void end() override;
    void setParentWidget(QWidget* parent) { parent_ = parent; }

private:
    QPointer<QWidget> parent_;
    std::unique_ptr<QProgressDialog> dialog_;
    QElapsedTimer sinceUpdate_;
};

// Opens a file with the desktop's program for it.
class DesktopShell : public Shell {
public:
    void open(const QString& path) override;
};

// Asks the window system for the user's attention to a window.
class DesktopFlash : public WindowFlash {
public:
    void flash(Window& window, bool invert) override;
    // How a model window finds its widget.
    void setWindows(std::function<QWidget*(const Window&)> lookup) { lookup_ = std::move(lookup); }
    // Brings the titles up to date.
    void setRefresh(std::function<void()> refresh) { refresh_ = std::move(refresh); }

private:
    std::function<QWidget*(const Window&)> lookup_;
    std::function<void()> refresh_;
};

// The title a window shows: its caption, marked for a moment after each flash.
QString shownTitle(const Window& window);

} // namespace xj
