// Feeds arbitrary bytes to the document reader of every kind and works out
// every figure of what it read.
#include "fileformat/Archive.h"
#include "records/JobCreditNote.h"
#include "records/JobEstimate.h"
#include "records/JobInvoice.h"
#include "records/JobQuote.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        JobEstimate estimate;
        Archive archive = Archive::forReading(bytes);
        estimate.read(archive);
        (void)estimate.jobTotal(FigureInputs::current());
    }
    {
        JobQuote quote;
        Archive archive = Archive::forReading(bytes);
        quote.read(archive);
        (void)quote.locationText();
    }
    {
        JobCreditNote note;
        Archive archive = Archive::forReading(bytes);
        note.read(archive);
        (void)note.summary(FigureInputs{true, 700, ombrel::OMDate::today()});
        (void)note.correctsText();
    }
    JobInvoice invoice;
    Archive archive = Archive::forReading(bytes);
    invoice.read(archive);
    (void)invoice.summary(FigureInputs{true, 700, ombrel::OMDate::today()});
    return 0;
}
