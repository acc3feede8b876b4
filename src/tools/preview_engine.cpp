#include "tools/preview_engine.h"

#include "tools/preview_scheme.h"

#include <QGuiApplication>
#include <QOpenGLContext>

#include <unistd.h>

// Qt's own hook for the context every OpenGL context of the program shares with; the engine reads it.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

namespace {

// The engine's sandbox cannot start for the root user, and without it the engine exits at once.
void allowEngineToStart()
{
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

QOpenGLContext *sharedContext = nullptr;

// At the program's end, before the windowing system goes.
void releaseSharedContext()
{
    if (QOpenGLContext::globalShareContext() == sharedContext)
        qt_gl_set_global_share_context(nullptr);
    delete sharedContext;
    sharedContext = nullptr;
}

// The engine draws its pages with OpenGL contexts shared with one program-wide context, which Qt
// makes at start-up only when asked before the application exists; without it the engine crashes
// on a desktop with OpenGL. Asking at start-up would cost every start-up a context and its driver,
// so the first preview makes it. (The engine still warns, on loading, that it was not set up
// before the application.)
void shareOpenGLContexts()
{
    if (QOpenGLContext::globalShareContext())
        return;
    sharedContext = new QOpenGLContext;
    sharedContext->setFormat(QSurfaceFormat::defaultFormat());
    // Without OpenGL (a headless screen) the context stays invalid, as Qt's own would; the engine
    // then draws without OpenGL, but it needs a context to ask.
    sharedContext->create();
    qt_gl_set_global_share_context(sharedContext);
    qAddPostRoutine(releaseSharedContext);
}

} // namespace

void preparePreviewEngine()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    allowEngineToStart();
    shareOpenGLContexts();
    PreviewScheme::registerScheme();
}
