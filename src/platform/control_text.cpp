#include "platform/control_text.h"

#include "platform/control_widgets.h"
#include "platform/text_entry.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <utility>

namespace olm::platform {

namespace {

Qt::Alignment horizontal(Align a) {
    switch (a) {
    case Align::Right:
        return Qt::AlignRight;
    case Align::Center:
        return Qt::AlignHCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

TextBox::TextBox(Parent parent, const Geometry& g, const std::optional<Font>& font)
    : Control(parent, new Hooked<QLineEdit>(parent.widget())) {
    QLineEdit* edit = lineEdit();
    filter_ = new EntryFilter(edit);
    // A refused edit puts the text back as it was: no change to report.
    QObject::connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text != reported_) {
            reported_ = text;
            fire(change_);
        }
    });
    ready(g, font);
}

TextBox::~TextBox() {
    if (QLineEdit* edit = lineEdit()) {
        QObject::disconnect(edit, nullptr, this, nullptr);
        edit->setValidator(nullptr);
    }
}

QLineEdit* TextBox::lineEdit() const { return static_cast<QLineEdit*>(widget()); }

std::string TextBox::text() const { return bytes(lineEdit()->text()); }

void TextBox::setText(const std::string& text) { filter_->setProgramText(qtext(text)); }

int TextBox::maxLength() const { return filter_->maxLength(); }

void TextBox::setMaxLength(int length) { filter_->setMaxLength(length); }

void TextBox::setRefusedCharacters(const std::string& chars) { filter_->setRefused(chars); }

void TextBox::setReadAsNumber(bool on) { filter_->setNumber(on); }

void TextBox::setAlignment(Align a) { lineEdit()->setAlignment(horizontal(a) | Qt::AlignVCenter); }

void TextBox::selectAll() { lineEdit()->selectAll(); }

std::string TextBox::selectedText() const { return bytes(lineEdit()->selectedText()); }

void TextBox::entering() {
    if (selectAllOnFocus_) {
        lineEdit()->selectAll();
    } else {
        lineEdit()->deselect();
    }
}

void TextBox::widgetFocusIn(int reason) {
    focusByMouse_ = reason == Qt::MouseFocusReason;
    Control::widgetFocusIn(reason);
}

void TextBox::widgetFocusOut(int reason) {
    focusByMouse_ = false;
    Control::widgetFocusOut(reason);
}

// The press that gave the focus, and the moves and the release that follow
// it, would place the cursor and drop the selection that taking the focus
// made: the box does not see them.
bool TextBox::widgetEvent(QEvent* e) {
    switch (e->type()) {
    case QEvent::MouseButtonPress:
        keepSelection_ = std::exchange(focusByMouse_, false) && selectAllOnFocus_ &&
                         static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton;
        return keepSelection_;
    case QEvent::MouseMove:
        return keepSelection_;
    case QEvent::MouseButtonRelease:
        return std::exchange(keepSelection_, false);
    default:
        return false;
    }
}

void TextBox::leaving() {
    if (!upperOnLeaving_) {
        return;
    }
    std::string t = text();
    bool changed = false;
    for (char& c : t) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
            changed = true;
        }
    }
    if (changed) {
        setText(t);
    }
}

Label::Label(Parent parent, const Geometry& g, const std::string& caption, const std::optional<Font>& font)
    : Control(parent, new Hooked<QLabel>(parent.widget())) {
    label()->setTextFormat(Qt::PlainText);
    label()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label()->setText(qtext(caption));
    ready(g, font);
}

QLabel* Label::label() const { return static_cast<QLabel*>(widget()); }

std::string Label::caption() const { return bytes(label()->text()); }

void Label::setCaption(const std::string& text) { label()->setText(qtext(text)); }

void Label::setAlignment(Align a) { label()->setAlignment(horizontal(a) | Qt::AlignTop); }

void Label::setWordWrap(bool on) { label()->setWordWrap(on); }

int Label::textWidth(const std::string& text) const {
    return QFontMetrics(label()->font()).horizontalAdvance(qtext(text));
}

int Label::lineHeight() const { return QFontMetrics(label()->font()).lineSpacing(); }

} // namespace olm::platform
