#include "OMFileInfo.h"

#include <QFileInfo>

namespace ombrel {

bool OMFileInfo::isFile(const OMString& path)
{
    return !path.isEmpty() && QFileInfo(path.toQString()).isFile();
}

bool OMFileInfo::isFolder(const OMString& path)
{
    return !path.isEmpty() && QFileInfo(path.toQString()).isDir();
}

} // namespace ombrel
