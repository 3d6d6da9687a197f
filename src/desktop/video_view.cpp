#include "desktop/video_view.h"

#include "desktop/geometry.h"
#include "desktop/mouse_codes.h"
#include "platform/mpv_engine.h"

#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QPainter>
#include <QVBoxLayout>

#include <mpv/render.h>
#include <mpv/render_gl.h>

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
        engine.videoOutputReady();
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

    void videoChanged() override { update(); }

    MpvEngine* engine_;
    mpv_render_context* context_ = nullptr;
    QImage frame_;
};

void* glProcAddress(void*, const char* name) {
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void*>(context->getProcAddress(name)) : nullptr;
}

// The OpenGL surface inside the GL view. Its render context follows the widget's GL context,
// which Qt makes on first show and remakes when the widget moves to another window.
class GlSurface final : public QOpenGLWidget {
public:
    GlSurface(MpvEngine& engine, QWidget* parent) : QOpenGLWidget(parent), engine_(&engine) {}
    ~GlSurface() override {
        release();
        // ~QOpenGLWidget destroys the GL context, whose signal must not reach this object
        // once only its QOpenGLWidget part is left.
        if (QOpenGLContext* gl = context())
            disconnect(gl, &QOpenGLContext::aboutToBeDestroyed, this, &GlSurface::release);
    }

    void frameReady() {
        if (!context_) return;
        // Without advanced control this needs no GL context.
        mpv_render_context_update(context_);
        // Drawn whether or not a frame is still waiting: mpv waits only 200 ms for one to be
        // drawn, then keeps it as the current frame, and a window that was busy meanwhile (a
        // load waits on this thread) would otherwise keep the previous picture until some
        // other repaint.
        update();
    }

    // The engine is going: free the render context while the core still exists.
    void release() {
        if (!context_) return;
        makeCurrent();
        freeRenderContext(context_);
        doneCurrent();
    }

    void detach() {
        release();
        engine_ = nullptr;
        update();
    }

protected:
    void initializeGL() override {
        // A new GL context replaces the old one when the widget changes windows.
        connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &GlSurface::release,
                Qt::UniqueConnection);
        if (!engine_ || context_) return;
        mpv_opengl_init_params gl{&glProcAddress, nullptr};
        char api[] = MPV_RENDER_API_TYPE_OPENGL;
        int advanced = 0; // rendering on the GUI thread, which also drives mpv
        mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, api},
                                     {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &gl},
                                     {MPV_RENDER_PARAM_ADVANCED_CONTROL, &advanced},
                                     {MPV_RENDER_PARAM_INVALID, nullptr}};
        if (mpv_render_context_create(&context_, engine_->handle(), params) < 0) {
            context_ = nullptr;
            return;
        }
        mpv_render_context_set_update_callback(context_, &requestRepaint<GlSurface>, this);
        engine_->videoOutputReady();
    }

    void paintGL() override {
        QOpenGLFunctions* gl = context()->functions();
        gl->glClearColor(0, 0, 0, 1);
        gl->glClear(GL_COLOR_BUFFER_BIT);
        if (!context_ || !engine_ || !engine_->showsVideo()) return;
        const qreal ratio = devicePixelRatioF();
        mpv_opengl_fbo fbo{static_cast<int>(defaultFramebufferObject()),
                           static_cast<int>(width() * ratio), static_cast<int>(height() * ratio),
                           0};
        int flipY = 1; // Qt's framebuffer has its origin at the bottom left
        mpv_render_param params[] = {{MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
                                     {MPV_RENDER_PARAM_FLIP_Y, &flipY},
                                     {MPV_RENDER_PARAM_INVALID, nullptr}};
        mpv_render_context_render(context_, params);
    }

private:
    MpvEngine* engine_;
    mpv_render_context* context_ = nullptr;
};

class GlVideoView final : public VideoView, private VideoSink {
public:
    GlVideoView(MpvEngine& engine, QWidget* parent)
        : VideoView(parent), engine_(&engine), surface_(new GlSurface(engine, this)) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(surface_);
        engine.setVideoSink(this);
    }

    ~GlVideoView() override {
        if (engine_) engine_->setVideoSink(nullptr);
        surface_->release();
    }

    bool usesOpenGL() const override { return true; }

private:
    void releaseVideo() override {
        surface_->detach();
        engine_ = nullptr;
    }

    void videoChanged() override { surface_->update(); }

    MpvEngine* engine_;
    GlSurface* surface_;
};

bool openGLAvailable() {
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return false;
    QOpenGLContext probe;
    return probe.create();
}

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
    if (openGLAvailable()) return new GlVideoView(engine, parent);
    return new SoftwareVideoView(engine, parent);
}

} // namespace xj
