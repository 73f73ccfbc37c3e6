// What the build fixes of the program's outside world: the reference and
// notice of the about box, the contact address of the change requests and
// the photography site of the favourites. They are CMake cache values (see
// the README), compiled in.
#pragma once

#include <QString>

namespace optolune {

struct BuildConfig {
    QString reference;   // the program's reference, digits (Label9 groups them by three)
    QString notice;      // the line under the identification (Label5)
    QString contact;     // e-mail address of the change requests
    QString siteName;    // caption of the favourites' frame
    QString siteHome;    // https addresses of the four links
    QString siteForum;
    QString siteShop;
    QString siteAds;
};

const BuildConfig &buildConfig();

} // namespace optolune
