#include "OptionsMiscPage.h"

#include "ledger/LedgerFolders.h"
#include "settings/SettingsStore.h"
#include "views/NamedComboAccessible.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using ombrel::OMString;
using namespace SettingKeys;

OptionsMiscPage::OptionsMiscPage(QWidget* parent)
    : PropertyPage(tr("Miscellaneous"), parent), m_currency(new QLineEdit(this)),
      m_hours(new QLineEdit(this)), m_distance(new QLineEdit(this)),
      m_dateFormat(new QComboBox(this)),
      m_splash(new QCheckBox(tr("Display the &splash screen on startup"), this)),
      m_allPayments(new QCheckBox(tr("Show &all payments received on invoices"), this)),
      m_folders(new QListWidget(this)), m_addFolder(new QPushButton(tr("Add F&older..."), this)),
      m_removeFolder(new QPushButton(tr("&Remove"), this))
{
    auto* layout = new QVBoxLayout(this);
    auto* symbols = new QGroupBox(tr("Symbols and Dates"), this);
    auto* form = new QFormLayout(symbols);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    const auto row = [&](const QString& text, QWidget* field) {
        auto* label = new QLabel(text, symbols);
        label->setBuddy(field);
        field->setAccessibleName(QString(text).remove(u'&').remove(u':'));
        form->addRow(label, field);
    };
    const int width = m_currency->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMMMM"));
    for (QLineEdit* edit : {m_currency, m_hours, m_distance}) {
        edit->setMaximumWidth(width);
        connect(edit, &QLineEdit::textEdited, this, [this] {
            setModified();
            emit symbolsEdited(m_currency->text(), m_hours->text(), m_distance->text());
        });
    }
    row(tr("&Currency Symbol:"), m_currency);
    row(tr("&Hours symbol:"), m_hours);
    row(tr("&Distance symbol:"), m_distance);
    NamedComboAccessible::keepName(m_dateFormat);
    m_dateFormat->addItems({QStringLiteral("DD/MM/YYYY"), QStringLiteral("MM/DD/YYYY")});
    row(tr("Date &Format:"), m_dateFormat);
    layout->addWidget(symbols);
    layout->addWidget(m_splash);
    layout->addWidget(m_allPayments);

    auto* documents = new QGroupBox(tr("Documents Window"), this);
    auto* folders = new QVBoxLayout(documents);
    auto* intro = new QLabel(tr("Besides the documents folder, list the documents in &these "
                                "folders and the folders below them:"),
                             documents);
    intro->setWordWrap(true);
    intro->setBuddy(m_folders);
    m_folders->setAccessibleName(tr("Other document folders"));
    folders->addWidget(intro);
    folders->addWidget(m_folders, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_addFolder);
    buttons->addWidget(m_removeFolder);
    buttons->addStretch(1);
    folders->addLayout(buttons);
    layout->addWidget(documents, 1);
    connect(m_addFolder, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, tr("Add Folder"));
        if (!folder.isEmpty())
            addFolder(folder);
    });
    connect(m_removeFolder, &QPushButton::clicked, this, [this] {
        delete m_folders->takeItem(m_folders->currentRow());
        setModified();
    });
    connect(m_folders, &QListWidget::currentRowChanged, this,
            [this](int row) { m_removeFolder->setEnabled(row >= 0); });
    m_removeFolder->setEnabled(false);

    connect(m_dateFormat, &QComboBox::activated, this, [this] { setModified(); });
    for (QCheckBox* box : {m_splash, m_allPayments})
        connect(box, &QCheckBox::toggled, this, [this] { setModified(); });
}

void OptionsMiscPage::loadSettings()
{
    m_currency->setText(SettingsStore::currencySymbol().toQString());
    m_hours->setText(SettingsStore::hoursSymbol().toQString());
    m_distance->setText(SettingsStore::distanceSymbol().toQString());
    // A format the list does not hold (a locale's own pattern) shows as the first.
    m_dateFormat->setCurrentIndex(
        std::max(0, m_dateFormat->findText(SettingsStore::dateFormat().toQString(),
                                           Qt::MatchFixedString | Qt::MatchCaseSensitive)));
    m_splash->setChecked(SettingsStore::isSet(Splash));
    m_allPayments->setChecked(SettingsStore::isSet(ShowAllInvoicePayments));
    m_folders->clear();
    m_folders->addItems(LedgerFolders::added());
}

void OptionsMiscPage::addFolder(const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    if (!m_folders->findItems(clean, Qt::MatchExactly).isEmpty())
        return;
    m_folders->addItem(clean);
    m_folders->setCurrentRow(m_folders->count() - 1);
    setModified();
}

void OptionsMiscPage::saveSettings()
{
    store(Splash, m_splash->isChecked() ? 1 : 0);
    store(ShowAllInvoicePayments, m_allPayments->isChecked() ? 1 : 0);
    store(CurrencySymbol, OMString::fromQString(m_currency->text()));
    store(HoursSymbol, OMString::fromQString(m_hours->text()));
    store(DistanceSymbol, OMString::fromQString(m_distance->text()));
    store(DateFormat, OMString::fromQString(m_dateFormat->currentText()));
    QStringList folders;
    for (int i = 0; i < m_folders->count(); ++i)
        folders << m_folders->item(i)->text();
    if (folders != LedgerFolders::added()) {
        QString error;
        noteWrite(LedgerFolders::setAdded(folders, &error), error);
    }
}
