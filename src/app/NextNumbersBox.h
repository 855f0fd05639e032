#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

class QSpinBox;

/**
 * The numbers the next new estimate, quote and invoice receive, as the
 * options sheet and the business wizard both edit them. A number lowered
 * below the stored one is allowed (a business may restart its numbering),
 * but the first save that does so warns that documents may share numbers.
 */
class NextNumbersBox : public QWidget
{
    Q_OBJECT
public:
    explicit NextNumbersBox(QWidget* parent = nullptr);

    void loadSettings();
    /// Warns, once, when a number went below the stored one; never refuses.
    bool canSave();
    void saveSettings();

    QSpinBox* field(int kind) const { return m_fields[size_t(kind)]; }
    enum Kind { Estimate, Quote, Invoice };

signals:
    void changed();

private:
    std::array<QSpinBox*, 3> m_fields{};
    std::array<int32_t, 3> m_loaded{};
    bool m_warned = false;
};
