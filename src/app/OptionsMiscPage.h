#pragma once

#include "PropertyPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

/// Options page 6: symbols, the date format, the start-up and invoice
/// switches, and the folders the Documents window lists besides the
/// documents folder (LedgerFolders::added).
class OptionsMiscPage : public PropertyPage
{
    Q_OBJECT
public:
    explicit OptionsMiscPage(QWidget* parent = nullptr);

    void loadSettings() override;
    void saveSettings() override;
    bool refreshesViews() const override { return true; }

    QLineEdit* currencyEdit() const { return m_currency; }
    QLineEdit* hoursEdit() const { return m_hours; }
    QLineEdit* distanceEdit() const { return m_distance; }
    QComboBox* dateFormatList() const { return m_dateFormat; }
    QListWidget* foldersList() const { return m_folders; }
    QPushButton* removeFolderButton() const { return m_removeFolder; }
    /// Adds `folder` to the list, once.
    void addFolder(const QString& folder);

signals:
    /// The user changed a symbol; the other pages show the new one at once.
    void symbolsEdited(const QString& currency, const QString& hours, const QString& distance);

private:
    QLineEdit* m_currency;
    QLineEdit* m_hours;
    QLineEdit* m_distance;
    QComboBox* m_dateFormat;
    QCheckBox* m_splash;
    QCheckBox* m_allPayments;
    QListWidget* m_folders;
    QPushButton* m_addFolder;
    QPushButton* m_removeFolder;
};
