#include "widgets/QControls.h"

#include "widgets/QPictureButton.h"

#include <QDebug>

namespace {
// Every picture the dialogs' picture buttons use, and two spares.
const char* const kPictures[] = {"PLAYU", "PLAYX",   "RECORDU", "RECORDX",  "FONTU",
                                 "ADDU",  "DELETEU", "STOPU",   "PREVIOUSU"};
} // namespace

int InitQControls()
{
    for (const char* picture : kPictures) {
        if (!QPictureButton::pictureLoads(QLatin1String(picture))) {
            qWarning("Picture %s is missing from the program's resources", picture);
            return 0;
        }
    }
    return 1;
}
