#include "platform/focus_mark.h"

#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace olm::platform {

namespace {

class FocusMarkStyle : public QProxyStyle {
public:
    // The style's own focus frame is drawn as the mark, also where the style
    // would draw it only after Tab.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_FrameFocusRect) {
            drawMark(option->rect, option->palette, painter);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        // The box to type in of a drop-down list covers the list's own mark:
        // it shows the mark itself.
        if (element == PE_PanelLineEdit && (option->state & State_HasFocus) && widget &&
            qobject_cast<const QComboBox*>(widget->parentWidget())) {
            drawMark(option->rect.adjusted(1, 1, -1, -1), option->palette, painter);
        }
    }

    // Buttons, check boxes and option buttons show the mark round their
    // caption (the style leaves it out unless the focus came by Tab).
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (!(option->state & State_HasFocus)) {
            return;
        }
        SubElement around;
        switch (element) {
        case CE_PushButton:
            around = SE_PushButtonFocusRect;
            break;
        case CE_CheckBox:
            around = SE_CheckBoxFocusRect;
            break;
        case CE_RadioButton:
            around = SE_RadioButtonFocusRect;
            break;
        default:
            return;
        }
        drawMark(subElementRect(around, option, widget), option->palette, painter);
    }

    // A drop-down list shows it round its text.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control != CC_ComboBox || !(option->state & State_HasFocus)) {
            return;
        }
        const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (combo && !combo->editable) {
            drawMark(subControlRect(CC_ComboBox, option, SC_ComboBoxEditField, widget).adjusted(1, 1, -1, -1),
                     option->palette, painter);
        }
    }

private:
    // A dotted frame in the colour of the control's text, so that it shows
    // on any background the control was given.
    static void drawMark(const QRect& r, const QPalette& palette, QPainter* painter) {
        painter->save();
        painter->setPen(QPen(palette.color(QPalette::Text), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(r.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

} // namespace

void installFocusMark() {
    static bool installed = false;
    if (installed || !qApp) {
        return;
    }
    installed = true;
    // Over the style in use; the application owns it.
    QApplication::setStyle(new FocusMarkStyle);
}

} // namespace olm::platform
