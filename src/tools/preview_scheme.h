#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

// "Aktuální dokument" shows the document's unsaved text at an address of its own scheme that
// mirrors its file's path: relative addresses in it then resolve inside the file's folder, and
// the handler sends them on to the files there. (A page given to the engine as a whole text has
// no such limits only below 2 MB, and each showing would be a new step in the history.)
class PreviewScheme : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT

public:
    static const QByteArray kName;

    // Once in the program, before the engine's first page.
    static void registerScheme();
    // The address of a file in the scheme.
    static QUrl address(const QString &path);
    // Whether the address names a file on this machine: by file: or by this scheme.
    static bool isLocal(const QUrl &url);

    explicit PreviewScheme(QObject *parent) : QWebEngineUrlSchemeHandler(parent) {}

    // From now on the document's own address answers with this text.
    void setDocument(const QString &path, const QString &text);

    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    QString m_path;
    QByteArray m_text; // UTF-8
};
