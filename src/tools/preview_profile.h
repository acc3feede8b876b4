#pragma once

#include <QWebEngineProfile>

class PreviewScheme;

// The browser profile of one preview window, kept in memory. A page from the disk is treated as a
// browser treats a file it opens: its stylesheets, scripts and pictures come from the web too, and
// its scripts may read no file, neither by a file: address nor through the preview's own scheme
// (what the page loads as a picture, a stylesheet, a script or a frame still comes).
class PreviewProfile : public QWebEngineProfile
{
    Q_OBJECT

public:
    explicit PreviewProfile(QObject *parent);

    // Serves "Aktuální dokument" in this profile.
    PreviewScheme *scheme() const { return m_scheme; }

private:
    PreviewScheme *m_scheme;
};
