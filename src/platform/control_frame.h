#pragma once

// Frames and pictures.

#include "platform/control.h"

#include <QPixmap>

#include <functional>
#include <string>

class QGroupBox;
class QPainter;
class QRect;

namespace olm::platform {

// A frame with a caption (none: only the border). Controls made with the
// frame as parent are placed inside it, and are shown, hidden, enabled and
// disabled with it. Option buttons in one frame form one group.
class Frame : public Control {
public:
    Frame(Parent parent, const Geometry& g, const std::string& caption = {},
          const std::optional<Font>& font = {});
    std::string caption() const;
    void setCaption(const std::string& text);
    QGroupBox* groupBox() const;
};

// A picture box: shows an image, and/or whatever its paint handler draws.
class Picture : public Control {
public:
    Picture(Parent parent, const Geometry& g, const std::optional<Font>& font = {});
    // Loads an image file (ICO, BMP, PNG...); false when it cannot be read.
    bool loadPicture(const std::string& path);
    void setPicture(const QPixmap& pixmap);
    void clearPicture();
    bool hasPicture() const;
    // Draws over the image each time the picture is painted.
    void onPaint(std::function<void(QPainter&, const QRect&)> handler);
    // Paints again (after what the paint handler draws has changed).
    void refresh();
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }

private:
    friend class PictureWidget;
    void clicked() { fire(click_); }
    std::function<void()> click_;
};

} // namespace olm::platform
