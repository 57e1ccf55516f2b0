#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// Why a file was not taken as a print profile.
enum class ProfileProblem {
    none = 0,
    unreadable = 1,    // no file, or no ICC profile LittleCMS can use
    notCmykOutput = 2, // an ICC profile, but not of the output class with CMYK data
};

struct ProfileLoad;
ProfileLoad profileFromBytes(const QByteArray& bytes);

// An ICC output profile with CMYK data, checked to give a transform. Copies
// share the one opened profile, which is never changed after loading.
class PrintProfile
{
public:
    QString description() const;
    // The LittleCMS profile handle (cmsHPROFILE), for the conversions.
    void* handle() const { return profile.get(); }

private:
    friend ProfileLoad profileFromBytes(const QByteArray& bytes);
    explicit PrintProfile(std::shared_ptr<void> opened) : profile(std::move(opened)) {}
    std::shared_ptr<void> profile;
};

struct ProfileLoad {
    std::shared_ptr<const PrintProfile> profile; // set exactly when problem is none
    ProfileProblem problem = ProfileProblem::unreadable;
};

ProfileLoad profileFromFile(const QString& path);
