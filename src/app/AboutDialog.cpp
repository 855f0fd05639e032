#include "AboutDialog.h"

#include "SplashScreen.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

AboutDialog::AboutDialog(const QString& helpFile, QWidget* parent)
    : QDialog(parent), m_background(SplashScreen::picture(devicePixelRatioF()))
{
    setWindowTitle(tr("About Vorlane"));
    const QString link =
        helpFile.isEmpty() ? QStringLiteral("help:") : QUrl::fromLocalFile(helpFile).toString();
    m_text = QStringLiteral("<b>%1</b> %2<p>%3<a href=\"%4\">%5</a>.</p>")
                 .arg(StringTable::text(IDS_PROGRAM_NAME).toQString().toHtmlEscaped(),
                      SettingsStore::versionText().toQString().toHtmlEscaped(),
                      StringTable::text(IDS_ABOUT_MORE_INFO).toQString().toHtmlEscaped(),
                      link.toHtmlEscaped(), tr("the Vorlane user manual"));

    auto* label = new QLabel(m_text, this);
    label->setObjectName(QStringLiteral("aboutText"));
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    label->setContentsMargins(4, 4, 4, 4);
    label->setAutoFillBackground(true);
    QPalette white = label->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, QColor(0x24, 0x34, 0x47));
    label->setPalette(white);
    connect(label, &QLabel::linkActivated, this, &AboutDialog::helpRequested);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(label);
    layout->addStretch(1);
    layout->addWidget(buttons);
    setFixedSize(480, 300);
}

void AboutDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawPixmap(rect(), m_background);
}
