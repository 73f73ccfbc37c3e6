// Saves a picture of a window when OPTOLUNE_SCREENSHOTS names a folder, so a
// developer can look at each window as a user sees it.
#pragma once

#include <QString>

class QWidget;

namespace optolune::test {

void saveScreenshot(QWidget *window, const QString &name);

} // namespace optolune::test
