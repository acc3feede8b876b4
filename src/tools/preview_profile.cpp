#include "tools/preview_profile.h"

#include "tools/preview_scheme.h"

#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>

namespace {

// Requests a script makes to read what comes back (fetch and XMLHttpRequest alike) never reach a
// file, whatever the engine's rules for the scheme would let through.
class FileReadGuard : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeXhr && PreviewScheme::isLocal(info.requestUrl()))
            info.block(true);
    }
};

} // namespace

PreviewProfile::PreviewProfile(QObject *parent)
    : QWebEngineProfile(parent), m_scheme(new PreviewScheme(this))
{
    installUrlSchemeHandler(PreviewScheme::kName, m_scheme);
    setUrlRequestInterceptor(new FileReadGuard(this));
    // The engine's defaults for local pages are the other way round.
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
}
