#pragma once

#include "OMString.h"

namespace ombrel {

/// Path text helpers. "/" and, on Windows, "\\" separate folders.
class OMFilename
{
public:
    /// The last component: "/a/b/c.vle" gives "c.vle".
    static OMString basename(const OMString& path);
    /// Everything before the last separator: "/a/b/c.vle" gives "/a/b".
    static OMString dirname(const OMString& path);
    /// Joins with one separator between the parts.
    static OMString concatPaths(const OMString& folder, const OMString& name);
};

} // namespace ombrel
