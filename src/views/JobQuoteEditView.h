#pragma once

#include "JobEditView.h"

class JobQuoteDoc;

class JobQuoteEditView : public JobEditView
{
    Q_OBJECT

public:
    JobQuoteEditView(JobQuoteDoc* document, const TextStyles& styles, QWidget* parent = nullptr);

    ombrel::OMString GetPageTitle() const override;
};
