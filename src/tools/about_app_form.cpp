#include "tools/about_app_form.h"

#include <QDesktopServices>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *boldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// A bold, underlined value in the highlight colour with a hand cursor; a click runs `clicked`.
QLabel *linkLabel(const QString &text, QWidget *parent, std::function<void()> clicked)
{
    auto *label = boldLabel(text, parent);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Highlight));
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    // A click on the text arrives as the activation of a link that leads nowhere by itself.
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<a href=\"#\" style=\"color: %1\">%2</a>")
                       .arg(palette.color(QPalette::Highlight).name(), text.toHtmlEscaped()));
    QObject::connect(label, &QLabel::linkActivated, parent, [clicked = std::move(clicked)] { clicked(); });
    return label;
}

} // namespace

TFormAboutApp::TFormAboutApp(QWidget *parent, UrlOpener openUrl)
    : QDialog(parent), m_openUrl(std::move(openUrl))
{
    if (!m_openUrl)
        m_openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    setObjectName(QStringLiteral("TFormAboutApp"));
    setWindowTitle(QStringLiteral("O aplikaci"));

    auto *band = boldLabel(QStringLiteral("Freeware editor"), this);
    band->setAutoFillBackground(true);
    QPalette white = band->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    band->setPalette(white);
    band->setContentsMargins(12, 8, 12, 8);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("AboutAppPicture"));
    picture->setPixmap(QIcon(QStringLiteral(":/velinor/velinor.svg")).pixmap(64, 64));
    picture->setAlignment(Qt::AlignCenter);

    auto *values = new QFormLayout;
    values->addRow(QStringLiteral("Verze :"), boldLabel(QStringLiteral("1.0"), this));
    values->addRow(QStringLiteral("Autor :"), boldLabel(QString::fromUtf8(kAboutAuthor), this));
    auto *email = linkLabel(QString::fromUtf8(kAboutEmail), this, [this] { AboutAppE_MailClick(); });
    email->setObjectName(QStringLiteral("AboutAppE_Mail"));
    values->addRow(QStringLiteral("E-Mail :"), email);
    auto *page = linkLabel(QString::fromUtf8(kAboutWeb), this, [this] { AboutAppPageClick(); });
    page->setObjectName(QStringLiteral("AboutAppPage"));
    values->addRow(QStringLiteral("WWW:"), page);

    auto *note = new QLabel(QStringLiteral("Velinor je editor ručně psaných webových stránek.\n"
                                           "Šiřte jej volně; používáte jej na vlastní odpovědnost.\n"
                                           "Připomínky a chyby posílejte na uvedenou adresu."),
                            this);
    AboutAppOk = new QPushButton(QStringLiteral("&OK"), this);
    AboutAppOk->setObjectName(QStringLiteral("AboutAppOk"));
    AboutAppOk->setDefault(true);
    connect(AboutAppOk, &QPushButton::clicked, this, &QDialog::accept);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 8, 12, 12);
    body->addWidget(picture);
    body->addLayout(values);
    body->addWidget(new QLabel(QStringLiteral("Poznámka:"), this));
    body->addWidget(note);
    body->addWidget(AboutAppOk, 0, Qt::AlignHCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(band);
    layout->addLayout(body);
    AboutAppOk->setFocus();
}

void TFormAboutApp::confirmAndOpen(const QString &question, const QUrl &url)
{
    if (QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        m_openUrl(url);
}

void TFormAboutApp::AboutAppE_MailClick()
{
    const QString address = QString::fromUtf8(kAboutEmail);
    confirmAndOpen(QStringLiteral("Zvolili jste funkci, která potřebuje otevřít ve Vašem e-mailovém klientovi okno "
                                  "pro vytvoření nové e-mailové zprávy. Opravdu si přejete pokračovat?\n"
                                  "Cílová e-mailová adresa je: ") + address,
                   QUrl(QStringLiteral("mailto:") + address));
}

void TFormAboutApp::AboutAppPageClick()
{
    const QString address = QString::fromUtf8(kAboutWeb);
    confirmAndOpen(QStringLiteral("Zvolili jste funkci, která potřebuje otevřít ve Vašem internetovém prohlížeči okno "
                                  "s danou adresou. Opravdu si přejete pokračovat?\n"
                                  "Cílová internetová adresa je: ") + address,
                   QUrl(address));
}
