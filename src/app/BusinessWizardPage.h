#pragma once

#include "PropertyPage.h"

class QFormLayout;
class RichTextLabel;

/// A page of the business wizard: its HTML prompt at the top, its fields below.
class BusinessWizardPage : public PropertyPage
{
    Q_OBJECT
public:
    BusinessWizardPage(const QString& title, const QString& promptHtml, QWidget* parent);

    RichTextLabel* prompt() const { return m_prompt; }
    /// The details a wizard page saves are printed on every document.
    bool refreshesViews() const override { return true; }

protected:
    /// Where the page's fields go, below the prompt.
    QFormLayout* form() const { return m_form; }
    /// A labelled field in the form, its label naming it for screen readers too.
    void addField(const QString& label, QWidget* field);

private:
    RichTextLabel* m_prompt;
    QFormLayout* m_form;
};
