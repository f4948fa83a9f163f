#include "platform/text_entry.h"

#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace olm::platform {

namespace {

// Each Romanian letter with a diacritic, both the comma-below and the
// cedilla forms, with its plain letter.
constexpr std::pair<char16_t, char16_t> Diacritics[] = {
    {u'\u0103', u'a'}, {u'\u00E2', u'a'}, {u'\u0102', u'A'}, {u'\u00C2', u'A'}, // a with breve, circumflex
    {u'\u00EE', u'i'}, {u'\u00CE', u'I'},                                       // i with circumflex
    {u'\u0219', u's'}, {u'\u015F', u's'}, {u'\u0218', u'S'}, {u'\u015E', u'S'}, // s with comma, cedilla
    {u'\u021B', u't'}, {u'\u0163', u't'}, {u'\u021A', u'T'}, {u'\u0162', u'T'}, // t with comma, cedilla
};

} // namespace

char16_t withoutDiacritic(char16_t c) {
    for (const auto& [marked, plain] : Diacritics) {
        if (c == marked) {
            return plain;
        }
    }
    return c;
}

QString keptOfInsertion(const QString& inserted, const EntryRules& rules) {
    QString kept;
    kept.reserve(inserted.size());
    for (QChar ch : inserted) {
        char16_t u = ch.unicode();
        if (u == u'\r' || u == u'\n' || (u == u'\t' && rules.number)) {
            break;
        }
        if (u < 0x20 || u == 0x7F) {
            u = u' ';
        }
        u = withoutDiacritic(u);
        // A diacritic written as a mark of its own (above 255) goes with the
        // other characters a byte cannot hold, leaving the plain letter.
        if (u > 0xFF || rules.refused.find(static_cast<char>(u)) != std::string::npos) {
            continue;
        }
        kept += QChar(u);
    }
    return kept;
}

// What the edit put in ends at the cursor and is preceded by what the texts
// share at their head; when the text after the cursor is not what ended the
// text before (an undo elsewhere), what they share at both ends tells it.
QString filteredEdit(const QString& before, const QString& after, int& cursor, const EntryRules& rules) {
    const qsizetype n = before.size();
    const qsizetype m = after.size();
    qsizetype tail = m - cursor;
    if (cursor < 0 || tail < 0 || tail > n || before.right(tail) != after.right(tail)) {
        tail = 0;
        while (tail < n && tail < m && before[n - 1 - tail] == after[m - 1 - tail]) {
            ++tail;
        }
    }
    const qsizetype headRoom = std::min(n, m) - tail;
    qsizetype head = 0;
    while (head < headRoom && before[head] == after[head]) {
        ++head;
    }
    const QString inserted = after.mid(head, m - head - tail);
    if (inserted.isEmpty()) {
        return after;
    }
    QString kept = keptOfInsertion(inserted, rules);
    if (rules.maxLength > 0) {
        const qsizetype room = rules.maxLength - (m - inserted.size());
        kept.truncate(std::max<qsizetype>(0, room));
    }
    if (kept.isEmpty()) {
        return QString();
    }
    if (kept == inserted) {
        return after;
    }
    cursor = static_cast<int>(head + kept.size());
    return after.left(head) + kept + after.right(tail);
}

EntryFilter::EntryFilter(QLineEdit* edit) : QValidator(edit), edit_(edit), last_(edit->text()) {
    edit->setValidator(this);
    QObject::connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { last_ = text; });
    QObject::connect(edit, &QLineEdit::cursorPositionChanged, this, [this](int, int now) { lastCursor_ = now; });
}

void EntryFilter::setProgramText(const QString& text) {
    programSets_ = true;
    edit_->setText(text);
    programSets_ = false;
}

QValidator::State EntryFilter::validate(QString& input, int& pos) const {
    if (programSets_ || (passesWhole_ && passesWhole_(input))) {
        return Acceptable;
    }
    const QString kept = filteredEdit(last_, input, pos, rules_);
    // Nothing brought in can stay: the box gets back the text it had. Qt
    // would undo a refused edit itself only when the text before it was one
    // it held valid, and never an undo or a redo, after which it would take
    // anything; so a refusal is never left to it. (A text put back this way
    // costs the box its undo history.)
    if (kept.isNull()) {
        input = last_;
        pos = lastCursor_;
    } else {
        input = kept;
    }
    return Acceptable;
}

} // namespace olm::platform
