#include "widgets/FieldCharsValidator.h"

#include <algorithm>

#include <QLineEdit>

namespace tintora {

TFieldCharsValidator::TFieldCharsValidator(TFieldChars chars, int maxLength, QObject* parent)
    : QValidator(parent), chars_(chars), maxLength_(maxLength) {}

bool TFieldCharsValidator::AcceptsChar(QChar ch) const {
    const bool digit = ch >= '0' && ch <= '9';
    switch (chars_) {
    case TFieldChars::fcDigits:
        return digit;
    case TFieldChars::fcHex:
        return digit || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f');
    case TFieldChars::fcSigned:
        return digit || ch == '-';
    }
    return false;
}

QValidator::State TFieldCharsValidator::validate(QString& input, int& pos) const {
    QString kept;
    kept.reserve(input.size());
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (AcceptsChar(input[i])) {
            kept += input[i];
        } else if (i < pos) {
            --pos;
        }
    }
    // What did not fit is what came last: the end of the text just put in, before the caret.
    if (const qsizetype excess = kept.size() - maxLength_; excess > 0) {
        const qsizetype from =
            std::max<qsizetype>(0, std::min<qsizetype>(pos, kept.size()) - excess);
        kept.remove(from, excess);
        pos = static_cast<int>(std::min<qsizetype>(from, kept.size()));
    }
    input = upper_ ? kept.toUpper() : kept.toLower();
    return Acceptable;
}

TFieldCharsValidator* TakeOnly(QLineEdit* field, TFieldChars chars, int maxLength) {
    auto* validator = new TFieldCharsValidator(chars, maxLength, field);
    field->setValidator(validator);
    return validator;
}

} // namespace tintora
