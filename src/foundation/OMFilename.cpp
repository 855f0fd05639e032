#include "OMFilename.h"

namespace ombrel {

namespace {

bool isSeparator(char c)
{
#ifdef Q_OS_WIN
    return c == '/' || c == '\\';
#else
    return c == '/';
#endif
}

size_t lastSeparator(const std::string& path)
{
    for (size_t i = path.size(); i > 0; --i)
        if (isSeparator(path[i - 1]))
            return i - 1;
    return std::string::npos;
}

} // namespace

OMString OMFilename::basename(const OMString& path)
{
    const size_t at = lastSeparator(path.str());
    return at == std::string::npos ? path : OMString(path.str().substr(at + 1));
}

OMString OMFilename::dirname(const OMString& path)
{
    const size_t at = lastSeparator(path.str());
    if (at == std::string::npos)
        return {};
    return OMString(path.str().substr(0, at == 0 ? 1 : at));
}

OMString OMFilename::concatPaths(const OMString& folder, const OMString& name)
{
    if (folder.isEmpty())
        return name;
    std::string joined = folder.str();
    if (!isSeparator(joined.back()))
        joined += '/';
    size_t skip = 0;
    while (skip < name.str().size() && isSeparator(name.str()[skip]))
        ++skip;
    joined.append(name.str(), skip, std::string::npos);
    return OMString(std::move(joined));
}

} // namespace ombrel
