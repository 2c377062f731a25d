#pragma once

#include <QValidator>

class QLineEdit;

// Keeps a box to the characters a configuration file can hold (files/code_page.h),
// so that a name or designation is saved as it was typed. A character the code
// page lacks is refused as it is typed or pasted, and a tip under the box says
// why.
class CodePageValidator : public QValidator
{
    Q_OBJECT
public:
    explicit CodePageValidator(QLineEdit *box);
    State validate(QString &input, int &position) const override;

    // The tip shown when a character is refused.
    static QString refusedText();
};
