#pragma once

// The characters a field takes (digits, hexadecimal digits, or digits and "-") and how many. Typing
// anything else is refused key by key (the window's key filter asks AcceptsChar); a paste or a drop
// is filtered like typing: the characters the field would refuse are left out, and of the rest
// only as many go in as there is room for. A field can also show its letters in one case, as the
// RGB field shows its digits in the value case.

#include <QValidator>

class QLineEdit;

namespace tintora {

enum class TFieldChars { fcDigits, fcHex, fcSigned };

class TFieldCharsValidator : public QValidator {
    Q_OBJECT
public:
    TFieldCharsValidator(TFieldChars chars, int maxLength, QObject* parent);

    bool AcceptsChar(QChar ch) const;
    // Letters shown in upper case (true) or lower case (false, at first).
    void SetUpper(bool upper) { upper_ = upper; }
    bool Upper() const { return upper_; }

    State validate(QString& input, int& pos) const override;

private:
    TFieldChars chars_;
    int maxLength_;
    bool upper_ = false;
};

// Gives the field a TFieldCharsValidator. The field's own length limit stays off: it would cut a
// paste before its refused characters are left out.
TFieldCharsValidator* TakeOnly(QLineEdit* field, TFieldChars chars, int maxLength);

} // namespace tintora
