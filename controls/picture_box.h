#pragma once
// Controls that show a picture: the picture box (also a container, as the button panels are) and the
// image. Loading a file that is missing or no picture leaves the shown picture as it was.

#include "controls/control.h"
#include "controls/picture.h"

namespace controls {

class PictureControl : public Control {
public:
    using Control::Control;

    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& picture);
    // Loads the file at `hostPath`; on failure the picture stays and the status says why.
    PictureStatus loadPicture(const QString& hostPath);

    bool stretch() const { return stretch_; }
    void setStretch(bool s) { stretch_ = s; }

    std::function<void()> onClick;
    void userClick();

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    Picture picture_;
    Picture design_;
    bool stretch_ = false;
};

class PictureBox : public PictureControl {
public:
    using PictureControl::PictureControl;
    Kind kind() const override { return Kind::PictureBox; }
};

class Image : public PictureControl {
public:
    using PictureControl::PictureControl;
    Kind kind() const override { return Kind::Image; }
};

} // namespace controls
