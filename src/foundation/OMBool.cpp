#include "OMBool.h"

namespace ombrel {

bool OMBool::fromText(const OMString& text)
{
    return text.toInt32() != 0;
}

} // namespace ombrel
