#pragma once

// The text viewers stay in sight of the program's dialogs. The window manager
// brings the window that asked for a dialog, with the main window under it,
// to the front when the dialog opens, is activated or closes, over the text
// the clerk is reading. So a dialog opens beside the viewers in sight when
// the screen has room; each time it is activated, the viewers clear of it
// come back in front (raising one that covers it would hide the dialog), and
// once it has closed, all of them. A viewer the clerk leaves for one of the
// program's windows stays behind until he goes back to it.

class QWidget;

namespace olm::platform {

// Tells of a viewer just shown: it is in sight.
void viewerShown(QWidget& viewer);

// The program's window that asks for a dialog: the active one, or, when a
// window of another kind (a viewer just opened) has the activation, the form
// active before it.
QWidget* askingWindow();

// Made before the dialog is shown: places it and watches its activation.
// Gone once the dialog has closed: the viewers come back in front.
class ViewersInSight {
public:
    ViewersInSight(QWidget& dialog, const QWidget* owner);
    ~ViewersInSight();
    ViewersInSight(const ViewersInSight&) = delete;
    ViewersInSight& operator=(const ViewersInSight&) = delete;
};

} // namespace olm::platform
