#pragma once

// Forces the letters typed into a field to one case, as the RGB field shows its digits in the
// value case: upper when the case setting is upper, lower otherwise.

#include <QValidator>

namespace tintora {

class TLetterCaseValidator : public QValidator {
public:
    explicit TLetterCaseValidator(QObject* parent = nullptr) : QValidator(parent) {}

    void SetUpper(bool upper) { upper_ = upper; }
    bool Upper() const { return upper_; }

    State validate(QString& input, int&) const override {
        input = upper_ ? input.toUpper() : input.toLower();
        return Acceptable;
    }

private:
    bool upper_ = false;
};

} // namespace tintora
