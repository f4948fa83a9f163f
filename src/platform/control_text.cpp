#include "platform/control_text.h"

#include "platform/control_widgets.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QValidator>

#include <algorithm>
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

// Checks every change of the text made by the clerk (typing, pasting,
// dropping); the program's own setText passes untouched.
class TypingFilter : public QValidator {
public:
    TypingFilter(const TextBox* box, QObject* parent) : QValidator(parent), box_(box) {}

    State validate(QString& input, int& pos) const override {
        if (box_->programSets_) {
            return Acceptable;
        }
        QString kept = box_->filterEdit(box_->last_, input, pos);
        if (kept.isNull()) {
            return Invalid; // nothing typed can stay: the edit is undone
        }
        input = kept;
        return Acceptable;
    }

private:
    const TextBox* box_;
};

TextBox::TextBox(Parent parent, const Geometry& g, const std::optional<Font>& font)
    : Control(parent, new Hooked<QLineEdit>(parent.widget())) {
    QLineEdit* edit = lineEdit();
    edit->setValidator(new TypingFilter(this, edit));
    QObject::connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        last_ = text;
        fire(change_);
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

void TextBox::setText(const std::string& text) {
    programSets_ = true;
    lineEdit()->setText(qtext(text));
    programSets_ = false;
}

void TextBox::setAlignment(Align a) { lineEdit()->setAlignment(horizontal(a) | Qt::AlignVCenter); }

void TextBox::selectAll() { lineEdit()->selectAll(); }

std::string TextBox::selectedText() const { return bytes(lineEdit()->selectedText()); }

// The edit is found by what the texts before and after share at both ends;
// what it put in between loses the refused characters (and any that a byte
// cannot hold), then is cut to the room the maximum length leaves. Deleting
// is never limited. A null result refuses the whole edit.
QString TextBox::filterEdit(const QString& before, const QString& after, int& cursor) const {
    const qsizetype n = before.size();
    const qsizetype m = after.size();
    qsizetype head = 0;
    while (head < n && head < m && before[head] == after[head]) {
        ++head;
    }
    qsizetype tail = 0;
    while (tail < n - head && tail < m - head && before[n - 1 - tail] == after[m - 1 - tail]) {
        ++tail;
    }
    const QString inserted = after.mid(head, m - head - tail);
    if (inserted.isEmpty()) {
        return after;
    }
    QString kept;
    for (QChar ch : inserted) {
        const char16_t u = ch.unicode();
        if (u > 0xFF || refused_.find(static_cast<char>(u)) != std::string::npos) {
            continue;
        }
        kept += ch;
    }
    if (maxLength_ > 0) {
        const qsizetype room = maxLength_ - (m - inserted.size());
        kept.truncate(std::max<qsizetype>(0, room));
    }
    if (kept.isEmpty()) {
        return QString();
    }
    if (kept.size() == inserted.size()) {
        return after;
    }
    cursor = static_cast<int>(head + kept.size());
    return after.left(head) + kept + after.right(tail);
}

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
