#pragma once

#include "PropertyPage.h"

#include <array>

class QPlainTextEdit;

/**
 * Options page: the texts of the three payment reminders (friendly, firm,
 * final notice) with their placeholders, and the base rates the user adds to
 * the shipped ones for late-payment interest ("options/reminders").
 */
class OptionsRemindersPage : public PropertyPage
{
    Q_OBJECT
public:
    explicit OptionsRemindersPage(QWidget* parent = nullptr);

    void loadSettings() override;
    void saveSettings() override;
    /// Refuses base rates that do not read, saying which line.
    bool canSave() override;

    QPlainTextEdit* textEdit(int level) const { return m_texts[size_t(level - 1)]; }
    QPlainTextEdit* ratesEdit() const { return m_rates; }

private:
    std::array<QPlainTextEdit*, 3> m_texts{};
    QPlainTextEdit* m_rates;
};
