#include "platform/control_buttons.h"

#include "platform/control_widgets.h"
#include "platform/form.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QShortcutEvent>
#include <QStyle>

#include <utility>
#include <vector>

namespace olm::platform {

namespace {

// A check box whose click never leads to the greyed state.
class TwoWayCheckBox : public Hooked<QCheckBox> {
public:
    using Hooked<QCheckBox>::Hooked;

protected:
    void nextCheckState() override {
        setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
};

// The option buttons whose choice waits for an arrow key's move to end.
int arrowMoves = 0;
std::vector<QPointer<OptionButton>> chosenByArrow;

// The clerk's click waits for the focus, as in every window of the program:
// the box being left stores and checks its value first, and a box that
// refuses to be left stops the click. True when the event is used up: the
// press found the focus kept elsewhere, or the access key did its click here.
bool focusBeforeClick(Control& c, QAbstractButton* b, QEvent* e) {
    if (!b->isEnabled()) {
        return false;
    }
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton) {
            return false;
        }
        if (!e->spontaneous()) {
            return !c.form().focusToAct(c);
        }
        // Qt gave the focus before the press came here; the window's focus
        // stands elsewhere when the control left kept it (or a handler sent it
        // on), and waits here when a message box has the activation meanwhile.
        if (!c.hasFocus() && c.canTakeFocus() && b->window()->focusWidget() != b) {
            return true;
        }
        // A message shown as the box was left took the release: the click
        // the clerk made is made now.
        if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
            b->click();
            return true;
        }
        return false;
    case QEvent::Shortcut:
        // Qt would click without moving the focus; a key shared by several
        // controls only moves the focus between them.
        if (static_cast<QShortcutEvent*>(e)->isAmbiguous()) {
            return false;
        }
        if (c.form().focusToAct(c)) {
            b->click();
        }
        return true;
    default:
        return false;
    }
}

} // namespace

// An arrow key chooses the next option of the group and then gives it the
// focus; its click is reported once the focus stands on it, as a mouse click
// is, so that a handler moving the focus elsewhere is not undone.
class OptionWidget : public Hooked<QRadioButton> {
public:
    using Hooked<QRadioButton>::Hooked;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        const int k = e->key();
        if (k != Qt::Key_Up && k != Qt::Key_Down && k != Qt::Key_Left && k != Qt::Key_Right) {
            Hooked<QRadioButton>::keyPressEvent(e);
            return;
        }
        if (hooks_ && hooks_->widgetKeyPress(e)) {
            e->accept();
            return;
        }
        ++arrowMoves;
        QRadioButton::keyPressEvent(e);
        if (--arrowMoves > 0) {
            return;
        }
        for (const QPointer<OptionButton>& chosen : std::exchange(chosenByArrow, {})) {
            if (chosen) {
                chosen->reportClick();
            }
        }
    }
};

Button::Button(Parent parent, const Geometry& g, const std::string& caption, const std::optional<Font>& font)
    : Control(parent, new Hooked<QPushButton>(parent.widget())), caption_(caption) {
    pushButton()->setAutoDefault(false);
    // Space, Enter and the program's click come here too.
    QObject::connect(pushButton(), &QPushButton::clicked, this, [this] {
        if (form().focusToAct(*this)) {
            fire(click_);
        }
    });
    ready(g, font);
    showCaption();
}

QPushButton* Button::pushButton() const { return static_cast<QPushButton*>(widget()); }

std::string Button::caption() const { return caption_; }

void Button::setCaption(const std::string& text) {
    caption_ = text;
    showCaption();
}

void Button::setWordWrap(bool on) {
    wordWrap_ = on;
    showCaption();
}

void Button::setStackedCaption(bool on) {
    stacked_ = on;
    showCaption();
}

bool Button::widgetEvent(QEvent* e) {
    if ((e->type() == QEvent::Resize && widget()->width() != wrappedWidth_) || e->type() == QEvent::FontChange) {
        showCaption();
    }
    return focusBeforeClick(*this, pushButton(), e);
}

