#include "code_page_validator.h"

#include "files/code_page.h"

#include <QLineEdit>
#include <QToolTip>

CodePageValidator::CodePageValidator(QLineEdit *box) : QValidator(box)
{
    connect(box, &QLineEdit::inputRejected, this, [box] {
        if (qobject_cast<const CodePageValidator *>(box->validator()))
            QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), refusedText(), box);
    });
}

QValidator::State CodePageValidator::validate(QString &input, int &) const
{
    return codepage::canHold(input) ? Acceptable : Invalid;
}

QString CodePageValidator::refusedText()
{
    return tr("THIS CHARACTER CANNOT BE SAVED IN A CONFIGURATION FILE (CODE PAGE %1)")
        .arg(codepage::name());
}
