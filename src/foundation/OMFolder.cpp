#include "OMFolder.h"

#include <QDir>

namespace ombrel {

bool OMFolder::create(const OMString& path)
{
    return !path.isEmpty() && QDir().mkpath(path.toQString());
}

} // namespace ombrel
