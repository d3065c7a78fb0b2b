#include "ui/TNumEdit.h"

#include <QFocusEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

TNumEdit::TNumEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this](const QString &text) { TakeTypedValue(text); });
}

void TNumEdit::SetFormat(TFormatter formatter, int decimals)
{
    FFormatter = std::move(formatter);
    const QRegularExpression pattern(QStringLiteral("\\d{0,6}(\\.\\d{0,%1})?").arg(decimals));
    const QValidator *previous = validator();
    setValidator(new QRegularExpressionValidator(pattern, this));
    delete previous;
}

void TNumEdit::SetValue(double value)
{
    FValue = value;
    setText(FFormatter ? FFormatter(value) : QString::number(value));
}

void TNumEdit::TakeTypedValue(const QString &text)
{
    bool ok = false;
    const double typed = text.toDouble(&ok);
    FValue = ok ? typed : 0.0;
}

void TNumEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Switching to another window or opening a menu does not leave the field.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason && OnExit)
        OnExit();
}
