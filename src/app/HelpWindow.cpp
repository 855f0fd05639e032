#include "HelpWindow.h"

#include "HelpLauncher.h"
#include "resources/StringTable.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString& helpFile, QWidget* parent)
    : QDialog(parent), m_browser(new QTextBrowser(this)), m_find(new QLineEdit(this)),
      m_openInBrowser(new QPushButton(tr("Open in &Browser"), this))
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

    auto* findLabel = new QLabel(tr("&Find:"), this);
    findLabel->setBuddy(m_find);
    m_find->setAccessibleName(tr("Find in the manual"));
    m_find->setClearButtonEnabled(true);
    connect(m_find, &QLineEdit::returnPressed, this, &HelpWindow::findNext);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(findLabel);
    findRow->addWidget(m_find, 1);

    // The page shown, with its part, in the desktop's own viewer.
    m_openInBrowser->setAutoDefault(false);
    connect(m_openInBrowser, &QPushButton::clicked, this, [this] {
        const QUrl shown = m_browser->source();
        QString path = shown.toLocalFile();
        if (shown.hasFragment())
            path += u'#' + shown.fragment();
        HelpLauncher::launchHelpFile(path);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_openInBrowser, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(findRow);
    layout->addWidget(m_browser, 1);
    layout->addWidget(buttons);
    resize(760, 640);
    m_find->setFocus();
}

bool HelpWindow::findNext()
{
    const QString text = m_find->text();
    if (text.isEmpty())
        return false;
    if (m_browser->find(text))
        return true;
    m_browser->moveCursor(QTextCursor::Start);
    return m_browser->find(text);
}
