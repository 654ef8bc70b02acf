#pragma once

#include <QByteArray>
#include <QString>
#include <exception>
#include <initializer_list>

// Invalid input typed by the cashier. Handlers catch it, put the focus back into the field and
// show message() as a warning; anything else reaches the general error box.
class PVErrInput : public std::exception {
public:
    explicit PVErrInput(const QString& message);
    // Each "%s" in the format takes the next argument, in order; surplus "%s" stay as written.
    PVErrInput(const QString& format, std::initializer_list<QString> args);

    const QString& message() const { return text; }
    const char* what() const noexcept override { return utf8.constData(); }

private:
    QString text;
    QByteArray utf8;
};
