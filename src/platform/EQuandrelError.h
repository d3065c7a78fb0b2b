#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The one root of every failure Quandrel raises on purpose. It carries a
// message fit to show to the user as it stands.
class EQuandrelError : public std::exception
{
public:
    explicit EQuandrelError(QString message);

    const QString &message() const { return FMessage; }
    const char *what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};
