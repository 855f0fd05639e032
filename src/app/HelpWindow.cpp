#include "HelpWindow.h"

#include "resources/StringTable.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString& helpFile, QWidget* parent)
    : QDialog(parent), m_browser(new QTextBrowser(this))
{
    setWindowTitle(tr("%1 Help").arg(StringTable::text(IDS_APP_TITLE).toQString()));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser->setOpenLinks(false);
    m_browser->setAccessibleName(tr("Manual"));
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.isLocalFile() || url.isRelative())
            m_browser->setSource(m_browser->source().resolved(url));
        else
            QDesktopServices::openUrl(url);
    });
    m_browser->setSource(QUrl::fromLocalFile(helpFile));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addWidget(buttons);
    resize(760, 640);
}
