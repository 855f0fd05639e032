#pragma once

#include <QValidator>

/// Turns whatever is typed or pasted into a line edit into capitals (postcodes).
class UpperCaseValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};
