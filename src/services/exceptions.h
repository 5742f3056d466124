#pragma once

#include <QString>
#include <exception>
#include <string>

// The game's error type: a message for the player, shown in the standard error box.
class Exception : public std::exception {
public:
    explicit Exception(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toStdString()) {}
    const QString& Message() const { return FMessage; }
    const char* what() const noexcept override { return FUtf8.c_str(); }

private:
    QString FMessage;
    std::string FUtf8;
};

// A text that is not a valid integer.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A file that could not be written; the message names the file's full path.
class EWriteError : public Exception {
public:
    using Exception::Exception;
};

// A file that cannot be read as what it should be; the message names it.
class EReadError : public Exception {
public:
    using Exception::Exception;
};
