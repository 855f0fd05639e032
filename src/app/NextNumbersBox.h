#pragma once

#include "records/DocumentKind.h"

#include <QWidget>
#include <cstdint>
#include <vector>

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
    /// The numbers into the settings; false with the first failure's reason.
    bool saveSettings(QString* error = nullptr);

    /// The field of a kind's next number.
    QSpinBox* field(DocumentKind::Id kind) const { return m_fields.at(size_t(kind)); }

signals:
    void changed();

private:
    std::vector<QSpinBox*> m_fields;
    std::vector<int32_t> m_loaded;
    bool m_warned = false;
};
