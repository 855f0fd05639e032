#include "SrgbProfile.h"

namespace {
// Generated at configure time from the profile file (see CMakeLists.txt).
const unsigned char Profile[] = {
#include "SrgbProfileData.inc"
};
} // namespace

QByteArray SrgbProfile::bytes()
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(Profile), sizeof Profile);
}
