#pragma once

#include "JobEditView.h"

class JobDoc;

class JobQuoteEditView : public JobEditView
{
    Q_OBJECT

public:
    JobQuoteEditView(JobDoc* document, const TextStyles& styles, QWidget* parent = nullptr);

    QString pageTitle() const override;
    /// Copies a saved estimate into the quote, which keeps its own number;
    /// false when the file was refused and nothing changed.
    /// `imported` gets what was taken in ("Estimate 1001").
    bool importEstimate(const QString& path, QString* imported = nullptr);
};
