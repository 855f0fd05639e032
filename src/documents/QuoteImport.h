#pragma once

#include "records/JobEstimate.h"

#include <QString>

class JobQuote;

/**
 * Copies a saved estimate into a quote, which keeps its own number. The
 * window reads the file first, then asks whether to apply VAT when the
 * estimate was saved before VAT registration (needsVATQuestion(); the
 * question is JobBaseDoc::vatQuestion()), and passes the answer on.
 */
class QuoteImport
{
public:
    /// Reads the estimate at `path`; false, with the message in `error`, when
    /// the file cannot be read or names another kind.
    bool read(const QString& path, QString* error);
    /// The business is registered for VAT and the estimate read was saved
    /// before it was.
    bool needsVATQuestion() const;
    /// The estimate read as a user names it ("Estimate 1001").
    QString sourceName() const;
    /// Takes the estimate read into `quote`; with `applyVAT` its materials and
    /// hire take the standard rate.
    void applyTo(JobQuote& quote, bool applyVAT) const;

private:
    JobEstimate m_estimate;
    bool m_read = false;
};
