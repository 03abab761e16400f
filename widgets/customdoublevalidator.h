#pragma once

#include <QDoubleValidator>

// A double validator for typed coordinates: the empty text and "0", "0.",
// "0.0", a lone "." and (where the range allows a sign) "-" and "-." are
// Intermediate; more decimals than allowed, a value outside the range or a
// text that is no finite number are Invalid.
class CustomDoubleValidator : public QDoubleValidator
{
    Q_OBJECT
public:
    explicit CustomDoubleValidator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};
