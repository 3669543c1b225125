#include "controls/picture_box.h"

namespace controls {

void PictureControl::setPicture(const Picture& picture)
{
    if (picture_ == picture)
        return;
    picture_ = picture;
    changed(Property::Picture);
}

PictureStatus PictureControl::loadPicture(const QString& hostPath)
{
    Picture loaded;
    const PictureStatus status = controls::loadPicture(hostPath, loaded);
    if (status == PictureStatus::Ok)
        setPicture(loaded);
    return status;
}

void PictureControl::userClick()
{
    if (enabled() && onClick)
        onClick();
}

void PictureControl::saveDesign()
{
    Control::saveDesign();
    design_ = picture_;
}

void PictureControl::restoreDesign()
{
    Control::restoreDesign();
    picture_ = design_;
}

} // namespace controls
