// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecimalField.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>

DecimalField::DecimalField(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] { showState(); });
}

bool DecimalField::readable() const
{
    QString text = lineEdit()->text();
    int position = 0;
    return validate(text, position) == QValidator::Acceptable;
}

// The digits, at most one decimal point (a point, a comma or the locale's own) and no more decimals
// than the field keeps; complete when a number can be read from it.
bool DecimalField::parse(QString const &text, double &value, bool &complete) const
{
    QString number = text;
    if (!prefix().isEmpty() && number.startsWith(prefix()))
        number.remove(0, prefix().size());
    QString const unit = suffix().trimmed();
    if (!unit.isEmpty() && number.trimmed().endsWith(unit))
        number = number.trimmed().chopped(unit.size());
    number = number.trimmed();
    if (number.startsWith('+'))
        number.remove(0, 1);

    QChar const ownPoint = locale().decimalPoint();
    int points = 0, digits = 0, decimalsTyped = 0;
    QString plain;
    for (QChar c : number) {
        if (c.isDigit()) { // the locale may show digits of its own script
            ++digits;
            decimalsTyped += points;
            plain += QChar('0' + c.digitValue());
        } else if (c == '.' || c == ',' || c == ownPoint) {
            ++points;
            plain += '.';
        } else {
            return false;
        }
    }
    if (points > 1) // 1,234.5 or 1.234,5: which one is the decimal point is a guess
        return false;
    if (decimalsTyped > decimals())
        return false;
    complete = digits > 0;
    value = complete ? plain.toDouble() : 0.0;
    return true;
}

QValidator::State DecimalField::validate(QString &input, int &) const
{
    double value = 0;
    bool complete = false;
    if (!parse(input, value, complete) || !complete)
        return QValidator::Intermediate;
    return value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                    : QValidator::Intermediate;
}

double DecimalField::valueFromText(QString const &text) const
{
    double result = value();
    bool complete = false;
    if (parse(text, result, complete) && complete)
        return result;
    return value();
}

// No guess at what unreadable text meant: it stays as it is.
void DecimalField::fixup(QString &) const
{}

void DecimalField::focusOutEvent(QFocusEvent *event)
{
    if (readable()) {
        QDoubleSpinBox::focusOutEvent(event);
        return;
    }
    // The spin box would put its last value back over the text; keep the
    // text and its mark, so that what cannot be read is seen.
    QCoreApplication::sendEvent(lineEdit(), event);
    QWidget::focusOutEvent(event);
    emit editingFinished();
}

void DecimalField::setWarning(QString const &text)
{
    if (text == warningText)
        return;
    warningText = text;
    showTip();
    showState();
}

void DecimalField::setTip(QString const &text)
{
    tipText = text;
    showTip();
}

void DecimalField::showTip()
{
    setToolTip(warningText.isEmpty() || tipText.isEmpty()
                   ? warningText + tipText
                   : warningText + QStringLiteral("\n\n") + tipText);
}

// Unreadable text on a red ground, a value with a warning on a yellow one.
void DecimalField::showState()
{
    QPalette tinted; // sets no colour: the field's own
    if (!readable())
        tinted.setColor(QPalette::Base, QColor(0xff, 0xd0, 0xd0));
    else if (!warningText.isEmpty())
        tinted.setColor(QPalette::Base, QColor(0xff, 0xec, 0xb0));
    setPalette(tinted);
}
