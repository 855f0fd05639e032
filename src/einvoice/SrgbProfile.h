#pragma once

#include <QByteArray>

/// The sRGB colour profile a PDF/A file names as its output intent: the
/// Debian profile the build found (icc-profiles-free or colord), built in.
class SrgbProfile
{
public:
    static QByteArray bytes();
};
