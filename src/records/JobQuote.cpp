#include "JobQuote.h"

JobQuote::JobQuote() : Job(DocumentKind::Quote)
{
    reset();
}
