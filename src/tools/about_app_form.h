#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

class QLabel;
class QPushButton;

// Velinor's author and addresses, shown in the about box; change them here.
inline constexpr char kAboutAuthor[] = "Vývojáři Velinoru";
inline constexpr char kAboutEmail[] = "velinor@example.org";
inline constexpr char kAboutWeb[] = "https://velinor.example.org";

// "O aplikaci": Velinor's version, author and addresses. The e-mail and web values are links that
// ask before they hand their address to the desktop.
class TFormAboutApp : public QDialog
{
    Q_OBJECT

public:
    // How an address is opened; the desktop's default handler unless a test gives its own.
    using UrlOpener = std::function<void(const QUrl &)>;
    explicit TFormAboutApp(QWidget *parent = nullptr, UrlOpener openUrl = {});

    void AboutAppE_MailClick();
    void AboutAppPageClick();

private:
    // Asks the question; on Yes opens the address.
    void confirmAndOpen(const QString &question, const QUrl &url);

    UrlOpener m_openUrl;
    QPushButton *AboutAppOk;
};
