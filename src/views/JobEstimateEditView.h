#pragma once

#include "JobEditView.h"

class JobEstimateDoc;

class JobEstimateEditView : public JobEditView
{
    Q_OBJECT

public:
    JobEstimateEditView(JobEstimateDoc* document, const TextStyles& styles,
                        QWidget* parent = nullptr);

    ombrel::OMString pageTitle() const override;
};
