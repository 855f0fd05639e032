#pragma once

#include "OMString.h"

namespace ombrel {

class OMFolder
{
public:
    /// Creates the folder with any missing parents; true when it exists afterwards.
    static bool create(const OMString& path);
};

} // namespace ombrel