// Breaks the caption at runs of blanks so that each line fits the button;
// a word wider than the button keeps a line of its own.
void Button::showCaption() {
    QPushButton* b = pushButton();
    wrappedWidth_ = b->width();
    const QString caption = qtext(caption_);
    if (stacked_) {
        static const QRegularExpression manyBlanks(QStringLiteral(" {2,}"));
        b->setText(caption.split(manyBlanks, Qt::SkipEmptyParts).join(QLatin1Char('\n')));
        return;
    }
    if (!wordWrap_) {
        b->setText(caption);
        return;
    }
    const QFontMetrics metrics(b->font());
    const int room = b->width() - 2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin) - 4;
    auto width = [&](const QString& s) {
        QString shown = s;
        shown.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&'));
        return metrics.horizontalAdvance(shown.replace(QLatin1String("\x01"), QLatin1String("&")));
    };
    QStringList lines;
    for (const QString& given : caption.split(QLatin1Char('\n'))) {
        QString line;
        qsizetype i = 0;
        while (i < given.size()) {
            qsizetype start = i;
            while (i < given.size() && given[i] == QLatin1Char(' ')) {
                ++i;
            }
            const QString blanks = given.mid(start, i - start);
            start = i;
            while (i < given.size() && given[i] != QLatin1Char(' ')) {
                ++i;
            }
            const QString word = given.mid(start, i - start);
            if (!line.isEmpty() && !word.isEmpty() && width(line + blanks + word) > room) {
                lines.append(line);
                line = word;
            } else {
                line += blanks + word;
            }
        }
        lines.append(line);
    }
    b->setText(lines.join(QLatin1Char('\n')));
}

void Button::click() { pushButton()->click(); }

bool Button::enterClicks() {
    click();
    return true;
}

CheckBox::CheckBox(Parent parent, const Geometry& g, const std::string& caption, const std::optional<Font>& font)
    : Control(parent, new TwoWayCheckBox(qtext(caption), parent.widget())) {
    QObject::connect(checkBox(), &QCheckBox::stateChanged, this, [this](int) { fire(click_); });
    ready(g, font);
}

QCheckBox* CheckBox::checkBox() const { return static_cast<QCheckBox*>(widget()); }

bool CheckBox::widgetEvent(QEvent* e) { return focusBeforeClick(*this, checkBox(), e); }

int CheckBox::value() const {
    switch (checkBox()->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    case Qt::Unchecked:
        break;
    }
    return 0;
}

void CheckBox::setValue(int v) {
    checkBox()->setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

std::string CheckBox::caption() const { return bytes(checkBox()->text()); }

void CheckBox::setCaption(const std::string& text) { checkBox()->setText(qtext(text)); }

OptionButton::OptionButton(Parent parent, const Geometry& g, const std::string& caption,
                           const std::optional<Font>& font)
    : Control(parent, new OptionWidget(qtext(caption), parent.widget())) {
    // Qt keeps the group exclusive among the radio buttons of one parent.
    radioButton()->setAutoExclusive(true);
    QObject::connect(radioButton(), &QRadioButton::toggled, this, [this](bool on) {
        if (!on) {
            return;
        }
        if (arrowMoves > 0) {
            chosenByArrow.emplace_back(this);
        } else {
            reportClick();
        }
    });
    ready(g, font);
}

void OptionButton::reportClick() {
    // Chosen and cleared again before the key's move ended: nothing to tell.
    if (value()) {
        fire(click_);
    }
}

QRadioButton* OptionButton::radioButton() const { return static_cast<QRadioButton*>(widget()); }

bool OptionButton::widgetEvent(QEvent* e) { return focusBeforeClick(*this, radioButton(), e); }

bool OptionButton::value() const { return radioButton()->isChecked(); }

void OptionButton::setValue(bool on) {
    QRadioButton* r = radioButton();
    if (on) {
        r->setChecked(true);
    } else if (r->isChecked()) {
        // An exclusive group never unchecks its chosen button by itself.
        r->setAutoExclusive(false);
        r->setChecked(false);
        r->setAutoExclusive(true);
    }
}

std::string OptionButton::caption() const { return bytes(radioButton()->text()); }

void OptionButton::setCaption(const std::string& text) { radioButton()->setText(qtext(text)); }

} // namespace olm::platform
