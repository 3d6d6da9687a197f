#include "desktop/video_view.h"

#include "desktop/geometry.h"
#include "desktop/mouse_codes.h"
#include "desktop/opengl_ahead.h"
#include "platform/mpv_engine.h"

#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPainter>
#include <QVBoxLayout>
#include <QWindow>

#include <mpv/render.h>
#include <mpv/render_gl.h>

#include <memory>
#include <utility>
#include <vector>

namespace xj {

namespace {

// mpv calls this on one of its threads; repaint on ours. A view that has gone takes its
// queued calls with it.
template <class View> void requestRepaint(void* context) {
    auto* view = static_cast<View*>(context);
    QMetaObject::invokeMethod(
        view, [view] { view->frameReady(); }, Qt::QueuedConnection);
}

void freeRenderContext(mpv_render_context*& context) {
    if (!context) return;
    // Once this returns no update callback runs any more.
    mpv_render_context_set_update_callback(context, nullptr, nullptr);
    mpv_render_context_free(context);
    context = nullptr;
}

// Renders with the CPU into an image: for platforms without OpenGL, such as offscreen.
class SoftwareVideoView final : public VideoView, private VideoSink {
public:
    SoftwareVideoView(MpvEngine& engine, QWidget* parent) : VideoView(parent), engine_(&engine) {
        char api[] = MPV_RENDER_API_TYPE_SW;
        // Advanced control stays off: rendering happens on the thread that also drives mpv.
        int advanced = 0;
        mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, api},
                                     {MPV_RENDER_PARAM_ADVANCED_CONTROL, &advanced},
                                     {MPV_RENDER_PARAM_INVALID, nullptr}};
        if (mpv_render_context_create(&context_, engine.handle(), params) < 0) {
            context_ = nullptr;
            engine_ = nullptr;
            return;
        }
        mpv_render_context_set_update_callback(context_, &requestRepaint<SoftwareVideoView>, this);
        engine.setVideoSink(this);
        // A file showing video before the view existed went to the null output.
        if (engine.showsVideo()) engine.videoOutputReady();
    }

    ~SoftwareVideoView() override {
        if (engine_) engine_->setVideoSink(nullptr);
        freeRenderContext(context_);
    }

    bool usesOpenGL() const override { return false; }

    void frameReady() {
        if (!context_) return;
        mpv_render_context_update(context_);
        // Always drawn: see GlSurface::frameReady.
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        if (!context_ || !engine_->showsVideo()) return;
        const QSize size = (QSizeF(this->size()) * devicePixelRatioF()).toSize();
        if (size.isEmpty()) return;
        if (frame_.size() != size) {
            frame_ = QImage(size, QImage::Format_RGBX8888);
            frame_.setDevicePixelRatio(devicePixelRatioF());
        }
        int extent[2] = {size.width(), size.height()};
        char format[] = "rgb0"; // byte order r, g, b, x: Format_RGBX8888
        size_t stride = static_cast<size_t>(frame_.bytesPerLine());
        mpv_render_param params[] = {{MPV_RENDER_PARAM_SW_SIZE, extent},
                                     {MPV_RENDER_PARAM_SW_FORMAT, format},
                                     {MPV_RENDER_PARAM_SW_STRIDE, &stride},
                                     {MPV_RENDER_PARAM_SW_POINTER, frame_.bits()},
                                     {MPV_RENDER_PARAM_INVALID, nullptr}};
        if (mpv_render_context_render(context_, params) >= 0) painter.drawImage(QPoint(), frame_);
    }

private:
    void releaseVideo() override {
        freeRenderContext(context_);
        engine_ = nullptr;
        update();
    }

    // Its render context exists from the start; it draws whenever asked.
    bool prepareVideo() override { return true; }
    void videoChanged() override { update(); }

    MpvEngine* engine_;
    mpv_render_context* context_ = nullptr;
    QImage frame_;
};

void* glProcAddress(void*, const char* name) {
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void*>(context->getProcAddress(name)) : nullptr;
}

// A native window that mpv draws into directly: no framebuffer of its own and no compositing
// into the top-level window, which would cost a copy of every frame. Its GL context, and so
// the render context, exist from the start, before the window is ever shown, so a file that
// opens before the window appears goes straight to this output; sound and picture then start
// together.
class GlWindow final : public QWindow {
public:
    GlWindow(QWidget* view, std::unique_ptr<QOpenGLContext> gl) : view_(view), gl_(std::move(gl)) {
        setSurfaceType(QSurface::OpenGLSurface);
        // Keys and focus stay with the widgets around it.
        setFlag(Qt::WindowDoesNotAcceptFocus);
    }

