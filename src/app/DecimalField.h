// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDoubleSpinBox>

// A number field that reads what was typed the way a person means it: a point
// or a comma is the decimal point in any language, digits are never grouped,
// and text that is not such a number stays as typed, marked, rather than
// being turned into some other number. It shows numbers in its locale.
class DecimalField : public QDoubleSpinBox {
    Q_OBJECT

public:
    explicit DecimalField(QWidget *parent = nullptr);

    // False while the field shows text that is not a number in its range; its
    // value is then still the last one it could read.
    bool readable() const;
    // A note on the value, shown as a tint and as the field's tooltip; empty
    // for none.
    void setWarning(QString const &text);
    QString warning() const { return warningText; }
    // What the field means, its unit and range: the tooltip, after the
    // warning when there is one.
    void setTip(QString const &text);

    QValidator::State validate(QString &input, int &position) const override;
    double valueFromText(QString const &text) const override;
    void fixup(QString &input) const override;

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The number in text, without prefix and suffix; nothing if unreadable.
    bool parse(QString const &text, double &value, bool &complete) const;
    void showState();

    void showTip();

    QString warningText;
    QString tipText;
};
