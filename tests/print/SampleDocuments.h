#pragma once

#include "records/JobEstimate.h"
#include "records/JobInvoice.h"
#include "records/JobQuote.h"

#include <QString>

/// Realistic documents of two small trade businesses, for the printing tests
/// and for looking at the printed pages.
namespace SampleDocuments {

/// A plumbing partnership, VAT registered, its name as the logo on the left.
void usePlumberBusiness();
/// A sole-trader electrician, not VAT registered, a text logo centred.
void useElectricianBusiness();

/// The electrician's logo as a picture of `width` × `height` pixels at 96 dpi,
/// written to `file` and printed at its own size, centred over its tag line.
bool useElectricianPictureLogo(const QString& file, int width = 640, int height = 400);

JobItem item(const char* desc, double count, int64_t price, int rate = 0);
JobItem payment(const char* desc, int64_t amount, const ombrel::OMDate& date);

/// A bathroom refit with materials, hire, travel both ways and labour.
JobEstimate bathroomEstimate();
/// A consumer unit replacement quote for a job at another address.
JobQuote rewireQuote();
/// An invoice at two VAT rates, part paid, payment terms with a late charge.
JobInvoice boilerInvoice();
/// The electrician's eight-line invoice for a kitchen and garden job.
JobInvoice kitchenInvoice();
/// An invoice of `lines` lines.
JobInvoice longInvoice(int lines);

} // namespace SampleDocuments