    // Makes mpv's render context on the GL context; the window need not be shown.
    // Only once, and only for a file with video, so sound alone never waits for OpenGL.
    bool attach(MpvEngine& engine) {
        if (context_) return true;
        if (!offscreen_.isValid()) {
            offscreen_.setFormat(requestedFormat());
            offscreen_.create();
        }
        if (!gl_->makeCurrent(&offscreen_)) return false;
        mpv_opengl_init_params init{&glProcAddress, nullptr};
        char api[] = MPV_RENDER_API_TYPE_OPENGL;
        int advanced = 0; // rendering on the GUI thread, which also drives mpv
        mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, api},
                                     {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &init},
                                     {MPV_RENDER_PARAM_ADVANCED_CONTROL, &advanced},
                                     {MPV_RENDER_PARAM_INVALID, nullptr}};
        if (mpv_render_context_create(&context_, engine.handle(), params) < 0) context_ = nullptr;
        gl_->doneCurrent();
        if (!context_) return false;
        engine_ = &engine;
        mpv_render_context_set_update_callback(context_, &requestRepaint<GlWindow>, this);
        return true;
    }

    ~GlWindow() override { release(); }

    void frameReady() {
        if (!context_) return;
        // Without advanced control this needs no GL context.
        if (mpv_render_context_update(context_) & MPV_RENDER_UPDATE_FRAME) frameDue_ = true;
        // Drawn whether or not a frame is still waiting: mpv waits only 200 ms for one to be
        // drawn, then keeps it as the current frame, and a window that was busy meanwhile (a
        // load waits on this thread) would otherwise keep the previous picture until some
        // other repaint.
        render();
    }

    // The engine is going: free the render context while the core still exists.
    void release() {
        if (!context_) return;
        gl_->makeCurrent(&offscreen_);
        freeRenderContext(context_);
        gl_->doneCurrent();
        engine_ = nullptr;
    }

    void detach() {
        release();
        render();
    }

