#include "tools/preview_scheme.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

const QByteArray PreviewScheme::kName = QByteArrayLiteral("velinor-nahled");

void PreviewScheme::registerScheme()
{
    QWebEngineUrlScheme scheme(kName);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // Local like file:, and allowed to show pictures and pages given by a file: address.
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl PreviewScheme::address(const QString &path)
{
    QUrl url = QUrl::fromLocalFile(QDir::cleanPath(path));
    url.setScheme(QString::fromLatin1(kName));
    return url;
}

bool PreviewScheme::isLocal(const QUrl &url)
{
    return url.isLocalFile() || url.scheme() == QLatin1String(kName);
}

void PreviewScheme::setDocument(const QString &path, const QString &text)
{
    m_path = QDir::cleanPath(QFileInfo(path).absoluteFilePath()); // as the engine asks for it
    m_text = text.toUtf8();
}

void PreviewScheme::requestStarted(QWebEngineUrlRequestJob *job)
{
    const QString path = job->requestUrl().path();
    if (path == m_path) {
        auto *text = new QBuffer(job);
        text->setData(m_text);
        // The text is what the editor holds, whatever encoding its file declares.
        job->reply(QByteArrayLiteral("text/html;charset=UTF-8"), text);
        return;
    }
    // Everything else is the file itself, read by the engine as any file: address (a page without a
    // declared encoding is then recognised as a file: page is).
    job->redirect(QUrl::fromLocalFile(path));
}
