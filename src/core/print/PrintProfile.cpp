#include "core/print/PrintProfile.h"

#include <QFile>

#include <lcms2.h>

#include <array>

namespace
{

// Larger than any real profile; keeps a wrongly chosen file from being read whole.
constexpr qint64 largestProfile = 64 * 1024 * 1024;

// LittleCMS reads tags only when they are used, so a truncated or damaged
// profile shows itself only when a transform is built from it.
bool givesTransform(cmsHPROFILE profile)
{
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    bool built = srgb != nullptr;
    for (const cmsUInt32Number intent : {INTENT_RELATIVE_COLORIMETRIC, INTENT_PERCEPTUAL}) {
        if (!built)
            break;
        cmsHTRANSFORM forth = cmsCreateTransform(srgb, TYPE_RGB_DBL, profile, TYPE_CMYK_DBL, intent,
                                                 cmsFLAGS_BLACKPOINTCOMPENSATION);
        cmsHTRANSFORM back = cmsCreateTransform(profile, TYPE_CMYK_DBL, srgb, TYPE_RGB_DBL, intent,
                                                cmsFLAGS_BLACKPOINTCOMPENSATION);
        built = forth && back;
        if (forth)
            cmsDeleteTransform(forth);
        if (back)
            cmsDeleteTransform(back);
    }
    if (srgb)
        cmsCloseProfile(srgb);
    return built;
}

} // namespace

QString PrintProfile::description() const
{
    std::array<wchar_t, 256> text{};
    const cmsUInt32Number length = cmsGetProfileInfo(profile.get(), cmsInfoDescription, "en", "US",
                                                     text.data(), static_cast<cmsUInt32Number>(text.size()));
    if (length == 0)
        return {};
    text.back() = 0;
    return QString::fromWCharArray(text.data()).trimmed();
}

ProfileLoad profileFromBytes(const QByteArray& bytes)
{
    cmsHPROFILE opened = bytes.isEmpty() ? nullptr
                                         : cmsOpenProfileFromMem(bytes.constData(),
                                                                 static_cast<cmsUInt32Number>(bytes.size()));
    if (!opened)
        return {nullptr, ProfileProblem::unreadable};
    std::shared_ptr<void> profile(opened, [](void* p) { cmsCloseProfile(p); });
    if (cmsGetDeviceClass(opened) != cmsSigOutputClass || cmsGetColorSpace(opened) != cmsSigCmykData)
        return {nullptr, ProfileProblem::notCmykOutput};
    if (!givesTransform(opened))
        return {nullptr, ProfileProblem::unreadable};
    return {std::shared_ptr<const PrintProfile>(new PrintProfile(std::move(profile))), ProfileProblem::none};
}

ProfileLoad profileFromFile(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > largestProfile)
        return {nullptr, ProfileProblem::unreadable};
    return profileFromBytes(file.readAll());
}
