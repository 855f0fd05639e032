#pragma once

#include "JobEditView.h"

class JobDoc;

class JobEstimateEditView : public JobEditView
{
    Q_OBJECT

public:
    JobEstimateEditView(JobDoc* document, const TextStyles& styles, QWidget* parent = nullptr);

    QString pageTitle() const override;
};
