#pragma once

#include "OMString.h"

namespace ombrel {

class OMFileInfo
{
public:
    static bool isFile(const OMString& path);
    static bool isFolder(const OMString& path);
};

} // namespace ombrel
