#include "platform/control_frame.h"

#include "platform/control_widgets.h"

#include <QGroupBox>
#include <QMouseEvent>
#include <QPainter>

namespace olm::platform {

Frame::Frame(Parent parent, const Geometry& g, const std::string& caption, const std::optional<Font>& font)
    : Control(parent, new Hooked<QGroupBox>(qtext(caption), parent.widget())) {
    ready(g, font);
}

QGroupBox* Frame::groupBox() const { return static_cast<QGroupBox*>(widget()); }

std::string Frame::caption() const { return bytes(groupBox()->title()); }

void Frame::setCaption(const std::string& text) { groupBox()->setTitle(qtext(text)); }

class PictureWidget : public Hooked<QWidget> {
public:
    PictureWidget(Picture* owner, QWidget* parent) : Hooked<QWidget>(parent), owner_(owner) {}
    QPixmap pixmap;
    std::function<void(QPainter&, const QRect&)> paint;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (!pixmap.isNull()) {
            painter.drawPixmap(0, 0, pixmap);
        }
        if (paint && owner_->live()) {
            auto handler = paint;
            handler(painter, rect());
        }
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
            owner_->clicked();
        }
    }

private:
    Picture* owner_;
};

Picture::Picture(Parent parent, const Geometry& g, const std::optional<Font>& font)
    : Control(parent, new PictureWidget(this, parent.widget())) {
    ready(g, font);
}

namespace {

PictureWidget* pictureWidget(QWidget* w) { return static_cast<PictureWidget*>(w); }

} // namespace

bool Picture::loadPicture(const std::string& path) {
    QPixmap p;
    if (!p.load(qtext(path))) {
        return false;
    }
    setPicture(p);
    return true;
}

void Picture::setPicture(const QPixmap& pixmap) {
    pictureWidget(widget())->pixmap = pixmap;
    refresh();
}

void Picture::clearPicture() { setPicture(QPixmap()); }

bool Picture::hasPicture() const { return !pictureWidget(widget())->pixmap.isNull(); }

void Picture::onPaint(std::function<void(QPainter&, const QRect&)> handler) {
    pictureWidget(widget())->paint = std::move(handler);
    refresh();
}

void Picture::refresh() { widget()->update(); }

} // namespace olm::platform
