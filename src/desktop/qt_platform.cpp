#include "desktop/qt_platform.h"

#include "form/window.h"

#include "playlist/media_types.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSet>
#include <QTimer>
#include <QUrl>

namespace xj {

MsgResult QtMessageBoxes::show(const QString& text, const QString& title, MsgButtons buttons,
                               MsgIcon icon) {
    const QMessageBox::Icon shown = icon == MsgIcon::Information   ? QMessageBox::Information
                                    : icon == MsgIcon::Exclamation ? QMessageBox::Warning
                                    : icon == MsgIcon::Critical    ? QMessageBox::Critical
                                                                   : QMessageBox::NoIcon;
    const bool question = buttons == MsgButtons::YesNo;
    QMessageBox box(shown, title, text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent_);
    box.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
    const int answer = box.exec();
    if (!question) return MsgResult::Ok;
    return answer == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
}

QString QtFileDialog::showOpen(const QString& filter) {
    const QString path =
        QFileDialog::getOpenFileName(parent_, QString(), QString(), mediatypes::qtFilter(filter));
    return path.isEmpty() ? path : QDir::toNativeSeparators(path);
}

QtSearchProgress::QtSearchProgress() = default;
QtSearchProgress::~QtSearchProgress() = default;

void QtSearchProgress::begin() {
    dialog_ = std::make_unique<QProgressDialog>(QString::fromUtf8("正在搜索……"),
                                                QString::fromUtf8("停止"), 0, 0, parent_);
    dialog_->setWindowTitle(QString::fromUtf8("搜索"));
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setMinimumDuration(500);
    dialog_->setValue(0);
    sinceUpdate_.start();
}

bool QtSearchProgress::step(const QString& folder, int found) {
    if (!dialog_) return true;
    // A whole disk has many folders: show and listen a few times a second, not per folder.
    if (sinceUpdate_.elapsed() >= 100) {
        sinceUpdate_.restart();
        dialog_->setLabelText(QString::fromUtf8("已找到 %1 个文件\n%2").arg(found).arg(folder));
        dialog_->setValue(0);
        QCoreApplication::processEvents();
    }
    return !dialog_->wasCanceled();
}

void QtSearchProgress::end() {
    dialog_.reset();
}

void DesktopShell::open(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

namespace {
// Windows whose title is marked by a flash that has not yet faded.
QSet<const Window*>& marked() {
    static QSet<const Window*> windows;
    return windows;
}
constexpr int FlashMs = 1000;
} // namespace

QString shownTitle(const Window& window) {
    return marked().contains(&window) ? QString::fromUtf8("● ") + window.Caption : window.Caption;
}

void DesktopFlash::flash(Window& window, bool) {
    // The title blinks on every flash; the window system's own attention request comes on
    // top where a window manager shows it.
    // The handler's own update shows the mark; the fade brings its own.
    marked().insert(&window);
    const Window* w = &window;
    QTimer::singleShot(FlashMs, qApp, [w, refresh = refresh_] {
        marked().remove(w);
        if (refresh) refresh();
    });
    if (!lookup_) return;
    if (QWidget* widget = lookup_(window)) QApplication::alert(widget, FlashMs);
}

} // namespace xj