protected:
    void exposeEvent(QExposeEvent*) override { render(); }

    // Presses and double clicks are the view's; keys go to the window around it.
    void mousePressEvent(QMouseEvent* event) override { forward(event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { forward(event); }
    void keyPressEvent(QKeyEvent* event) override {
        QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(),
                       event->isAutoRepeat(), static_cast<ushort>(event->count()));
        QCoreApplication::sendEvent(view_, &copy);
    }

private:
    void forward(QMouseEvent* event) {
        QMouseEvent copy(event->type(), event->position(), event->scenePosition(),
                         event->globalPosition(), event->button(), event->buttons(),
                         event->modifiers(), event->pointingDevice());
        // Without the original's time the device's last press reads as long ago, and the
        // second press of a double click would not make one.
        copy.setTimestamp(event->timestamp());
        QCoreApplication::sendEvent(view_, &copy);
    }

    void render() {
        if (!isExposed() || !gl_->makeCurrent(this)) return;
        QOpenGLFunctions* gl = gl_->functions();
        gl->glClearColor(0, 0, 0, 1);
        gl->glClear(GL_COLOR_BUFFER_BIT);
        if (context_ && engine_->showsVideo()) {
            const qreal ratio = devicePixelRatio();
            mpv_opengl_fbo fbo{static_cast<int>(gl_->defaultFramebufferObject()),
                               static_cast<int>(width() * ratio),
                               static_cast<int>(height() * ratio), 0};
            int flipY = 1; // the window's framebuffer has its origin at the bottom left
            mpv_render_param params[] = {{MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
                                         {MPV_RENDER_PARAM_FLIP_Y, &flipY},
                                         {MPV_RENDER_PARAM_INVALID, nullptr}};
            mpv_render_context_render(context_, params);
            gl_->swapBuffers(this);
            // Only a frame counts as shown: until the first comes this draws black, and the
            // sound held for the picture would start ahead of it.
            if (std::exchange(frameDue_, false)) engine_->videoShown();
            return;
        }
        gl_->swapBuffers(this);
    }

    QWidget* view_;
    MpvEngine* engine_ = nullptr;
    std::unique_ptr<QOpenGLContext> gl_;
    QOffscreenSurface offscreen_;
    mpv_render_context* context_ = nullptr;
    bool frameDue_ = false; // mpv has a frame that has not been drawn yet
};

class GlVideoView final : public VideoView, private VideoSink {
public:
    GlVideoView(MpvEngine& engine, std::unique_ptr<QOpenGLContext> gl, QWidget* parent)
        : VideoView(parent), engine_(&engine), window_(new GlWindow(this, std::move(gl))) {
        container_ = QWidget::createWindowContainer(window_, this);
        container_->setFocusPolicy(Qt::NoFocus);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(container_);
        engine.setVideoSink(this);
        // A file showing video before the view existed went to the null output.
        if (engine.showsVideo() && window_->attach(engine)) engine.videoOutputReady();
    }

    ~GlVideoView() override {
        if (engine_) engine_->setVideoSink(nullptr);
        window_->release();
    }

    bool usesOpenGL() const override { return true; }

    void keepAbove(QWidget* overlay) override {
        // Only a native window stacks above another, and it starts above the ones made before
        // it. What it leaves see-through shows the view's black then, not the picture.
        container_->winId();
        overlay->winId();
        overlay->raise();
    }

private:
    bool prepareVideo() override {
        // Held back only for a window about to appear, never for one minimised.
        if (!engine_ || !window_->attach(*engine_) || window_->isExposed()) return true;
        return window()->isMinimized();
    }

    void releaseVideo() override {
        window_->detach();
        engine_ = nullptr;
    }

    // Called from inside the engine's calls: drawn once they are done.
    void videoChanged() override { requestRepaint<GlWindow>(window_); }

    MpvEngine* engine_;
    GlWindow* window_; // owned by its container
    QWidget* container_;
};

// The context begun at start when there is one, else one made now; nullptr without OpenGL.
std::unique_ptr<QOpenGLContext> openGLContext() {
    std::unique_ptr<QOpenGLContext> context = openglahead::take();
    if (context) return context;
    context = std::make_unique<QOpenGLContext>();
    if (!context->create()) return nullptr;
    return context;
}

VideoView* createViewNow(MpvEngine& engine, QWidget* parent) {
    if (std::unique_ptr<QOpenGLContext> gl = openGLContext())
        return new GlVideoView(engine, std::move(gl), parent);
    return new SoftwareVideoView(engine, parent);
}

// Stands in for the view until its picture is first seen or a file with video opens. Loading
// OpenGL costs a moment at start that sound alone never needs.
class DeferredVideoView final : public VideoView, private VideoSink {
public:
    DeferredVideoView(MpvEngine& engine, QWidget* parent) : VideoView(parent), engine_(&engine) {
        engine.setVideoSink(this);
    }

    ~DeferredVideoView() override {
        if (!view_ && engine_) engine_->setVideoSink(nullptr);
    }

    bool usesOpenGL() const override { return made().usesOpenGL(); }

    void keepAbove(QWidget* overlay) override {
        overlays_.push_back(overlay);
        if (view_) view_->keepAbove(overlay);
    }

protected:
    void showEvent(QShowEvent* event) override {
        VideoView::showEvent(event);
        made();
    }

    // Presses on the picture are this view's, so that whoever watches it sees them.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != view_ || (event->type() != QEvent::MouseButtonPress &&
                                 event->type() != QEvent::MouseButtonDblClick))
            return VideoView::eventFilter(watched, event);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        QMouseEvent copy(mouse->type(), mouse->position(), mouse->scenePosition(),
                         mouse->globalPosition(), mouse->button(), mouse->buttons(),
                         mouse->modifiers(), mouse->pointingDevice());
        copy.setTimestamp(mouse->timestamp());
        QCoreApplication::sendEvent(this, &copy);
        return true;
    }

private:
    VideoView& made() const {
        if (view_) return *view_;
        auto* self = const_cast<DeferredVideoView*>(this);
        // The view takes over as the engine's sink.
        view_ = createViewNow(*engine_, self);
        auto* layout = new QVBoxLayout(self);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view_);
        view_->installEventFilter(self);
        for (QWidget* overlay : overlays_)
            view_->keepAbove(overlay);
        view_->show();
        return *view_;
    }

    bool prepareVideo() override {
        made();
        VideoSink* view = engine_->videoSink();
        return view && view != this ? view->prepareVideo() : true;
    }
    void releaseVideo() override { engine_ = nullptr; }
    void videoChanged() override {}

    MpvEngine* engine_;
    mutable VideoView* view_ = nullptr; // a child: goes with this
    std::vector<QWidget*> overlays_;
};

} // namespace

VideoView::VideoView(QWidget* parent) : QWidget(parent) {
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
}

void VideoView::mousePressEvent(QMouseEvent* event) {
    const int button = mouseButtonCode(event->button());
    if (!button) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    emit mousePressed(button, shiftCode(event->modifiers()), geometry::toTwips(at.x()),
                      geometry::toTwips(at.y()));
}

VideoView* createVideoView(MpvEngine& engine, QWidget* parent) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return new SoftwareVideoView(engine, parent);
    return new DeferredVideoView(engine, parent);
}

} // namespace xj
